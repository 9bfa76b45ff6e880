#include "server/call_log.h"

#include "core/jet_recordset.h"
#include "core/jet_schema.h"
#include "core/log.h"
#include "platform/clock.h"
#include "platform/program_folder.h"
#include "server/call_backlog.h"
#include "server/call_busy_rule.h"
#include "server/call_log_day.h"

namespace {

const QString kTable = QStringLiteral("cid");

bool isEmptyStatus(const QVariant& status)
{
    return status.isNull() || status.toString().isEmpty();
}

// The text cut to the size the file declares for the field (whole when it declares none).
QString withinSize(JetDatabase& db, const QString& field, const QString& text)
{
    const std::optional<int> size = JetFieldSize(db, kTable, field);
    return size && text.size() > *size ? text.left(*size) : text;
}

CallLogRow callOf(const QDate& day, qint32 ch, const QString& tel, const QString& seqNo, qint32 kind)
{
    const QDateTime now = CurrentClock().now();
    CallLogRow call;
    call.day = day.toString(QStringLiteral("yyyy-MM-dd"));
    call.time = now.toString(QStringLiteral("HH:mm:ss"));
    call.modified = now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    call.ch = ch;
    call.tel = tel;
    call.seqNo = seqNo;
    call.kind = kind;
    return call;
}

CallLogRow changedCall(const JetRecordset& rs, const QString& word)
{
    CallLogRow call = CallLogRowOf(rs);
    call.status = word;
    return call;
}

void hold(RecordedCall& recorded, const QString& cause)
{
    HoldCall(recorded.row);
    WriteLog("통화 기록 보류 ... TEL:=" + recorded.row.tel + ", 서비스:=" + CallServiceName(recorded.row.kind)
             + ", 원인:=" + cause);
}

} // namespace

QString CallLogPath()
{
    return AppFile(QStringLiteral("VmrCID.mdb"));
}

std::optional<qint64> AddCallRow(const CallLogRow& call, JetError* failure)
{
    JetDbPtr db;
    if (!JetOpenDB(db, CallLogPath(), failure))
        return std::nullopt;
    JetRsPtr rs;
    if (!JetOpenRST(*db, rs, "SELECT * FROM cid WHERE 0", dbOpenDynaset)) {
        if (failure)
            *failure = {0, QStringLiteral("RS OPEN Error")};
        return std::nullopt;
    }
    rs->AddNew();
    rs->SetField(QStringLiteral("time_modified"), call.modified);
    rs->SetField(QStringLiteral("rDate"), call.day);
    rs->SetField(QStringLiteral("rTime"), call.time);
    rs->SetField(QStringLiteral("ch"), call.ch);
    rs->SetField(QStringLiteral("Tel"), withinSize(*db, QStringLiteral("Tel"), call.tel));
    rs->SetField(QStringLiteral("S_ID"), 0);
    rs->SetField(QStringLiteral("SeqNO"), withinSize(*db, QStringLiteral("SeqNO"), call.seqNo));
    rs->SetField(QStringLiteral("cid_kind"), call.kind);
    if (!call.status.isEmpty())
        rs->SetField(QStringLiteral("Status"), call.status);
    if (rs->Update())
        return rs->LastInsertId();
    if (failure)
        *failure = rs->LastError();
    return std::nullopt;
}

RecordedCall RecordCall(const QDate& day, qint32 ch, const QString& tel, const QString& seqNo, qint32 kind)
{
    RecordedCall recorded{callOf(day, ch, tel, seqNo, kind)};
    if (HasHeldCalls()) {
        recorded.heldWritten = WriteHeldCalls();
        if (HasHeldCalls()) {
            hold(recorded, QStringLiteral("앞선 통화가 아직 기록되지 않음"));
            WatchForBusy(recorded.row);
            return recorded;
        }
    }
    JetError failure;
    if (const std::optional<qint64> id = AddCallRow(recorded.row, &failure)) {
        recorded.row.id = *id;
        recorded.written = true;
    } else {
        hold(recorded, CallLogFailureCause(failure));
    }
    WatchForBusy(recorded.row);
    return recorded;
}

namespace {

CallStatusResult setStatus(const QString& seqNo, const QString& word)
{
    if (CallLogRow* held = HeldCallWithId(seqNo)) {
        if (!held->status.isEmpty())
            return {};
        held->status = word;
        return {CallStatusResult::Done, 0, QString(), *held, 0};
    }
    JetDbPtr db;
    JetRsPtr rs;
    if (!JetOpenDB(db, CallLogPath()))
        return {CallStatusResult::NotOpened, 0, QString(), std::nullopt, 0};
    const JetSql sql("SELECT * FROM cid WHERE SeqNO = ? ORDER BY cid_id DESC", {withinSize(*db, QStringLiteral("SeqNO"), seqNo)});
    if (!JetOpenRST(*db, rs, sql, dbOpenDynaset))
        return {CallStatusResult::NotOpened, 0, QString(), std::nullopt, 0};
    if (rs->RecordCount() == 0 || !isEmptyStatus(rs->Field(QStringLiteral("Status"))))
        return {};
    rs->Edit();
    const QString stored = withinSize(*db, QStringLiteral("Status"), word);
    rs->SetField(QStringLiteral("Status"), stored);
    if (rs->Update())
        return {CallStatusResult::Done, 0, QString(), changedCall(*rs, stored), 0};
    return {CallStatusResult::Failed, rs->LastError().number, rs->LastError().description, std::nullopt, 0};
}

} // namespace

CallStatusResult SetCallStatus(const QString& seqNo, const QString& word)
{
    const int heldWritten = HasHeldCalls() ? WriteHeldCalls() : 0;
    CallStatusResult result = setStatus(seqNo, word);
    result.heldWritten = heldWritten;
    return result;
}
