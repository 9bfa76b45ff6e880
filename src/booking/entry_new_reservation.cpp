#include "booking/entry_window.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/converters.h"
#include "core/jet_database.h"
#include "core/jet_failure_log.h"
#include "core/jet_recordset.h"
#include "core/jet_sql.h"
#include "core/error_line.h"
#include "platform/clock.h"
#include "platform/crlf_text_box.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "server/cache_row.h"
#include "server/reservation_entry_formats.h"
#include "server/reservation_row_refresh.h"
#include "server/server_globals.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>

// A new reservation posted to the backend, and its cached row when no member is in hand.

namespace {

const QString kWindow = QStringLiteral("frmB예약_등록B");

QString digitsOf(QString phone)
{
    return phone.remove('-');
}

} // namespace

bool frmB예약_등록B::예약등록(bool confirmed)
{
    const QString time = TimeLabel(ToLong(예약시Box->currentText()), 예약분Box->currentText());
    const QString end = PickedMoment(종료일Box->date(), 종료시Box->currentText(), 종료분Box->currentText());
    const QString tables = TableListOf(*this);
    for (QLineEdit* box : {txt인원_총인원Box, txt인원_남성Box, txt인원_여성Box, txt인원_소인Box, txt인원_대인Box})
        if (box->text().isEmpty())
            box->setText(QStringLiteral("0"));
    const QString block = PartyBlockOf(*this);
    if (PartyCodeOfWindow(*this).total == 0) {
        MsgBox(QStringLiteral("인원을 확인해주세요. 0명이상이여야 합니다."));
        return false;
    }
    if (txt연락처->text().isEmpty() && txt성함Box->text().isEmpty()) {
        MsgBox(QStringLiteral("연락처 또는 성함은 빈칸이 될수 없습니다."));
        return false;
    }
    QPointer<frmB예약_등록B> self(this);
    if (!confirmed && (MsgBox(QStringLiteral("예약을 등록하시겠습니까?"), MsgStyle::YesNo) != MsgResult::Yes || !self))
        return false;
    showWait();
    if (!self)
        return false;
    const QString answer = BackendRequest(QStringLiteral("예약등록() ... "), QStringLiteral("/vbPHP/zzimorder.php"))
                               .add(QStringLiteral("day"), 예약일Box->date().toString(QStringLiteral("yyyy-MM-dd")))
                               .add(QStringLiteral("time"), time)
                               .add(QStringLiteral("finishscheduleTime"), end)
                               .add(QStringLiteral("personcount"), block)
                               .add(QStringLiteral("phone"), digitsOf(txt연락처->text()))
                               .add(QStringLiteral("requestname"), txt성함Box->text())
                               .add(QStringLiteral("requestoz"), txt모임명Box->text())
                               .add(QStringLiteral("menus"), QString())
                               .add(QStringLiteral("table"), tables)
                               .add(QStringLiteral("xytext"), QString())
                               .add(QStringLiteral("ZZimBookingOrderT1"), QString())
                               .add(QStringLiteral("ZZimBookingOrderT2"), QString())
                               .add(QStringLiteral("ZZimBookingOrderT3"), QString())
                               .add(QStringLiteral("ordertext"),
                                    QString(txt요청사항Box->text()).replace(QStringLiteral("\r\n"), QStringLiteral("!줄바꿈!")))
                               .add(QStringLiteral("managername"), txt매니저명->text())
                               .send();
    if (!self)
        return false;
    picWait->hide();
    if (!IsSuccessAnswer(answer)) {
        MsgBox(QStringLiteral("실패! 다시 시도해주세요."));
        return false;
    }
    if (!m_MemNumT.isEmpty())
        MDB_Update_예약(m_MemNumT, QString(), digitsOf(txt연락처->text()));
    else
        MDB_Update_예약B();
    return true;
}

bool frmB예약_등록B::MDB_Update_예약B()
{
    const QString procedure = QStringLiteral("MDB_Update_예약B");
    const QString start = PickedMoment(예약일Box->date(), 예약시Box->currentText(), 예약분Box->currentText());
    const QString end = PickedMoment(종료일Box->date(), 종료시Box->currentText(), 종료분Box->currentText());
    CacheRow row;
    row.num = -1;
    row.방문일 = start.left(10);
    row.cPhoneT = digitsOf(txt연락처->text());
    row.접수일시 = CurrentClock().now().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    row.예약일시 = start.left(16);
    row.종료일시 = end.left(16);
    row.예약자 = txt성함Box->text();
    row.모임명 = txt모임명Box->text();
    row.좌석 = TableListOf(*this);
    row.party = PartyCodeOfWindow(*this);
    row.요청사항 = txt요청사항Box->text();

    const QString path = AppFile(QStringLiteral("VmrBooking.mdb"));
    JetDbPtr db;
    if (!JetOpenDB(db, path)) {
        LogDbOpenError(kWindow, procedure, path);
        return false;
    }
    JetRsPtr rs;
    if (!JetOpenRST(*db, rs, JetSql(QStringLiteral("예약")), dbOpenTable)) {
        LogRsOpenError(kWindow, procedure, QStringLiteral("예약"));
        return false;
    }
    if (AddCacheRow(*rs, row))
        return true;
    LogError(kWindow, procedure, 5, rs->LastError().number, rs->LastError().description);
    return false;
}
