#include "shell/shell_fixture.h"

#include "board/board_window.h"
#include "messaging/instant_sms_window.h"
#include "platform/window_effects.h"
#include "platform/window_registry.h"
#include "shell/backdrop_window.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "stats/statistics_window.h"
#include "support/seams.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"

#include <QTest>
#include <QTimer>

namespace {

const QColor kHighlightFace(0, 141, 238);

// The main window after a login to the stand-in, its timers stopped.
class Navigation : public ShellTest
{
protected:
    Navigation() : main(Form<frmMainMDI>())
    {
        CopyTemplate(program, "VmrBooking.0.mdb", "VmrBooking.mdb");
        CopyTemplate(program, "VmrCID.mdb", "VmrCID.mdb");
        gStartLoaded = false;
        main.Start_Timer->stop();
        main.TimerClock->stop();
        main.show();
        QCoreApplication::processEvents();
    }
    ~Navigation() override { gStartLoaded = false; }

    void click(int index) { QTest::mouseClick(main.TopCMD[index], Qt::LeftButton); }
    QString title() const { return main.lbl현재작업->text(); }

    // The visible work window in front of the others.
    QString frontWindow() const
    {
        const QObjectList children = main.MdiClient()->children();
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            auto* widget = qobject_cast<QWidget*>(*it);
            if (widget && widget->isVisible())
                return widget->objectName();
        }
        return QString();
    }

    // The index of the one highlighted button; -1 when none or more than one is.
    int highlighted() const
    {
        int found = -1;
        for (PanelButton* button : main.TopCMD) {
            if (button->faceColor() != kHighlightFace)
                continue;
            if (found >= 0 || button->textColor() != QColor(Qt::white))
                return -1;
            found = button->index();
        }
        return found;
    }

    StandinFixture backend;
    frmMainMDI& main;
};

TEST_F(Navigation, EachButtonLogsSetsItsTitleHighlightsItselfAndOpensItsWindow)
{
    gStartLoaded = true;
    struct Case {
        int index;
        QString title;
        QString window;
    };
    const QList<Case> cases{
        {0, "[ 예약관리 ]", "frmB예약관리"}, {2, "[ 좌석설정 ]", "frmB좌석설정"}, {3, "[ 예약설정 ]", "frmB설정"},
        {4, "[ 예약통계 ]", "frmz통계B"},   {5, "[ 고객요청 ]", "frmz승인_고객요청"},
    };
    for (const Case& c : cases) {
        click(c.index);
        const QString log = mainLog();
        const QString start = "TopCMD_Click Start TopCMD(" + QString::number(c.index) + ").Enabled := True";
        EXPECT_EQ(log.count(start), 1) << c.index;
        EXPECT_LT(log.indexOf(start), log.lastIndexOf("TopCMD_Click NextStep"));
        EXPECT_EQ(title(), c.title);
        EXPECT_EQ(highlighted(), c.index);
        EXPECT_EQ(frontWindow(), c.window);
        EXPECT_EQ(IsFormLoaded("z01"), c.index != 0);
        EXPECT_TRUE(main.TopCMD[c.index]->isEnabled());
        auto* window = dynamic_cast<FormEvents*>(FindForm(c.window));
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(window->m_FirstActivated) << "the first activation ran";
    }
    EXPECT_EQ(static_cast<frmz통계B*>(FindForm("frmz통계B"))->m_Kind, "예약");
    EXPECT_EQ(FindForm("frmB예약관리")->size(), main.MdiClient()->size());
    EXPECT_TRUE(MessageBoxes().shown().isEmpty());

    // The backdrop comes before a window that does not fill the client area.
    click(3);
    const QObjectList order = main.MdiClient()->children();
    EXPECT_EQ(order.indexOf(FindForm("z01")) + 1, order.indexOf(FindForm("frmB설정")));
}

TEST_F(Navigation, UnselectedButtonsShowTheirOwnTextColours)
{
    click(0);
    const QList<QColor> expected{QColor(23, 67, 155), QColor(23, 67, 155), QColor(64, 64, 64),
                                 QColor(64, 64, 64), QColor(23, 67, 155), QColor(64, 64, 64)};
    EXPECT_EQ(main.TopCMD[0]->tag(), "10175255");
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(main.TopCMD[i]->faceColor(), QColor(Qt::white));
        EXPECT_EQ(main.TopCMD[i]->textColor(), expected[i]) << i;
    }
}

TEST_F(Navigation, ATitleThatNamesNoButtonHighlightsTheBoardsButton)
{
    for (const QString& text : {QString(), QString("[ 문자내역 ]"), QString("[ 예약통계 ]  ")}) {
        main.lbl현재작업->setText(text);
        main.TopCMD[3]->setFaceColor(kHighlightFace);
        main.Highlight_TopCMD();
        EXPECT_EQ(highlighted(), 0) << text.toStdString();
    }
}

TEST_F(Navigation, TheInstantSmsWindowOpensModallyOverTheHalfTransparentMainWindow)
{
    click(0);
    QString titleMeanwhile;
    int alphaMeanwhile = 0;
    int highlightMeanwhile = -1;
    bool firstActivation = true;
    QTimer::singleShot(0, [&] {
        titleMeanwhile = title();
        alphaMeanwhile = WindowAlpha(main);
        highlightMeanwhile = highlighted();
        auto* sms = static_cast<frmz즉시문자*>(FindForm("frmz즉시문자"));
        firstActivation = sms->m_FirstActivated;
        EXPECT_TRUE(sms->isModal());
        sms->hide();
    });
    click(1);
    EXPECT_EQ(titleMeanwhile, "[ 문자전송 ]");
    EXPECT_EQ(alphaMeanwhile, 128);
    EXPECT_EQ(highlightMeanwhile, 1);
    EXPECT_FALSE(firstActivation);
    EXPECT_EQ(title(), "[ 예약관리 ]");
    EXPECT_EQ(WindowAlpha(main), 255);
    EXPECT_EQ(highlighted(), 0);
    EXPECT_TRUE(main.TopCMD[1]->isEnabled());
    EXPECT_EQ(mainLog().count("TopCMD_Click Start TopCMD(1).Enabled := True"), 1);
}

TEST_F(Navigation, TheStatisticsAreRefusedUntilTheStartTimerHasRun)
{
    click(0);
    click(4);
    ASSERT_EQ(MessageBoxes().texts(), QStringList{"아직 준비되지 않았습니다!"});
    EXPECT_EQ(MessageBoxes().shown()[0].style, MsgStyle::OkOnly + MsgStyle::Exclamation);
    EXPECT_EQ(title(), "[ 예약통계 ]");
    EXPECT_EQ(highlighted(), 4);
    EXPECT_FALSE(IsFormLoaded("frmz통계B"));
    EXPECT_FALSE(IsFormLoaded("z01"));
    EXPECT_EQ(frontWindow(), "frmB예약관리");
    EXPECT_TRUE(main.TopCMD[4]->isEnabled());

    gStartLoaded = true;
    click(4);
    EXPECT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_EQ(frontWindow(), "frmz통계B");
    EXPECT_TRUE(IsFormLoaded("z01"));
}

TEST_F(Navigation, AClickOnADisabledButtonWritesOneLineAndOpensNothing)
{
    main.TopCMD[2]->setEnabled(false);
    main.TopCMD_Click(2);
    const QString log = mainLog();
    EXPECT_EQ(log.count("TopCMD_Click"), 1);
    EXPECT_TRUE(log.contains("TopCMD_Click Start TopCMD(2).Enabled := False"));
    EXPECT_FALSE(IsFormLoaded("frmB좌석설정"));
    EXPECT_TRUE(title().isEmpty());
}

// The board's set-up (back to today, the lists reloaded) runs when the board comes back after
// another window, never while it stays in front.
TEST_F(Navigation, TheBoardInFrontKeepsItsDayUntilAnotherWindowHasBeenInFront)
{
    click(0);
    auto& board = static_cast<frmB예약관리&>(*FindForm("frmB예약관리"));
    const QDate today = board.currDate;
    QTest::mouseClick(board.CMD[16], Qt::LeftButton);
    const QString tomorrow = today.addDays(1).toString("yyyy-MM-dd");
    ASSERT_EQ(board.sspDay->tag(), tomorrow);

    click(0);
    EXPECT_EQ(FindForm("frmB예약관리"), &board);
    EXPECT_EQ(board.sspDay->tag(), tomorrow) << "the board button on the board in front";
    EXPECT_EQ(mainLog().count("TopCMD_Click NextStep"), 2);
    main.CID처리2(1, 1, "01078411465", "KT-NAV-1");
    EXPECT_EQ(board.sspDay->tag(), tomorrow) << "a call handed to the board in front";
    EXPECT_EQ(board.currDate, today.addDays(1));

    click(2);
    click(0);
    EXPECT_EQ(frontWindow(), "frmB예약관리");
    EXPECT_EQ(board.sspDay->tag(), today.toString("yyyy-MM-dd")) << "back after the tables window";
    EXPECT_EQ(board.mListDay[0], today);
    EXPECT_FALSE(board.m_FirstActivated);
}

TEST_F(Navigation, AnEnabledButtonLooksPressedWhileHeld)
{
    PanelButton& button = *main.TopCMD[2];
    const int top = button.y();
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_EQ(button.y(), top + 1);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(button.y(), top);

    button.setEnabled(false);
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_EQ(button.y(), top);
}

TEST_F(Navigation, APressOnTheBackdropBringsTheTitledWindowForward)
{
    gStartLoaded = true;
    click(0);
    click(4);
    z01& backdrop = static_cast<z01&>(*FindForm("z01"));
    EXPECT_TRUE(mainLog().contains("  [z01→Form_Load] Enter"));
    EXPECT_EQ(backdrop.size(), main.MdiClient()->size());

    struct Case {
        QString title;
        QString front;
    };
    const QList<Case> cases{
        {"[ 예약통계 ]", "frmz통계B"}, {"[ 예약관리 ]", "frmB예약관리"},
        {"[ 문자전송 ]", "z01"},       {"[ 문자내역 ]", "z01"},
        {"[ 좌석설정 ]", "z01"},  // not open: nothing is opened
    };
    for (const Case& c : cases) {
        backdrop.raise();
        main.lbl현재작업->setText(c.title);
        QTest::mouseClick(&backdrop, Qt::LeftButton);
        EXPECT_EQ(frontWindow(), c.front) << c.title.toStdString();
    }
    EXPECT_FALSE(IsFormLoaded("frmB좌석설정"));

    main.resize(1200, 900);
    EXPECT_EQ(backdrop.size(), main.MdiClient()->size());
}

} // namespace
