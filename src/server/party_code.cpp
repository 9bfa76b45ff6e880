#include "server/party_code.h"

#include "core/answer_grammar.h"
#include "core/converters.h"

namespace {

int countIn(const QString& block, const QString& tag)
{
    return ToLong(GetField(block, "<" + tag + ">", "</" + tag + ">").value_or(QString()));
}

// The sum as the 32-bit column holds it; 0 when it does not fit.
int total(int first, int second)
{
    const qint64 sum = qint64(first) + second;
    return sum == static_cast<int>(sum) ? static_cast<int>(sum) : 0;
}

} // namespace

PartyCode PartyCodeOf(const QString& scheme, int first, int second)
{
    const QString a = QString::number(first);
    const QString b = QString::number(second);
    if (scheme == "0")
        return {"T;" + a, first};
    if (scheme == "1")
        return {"M;" + a + ";F;" + b, total(first, second)};
    if (scheme == "2")
        return {"B;" + a + ";S;" + b, total(first, second)};
    return {};
}

PartyCode PartyCodeFromBlock(const QString& block)
{
    const QString scheme = GetField(block, "<persontype>", "</persontype>").value_or(QString());
    if (scheme == "0")
        return PartyCodeOf(scheme, countIn(block, "totalcount"), 0);
    if (scheme == "1")
        return PartyCodeOf(scheme, countIn(block, "sexmale"), countIn(block, "sexfemale"));
    if (scheme == "2")
        return PartyCodeOf(scheme, countIn(block, "big"), countIn(block, "small"));
    return {};
}
