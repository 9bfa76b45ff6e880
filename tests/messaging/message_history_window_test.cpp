#include "window_support/window_fixture.h"

#include "core/login_values.h"
#include "messaging/message_history_window.h"
#include "platform/window_effects.h"
#include "shell/main_window.h"
#include "support/seams.h"

#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString kPath = QStringLiteral("/vbPHP/smsload.php");

QString record(const QString& num, const QString& phone, const QString& regdate, const QString& message)
{
    return "<menubrrs> num[" + num + "]num  Phone[" + phone + "]Phone  regdate[" + regdate + "]regdate  MSG["
           + message + "]MSG </menubrrs>";
}

// A page of the history whose records are dated on the given days, numbered from num.
QString page(const QString& total, const QStringList& days, int num = 1)
{
    QString answer = "<totalrow>" + total + "</totalrow>";
    for (const QString& day : days)
        answer += record(QString::number(num++), "01012345678", day + " 10:00:00", "문자");
    return answer;
}

class MessageHistory : public WindowTest
{
protected:
    MessageHistory() { SetClock(&*clock); }

    // The window opened as the main window opens it, but modeless, so that the test can act on it.
    frmz문자내역& open()
    {
        return openModeless<frmz문자내역>();
    }

    QString body(const QString& day, const QString& day2, int page) const
    {
        return "ID=" + gShopID + "&PassWord=" + gShopPW + "&day=" + day + "&day2=" + day2 + "&page="
               + QString::number(page);
    }

    static QStringList pageItems(const frmz문자내역& window)
    {
        QStringList items;
        for (int i = 0; i < window.cob페이지->count(); ++i)
            items.append(window.cob페이지->itemText(i));
        return items;
    }

    static QStringList column(const frmz문자내역& window, int col)
    {
        QStringList texts;
        for (int row = 1; row <= window.SPR->MaxRows(); ++row)
            texts.append(window.SPR->GetText(col, row));
        return texts;
    }

    // Runs the action once the window is open and its first load is over, inside the modal wait.
    static void whenLoaded(const std::function<void(frmz문자내역&)>& action)
    {
        whenShown(
            "frmz문자내역", [action](QWidget& window) { action(static_cast<frmz문자내역&>(window)); },
            [](QWidget& window) {
                const auto& history = static_cast<frmz문자내역&>(window);
                return !history.m_FirstActivated && !history.picWait->isVisible();
            });
    }

    ScopedFakeClock clock{QDateTime(QDate(2024, 5, 20), QTime(9, 0))};
};

TEST_F(MessageHistory, TheMainWindowsLabelOpensItOnTheLastPageOverTheHalfTransparentMainWindow)
{
    main().lbl현재작업->setText("[ 예약관리 ]");
    backend->scriptSequence(kPath, {StandinReply::text(page("31", {"2024-05-01"})),
                                    StandinReply::text(page("31", {"2024-05-19"}, 31))});
    QString titleMeanwhile;
    int alphaMeanwhile = 0;
    QStringList items;
    int selected = -1;
    QStringList numbers;
    whenLoaded([&](frmz문자내역& window) {
        titleMeanwhile = main().lbl현재작업->text();
        alphaMeanwhile = WindowAlpha(main());
        items = pageItems(window);
        selected = window.cob페이지->currentIndex();
        numbers = column(window, 0);
        ActivateForm(window);
        QTest::mouseClick(window.lblTerminate, Qt::LeftButton);
    });
    QTest::mouseClick(main().lbl문자내역, Qt::LeftButton);

    EXPECT_EQ(bodiesTo(kPath), (QStringList{body("all", "all", 1), body("all", "all", 2)}));
    EXPECT_EQ(titleMeanwhile, "[ 문자내역 ]");
    EXPECT_EQ(alphaMeanwhile, 128);
    EXPECT_EQ(items, (QStringList{"1 페이지", "2 페이지"}));
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(numbers, QStringList{"31"});
    EXPECT_FALSE(IsFormLoaded("frmz문자내역"));
    EXPECT_EQ(main().lbl현재작업->text(), "[ 예약관리 ]");
    EXPECT_EQ(WindowAlpha(main()), 255);
    const QStringList http = httpLog();
    EXPECT_TRUE(http.contains("Load_문자내역() ... " + gServerURL + kPath + "?" + body("all", "all", 1)));
    EXPECT_TRUE(http.contains("Load_문자내역2() ... " + gServerURL + kPath + "?" + body("all", "all", 2)));
    EXPECT_TRUE(http.contains("Load_문자내역2() ... ResponseStr:\r\n" + page("31", {"2024-05-19"}, 31)));
    EXPECT_EQ(mainLog().count("  [frmz문자내역→Form_Activate] Enter"), 1);
    EXPECT_EQ(mainLog().count("  [frmz문자내역→Form_Activate] Quit"), 1);
}

TEST_F(MessageHistory, ThePageCountIsTheTotalDividedBy30RoundedUp)
{
    struct Case {
        QString total;
        int pages;
    };
    const QList<Case> cases{{"0", 1}, {"29", 1}, {"30", 1}, {"31", 2}, {"60", 2}, {"61", 3}, {"", 0}, {"many", 0}};
    for (const Case& c : cases) {
        backend->clearRequests();
        backend->script(kPath, StandinReply::text(page(c.total, {"2024-05-01", "2024-05-02"})));
        frmz문자내역& window = open();
        EXPECT_EQ(bodiesTo(kPath), (QStringList{body("all", "all", 1), body("all", "all", c.pages)})) << c.total.toStdString();
        EXPECT_EQ(window.cob페이지->count(), c.pages);
        EXPECT_EQ(window.cob페이지->currentIndex(), c.pages - 1);
        const int first = qMax(0, c.pages - 1) * 30;
        EXPECT_EQ(column(window, 0), (QStringList{QString::number(first + 2), QString::number(first + 1)}));
        UnloadAllForms();
    }
    backend->script(kPath, StandinReply::text("<totalrow>5</totalrow>"));
    frmz문자내역& window = open();
    EXPECT_EQ(window.SPR->MaxRows(), 0);
}

TEST_F(MessageHistory, RowsShowRecipientsAndTextsAndStandNewestFirst)
{
    const QString answer = "<totalrow>4</totalrow>"
                           + record("7", "a[01011112222]a a[01033334444]a a[0255556666]a ", "2024-05-02 09:00:00", "첫째\r\n둘째")
                           + record("8", "a[01077778888]a ", "2024-05-04 09:00:00", "%EA%B0%80%0D%0A%EB%82%98")
                           + record("9", "010-1234-5678", "2024-05-03 09:00:00", "50% 할인")
                           + "<menubrrs> num[10]num  regdate[2024-05-01 09:00:00]regdate </menubrrs>";
    backend->script(kPath, StandinReply::text(answer));
    frmz문자내역& window = open();
    EXPECT_EQ(column(window, 3),
              (QStringList{"2024-05-04 09:00:00", "2024-05-03 09:00:00", "2024-05-02 09:00:00", "2024-05-01 09:00:00"}));
    EXPECT_EQ(column(window, 1), (QStringList{"8", "9", "7", "10"}));
    EXPECT_EQ(column(window, 2), (QStringList{"01077778888", "010-1234-5678", "01011112222\r\n외 2", ""}));
    EXPECT_EQ(column(window, 4), (QStringList{"가\r\n나", "50% 할인", "첫째↘둘째", ""}));
    EXPECT_EQ(window.SPR->ActiveCol(), 2);
    EXPECT_EQ(window.SPR->ActiveRow(), 1);
    EXPECT_EQ(window.SPR->GetText(2, 0), "수신자");
}

TEST_F(MessageHistory, APickedPageIsOneRequestAndKeepsTheList)
{
    frmz문자내역& window = open();   // the sample shop: three pages
    ASSERT_EQ(pageItems(window), (QStringList{"1 페이지", "2 페이지", "3 페이지"}));
    backend->clearRequests();
    window.cob페이지->setCurrentIndex(1);
    emit window.cob페이지->activated(1);
    EXPECT_EQ(bodiesTo(kPath), QStringList{body("all", "all", 2)});
    EXPECT_EQ(window.cob페이지->count(), 3);
    EXPECT_EQ(window.SPR->MaxRows(), 30);
    QStringList numbers = column(window, 0);
    numbers.sort();
    EXPECT_EQ(numbers.first(), "31");
    EXPECT_EQ(numbers.last(), "60");
}

TEST_F(MessageHistory, APeriodSearchSendsThePickersDaysAndTheCheckBoxLoadsNothing)
{
    frmz문자내역& window = open();
    EXPECT_TRUE(window.chk전체->isChecked());
    EXPECT_FALSE(window.기간[0]->isEnabled());
    EXPECT_EQ(window.기간[1]->date(), QDate(2024, 5, 20));
    backend->clearRequests();

    QTest::mouseClick(window.chk전체, Qt::LeftButton);
    EXPECT_TRUE(window.기간[0]->isEnabled());
    EXPECT_TRUE(window.기간[1]->isEnabled());
    EXPECT_TRUE(backend->requests().isEmpty());

    window.기간[0]->setDate(QDate(2024, 5, 3));
    window.기간[1]->setDate(QDate(2024, 5, 3));
    backend->script(kPath, StandinReply::text(page("0", {})));
    QTest::mouseClick(window.CMD[0], Qt::LeftButton);
    EXPECT_EQ(bodiesTo(kPath), (QStringList{body("2024-05-03", "2024-05-03", 1), body("2024-05-03", "2024-05-03", 1)}));
    EXPECT_EQ(pageItems(window), QStringList{"1 페이지"});
    EXPECT_TRUE(window.CMD[0]->isEnabled());
    EXPECT_TRUE(mainLog().contains("CMD_Click Start CMD(0).Enabled := True"));

    backend->clearRequests();
    ActivateForm(window);
    EXPECT_TRUE(backend->requests().isEmpty());
}

} // namespace
