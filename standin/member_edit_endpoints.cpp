#include "endpoint.h"

#include "core/answer_grammar.h"
#include "core/text_escapes.h"

// The member update of the board's member panel.

namespace {

// Stores the member's values under its number: "성공", or "실패" for an empty or unknown number.
QString editMember(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString number = form.value("numt");
    for (StandinRecord& member : shop.members) {
        if (number.isEmpty() || member.value("num") != number)
            continue;
        member.insert("name", form.value("name"));
        member.insert("level", form.value("levelname"));
        member.insert("levelfrozen", form.value("levelfrozen"));
        member.insert("memo", VmrDecodeAA(form.value("memot")));
        member.insert("deny", form.value("denyt"));
        member.insert("pointcheck", form.value("pointcheck"));
        const QString consents = form.value("snst");
        for (const char* consent : {"snsi", "snsf", "snsb", "snse"}) {
            const QString name = QString::fromLatin1(consent);
            member.insert(name, GetField(consents, " " + name + "[", "]" + name).value_or(QStringLiteral("N")));
        }
        for (const char* kept : {"name2", "lastzzimnames", "add_phone1", "add_phone2", "add_phone3", "careful"})
            member.insert(kept, form.value(kept));
        return QStringLiteral("성공");
    }
    return QStringLiteral("실패");
}

} // namespace

void AddMemberEditEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/MemberInfoEdit.php", editMember);
}
