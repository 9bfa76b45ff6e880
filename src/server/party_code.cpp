#include "server/party_code.h"

#include "core/answer_grammar.h"
#include "core/converters.h"
#include "server/cache_digits.h"

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
    if (const auto count = DigitsValue(value, 9))
        return int(*count);
    return ToLong(value.toString());
}

// The sum as the 32-bit column holds it; 0 when it does not fit.
int total(int first, int second)
{
    const qint64 sum = qint64(first) + second;
    return sum == static_cast<int>(sum) ? static_cast<int>(sum) : 0;
}

// The code of a scheme's letters and counts: "T;" n, or "M;" m ";F;" f and the like; written
// directly, as the rebuild writes one for each of its many rows.
QString codeText(char16_t firstLetter, int first, char16_t secondLetter = 0, int second = 0)
{
    char16_t out[32];
    char16_t* end = out;
    *end++ = firstLetter;
    *end++ = u';';
    end = WriteDigits(end, first);
    if (secondLetter) {
        *end++ = u';';
        *end++ = secondLetter;
        *end++ = u';';
        end = WriteDigits(end, second);
    }
    return QStringView(out, end - out).toString();
}

// The code of a scheme given as its one character.
PartyCode codeOf(QStringView scheme, int first, int second)
{
    if (scheme == u'0')
        return {codeText(u'T', first), first};
    if (scheme == u'1')
        return {codeText(u'M', first, u'F', second), total(first, second)};
    if (scheme == u'2')
        return {codeText(u'B', first, u'S', second), total(first, second)};
    return {};
}

} // namespace

PartyCode PartyCodeOf(const QString& scheme, int first, int second)
{
    return codeOf(scheme, first, second);
}

PartyCode PartyCodeFromBlock(QStringView block)
{
    const QStringView scheme = valueIn(block, kScheme);
    if (scheme == u'0')
        return codeOf(scheme, countIn(block, kTotal), 0);
    if (scheme == u'1')
        return codeOf(scheme, countIn(block, kMale), countIn(block, kFemale));
    if (scheme == u'2')
        return codeOf(scheme, countIn(block, kBig), countIn(block, kSmall));
    return {};
}
