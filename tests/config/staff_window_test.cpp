#include "window_support/window_fixture.h"

#include "config/reservation_settings_window.h"
#include "config/staff_window.h"
#include "core/login_values.h"
#include "server/server_globals.h"
#include "shell/main_window.h"
#include "support/seams.h"

#include <QTest>

namespace {

class StaffWindow : public WindowTest
{
protected:
    frmB직원등록& open() { return openModeless<frmB직원등록>(); }
    QString login() const { return "ID=" + gShopID + "&PassWord=" + gShopPW; }

    static QStringList names(const frmB직원등록& window)
    {
        QStringList result;
        for (int row = 1; row <= window.SPR[0]->MaxRows(); ++row)
            result.append(window.SPR[0]->GetText(2, row));
        return result;
    }
    static QStringList numbers(const frmB직원등록& window)
    {
        QStringList result;
        for (int row = 1; row <= window.SPR[0]->MaxRows(); ++row)
            result.append(window.SPR[0]->GetText(1, row));
        return result;
    }
    // A click on the name of a row, as the grid reports it.
    static void clickRow(frmB직원등록& window, int row)
    {
        window.SPR[0]->SetActiveCell(2, row);
        window.SPR_Click(2, row);
    }
};

TEST_F(StaffWindow, OpensWithTheListAndAddsRenamesAndDeletes)
{
    frmB직원등록& window = open();
    ASSERT_EQ(names(window).size(), backend.shop().staff.size());
    EXPECT_EQ(names(window)[4], "정하늘 ＆ 팀장");
    EXPECT_EQ(window.SPR[0]->GetText(2, 0), "직원명");
    EXPECT_EQ(gStaff.size(), 0) << "the window alone does not reload gStaff";

    window.Text1->setText("A&B \"C\"+ 100%");
    QTest::mouseClick(window.CMD[2], Qt::LeftButton);
    EXPECT_EQ(bodiesTo("/program/shopmanagerADD.php"),
              QStringList{login() + "&managername=A!특문1!B !특문3!C!특문3!!특문2! 100%25"});
    EXPECT_EQ(names(window).last(), "A＆B \"C\"+ 100%");
    EXPECT_EQ(gStaff.last(), "A＆B \"C\"+ 100%");
    EXPECT_TRUE(window.Text1->text().isEmpty());

    clickRow(window, 2);
    EXPECT_EQ(window.Label2->text(), "이서연");
    EXPECT_EQ(window.text2Tag(), "502");
    window.Text2->setText("이서연 실장");
    QTest::mouseClick(window.CMD[3], Qt::LeftButton);
    EXPECT_EQ(bodiesTo("/program/shopmanagerEdit.php"), QStringList{login() + "&numt=502&managername=이서연 실장"});
    EXPECT_EQ(names(window)[1], "이서연 실장");
    EXPECT_TRUE(window.text2Tag().isEmpty());
    EXPECT_TRUE(window.Label2->text().isEmpty());

    QTest::mouseClick(window.CMD[4], Qt::LeftButton);
    EXPECT_TRUE(bodiesTo("/program/shopmanagerDelete.php").isEmpty()) << "no name chosen since the reload";
    window.SPR[0]->SetText(1, 3, "007");
    backend.shop().staff[2].insert("num", "7");
    clickRow(window, 3);
    QTest::mouseClick(window.CMD[4], Qt::LeftButton);
    EXPECT_EQ(bodiesTo("/program/shopmanagerDelete.php"), QStringList{login() + "&numt=7"});
    EXPECT_FALSE(names(window).contains("박지훈"));
    EXPECT_EQ(gStaff, names(window));
}

TEST_F(StaffWindow, MovesAreSavedAsTheNewOrder)
{
    frmB직원등록& window = open();
    const QStringList before = numbers(window);
    clickRow(window, 1);
    QTest::mouseClick(window.CMD[0], Qt::LeftButton);
    EXPECT_EQ(numbers(window), before) << "up on the first row does nothing";
    doubleClick(window.CMD[1]);
    EXPECT_EQ(numbers(window).mid(0, 3), (QStringList{before[1], before[2], before[0]})) << "a double click moves twice";
    EXPECT_EQ(window.SPR[0]->SelBlockRow(), 3);

    QTest::mouseClick(window.CMD[5], Qt::LeftButton);
    QString body = login() + "&sort=";
    const QStringList order{before[1], before[2], before[0], before[3], before[4]};
    for (int i = 0; i < order.size(); ++i)
        body += " num[" + order[i] + "]num sort[" + QString::number(i + 1) + "]sort ";
    EXPECT_EQ(bodiesTo("/program/shopmanagersortedit.php"), QStringList{body});
    EXPECT_EQ(numbers(window), order);
}

TEST_F(StaffWindow, EmptyBoxesAndShortListsAreRefusedWithoutARequest)
{
    backend->script("/program/shopmanagerloading.php", StandinReply::text(" num[9]num  managername[하나]managername "));
    frmB직원등록& window = open();
    QTest::mouseClick(window.CMD[2], Qt::LeftButton);
    window.Text2->setText("이름");
    QTest::mouseClick(window.CMD[3], Qt::LeftButton);
    QTest::mouseClick(window.CMD[5], Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts(), (QStringList{"빈 직원은 추가가 불가능합니다!", "빈 직원은 수정이 불가능합니다!",
                                                   "순서를 정할 수 없습니다!"}));
    EXPECT_EQ(backend->requests().size(), 1);
}

TEST_F(StaffWindow, TheSettingsWindowOpensItAndReloadsTheStaffWhenItCloses)
{
    QTest::mouseClick(main().TopCMD[3], Qt::LeftButton);
    auto& settings = *static_cast<frmB설정*>(FindForm("frmB설정"));
    whenShown("frmB직원등록", [](QWidget& staff) { static_cast<frmB직원등록&>(staff).lblTerminate_Click(); });
    backend->clearRequests();
    QTest::mouseClick(settings.CMD[1], Qt::LeftButton);
    QStringList labels;
    for (const QString& entry : httpLog())
        if (entry.contains("shopmanagerloading.php?"))
            labels.append(entry.section(" ... ", 0, 0));
    EXPECT_EQ(labels.mid(labels.size() - 2), (QStringList{"Load_직원()", "Read_직원()"}));
    EXPECT_EQ(gStaff.size(), backend.shop().staff.size());
    EXPECT_FALSE(IsFormLoaded("frmB직원등록"));
}

} // namespace
