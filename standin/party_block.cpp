#include "party_block.h"

#include "answer_writer.h"

#include <QStringList>

#include "core/answer_grammar.h"

namespace {

QStringList countsOf(const QString& scheme)
{
    if (scheme == "1")
        return {"sexmale", "sexfemale"};
    if (scheme == "2")
        return {"big", "small"};
    return {"totalcount"};
}

} // namespace

QString PartyBlock(const StandinRecord& reservation)
{
    const QString scheme = reservation.value("persontype");
    QString block = Tag("persontype", scheme);
    for (const QString& count : countsOf(scheme))
        block += Tag(count, reservation.value(count));
    return block;
}

int PartyTotal(const StandinRecord& reservation)
{
    int total = 0;
    for (const QString& count : countsOf(reservation.value("persontype")))
        total += reservation.value(count).toInt();
    return total;
}

void StorePartyBlock(StandinRecord& reservation, const QString& block)
{
    auto tagValue = [&](const QString& name) {
        return GetField(block, "<" + name + ">", "</" + name + ">").value_or(QString());
    };
    const QString scheme = tagValue("persontype");
    reservation.insert("persontype", scheme);
    for (const char* count : {"totalcount", "sexmale", "sexfemale", "big", "small"})
        reservation.insert(count, QString());
    for (const QString& count : countsOf(scheme))
        reservation.insert(count, tagValue(count));
}
