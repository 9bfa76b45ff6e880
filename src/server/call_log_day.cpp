#include "server/call_log_day.h"

#include "core/converters.h"
#include "core/jet_failure_log.h"
#include "core/jet_recordset.h"
#include "core/phone.h"
#include "platform/grid_model.h"
#include "platform/clock.h"
#include "platform/program_folder.h"
#include "server/call_backlog.h"
#include "server/call_busy_rule.h"

#include <QDateTime>

namespace {

QDateTime readMoment(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    const QString text = value.toString();
    QDateTime moment = QDateTime::fromString(text.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!moment.isValid())
        moment = QDateTime::fromString(text.left(16), QStringLiteral("yyyy-MM-dd HH:mm"));
    return moment;
}

QString readTime(const QVariant& value)
{
    const QString text = value.toString();
    const QTime time = QTime::fromString(text.size() == 5 ? text + ":00" : text.left(8), QStringLiteral("HH:mm:ss"));
    return time.isValid() ? time.toString(QStringLiteral("HH:mm:ss")) : text;
}

} // namespace

CallLogRow CallLogRowOf(const JetRecordset& rs)
{
    CallLogRow row;
    row.id = rs.Field(QStringLiteral("cid_id")).toLongLong();
    row.kind = ToLong(rs.Field(QStringLiteral("cid_kind")));
    row.ch = ToLong(rs.Field(QStringLiteral("ch")));
    row.day = rs.Field(QStringLiteral("rDate")).toString();
    row.status = rs.Field(QStringLiteral("Status")).toString();
    row.tel = rs.Field(QStringLiteral("Tel")).toString();
    row.seqNo = rs.Field(QStringLiteral("SeqNO")).toString();
    row.time = readTime(rs.Field(QStringLiteral("rTime")));
    const QDateTime modified = readMoment(rs.Field(QStringLiteral("time_modified")));
    row.modified = modified.isValid() ? modified.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
    return row;
}

namespace {

// The current row, with the busy rule applied and saved; a call not yet due is watched.
CallLogRow readRow(JetRecordset& rs, const QDateTime& now)
{
    CallLogRow row = CallLogRowOf(rs);
    if (IsDueBusy(row, now)) {
        rs.Edit();
        rs.SetField(QStringLiteral("Status"), kBusyStatus);
        if (rs.Update())
            row.status = kBusyStatus;
    } else {
        WatchForBusy(row);
    }
    return row;
}

// The rows of the query, in its order; false (with the window's log line) when the file or the
// query cannot be opened.
bool readRows(const JetSql& sql, QList<CallLogRow>& rows, const QString& window, const QString& procedure)
{
    rows.clear();
    const QString path = AppFile(QStringLiteral("VmrCID.mdb"));
    JetDbPtr db;
    if (!JetOpenDB(db, path)) {
        LogDbOpenError(window, procedure, path);
        return false;
    }
    JetRsPtr rs;
    if (!JetOpenRST(*db, rs, sql, dbOpenDynaset)) {
        LogRsOpenError(window, procedure, sql.display());
        return false;
    }
    const QDateTime now = CurrentClock().now();
    for (rs->MoveFirst(); !rs->AtEnd(); rs->MoveNext())
        rows.append(readRow(*rs, now));
    return true;
}

} // namespace

bool ReadCallLogDay(const QDate& day, QList<CallLogRow>& rows, const QString& window, const QString& procedure)
{
    const bool read = readRows(JetSql(QStringLiteral("SELECT * FROM cid WHERE rDate = ? ORDER BY cid_id Desc"), {day}),
                               rows, window, procedure);
    const QList<CallLogRow> held = HeldCallsOfDay(day.toString(QStringLiteral("yyyy-MM-dd")));
    rows = held + rows;
    return read;
}

void FillCallLogRow(GridModel& grid, int row, const CallLogRow& call, const CallLogColumns& columns)
{
    grid.SetText(columns.id, row, QString::number(call.id));
    grid.SetText(columns.time, row, call.time);
    grid.SetText(columns.tel, row, FormatPhoneMasked(call.tel, false));
    grid.SetText(columns.status, row, call.status);
    grid.SetText(columns.modified, row, call.modified);
}

void FillCallLogRows(GridModel& grid, const QList<CallLogRow>& calls, const CallLogColumns& columns)
{
    grid.SetMaxRows(int(calls.size()));
    for (int r = 1; r <= calls.size(); ++r)
        FillCallLogRow(grid, r, calls[r - 1], columns);
}
