#include "booking/entry_fixture.h"

#include "platform/message_box.h"
#include "platform/panel_button.h"
#include "support/qt_printers.h"
#include "support/seams.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// The overlap check after a day list that is evidently broken: the day's cached bookings stay and
// still stand in the way.

namespace {

const QString kDay = "/vbPHP/zzimorderload.php";
const QString kOverlap = "중복되었습니다!\r\n\r\n예약정보를 확인해주세요.";

TEST_F(EntryWindowTest, ABrokenDayListKeepsTheDaysBookingsInTheWay)
{
    copyCache();
    const QString day = QDate::currentDate().addDays(30).toString("yyyy-MM-dd");
    backend.shop().reservations.append({{"num", "70001"}, {"YN", "Y"}, {"regdatess", day}, {"regdatess3", "10:00"},
                                        {"finishscheduleTime", day + " 11:00"}, {"table", "A1;2"},
                                        {"persontype", "0"}, {"totalcount", "2"}});
    frmB예약_등록B& w = open(0, "", "01054787890", day + " 10:00:00", "");
    w.txt인원_총인원Box->setText("2");
    w.예약시Box->setCurrentText("10시");
    w.예약분Box->setCurrentText("00분");
    w.종료시Box->setCurrentText("11시");
    w.종료분Box->setCurrentText("00분");
    w.cob좌석Box[0]->setCurrentText("A1");
    w.txt인원Box[0]->setText("1");
    // The answer ends inside the booking's date: read as it stands, the day would be free.
    const QString cutInField = " allcount[1]allcount <menubrrs> num[70001]num YN[Y]YN regdatess[" + day.left(8);
    const auto save = [this, &w](const std::string& label) {
        MessageBoxes().clear();
        MessageBoxes().answer(MsgResult::No);
        QTest::mouseClick(w.CMD[4], Qt::LeftButton);
        EXPECT_EQ(messages(), QStringList({kOverlap})) << label;
    };
    save("the day list as the backend gives it");
    for (const StandinReply& reply : {StandinReply::text(cutInField), StandinReply::cutOff(cutInField),
                                      StandinReply::drop(), StandinReply::text("<html>Internal Server Error</html>", 500)}) {
        backend->script(kDay, reply);
        save(reply.body.toStdString());
    }
    EXPECT_EQ(cacheRows("NUM, 좌석").filter("70001|A1;2").size(), 1);
}

} // namespace
