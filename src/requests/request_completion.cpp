#include "requests/request_completion.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"

#include <QPointer>

bool CompleteTableRequest(WaitPicture& wait, const QString& number)
{
    QPointer<WaitPicture> guard(&wait);
    wait.showBeforeRequest();
    const QString answer = BackendRequest(QStringLiteral("Check_고객요청() ... "), QStringLiteral("/program/qrtablememoOK.php"))
                               .addEscaped(QStringLiteral("numt"), number)
                               .withSuffix(QStringLiteral("_WinHttp_Req"))
                               .send();
    if (guard)
        guard->hide();
    return IsSuccessAnswer(answer);
}
