#include "shell/shop_login.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/converters.h"
#include "core/install_values.h"
#include "core/log.h"
#include "core/login_values.h"
#include "core/win_http.h"

namespace {

const QString kLabel = QStringLiteral("logins() ... ");

QString attempt(const QString& scheme, const QString& id, const QString& password)
{
    gServerURL = scheme + BackendHost();
    BackendRequest request(kLabel, QStringLiteral("/program/logins.php"));
    request.withAccount(id, password);
    const QString address = request.url();
    const QString body = request.body();
    WriteLog(kLabel + address + "?" + body, QStringLiteral("_WinHttp"));
    const QString answer = CleanLoginAnswer(GetWinHttp(address, body, true));
    WriteLog(kLabel + "ResponseStr:\r\n" + LoggedAnswer(answer), QStringLiteral("_WinHttp"));
    return answer;
}

} // namespace

QString CleanLoginAnswer(QString answer)
{
    for (int pass = 0; pass < 11; ++pass) {
        answer.replace(QStringLiteral("\r\r"), QStringLiteral("\r"));
        answer.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
    }
    return answer;
}

bool IsShopLoginSuccess(const QString& answer)
{
    if (!IsSuccessAnswer(answer))
        return false;
    const QString open = QStringLiteral("번호[");
    const qsizetype start = answer.indexOf(open);
    if (start < 0)
        return false;
    const qsizetype value = start + open.size();
    const qsizetype close = answer.indexOf(QStringLiteral("]번호"), value);
    const qsizetype reopened = answer.indexOf(open, value);
    return close > value && (reopened < 0 || reopened > close)
           && !QStringView(answer).sliced(value, close - value).contains(QChar::ReplacementCharacter);
}

QString PostShopLogin(const QString& id, const QString& password)
{
    const QString answer = attempt(QStringLiteral("https://"), id, password);
    if (!Trim(answer).isEmpty())
        return answer;
    return attempt(QStringLiteral("http://"), id, password);
}
