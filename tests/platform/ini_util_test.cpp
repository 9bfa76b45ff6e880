#include "platform/ini_util.h"
#include "support/program_dir.h"
#include "support/seams.h"

#include <QFile>

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

TEST(IniUtil, StackedByteOrderMarksHideNoSection)
{
    for (int marks = 1; marks <= 4; ++marks) {
        TempProgramDir dir;
        dir.write("Frshop.cfg", QByteArray("\xEF\xBB\xBF").repeated(marks) + "[SET]\r\nW=1024\r\n");
        IniUtil ini;
        ini.setFileName(dir.file("Frshop.cfg"));
        EXPECT_EQ(ini.ReadValue("SET", "W", 0).toString(), "1024") << marks << " marks";
        ini.WriteValue("SET", "H", 768);
        EXPECT_EQ(ini.ReadValue("SET", "H", 0).toString(), "768") << marks << " marks";
        EXPECT_EQ(dir.read("Frshop.cfg"), "[SET]\r\nW=1024\r\nH=768\r\n") << marks << " marks";
    }
}

TEST(IniUtil, TextFunctions)
{
    EXPECT_EQ(IniUtil::CutAtNull(QString("ab") + QChar(0) + "cd"), "ab");
    EXPECT_EQ(IniUtil::ByteLength("가a"), 3);
    EXPECT_EQ(IniUtil::LeftByBytes("가나다", 5), "가나");
    EXPECT_EQ(IniUtil::RoundUp(2.1, 0), 3);
    EXPECT_EQ(IniUtil::RoundDown(2.9, 0), 2);
}

TEST(IniUtil, WritesCreateTheFileAndReadBackWhatWasWritten)
{
    TempProgramDir dir;
    IniUtil ini;
    ini.setFileName(dir.file("Patch.ini"));
    EXPECT_EQ(ini.ReadValue("Patch", "Version", "").toString(), "");
    ini.WriteValue("Patch", "Version", "3.1.0.161");
    ini.WriteValue("Patch", "Size", 1048576);
    ini.WriteValue("SET", "Scale", 1.25);
    ini.WriteValue("SET", "Auto", false);
    EXPECT_EQ(ini.ReadValue("Patch", "Version", "").toString(), "3.1.0.161");
    EXPECT_EQ(ini.ReadValue("Patch", "Size", 0).toInt(), 1048576);
    EXPECT_EQ(ini.ReadValue("SET", "Scale", 0).toDouble(), 1.25);
    EXPECT_EQ(ini.ReadValue("SET", "Auto", true).toString(), "False");
    EXPECT_EQ(ini.ReadValue("SET", "Missing", 7).toInt(), 7);
    EXPECT_EQ(dir.read("Patch.ini"), "[Patch]\r\nVersion=3.1.0.161\r\nSize=1048576\r\n\r\n[SET]\r\nScale=1.25\r\nAuto=False\r\n");
}

TEST(IniUtil, ErrorLogIsADatedFileOfItsOwn)
{
    TempProgramDir dir;
    ScopedFakeClock clock(QDateTime(QDate(2024, 4, 26), QTime(14, 5, 9, 7)));
    IniUtil ini;
    ini.WriteErrorLog("e)frmDataLoad->Download[Erl:=2, Eno:=53]\r\n   File not found", 3, 2);
    EXPECT_EQ(dir.read("240426_ErrorLog.log"),
              "[14:05:09.007]e)frmDataLoad->Download[Erl:=2, Eno:=53]\r\n   File not found\r\n");
    EXPECT_FALSE(QFile::exists(dir.file("240426.log")));
}

TEST(IniUtil, NumberFunctions)
{
    struct Case { QVariant value; int number; };
    for (const Case& c : {Case{"7", 7}, Case{"15 오늘", 15}, Case{" 3", 3}, Case{"", 0}, Case{"오늘", 0},
                          Case{QVariant(12), 12}, Case{"99999999999", 0}})
        EXPECT_EQ(IniUtil::VarToLong(c.value), c.number) << c.value.toString().toStdString();
    EXPECT_EQ(IniUtil::RoundUp(4.0, 0), 4);
    EXPECT_EQ(IniUtil::RoundUp(5.29, 0), 6);
    EXPECT_DOUBLE_EQ(IniUtil::RoundDigits(12.34, 1), 12.3);
    EXPECT_EQ(IniUtil::LeftByBytes("가나다", 3), "가");
    EXPECT_EQ(IniUtil::LeftByBytes("a가", 2), "a");
    EXPECT_EQ(IniUtil::LeftByBytes("abc", 0), "");
    EXPECT_EQ(IniUtil::ByteLength(""), 0);
}
