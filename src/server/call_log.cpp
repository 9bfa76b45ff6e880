#include "server/call_log.h"

#include "core/jet_recordset.h"
#include "core/jet_schema.h"
#include "platform/clock.h"
#include "platform/program_folder.h"

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

} // namespace

QString CallLogPath()
{
    return AppFile(QStringLiteral("VmrCID.mdb"));
}

std::optional<qint64> AddCallRow(const QDate& day, qint32 ch, const QString& tel, const QString& seqNo, qint32 kind)
{
    JetDbPtr db;
    if (!JetOpenDB(db, CallLogPath()))
        return std::nullopt;
    JetRsPtr rs;
    if (!JetOpenRST(*db, rs, "SELECT * FROM cid WHERE 0", dbOpenDynaset))
        return std::nullopt;
    const QDateTime now = CurrentClock().now();
    rs->AddNew();
    rs->SetField(QStringLiteral("time_modified"), now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    rs->SetField(QStringLiteral("rDate"), day.toString(QStringLiteral("yyyy-MM-dd")));
    rs->SetField(QStringLiteral("rTime"), now.toString(QStringLiteral("HH:mm:ss")));
    rs->SetField(QStringLiteral("ch"), ch);
    rs->SetField(QStringLiteral("Tel"), withinSize(*db, QStringLiteral("Tel"), tel));
    rs->SetField(QStringLiteral("S_ID"), 0);
    rs->SetField(QStringLiteral("SeqNO"), withinSize(*db, QStringLiteral("SeqNO"), seqNo));
    rs->SetField(QStringLiteral("cid_kind"), kind);
    if (!rs->Update())
        return std::nullopt;
    return rs->LastInsertId();
}

CallStatusResult SetCallStatus(const QString& seqNo, const QString& word)
{
    JetDbPtr db;
    JetRsPtr rs;
    if (!JetOpenDB(db, CallLogPath()))
        return {CallStatusResult::NotOpened, 0, QString()};
    const JetSql sql("SELECT * FROM cid WHERE SeqNO = ? ORDER BY cid_id DESC", {withinSize(*db, QStringLiteral("SeqNO"), seqNo)});
    if (!JetOpenRST(*db, rs, sql, dbOpenDynaset))
        return {CallStatusResult::NotOpened, 0, QString()};
    if (rs->RecordCount() == 0 || !isEmptyStatus(rs->Field(QStringLiteral("Status"))))
        return {};
    rs->Edit();
    rs->SetField(QStringLiteral("Status"), withinSize(*db, QStringLiteral("Status"), word));
    if (rs->Update())
        return {CallStatusResult::Done, 0, QString(), rs->Field(QStringLiteral("cid_id")).toLongLong()};
    return {CallStatusResult::Failed, rs->LastError().number, rs->LastError().description, 0};
}
