#include "server/reservation_row_refresh.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/converters.h"
#include "core/error_line.h"
#include "core/jet_exec.h"
#include "core/jet_failure_log.h"
#include "core/jet_recordset.h"
#include "core/log.h"
#include "core/text_escapes.h"
#include "platform/clock.h"
#include "platform/program_folder.h"
#include "server/cache_dates.h"
#include "server/cache_row.h"
#include "server/reservation_entry_formats.h"
#include "server/reservation_entry_view.h"
#include "server/server_globals.h"

#include <functional>
#include <optional>

namespace {

const QString kModule = QStringLiteral("libz_Vmr_BK");
const QString kUpdate = QStringLiteral("MDB_Update_예약");
const QString kDelete = QStringLiteral("MDB_Delete_예약");
constexpr int kTypeMismatch = 13;

QString cachePath()
{
    return AppFile("VmrBooking.mdb");
}

CacheRow editedRow(const ReservationEntryView& window, const QString& phone)
{
    CacheRow row;
    const QString start = PickedMoment(window.예약일(), window.예약시(), window.예약분());
    row.방문일 = CacheDate(start);
    row.cPhoneT = phone;
    row.예약일시 = CacheMoment(start);
    row.종료일시 = CacheMoment(PickedMoment(window.종료일(), window.종료시(), window.종료분()));
    row.예약자 = window.txt성함();
    row.모임명 = window.txt모임명();
    row.좌석 = TableListOf(window);
    row.party = PartyCodeOfWindow(window);
    row.요청사항 = window.txt요청사항();
    return row;
}

// Runs the work on the open cache; false (with its log line) when the file cannot be opened.
bool withCache(const QString& procedure, const std::function<bool(JetDatabase&)>& work)
{
    JetDbPtr db;
    if (!JetOpenDB(db, cachePath())) {
        LogDbOpenError(kModule, procedure, cachePath());
        return false;
    }
    return work(*db);
}

bool refuseNumber(const QString& procedure, const QString& num)
{
    LogError(kModule, procedure, 1, kTypeMismatch, "reservation number is not a whole number: '" + num + "'");
    return false;
}

bool updateEdited(qlonglong num, const QString& reservationNum, const QString& phoneDigits)
{
    const ReservationEntryView* window = OpenReservationEntry();
    if (!window) {
        LogError(kModule, kUpdate, 2, 91, "the window " + kReservationEntryForm + " is not open");
        return false;
    }
    const CacheRow row = editedRow(*window, phoneDigits.isEmpty() ? reservationNum : phoneDigits);
    return withCache(kUpdate, [&](JetDatabase& db) {
        const JetSql select("SELECT * FROM 예약 WHERE Num = ?", {num});
        JetRsPtr rs;
        if (!JetOpenRST(db, rs, select, dbOpenDynaset)) {
            LogRsOpenError(kModule, kUpdate, select.display());
            return false;
        }
        if (rs->RecordCount() == 0 || RewriteCacheRow(*rs, row))
            return true;
        LogError(kModule, kUpdate, 4, rs->LastError().number, rs->LastError().description);
        return false;
    });
}

// The end when the answer has none: the end the window sent, read now (the window may have
// closed during the request).
QString fallbackEnd()
{
    const ReservationEntryView* window = OpenReservationEntry();
    if (!window)
        return QString();
    return PickedMoment(window->종료일(), window->종료시(), window->종료분());
}

// What identifies the reservation the window has just saved among the member's history.
struct SavedReservation {
    QString start;
    QString tables;
};

std::optional<SavedReservation> savedReservation()
{
    const ReservationEntryView* window = OpenReservationEntry();
    if (!window)
        return std::nullopt;
    return SavedReservation{CacheMoment(PickedMoment(window->예약일(), window->예약시(), window->예약분())),
                            TableListOf(*window)};
}

// The history record of the saved reservation: the same start and tables; of several such, the
// highest number, the last saved. The history's order plays no part.
std::optional<AnswerRecord> recordOf(const AnswerRecords& records, const SavedReservation& saved)
{
    std::optional<AnswerRecord> found;
    qlonglong highest = 0;
    for (const AnswerRecord& record : records) {
        if (CacheMoment(record.field(" zzim_regdate[", "]zzim_regdate")) != saved.start
            || NormalTableList(record.field(" zzim_table[", "]zzim_table")) != saved.tables)
            continue;
        const qlonglong number = ReservationNumber(record.field("zzim_num[", "]zzim_num ")).value_or(0);
        if (!found || number > highest) {
            found = record;
            highest = number;
        }
    }
    return found;
}

bool addFromHistory(const QString& memberNum, const QString& phoneDigits)
{
    const std::optional<SavedReservation> saved = savedReservation();
    if (!saved)
        return true;
    const QString answer = BackendRequest("예약이력_검색() ... ", "/program/SearchZZimLoading.php")
                               .add("numt", memberNum)
                               .send();
    const std::optional<AnswerRecord> found =
        recordOf(AnswerRecords::FirstField(answer, "zzim_num["), *saved);
    if (!found)
        return true;
    const AnswerRecord& record = *found;
    const auto num = ReservationNumber(record.field("zzim_num[", "]zzim_num "));
    if (!num)
        return refuseNumber(kUpdate, record.field("zzim_num[", "]zzim_num "));
    const QString start = record.field(" zzim_regdate[", "]zzim_regdate");
    QString end = record.field(" finishscheduleTime[", "]finishscheduleTime");
    if (end.isEmpty())
        end = fallbackEnd();
    const QString group = record.field(" zzim_oz[", "]requestoz");
    const QString decodedGroup = URLDecode(group);

    CacheRow row;
    row.num = *num;
    row.방문일 = CacheDate(start);
    row.cPhoneT = phoneDigits;
    row.접수일시 = CurrentClock().now().toString("yyyy-MM-dd HH:mm");
    row.예약일시 = CacheMoment(start);
    row.종료일시 = CacheMoment(end);
    row.예약자 = record.field(" zzim_request[", "]zzim_request");
    row.모임명 = decodedGroup.isEmpty() ? group : decodedGroup;
    row.좌석 = record.field(" zzim_table[", "]zzim_table");
    row.party = PartyCodeFromBlock(record.field(" zzim_person[", "]zzim_person"));
    row.요청사항 = record.field(" zzim_memo[", "]zzim_memo");
    return withCache(kUpdate, [&](JetDatabase& db) {
        JetRsPtr table;
        if (!JetOpenRST(db, table, "예약", dbOpenTable)) {
            LogRsOpenError(kModule, kUpdate, "예약");
            return false;
        }
        AddCacheRow(*table, row);
        return true;
    });
}

} // namespace

bool MDB_Update_예약(const QString& memberNum, const QString& reservationNum, const QString& phoneDigits)
{
    if (reservationNum.isEmpty())
        return memberNum.isEmpty() || addFromHistory(memberNum, phoneDigits);
    const auto num = ReservationNumber(reservationNum);
    if (!num)
        return refuseNumber(kUpdate, reservationNum);
    return updateEdited(*num, reservationNum, phoneDigits);
}

bool MDB_Delete_예약(const QString& reservationNum)
{
    if (reservationNum.isEmpty())
        return true;
    const auto num = ReservationNumber(reservationNum);
    if (!num)
        return refuseNumber(kDelete, reservationNum);
    return withCache(kDelete, [&](JetDatabase& db) {
        long deleted = 0;
        const JetSql deletion("DELETE FROM 예약 WHERE Num = ?", {*num});
        if (JetExec(db, deletion, deleted))
            return true;
        MsgDebug("E)" + kModule + "->" + kDelete + " SQL EXEC Error: " + deletion.display());
        return false;
    });
}
