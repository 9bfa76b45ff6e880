#include "booking/entry_fixture.h"

#include "platform/message_box.h"
#include "platform/panel_button.h"
#include "platform/placeholder_box.h"
#include "platform/spread_grid.h"
#include "server/reservation_cache.h"
#include "server/server_globals.h"
#include "support/qt_printers.h"
#include "support/seams.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

// Stays that end after midnight: the end the window suggests and shows, the end that reaches the
// stand-in and the cache, the refusal of an end that is not after the start, and the overlap check
// across midnight.

namespace {

const QString kOrder = "/vbPHP/zzimorder.php";
const QString kDay = "/vbPHP/zzimorderload.php";
const QString kEdit = "/Admin/zzimedit.php";
const QString kMemberPhone = "01054787890";
const QString kConfirm = "예약을 등록하시겠습니까?";
const QString kOverlap = "중복되었습니다!\r\n\r\n예약정보를 확인해주세요.";

class EntryMidnight : public EntryWindowTest
{
protected:
    EntryMidnight() { copyCache(); }

    // "+1 00:30": the moment that many days after the day, as the cache writes it.
    static QString moment(const QDate& day, const QString& relative)
    {
        const QStringList parts = relative.split(' ');
        return day.addDays(parts[0].toInt()).toString("yyyy-MM-dd") + " " + parts[1];
    }
    // A confirmed reservation on table A1 from start to end, its day loaded into the cache as the
    // start-up rebuild would have done.
    void store(const QString& num, const QString& start, const QString& end)
    {
        const QString day = start.left(10);
        backend.shop().reservations.append({{"num", num}, {"YN", "Y"}, {"regdatess", day}, {"regdatess3", start.mid(11)},
                                            {"finishscheduleTime", end}, {"phone", "010-5500-1234"},
                                            {"requestname", "손님"}, {"table", "A1;2"}, {"persontype", "0"},
                                            {"totalcount", "2"}, {"membernum", ""}});
        Load_예약_DAY(day);
    }
    // The new reservation's window on A1 at the start, with the end suggested: for a member found
    // by phone, or for a customer who is none.
    frmB예약_등록B& openNew(const QString& start, bool member)
    {
        if (member)
            return open(0, "", kMemberPhone, start + ":00", "A1");
        frmB예약_등록B& w = open(0, "", "", start + ":00", "A1");
        w.txtS[0]->setText("01099998888");
        QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
        w.txtS[0]->setText("김민수");
        QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
        w.txt성함Box->setText("손님");
        return w;
    }
    static void save(frmB예약_등록B& w) { QTest::mouseClick(w.CMD[4], Qt::LeftButton); }
    // The hour items ascend, an hour added for an end among them.
    static bool hoursInOrder(const QComboBox& combo)
    {
        for (int i = 1; i < combo.count(); ++i)
            if (combo.itemText(i - 1).left(2).toInt() >= combo.itemText(i).left(2).toInt())
                return false;
        return true;
    }
    static QString shownEnd(const frmB예약_등록B& w)
    {
        return w.종료일().toString("yyyy-MM-dd") + " " + w.종료시().left(2) + ":" + w.종료분().left(2);
    }
    // The sent field "finishscheduleTime", without its seconds.
    QString sentEnd()
    {
        const QString sent = body(kOrder);
        const qsizetype at = sent.indexOf("&finishscheduleTime=");
        return at < 0 ? QString() : sent.mid(at + 20, 16);
    }
};

TEST_F(EntryMidnight, TheEndIsTheMomentItIs)
{
    struct Case {
        const char* label;
        std::array<int, 2> hours;
        QString stored;  // a stored stay on A1, "-1 22:00/+0 01:00", or nothing
        QString start;   // "+0 21:30"
        int length;      // the shop's usual stay, which the end suggestion adds
        QString picked;  // an end time picked by hand after the suggestion, or nothing
        bool member;
        QString shown;   // the end the boxes show when saved
        QString message; // the first message of the save
    };
    const QList<Case> cases{
        {"suggested across midnight", {10, 22}, "", "+0 21:30", 180, "", true, "+1 00:30", kConfirm},
        {"no member", {10, 22}, "", "+0 21:00", 240, "", false, "+1 01:00", kConfirm},
        {"after the last hour", {10, 22}, "", "+0 21:30", 90, "", true, "+0 23:00", kConfirm},
        {"an end before the start", {10, 22}, "", "+0 21:00", 60, "20:00", true, "+0 20:00", "refused"},
        {"an end at the start", {10, 22}, "", "+0 21:00", 60, "21:00", true, "+0 21:00", "refused"},
        {"inside a stay across midnight", {10, 24}, "+0 22:00/+1 01:00", "+0 23:00", 30, "", true, "+0 23:30", kOverlap},
        {"after midnight in the evening's stay", {0, 24}, "-1 22:00/+0 01:00", "+0 00:30", 60, "", true, "+0 01:30", kOverlap},
        {"at the evening stay's end", {0, 24}, "-1 22:00/+0 01:00", "+0 01:00", 60, "", true, "+0 02:00", kConfirm},
        {"into the next day's stay", {10, 24}, "+1 00:30/+1 02:00", "+0 23:00", 120, "", true, "+1 01:00", kOverlap},
        {"before the stay across midnight", {10, 24}, "+0 22:00/+1 01:00", "+0 21:00", 60, "", true, "+0 22:00", kConfirm},
    };
    int number = 71000;
    QDate day = QDate::currentDate().addDays(30);
    for (const Case& c : cases) {
        day = day.addDays(4);
        gSchHour = c.hours;
        gRequireTime = c.length;
        if (!c.stored.isEmpty())
            store(QString::number(++number), moment(day, c.stored.section('/', 0, 0)), moment(day, c.stored.section('/', 1)));
        frmB예약_등록B& w = openNew(moment(day, c.start), c.member);
        if (!c.picked.isEmpty()) {
            w.종료시Box->setCurrentText(c.picked.left(2) + "시");
            w.종료분Box->setCurrentText(c.picked.mid(3) + "분");
        }
        w.txt인원_총인원Box->setText("2");
        const QString end = moment(day, c.shown);
        EXPECT_EQ(shownEnd(w), end) << c.label;
        EXPECT_TRUE(hoursInOrder(*w.종료시Box)) << c.label;
        backend->clearRequests();
        MessageBoxes().clear();
        const qsizetype before = backend.shop().reservations.size();
        save(w);
        const QString message = c.message == "refused"
                                    ? "종료시간(" + end + ")이 예약시간보다 늦어야 합니다.\r\n\r\n종료일시를 확인해주세요."
                                    : c.message;
        ASSERT_FALSE(messages().isEmpty()) << c.label;
        EXPECT_EQ(messages()[0], message) << c.label;
        if (c.message == "refused") {
            EXPECT_TRUE(paths().isEmpty()) << c.label << ": " << paths().join(" ").toStdString();
        }
        if (c.message != kConfirm) {
            EXPECT_EQ(backend.shop().reservations.size(), before) << c.label;
            continue;
        }
        EXPECT_EQ(sentEnd(), end) << c.label;
        ASSERT_EQ(backend.shop().reservations.size(), before + 1) << c.label;
        const StandinRecord& saved = backend.shop().reservations.last();
        EXPECT_EQ(saved.value("finishscheduleTime"), end) << c.label;
        const QString num = c.member ? saved.value("num") : "-1";
        EXPECT_EQ(cacheRows("NUM, 예약일시, 종료일시").filter(QRegularExpression("^" + num + "\\|" + day.toString("yyyy-MM-dd"))),
                  QStringList{num + "|" + moment(day, c.start) + "|" + end})
            << c.label;
    }
}

// A stored stay across midnight edited from the list: the end keeps its own day on the backend and
// in the cache.
TEST_F(EntryMidnight, AnEditedEndKeepsItsDay)
{
    const QDate day = QDate::currentDate().addDays(20);
    const QString today = day.toString("yyyy-MM-dd");
    const QString tomorrow = day.addDays(1).toString("yyyy-MM-dd");
    backend.shop().reservations.append({{"num", "70500"}, {"YN", "Y"}, {"regdatess", today}, {"regdatess3", "21:00"},
                                        {"finishscheduleTime", tomorrow + " 01:00"}, {"phone", "010-5478-7890"},
                                        {"requestname", "한주원"}, {"table", "A1;2"}, {"persontype", "0"},
                                        {"totalcount", "2"}, {"membernum", "9011"}, {"zzim_managername", "김민준"}});
    Load_예약_DAY(today);
    frmB예약_등록B& w = open(1, "70500", kMemberPhone);
    EXPECT_EQ(w.종료일(), day.addDays(1));
    EXPECT_EQ(w.종료시(), "01시");
    w.종료분Box->setCurrentText("30분");
    backend->clearRequests();
    MessageBoxes().clear();
    save(w);
    EXPECT_TRUE(messages().isEmpty()) << messages().join(" / ").toStdString();
    EXPECT_TRUE(body(kEdit).contains("&checks1=finishscheduleTime&checks2=" + tomorrow + " 01:30:00&"));
    EXPECT_EQ(backend.shop().reservations.last().value("finishscheduleTime"), tomorrow + " 01:30");
    EXPECT_EQ(cacheRows("NUM, 예약일시, 종료일시").filter("70500|"),
              QStringList{"70500|" + today + " 21:00|" + tomorrow + " 01:30"});
    EXPECT_TRUE(w.isHidden());
}

// Moving the start to another day takes the end along, so that the stay keeps its length.
TEST_F(EntryMidnight, TheEndDayFollowsTheStartDay)
{
    gRequireTime = 180;
    const QDate day = QDate::currentDate().addDays(12);
    frmB예약_등록B& w = open(0, "", kMemberPhone, day.toString("yyyy-MM-dd") + " 21:30:00", "A1");
    ASSERT_EQ(w.종료일(), day.addDays(1));
    w.예약일Box->setDate(day.addDays(5));
    EXPECT_EQ(w.종료일(), day.addDays(6));
    EXPECT_EQ(w.종료시(), "00시");
}

} // namespace
