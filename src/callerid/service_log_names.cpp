#include "callerid/service_log_names.h"

QString KtLogName()
{
    return QStringLiteral("KTOpenAPI ");
}

QString LgLogName(int line)
{
    return "【LGU+】(" + QString::number(line) + ") ";
}
