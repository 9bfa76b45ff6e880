#include "platform/sound.h"
#include "shell/main_skin.h"
#include "support/program_dir.h"
#include "support/seams.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kBuiltSkin = QStringLiteral(VMR_BUILT_SKIN_DIR);

struct MainStrip {
    QWidget window;
    QLabel* BG0 = new QLabel(&window);
    PanelButton* CMD0 = new PanelButton(&window, 0);
    PanelButton* CMD1 = new PanelButton(&window, 1);
    MainSkinControls controls() { return {BG0, CMD0, CMD1}; }
};

// A copy of the built skin without the named files.
void CopySkinWithout(const QString& target, const QStringList& left)
{
    QDir().mkpath(target);
    for (const QString& name : QDir(kBuiltSkin).entryList(QDir::Files))
        if (!left.contains(name))
            QFile::copy(kBuiltSkin + "/" + name, target + "/" + name);
}

QSize SizeOf(const QString& name)
{
    return QImage(kBuiltSkin + "/" + name).size();
}

} // namespace

TEST(MainWindowSkin, BuiltSkinFillsEveryListAndTheStrip)
{
    TempProgramDir dir;
    MainStrip strip;
    MainPictureLists lists;
    EXPECT_TRUE(ReadMainWindowSkin(lists, strip.controls(), kBuiltSkin));
    EXPECT_EQ(lists.ImgBtn.Count(), 2);
    EXPECT_EQ(lists.ImgTbl.Count(), 12);
    EXPECT_EQ(lists.ImgIcon.Count(), 9);
    EXPECT_EQ(lists.imgGlobal.Count(), 4);
    for (int place : {13, 14, 15})
        EXPECT_TRUE(lists.ImgBtn3.Has(place)) << place;
    EXPECT_FALSE(lists.ImgBtn3.Has(1));
    EXPECT_EQ(lists.ImgTbl.Item(1).size(), QSize(335, 112));
    EXPECT_EQ(strip.BG0->pixmap().size(), SizeOf("0501.gif"));
    EXPECT_EQ(strip.CMD0->picture().size(), QSize(38, 70));
    EXPECT_TRUE(strip.CMD0->isHidden());
    EXPECT_TRUE(strip.CMD1->isHidden());
    EXPECT_EQ(dir.read(QDate::currentDate().toString("yyMMdd") + ".log"), "");
}

TEST(MainWindowSkin, AMissingPictureMovesTheLaterOnesUp)
{
    TempProgramDir dir;
    CopySkinWithout(dir.file("skin"), {"0502.gif", "btnC01.gif"});
    MainStrip strip;
    MainPictureLists lists;
    EXPECT_TRUE(ReadMainWindowSkin(lists, strip.controls(), dir.file("skin")));
    EXPECT_EQ(lists.ImgIcon.Count(), 8);
    EXPECT_EQ(lists.ImgIcon.Item(2).size(), SizeOf("0503.gif"));
    EXPECT_EQ(lists.ImgBtn.Count(), 1);
}

TEST(MainWindowSkin, TooFewStripPicturesStopAtTheFirstMissingPlace)
{
    TempProgramDir dir;
    ScopedFakeClock clock(QDateTime(QDate(2024, 4, 26), QTime(9, 0, 0, 7)));
    CopySkinWithout(dir.file("skin"), {"0502.gif", "0503.gif"});
    MainStrip strip;
    MainPictureLists lists;
    EXPECT_FALSE(ReadMainWindowSkin(lists, strip.controls(), dir.file("skin")));
    EXPECT_FALSE(strip.BG0->pixmap().isNull());
    EXPECT_FALSE(strip.CMD0->picture().isNull());
    EXPECT_TRUE(strip.CMD1->picture().isNull());
    EXPECT_FALSE(strip.CMD0->isHidden());
    EXPECT_EQ(dir.read("240426.log"), "[09:00:00.007]e)frmMainMDI->Func_ReadSkin[Erl:=4, Eno:=35600]\r\n"
                                      "   Index out of bounds\r\n");
}

TEST(MainWindowSkin, AnUnreadablePictureStopsTheLoad)
{
    TempProgramDir dir;
    ScopedFakeClock clock(QDateTime(QDate(2024, 4, 26), QTime(9, 0, 0, 7)));
    CopySkinWithout(dir.file("skin"), {});
    dir.write("skin/QA0003.gif", "not a picture");
    MainStrip strip;
    MainPictureLists lists;
    EXPECT_FALSE(ReadMainWindowSkin(lists, strip.controls(), dir.file("skin")));
    EXPECT_EQ(lists.ImgIcon.Count(), 0);
    EXPECT_EQ(dir.read("240426.log"), "[09:00:00.007]e)frmMainMDI->Func_ReadSkin[Erl:=2, Eno:=481]\r\n"
                                      "   Invalid picture\r\n");
}

TEST(BuiltSound, TheChimeIsAWaveFileAndPlaysThroughTheSoundSeam)
{
    const QString chime = QStringLiteral(VMR_BUILT_SOUND_DIR) + "/DD.wav";
    QFile f(chime);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(12);
    EXPECT_TRUE(head.startsWith("RIFF"));
    EXPECT_EQ(head.mid(8, 4), QByteArray("WAVE"));
    EXPECT_GT(f.size(), 20000);
    PlaySound(chime);
    EXPECT_EQ(Sounds().played(), QStringList{chime});
}
