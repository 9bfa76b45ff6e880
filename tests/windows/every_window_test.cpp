#include "windows/window_checks.h"

#include "board/board_window.h"
#include "booking/entry_window.h"
#include "callerid/call_history_window.h"
#include "callerid/settings_window.h"
#include "config/reservation_settings_window.h"
#include "config/staff_window.h"
#include "config/table_order_window.h"
#include "config/tables_window.h"
#include "messaging/canned_phrases_window.h"
#include "messaging/instant_sms_window.h"
#include "messaging/message_history_window.h"
#include "platform/window_registry.h"
#include "requests/request_confirm_window.h"
#include "requests/table_requests_window.h"
#include "shell/login_window.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "stats/statistics_window.h"
#include "support/scoped_env.h"
#include "support/seams.h"
#include "support/template_databases.h"
#include "support/user_registry_dir.h"
#include "window_support/window_fixture.h"

#include <QTest>

// Every window the main window and the board open, each opened as its opener opens it, at the
// size the program gives it, after a login to the sample shop in the main window's own
// 1024 x 768: inside the main window, its close command inside it, and every text whole or fitted
// in the program's fonts.

namespace {

struct Opening {
    QString window;
    // What the opener does (for a modal window: returns once the window is closed).
    std::function<void(frmMainMDI&)> open;
    // The window's own close command; nullptr for a work window that the main window's bar
    // closes by opening another.
    std::function<QWidget*(QWidget&)> close;
};

template <class W>
std::function<QWidget*(QWidget&)> CloseLabel()
{
    return [](QWidget& window) -> QWidget* { return static_cast<W&>(window).lblTerminate; };
}

template <class W>
W& Loaded()
{
    return *static_cast<W*>(FindForm(W::FormName()));
}

class EveryWindow : public WindowTest
{
protected:
    EveryWindow()
    {
        CopyTemplate(program, "VmrBooking.0.mdb", "VmrBooking.mdb");
        CopyTemplate(program, "VmrCID.mdb", "VmrCID.mdb");
    }
    ~EveryWindow() override { gStartLoaded = false; }

    // Logs in as staff do: the main window opens the table requests and the board by itself.
    frmMainMDI& logIn()
    {
        frmLogin::m_ReLogin = false;
        frmLogin& login = Form<frmLogin>();
        login.m_FirstActivated = true;
        ShowFormModeless(login);
        login.ID->setText(backend.shopId());
        login.PW->setText(backend.shopPassword());
        QTest::mouseClick(login.lblLogin, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([] { return gStartLoaded; }, 10000));
        return Form<frmMainMDI>();
    }

    // Opens the window as its opener does and records what is wrong with it once it is shown; a
    // window with a close command of its own is then closed, so that a modal opener goes on.
    void check(frmMainMDI& main, const Opening& opening)
    {
        bool checked = false;
        whenShown(opening.window, [&](QWidget& window) {
            QCoreApplication::processEvents();
            faults << PlacementFaults(window, main, opening.close ? opening.close(window) : nullptr);
            faults << TextFaults(window);
            checked = true;
            if (opening.close)
                UnloadForm(opening.window);
        });
        opening.open(main);
        EXPECT_TRUE(QTest::qWaitFor([&] { return checked; }, 10000))
            << opening.window.toStdString() << " loaded " << IsFormLoaded(opening.window) << " boxes "
            << MessageBoxes().texts().join(" / ").toStdString();
    }

    TempUserRegistry registry;
    ScopedEnv noPatchServer{"VMR_PATCH_HOST", "127.0.0.1:1"};
    QStringList faults;
};

} // namespace

TEST_F(EveryWindow, EachLiesInsideTheMainWindowWithItsCloseCommandAndItsTextsFit)
{
    frmMainMDI& main = logIn();
    ASSERT_EQ(main.size(), QSize(1024, 768));
    faults << TextFaults(main);

    const auto topButton = [](int index) {
        return [index](frmMainMDI& m) { QTest::mouseClick(m.TopCMD[index], Qt::LeftButton); };
    };
    const auto board = [](const std::function<void(frmB예약관리&)>& act) {
        return [act](frmMainMDI& m) {
            QTest::mouseClick(m.TopCMD[0], Qt::LeftButton);
            act(Loaded<frmB예약관리>());
        };
    };
    const QList<Opening> openings{
        {frmz승인_고객요청::FormName(), topButton(5), nullptr},
        {frmz승인_고객요청_승인::FormName(),
         [&](frmMainMDI& m) {
             QTest::mouseClick(m.TopCMD[5], Qt::LeftButton);
             frmz승인_고객요청& requests = Loaded<frmz승인_고객요청>();
             requests.optMODE[1]->click();
             for (int tile = 0; tile < int(requests.picA.size()); ++tile)
                 if (!requests.picA[tile]->tag().isEmpty()) {
                     QTest::mouseClick(requests.lb메모[tile], Qt::LeftButton);
                     return;
                 }
             ADD_FAILURE() << "the sample shop has no table request to confirm";
         },
         CloseLabel<frmz승인_고객요청_승인>()},
        {frmB예약관리::FormName(), topButton(0), nullptr},
        {frmB예약관리::FormName(), board([](frmB예약관리& b) { b.CMD_Click(8); }), nullptr},
        {frmB예약_등록B::FormName(), board([](frmB예약관리& b) {
             b.txtA[1]->setText(QStringLiteral("010-7841-1465"));
             b.CMD_Click(12);
         }), CloseLabel<frmB예약_등록B>()},
        {frmB전화수신이력B::FormName(), board([](frmB예약관리& b) { b.CMD_Click(13); }),
         [](QWidget& w) -> QWidget* { return static_cast<frmB전화수신이력B&>(w).CMD[0]; }},
        {frmz즉시문자::FormName(), topButton(1), CloseLabel<frmz즉시문자>()},
        {frmB좌석설정::FormName(), topButton(2), nullptr},
        {frmB좌석설정_순서변경::FormName(),
         [&](frmMainMDI& m) {
             QTest::mouseClick(m.TopCMD[2], Qt::LeftButton);
             Loaded<frmB좌석설정>().CMD_Click(3);
         },
         CloseLabel<frmB좌석설정_순서변경>()},
        {frmB설정::FormName(), topButton(3), nullptr},
        {frmB직원등록::FormName(),
         [&](frmMainMDI& m) {
             QTest::mouseClick(m.TopCMD[3], Qt::LeftButton);
             Loaded<frmB설정>().CMD_Click(1);
         },
         CloseLabel<frmB직원등록>()},
        {frmzComment::FormName(),
         [&](frmMainMDI& m) {
             QTest::mouseClick(m.TopCMD[3], Qt::LeftButton);
             Loaded<frmB설정>().CMD_Click(2);
         },
         CloseLabel<frmzComment>()},
        {frmz통계B::FormName(), topButton(4), CloseLabel<frmz통계B>()},
        {frmz문자내역::FormName(), [](frmMainMDI& m) { m.lbl문자내역_Click(); }, CloseLabel<frmz문자내역>()},
        {frmzCID_설정::FormName(), [](frmMainMDI& m) { m.lblCID설정_Click(); }, CloseLabel<frmzCID_설정>()},
    };
    for (const Opening& opening : openings) {
        SCOPED_TRACE(opening.window.toStdString());
        check(main, opening);
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
}

// The main window shrunk to its mini icon, and grown from it to the caller card by a call.
TEST_F(EveryWindow, TheMiniIconAndTheCallerCardShowTheirTextsWhole)
{
    frmMainMDI& main = logIn();
    main.lblMinimize_Click();
    QCoreApplication::processEvents();
    faults << TextFaults(main);
    main.CID처리2(1, 1, QStringLiteral("01012345678"), QString());
    QCoreApplication::processEvents();
    faults << TextFaults(main);
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
}
