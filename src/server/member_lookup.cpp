#include "server/member_lookup.h"

#include "core/backend_request.h"
#include "server/answer_fields.h"

QString Vmr_회원(const QString& phone)
{
    const QString answer = BackendRequest("Vmr_회원() ... ", "/program/SearchMember1DetailPhone.php")
                               .add("phonet", QString(phone).remove('-'))
                               .send();
    const QString name = BracketText(answer, "name");
    return name == QStringLiteral("임시") ? QStringLiteral("준회원") : name;
}
