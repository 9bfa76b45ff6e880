#include "server/cached_span.h"

#include "server/cache_dates.h"
#include "server/server_globals.h"

CachedSpan CachedSpanOf(const QString& startText, const QString& endText)
{
    CachedSpan span{ReadCacheMoment(startText), ReadCacheMoment(endText)};
    if (!span.end.isValid() && span.start.isValid())
        span.end = span.start.addSecs(qint64(gRequireTime) * 60);
    return span;
}
