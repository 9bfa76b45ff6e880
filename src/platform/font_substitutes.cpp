#include "platform/font_substitutes.h"

#include <QFont>

const QList<FontSubstitute>& FontSubstitutes()
{
    static const QList<FontSubstitute> table = {
        {QStringLiteral("여기어때 잘난체"), QStringLiteral("NanumSquare")},
        {QStringLiteral("나눔고딕"), QStringLiteral("NanumGothic")},
        {QStringLiteral("굴림"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Gulim"), QStringLiteral("NanumGothic")},
        {QStringLiteral("돋움"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Dotum"), QStringLiteral("NanumGothic")},
        {QStringLiteral("맑은 고딕"), QStringLiteral("NanumBarunGothic")},
        {QStringLiteral("Malgun Gothic"), QStringLiteral("NanumBarunGothic")},
        {QStringLiteral("굴림체"), QStringLiteral("NanumGothicCoding")},
        {QStringLiteral("돋움체"), QStringLiteral("NanumGothicCoding")},
        {QStringLiteral("바탕"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("궁서"), QStringLiteral("NanumMyeongjo")},
    };
    return table;
}

void InstallFontSubstitutes()
{
    for (const FontSubstitute& entry : FontSubstitutes())
        QFont::insertSubstitution(entry.family, entry.substitute);
}
