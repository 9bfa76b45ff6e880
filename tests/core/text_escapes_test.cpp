#include "core/text_escapes.h"

#include <gtest/gtest.h>

TEST(TextEscapes, EncodeAndDecodeFollowTheirTables)
{
    EXPECT_EQ(VmrEncodeAA("a+b&c%d"), "accdd!!b!123!cddee!!d");
    EXPECT_EQ(VmrDecodeAA("accdd!!b!123!cddee!!d"), "a+b＆c%d");
    EXPECT_EQ(VmrEncodeAA("a＆b"), "a!123!b");
    EXPECT_EQ(VmrEncodeAA("one\r\ntwo\nthree\rfour"), "one!줄바꿈!two!줄!three\rfour");
    EXPECT_EQ(VmrEncodeBB("김\"철수\" & 이+박\r\n최\n"), "김!특문3!철수!특문3! !특문1! 이!특문2!박!줄바꿈!최!줄!");
    EXPECT_EQ(VmrDecodeAA("김!특문3!철수!특문3! !특문1! 이!특문2!박!줄바꿈!최!줄!"), "김\"철수\" ＆ 이+박\r\n최\r\n");
    EXPECT_EQ(VmrDecodeAA("1플랏뚜ㅋ1"), "1+1");
    EXPECT_EQ(VmrDecodeAA("!줄!"), "\r\n");
    // Tokens overlap: "!123!" is replaced before "ddee!!".
    EXPECT_EQ(VmrDecodeAA("ddee!!123!"), "ddee!＆");
}

TEST(TextEscapes, PercentForms)
{
    EXPECT_EQ(URLEncode("\t"), "%09");
    EXPECT_EQ(URLEncode("가A"), "%EA%B0%80%41");
    EXPECT_EQ(URLEncode(""), "");
    EXPECT_EQ(URLDecode(URLEncode("안녕!줄!하세요 & 100%")), "안녕!줄!하세요 & 100%");

    struct Case { const char* in; QString out; };
    for (const Case& c : {Case{"%EA%B0%80", "가"}, Case{"abc%41", "A"}, Case{"%4", "?"}, Case{"abc", ""},
                          Case{"", ""}, Case{"%4a%4G", QString("J") + QChar(4)}, Case{"%41%", "A?"}}) {
        EXPECT_EQ(URLDecode(c.in), c.out) << c.in;
    }
    EXPECT_EQ(URLDecode("%G1"), QString(QChar(0)));
}

TEST(TextEscapes, Utf8Decoding)
{
    EXPECT_EQ(UTF8ToString(QByteArray("\xEA\xB0\x80")), "가");
    EXPECT_EQ(UTF8ToString(QByteArray("\xFF")), QString(QChar(0xFFFD)));
    EXPECT_EQ(UTF8ToString(QByteArray()), "");
}

TEST(TextEscapes, FormValueEncodesOnlyTheFormCharacters)
{
    EXPECT_EQ(FormValue("A&B=C+D 100% 김"), "A%26B=C%2BD 100%25 김");
    EXPECT_EQ(FormValue("010-1234-5678"), "010-1234-5678");
}
