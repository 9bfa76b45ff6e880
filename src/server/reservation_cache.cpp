#include "server/reservation_cache.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/jet_exec.h"
#include "core/jet_failure_log.h"
#include "core/jet_recordset.h"
#include "platform/program_folder.h"
#include "server/first_visits.h"
#include "server/reservation_list_record.h"
#include "server/server_globals.h"

#include <functional>

namespace {

const QString kModule = QStringLiteral("libz_Vmr_BK");
const QString kSeparator = QStringLiteral("<menubrrs>");

QString fetchList(const QString& procedure, const QString& first, const QString& last)
{
    return BackendRequest(procedure + "() ... ", "/vbPHP/zzimorderload.php")
        .add("day", first)
        .add("day2", last)
        .add("noshowt", "N")
        .add("select", "all")
        .send();
}

// Deletes what the statement names and appends every wanted record of the answer through one
// table record set; then runs the follow-up. deletionShown is the deletion as its error line
// names it.
bool fillTable(JetDatabase& db, const QString& procedure, const QString& answer, const JetSql& deletion,
               const QString& deletionShown, const std::function<bool(JetDatabase&)>& followUp)
{
    long deleted = 0;
    if (!JetExec(db, deletion, deleted)) {
        LogSqlExecError(kModule, procedure, deletionShown);
        return false;
    }
    {
        JetRsPtr table;
        if (!JetOpenRST(db, table, "예약", dbOpenTable)) {
            LogRsOpenError(kModule, procedure, "예약");
            return false;
        }
        ReservationListReader reader;
        for (const AnswerRecord& record : AnswerRecords::Separated(answer, kSeparator))
            if (const auto row = reader.read(record))
                AddCacheRow(*table, *row);
    }
    return !followUp || followUp(db);
}

// Opens the cache and fills it in one transaction. Everything written before a later step fails
// is kept; a commit that fails keeps nothing and is reported as a failure.
bool replaceRows(const QString& procedure, const QString& answer, const JetSql& deletion,
                 const QString& deletionShown, const std::function<bool(JetDatabase&)>& followUp)
{
    const QString path = AppFile("VmrBooking.mdb");
    JetDbPtr db;
    if (!JetOpenDB(db, path)) {
        LogDbOpenError(kModule, procedure, path);
        return false;
    }
    db->BeginTrans();
    const bool done = fillTable(*db, procedure, answer, deletion, deletionShown, followUp);
    return db->CommitTrans() && done;
}

bool countUnregisteredCallers(JetDatabase& db)
{
    const JetSql unregistered("SELECT cPhoneT  FROM 예약 WHERE cKindT = ? GROUP BY cPhoneT", {"미등록"});
    JetRsPtr rs;
    if (!JetOpenRST(db, rs, unregistered, dbOpenDynaset)) {
        LogRsOpenError(kModule, "Load_예약_전체", unregistered.display());
        return false;
    }
    gUnregCallerCnt = rs->RecordCount();
    return true;
}

} // namespace

bool Load_예약_전체()
{
    return Store_예약_전체(fetchList("Load_예약_전체", "all", "all"));
}

bool Store_예약_전체(const QString& answer)
{
    if (!answer.isEmpty() && !answer.contains(kSeparator))
        return true;
    return replaceRows("Load_예약_전체", answer, "DELETE FROM 예약", "DELETE * FROM 예약", [](JetDatabase& db) {
        return countUnregisteredCallers(db) && StoreFirstVisits(db, kModule, "Load_예약_전체");
    });
}

bool Load_예약_DAY(const QString& day)
{
    const QString answer = fetchList("Load_예약_DAY", day, day);
    if (answer.isEmpty())
        return false;
    if (!answer.contains(kSeparator))
        return true;
    return replaceRows("Load_예약_DAY", answer, JetSql("DELETE FROM 예약 WHERE substr(예약일시, 1, 10) = ?", {day}),
                       "DELETE * FROM 예약 WHERE Left(예약일시, 10) = '" + day + "'", {});
}
