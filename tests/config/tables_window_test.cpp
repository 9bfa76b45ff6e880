#include "config/tables_fixture.h"

#include "core/screen_values.h"
#include "platform/message_box.h"
#include "server/server_globals.h"
#include "support/seams.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

namespace {

const QString kAccount = QStringLiteral("ID=vmrdemo&PassWord=demo1234");

// One record of a list answer, its fields in the backend's order; a field given as "-" is left out.
QString Record(const QString& nums, const QString& group, const QString& name, const QString& info,
               const QString& active)
{
    QString record = " nums[" + nums + "]nums  tableqr[QR" + nums + "]tableqr ";
    if (group != "-")
        record += " tableqroup[" + group + "]tableqroup ";
    return record + " tablenum[" + name + "]tablenum  tableinfo[" + info + "]tableinfo  tableregdate[2024-01-0"
           + nums.right(1) + " 10:00:00]tableregdate  tableYN[" + active + "]tableYN ";
}

// The width of a column in pixels.
int Width(const GridModel& grid, int col)
{
    return int(grid.ColWidth(col)) / gTwipsX;
}

bool Hidden(GridModel& grid, int col)
{
    grid.SetCol(col);
    return grid.ColHidden();
}

class TablesWindow : public TablesTest
{
protected:
    // The request labels logged since the last call.
    QStringList newRequests()
    {
        const QStringList all = requestLabels();
        const QStringList fresh = all.mid(m_seen);
        m_seen = int(all.size());
        return fresh;
    }

    int m_seen = 0;
};

} // namespace

TEST_F(TablesWindow, ALinkedShopChangesOnlyLocationsAndShowsGroupsOnlyWithAPosLink)
{
    struct Case {
        int posKind;
        bool qr;
        bool linked;
        bool groupShown;
        int nameWidth;
        int locationWidth;
    };
    const QList<Case> cases{{-1, false, false, false, 160, 390}, {1, false, true, true, 120, 350},
                            {-1, true, true, false, 160, 390}};
    for (const Case& c : cases) {
        gPosKind = c.posKind;
        gQRCheckYN = c.qr;
        frmB좌석설정& window = openTables();
        SpreadGrid& grid = *window.SPR[0];
        EXPECT_EQ(window.pF[0]->isHidden(), c.linked) << c.posKind << c.qr;
        EXPECT_EQ(window.좌석이름2->isEnabled(), !c.linked);
        EXPECT_EQ(window.CMD[2]->isHidden(), c.linked);
        EXPECT_FALSE(window.pF[1]->isHidden());
        EXPECT_FALSE(window.CMD[3]->isHidden());
        int shown = Width(grid, 0);
        for (int col = 1; col <= 8; ++col) {
            const bool expectHidden = col == 1 || col >= 5 || (col == 2 && !c.groupShown);
            EXPECT_EQ(Hidden(grid, col), expectHidden) << col;
            if (!expectHidden)
                shown += Width(grid, col);
        }
        EXPECT_EQ(Width(grid, 3), c.nameWidth);
        EXPECT_EQ(Width(grid, 4), c.locationWidth);
        EXPECT_EQ(shown, 585);
        EXPECT_EQ(grid.GetText(3, 0), "좌석 이름");
        UnloadForm(frmB좌석설정::FormName());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TablesWindow, ListsActiveTablesWithTheirLocationAndBillPrinter)
{
    const QString answer = "head" + Record("1", "홀", "A1", " tia[창가 !123! 문]tia tib[카운터]tib ", "Y")
                           + Record("2", "홀", "A2", " tia[x]tia tib[]tib ", "N")
                           + Record("3", "", "B1", "그냥 설명", "Y") + Record("4", "", "B2", "", "y")
                           + Record("5", "룸", "C1", " tia[]tia tib[]tib ", "Y")
                           + Record("6", "-", "C2", " tib[주방]tib ", "Y") + Record("7", "", "C3", "", "");
    backend->script("/program/qrtableloading.php", StandinReply::text(answer));
    frmB좌석설정& window = openTables();
    const SpreadGrid& grid = *window.SPR[0];
    EXPECT_EQ(window.lblInfo[0]->text(), "만들어진 좌석  -  총 4개");
    EXPECT_EQ(ColumnTexts(grid, 1), QStringList({"1", "3", "5", "6"}));
    EXPECT_EQ(ColumnTexts(grid, 2), QStringList({"홀", "", "룸", ""}));
    EXPECT_EQ(ColumnTexts(grid, 3), QStringList({"A1", "B1", "C1", "C2"}));
    EXPECT_EQ(ColumnTexts(grid, 4), QStringList({"창가 !123! 문", "그냥 설명", "", ""}));
    EXPECT_EQ(ColumnTexts(grid, 5), QStringList({"카운터", "", "", "주방"}));
    EXPECT_EQ(ColumnTexts(grid, 6), QStringList({"QR1", "QR3", "QR5", "QR6"}));
    EXPECT_EQ(ColumnTexts(grid, 7).first(), "2024-01-01 10:00:00");
    EXPECT_EQ(ColumnTexts(grid, 8), QStringList(4, "웹주문 →"));
    EXPECT_EQ(requestLabels(), QStringList({"Load_설정(1)"}));

    QString many;
    for (int i = 1; i <= 1001; ++i)
        many += Record(QString::number(i), "", "T" + QString::number(i), "", i == 500 ? "N" : "Y");
    for (const auto& [text, expected] : {std::pair{many, QString("1,000")}, std::pair{QString(), QString("0")}}) {
        backend->script("/program/qrtableloading.php", StandinReply::text(text));
        // Opened again and back in front after another window.
        window.m_FirstActivated = true;
        ActivateForm(window);
        EXPECT_EQ(window.lblInfo[0]->text(), "만들어진 좌석  -  총 " + expected + "개");
    }
    EXPECT_EQ(grid.MaxRows(), 0);
}

TEST_F(TablesWindow, AddSendsTheNameAndTheEscapedDescriptionThenReloadsAndClears)
{
    frmB좌석설정& window = openTables();
    newRequests();
    QTest::keyClicks(window.좌석이름1, "A&qrn=5 ");
    window.위치설명1->insertPlainText(" 창가 & 50%+1");
    QTest::mouseClick(window.CMD[0], Qt::LeftButton);

    EXPECT_EQ(onlyBody("/program/qrtableadd.php"),
              kAccount + "&tablename=A%26qrn=5&tableinfo= tia[창가 !123! 50ddee!!ccdd!!1]tia tib[]tib ");
    EXPECT_EQ(newRequests(), QStringList({"좌석_추가()", "Load_설정(1)", "Read_좌석()"}));
    ASSERT_EQ(gSeatCount, 12);
    EXPECT_EQ(gSeat.last().name, "A&qrn=5");
    EXPECT_EQ(gSeat.last().description, " tia[창가 ＆ 50%+1]tia tib[]tib ");
    const SpreadGrid& grid = *window.SPR[0];
    EXPECT_EQ(ColumnTexts(grid, 3).last(), "A&qrn=5");
    EXPECT_EQ(ColumnTexts(grid, 4).last(), "창가 ＆ 50%+1");
    EXPECT_EQ(window.lblInfo[0]->text(), "만들어진 좌석  -  총 12개");
    EXPECT_EQ(window.좌석이름1->text(), "");
    EXPECT_EQ(window.위치설명1->text(), "");
    EXPECT_TRUE(window.CMD[0]->isEnabled());
    EXPECT_TRUE(MessageBoxes().shown().isEmpty());
}

TEST_F(TablesWindow, RowClickChoosesATableWhoseEditSendsItsBillPrinterBack)
{
    frmB좌석설정& window = openTables();
    SpreadGrid& grid = *window.SPR[0];
    QTest::keyClicks(window.좌석이름1, "typed");
    ClickCell(grid, 3, 2);
    EXPECT_EQ(window.좌석이름1->text(), "");
    EXPECT_EQ(window.좌석이름2->tag(), "102");
    EXPECT_EQ(window.좌석이름2->text(), "A2");
    EXPECT_EQ(window.위치설명2->text(), "창가");
    EXPECT_EQ(window.계산서프린터2->text(), "주방 프린터");
    EXPECT_TRUE(window.계산서프린터2->isHidden());

    newRequests();
    window.좌석이름2->setText("A2-1");
    window.위치설명2->setText(QString());
    window.위치설명2->insertPlainText("새 자리");
    QTest::mouseClick(window.CMD[1], Qt::LeftButton);
    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_EQ(MessageBoxes().shown()[0].text, "좌석을 수정하시겠습니까?");
    EXPECT_EQ(MessageBoxes().shown()[0].style, MsgStyle::YesNo);
    EXPECT_EQ(onlyBody("/program/qrtablenameedit.php"),
              kAccount + "&qrn=102&qrtext=A2-1&tableinfo= tia[새 자리]tia tib[주방 프린터]tib ");
    EXPECT_EQ(newRequests(), QStringList({"좌석_수정()", "Load_설정(1)", "Read_좌석()"}));
    EXPECT_EQ(gSeat[1].name, "A2-1");
    EXPECT_EQ(gSeat[1].description, " tia[새 자리]tia tib[주방 프린터]tib ");
    EXPECT_EQ(ColumnTexts(grid, 4)[1], "새 자리");
    EXPECT_EQ(window.좌석이름2->tag(), "");
    EXPECT_EQ(window.좌석이름2->text(), "");
    EXPECT_EQ(window.계산서프린터2->text(), "");

    // Answered No: nothing is sent, the program-wide list is reloaded all the same.
    ClickCell(grid, 4, 1);
    MessageBoxes().answer(MsgResult::No);
    QTest::mouseClick(window.CMD[1], Qt::LeftButton);
    EXPECT_EQ(backend->requestsTo("/program/qrtablenameedit.php").size(), 1);
    EXPECT_EQ(newRequests(), QStringList({"Read_좌석()"}));
}

TEST_F(TablesWindow, HideAsksThenTheTableLeavesBothLists)
{
    frmB좌석설정& window = openTables();
    ClickCell(*window.SPR[0], 3, 1);
    newRequests();
    QTest::mouseClick(window.CMD[2], Qt::LeftButton);
    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_EQ(MessageBoxes().shown()[0].text, "좌석을 삭제하시겠습니까?");
    EXPECT_EQ(MessageBoxes().shown()[0].style, MsgStyle::YesNo);
    EXPECT_EQ(onlyBody("/program/qrtableYNedit.php"), kAccount + "&qrn=101&qryn=N");
    EXPECT_EQ(newRequests(), QStringList({"좌석_삭제()", "Load_설정(1)", "Read_좌석()"}));
    EXPECT_FALSE(ColumnTexts(*window.SPR[0], 1).contains("101"));
    EXPECT_EQ(window.lblInfo[0]->text(), "만들어진 좌석  -  총 10개");
    ASSERT_EQ(gSeatCount, 10);
    EXPECT_EQ(gSeat.first().number, "102");
    EXPECT_EQ(window.좌석이름2->tag(), "");
}

TEST_F(TablesWindow, HeaderClicksAndChangesWithoutAChosenTableDoNothingButReloadTheProgramList)
{
    frmB좌석설정& window = openTables();
    SpreadGrid& grid = *window.SPR[0];
    QTest::keyClicks(window.좌석이름1, "typed");
    ClickCell(grid, 3, 0);
    ClickCell(grid, 0, 2);
    EXPECT_EQ(window.좌석이름1->text(), "typed");
    EXPECT_EQ(window.좌석이름2->tag(), "");
    EXPECT_EQ(window.좌석이름2->text(), "");

    newRequests();
    gSeat.clear();
    gSeatCount = 0;
    window.좌석이름2->insert("새 이름");
    QTest::mouseClick(window.CMD[1], Qt::LeftButton);
    EXPECT_EQ(newRequests(), QStringList({"Read_좌석()"}));
    EXPECT_EQ(gSeatCount, 11);
    QTest::mouseClick(window.CMD[2], Qt::LeftButton);
    EXPECT_EQ(newRequests(), QStringList({"Read_좌석()"}));
    EXPECT_TRUE(MessageBoxes().shown().isEmpty());
    EXPECT_TRUE(backend->requestsTo("/program/qrtablenameedit.php").isEmpty());
    EXPECT_TRUE(backend->requestsTo("/program/qrtableYNedit.php").isEmpty());
}

TEST_F(TablesWindow, OrderIsRefusedWithOneActiveTableBesideHiddenOnesAndADoubleClickActsOnce)
{
    setTables({{"1", "A", "Y"}, {"2", "B", "N"}, {"3", "C", "N"}});
    frmB좌석설정& window = openTables();
    newRequests();
    DoubleClick(window.CMD[3]);
    EXPECT_EQ(MessageBoxes().texts(), QStringList({"대상이 없습니다!"}));
    EXPECT_EQ(MessageBoxes().shown()[0].style, MsgStyle::OkOnly);
    EXPECT_EQ(orderWindow(), nullptr);
    EXPECT_EQ(newRequests(), QStringList({"Read_좌석()"}));
    EXPECT_EQ(gSeatCount, 1);
    EXPECT_TRUE(window.CMD[3]->isEnabled());
}

TEST_F(TablesWindow, APressDuringARunningActionDoesNothing)
{
    frmB좌석설정& window = openTables();
    QTest::keyClicks(window.좌석이름1, "A");
    backend->script("/program/qrtableadd.php", StandinReply::text("성공").after(300));
    bool disabledMeanwhile = false;
    QTimer::singleShot(100, [&] {
        disabledMeanwhile = !window.CMD[0]->isEnabled();
        QTest::mouseClick(window.CMD[0], Qt::LeftButton);
    });
    QTest::mouseClick(window.CMD[0], Qt::LeftButton);
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_EQ(backend->requestsTo("/program/qrtableadd.php").size(), 1);
    EXPECT_TRUE(window.CMD[0]->isEnabled());
}
