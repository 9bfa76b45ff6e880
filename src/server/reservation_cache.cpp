#include "server/reservation_cache.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/error_line.h"
#include "core/file_exists.h"
#include "core/file_services.h"
#include "core/jet_exec.h"
#include "core/jet_failure_log.h"
#include "core/jet_recordset.h"
#include "core/log.h"
#include "platform/program_folder.h"
#include "server/first_visits.h"
#include "server/reservation_list_check.h"
#include "server/reservation_list_record.h"
#include "server/server_globals.h"

#include <QFile>

#include <functional>
#include <optional>

namespace {

const QString kModule = QStringLiteral("libz_Vmr_BK");
const QString kSeparator = QStringLiteral("<menubrrs>");

QString fetchList(const QString& procedure, const QString& first, const QString& last,
                  HttpOutcome* outcome = nullptr)
{
    return BackendRequest(procedure + "() ... ", "/vbPHP/zzimorderload.php")
        .add("day", first)
        .add("day2", last)
        .add("noshowt", "N")
        .add("select", "all")
        .send(outcome);
}

// Whether the answer is evidently no list; then the cached rows stay and the main log says why.
bool refused(const QString& procedure, const QString& answer, HttpOutcome outcome)
{
    const QString refusal = ListRefusal(answer, outcome);
    if (refusal.isEmpty())
        return false;
    LogError(kModule, procedure, 6, 0, "예약 목록을 받지 못해 예약 캐시를 그대로 둡니다. (" + refusal + ")");
    return true;
}

// The records of a list answer; a head whose allcount counts otherwise is noted in the main log.
AnswerRecords listOf(const QString& procedure, const QString& answer)
{
    AnswerRecords records = AnswerRecords::Separated(answer, kSeparator);
    if (const auto mismatch = CountMismatch(answer, records))
        WriteLog(kModule + "->" + procedure + " " + *mismatch);
    return records;
}

// The rows the cache takes from the answer's records, in the answer's order.
QList<CacheRow> rowsOf(const AnswerRecords& records)
{
    QList<CacheRow> rows;
    rows.reserve(records.count());
    ReservationListReader reader;
    for (const AnswerRecord& record : records)
        if (auto row = reader.read(record))
            rows.append(std::move(*row));
    return rows;
}

// Deletes what the statement names and appends the rows through one table record set; then runs
// the follow-up. deletionShown is the deletion as its error line names it.
bool fillTable(JetDatabase& db, const QString& procedure, QList<CacheRow> rows, const JetSql& deletion,
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
        // Each row's texts are let go once it is added, while they are at hand, rather than all
        // at the end.
        for (CacheRow& row : rows) {
            AddCacheRow(*table, row);
            row = CacheRow();
        }
    }
    return !followUp || followUp(db);
}

// Opens the cache file and fills it in one transaction. Everything written before a later step fails
// is kept; a commit that fails keeps nothing and is reported as a failure.
bool replaceRows(const QString& path, const QString& procedure, QList<CacheRow> rows, const JetSql& deletion,
                 const QString& deletionShown, const std::function<bool(JetDatabase&)>& followUp)
{
    JetDbPtr db;
    if (!JetOpenDB(db, path)) {
        LogDbOpenError(kModule, procedure, path);
        return false;
    }
    // The whole file stays in memory while it is written: pages of the table and its indexes are
    // not read back from disk for every row.
    long none = 0;
    JetExec(*db, "PRAGMA cache_size = -262144", none);
    db->BeginTrans();
    const bool done = fillTable(*db, procedure, std::move(rows), deletion, deletionShown, followUp);
    return db->CommitTrans() && done;
}

// The one number a query answers; no value when it fails.
std::optional<int> numberAnswered(JetDatabase& db, const JetSql& query)
{
    JetRsPtr rs;
    if (!JetOpenRST(db, rs, query, dbOpenDynaset))
        return std::nullopt;
    return rs->Field(rs->FieldNames().value(0)).toInt();
}

// The engine counts the groups rather than reading them one by one. The rows are written without
// a kind, so mostly every one has the template's "미등록": the phones are then counted from their
// index alone, instead of reading the kind of every row in the order of the phones.
bool countUnregisteredCallers(JetDatabase& db)
{
    const JetSql unregistered("SELECT cPhoneT  FROM 예약 WHERE cKindT = ? GROUP BY cPhoneT", {"미등록"});
    const auto otherKinds =
        numberAnswered(db, JetSql("SELECT EXISTS (SELECT 1 FROM 예약 WHERE cKindT IS NOT ?)", unregistered.params));
    std::optional<int> count;
    if (otherKinds)
        count = numberAnswered(db, *otherKinds ? JetSql("SELECT count(*) FROM (" + unregistered.text + ")", unregistered.params)
                                               : JetSql("SELECT count(*) FROM (SELECT cPhoneT FROM 예약 GROUP BY cPhoneT)"));
    if (!count) {
        LogRsOpenError(kModule, "Load_예약_전체", unregistered.display());
        return false;
    }
    gUnregCallerCnt = *count;
    return true;
}

// Puts the rebuilt file in place of the cache in one step.
bool putInPlace(const QString& fresh, const QString& cache)
{
    // A journal left by an earlier run belongs to the old file and must not be played into the new one.
    QFile::remove(cache + "-journal");
    QString failure;
    if (ReplaceFile(fresh, cache, &failure))
        return true;
    LogError(kModule, "Load_예약_전체", 14, 0, failure);
    QFile::remove(fresh);
    return false;
}

// The file the rebuild starts from: the empty template, or without one the cache itself.
QString rebuildBase()
{
    const QString emptyTemplate = AppFile("VmrBooking.0.mdb");
    return FileExists(emptyTemplate) ? emptyTemplate : AppFile("VmrBooking.mdb");
}

// Every row of the whole list with its phone's first visit and visit count, then the count of
// the unregistered callers.
bool storeWhole(const AnswerRecords& records, const QString& path)
{
    QList<CacheRow> rows = rowsOf(records);
    SetFirstVisits(rows);
    return replaceRows(path, "Load_예약_전체", std::move(rows), "DELETE FROM 예약", "DELETE * FROM 예약",
                       countUnregisteredCallers);
}

} // namespace

bool Load_예약_전체()
{
    if (!FileExists(rebuildBase()))
        return false;
    HttpOutcome outcome = HttpOutcome::Failed;
    const QString answer = fetchList("Load_예약_전체", "all", "all", &outcome);
    return Rebuild_예약_전체(answer, outcome);
}

bool Rebuild_예약_전체(const QString& answer, HttpOutcome outcome)
{
    const QString cache = AppFile("VmrBooking.mdb");
    const QString base = rebuildBase();
    if (refused("Load_예약_전체", answer, outcome)) {
        if (!FileExists(cache))
            ShellFileCopy(base, cache);
        return false;
    }
    const AnswerRecords records = listOf("Load_예약_전체", answer);
    const QString fresh = cache + ".new";
    if (ShellFileCopy(base, fresh) != 0 || !storeWhole(records, fresh)) {
        QFile::remove(fresh);
        return false;
    }
    return putInPlace(fresh, cache);
}

bool Store_예약_전체(const QString& answer, const QString& path)
{
    return storeWhole(AnswerRecords::Separated(answer, kSeparator), path);
}

bool Load_예약_DAY(const QString& day)
{
    HttpOutcome outcome = HttpOutcome::Failed;
    const QString answer = fetchList("Load_예약_DAY", day, day, &outcome);
    if (refused("Load_예약_DAY", answer, outcome))
        return false;
    return replaceRows(AppFile("VmrBooking.mdb"), "Load_예약_DAY", rowsOf(listOf("Load_예약_DAY", answer)),
                       JetSql("DELETE FROM 예약 WHERE substr(예약일시, 1, 10) = ?", {day}),
                       "DELETE * FROM 예약 WHERE Left(예약일시, 10) = '" + day + "'", {});
}
