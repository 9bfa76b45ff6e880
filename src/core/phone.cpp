#include "core/phone.h"

#include "core/converters.h"

#include <QStringList>

namespace {

bool isMobileArea(const QString& area)
{
    static const QStringList mobile = {"010", "011", "016", "017", "018", "019"};
    return mobile.contains(area);
}

PhoneParts parts(int kind, const QString& digits, qsizetype areaSize)
{
    PhoneParts p;
    p.kind = kind;
    p.area = digits.left(areaSize);
    p.last = digits.right(4);
    p.middle = digits.mid(areaSize, digits.size() - areaSize - 4);
    return p;
}

} // namespace

PhoneParts SplitPhone(const QString& phone)
{
    QString s = Trim(phone);
    s.remove(u'-');
    s.remove(u')');
    const qsizetype n = s.size();
    if (n <= 6)
        return {};
    if (n <= 8)
        return parts(PhoneParts::Landline, s, 0);
    if (s.startsWith(u"02") && n <= 10)
        return parts(PhoneParts::Landline, s, 2);
    if (n < 10 || n > 12 || !IsNumber(s))
        return {};
    PhoneParts p = parts(PhoneParts::Landline, s, n == 12 ? 4 : 3);
    if (isMobileArea(p.area))
        p.kind = PhoneParts::Mobile;
    return p;
}

QString FormatPhoneMasked(const QString& phone, bool mask)
{
    PhoneParts p = SplitPhone(phone);
    if (mask && p.middle.size() == 4)
        p.middle = p.middle.left(1) + "**" + p.middle.right(1);
    QString shown;
    for (const QString* part : {&p.area, &p.middle, &p.last}) {
        if (part->isEmpty())
            continue;
        if (!shown.isEmpty())
            shown += u'-';
        shown += *part;
    }
    return shown;
}
