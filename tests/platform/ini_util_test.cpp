#include "platform/ini_util.h"
#include "support/program_dir.h"

#include <gtest/gtest.h>

TEST(IniUtil, RoundTripKeepsKoreanSectionsCommentsAndCase)
{
    TempProgramDir dir;
    dir.write("Frshop.cfg", "; shop settings\r\n[SET]\r\nW=1024\r\n; keep me\r\nunknown=1\r\n\r\n[즉시문자]\r\n문자1=안녕\r\n");
    IniUtil ini;
    EXPECT_EQ(ini.ReadValue("SET", "W", 0).toString(), "0");   // no file set: the default
    ini.setFileName(dir.file("Frshop.cfg"));
    EXPECT_EQ(ini.ReadValue("set", "w", 0).toString(), "1024");
    EXPECT_EQ(ini.ReadValue("즉시문자", "문자1", "").toString(), "안녕");
    EXPECT_EQ(ini.ReadValue("CID", "KTUse", false), QVariant(false));

    ini.WriteValue("SET", "H", 768);
    ini.WriteValue("Set", "W", 800);
    ini.WriteValue("CID", "KTUse", true);
    ini.WriteValue("즉시문자", "문자2", "줄");
    EXPECT_EQ(dir.read("Frshop.cfg"),
              "; shop settings\r\n[SET]\r\nW=800\r\n; keep me\r\nunknown=1\r\nH=768\r\n\r\n"
              "[즉시문자]\r\n문자1=안녕\r\n문자2=줄\r\n\r\n[CID]\r\nKTUse=True\r\n");
    EXPECT_EQ(ini.ReadValue("CID", "KTUse", false).toString(), "True");
}

TEST(IniUtil, TextFunctions)
{
    EXPECT_EQ(IniUtil::CutAtNull(QString("ab") + QChar(0) + "cd"), "ab");
    EXPECT_EQ(IniUtil::ByteLength("가a"), 3);
    EXPECT_EQ(IniUtil::LeftByBytes("가나다", 5), "가나");
    EXPECT_EQ(IniUtil::RoundUp(2.1, 0), 3);
    EXPECT_EQ(IniUtil::RoundDown(2.9, 0), 2);
}
