#include "server/message_credit.h"

#include "core/backend_request.h"
#include "core/converters.h"
#include "core/error_line.h"
#include "core/log.h"
#include "core/number_format.h"
#include "core/win_http.h"
#include "server/answer_fields.h"

namespace {

int g_calls = 0;

} // namespace

int VMR_남은문자(bool* arrived)
{
    // This call's own number: another call may run while this one waits for its answer.
    const int call = ++g_calls;
    const BackendRequest request("VMR_남은문자() ... ", "/program/alramsavingLoading.php");
    const QString answer = GetWinHttp(request.url(), request.body(), true);
    WriteLog("VMR_남은문자() ... (" + FormatNumber(call, "#,##0") + ") " + request.url() + "?"
                 + request.body() + " → " + LoggedAnswer(answer),
             "_WinHttp_1");
    const auto credit = BracketField(answer, "smsPoint");
    if (!credit)
        LogError(QStringLiteral("libz_VMR"), QStringLiteral("VMR_남은문자"), 6, 5,
                 QStringLiteral("Invalid procedure call or argument"));
    if (arrived)
        *arrived = credit.has_value();
    return credit ? ToLong(*credit) : 0;
}
