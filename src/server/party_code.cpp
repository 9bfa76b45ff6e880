#include "server/party_code.h"

#include "core/answer_grammar.h"
#include "core/converters.h"

#include <algorithm>

namespace {

// The tags of one count of the party block, made once.
struct Tag
{
    explicit Tag(const char* name)
        : open("<" + QString::fromUtf8(name) + ">"), close("</" + QString::fromUtf8(name) + ">") {}
    QString open;
    QString close;
};

const Tag kScheme("persontype"), kTotal("totalcount"), kMale("sexmale"), kFemale("sexfemale"), kBig("big"),
    kSmall("small");

QStringView valueIn(QStringView block, const Tag& tag)
{
    return GetFieldView(block, tag.open, tag.close).value_or(QStringView());
}

// Plain digits, as the backend writes its counts, are read directly; any other text as ToLong reads it.
int countIn(QStringView block, const Tag& tag)
{
    const QStringView value = valueIn(block, tag);
    if (value.isEmpty() || value.size() > 9 || !std::all_of(value.begin(), value.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return ToLong(value.toString());
    int count = 0;
    for (const QChar c : value)
        count = count * 10 + (c.unicode() - u'0');
    return count;
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

PartyCode PartyCodeFromBlock(QStringView block)
{
    const QStringView scheme = valueIn(block, kScheme);
    if (scheme == u"0")
        return PartyCodeOf("0", countIn(block, kTotal), 0);
    if (scheme == u"1")
        return PartyCodeOf("1", countIn(block, kMale), countIn(block, kFemale));
    if (scheme == u"2")
        return PartyCodeOf("2", countIn(block, kBig), countIn(block, kSmall));
    return {};
}
