#include "platform/fitted_controls.h"
#include "platform/font_substitutes.h"
#include "support/seams.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// Every test starts with no boxes shown, no exit requested, no program started, no sound played,
// no dialog scripted and the real clock.
class SeamReset : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override
    {
        MessageBoxes().clear();
        ExitRequests().clear();
        Sounds().clear();
        ProgramLaunches().clear();
        FileDialogs().clear();
        SetProgramLauncher(&ProgramLaunches());
        SetClock(nullptr);
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Windows draw their texts as the program does: in its fonts, fitted to their boxes.
    InstallFontSubstitutes();
    InstallTextFitting();
    SetMessageBoxService(&MessageBoxes());
    SetProgramExitService(&ExitRequests());
    SetSoundPlayer(&Sounds());
    SetProgramLauncher(&ProgramLaunches());
    SetFileDialogService(&FileDialogs());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SeamReset);
    return RUN_ALL_TESTS();
}
