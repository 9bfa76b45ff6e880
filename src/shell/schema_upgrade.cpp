#include "shell/schema_upgrade.h"

#include "core/error_line.h"
#include "core/jet_schema.h"

#include <QList>
#include <QVariant>

#include <utility>

namespace {

const QString kModule = QStringLiteral("StartUp");
const QString kProcedure = QStringLiteral("Upgrade_자료구조변경");

void report(int step, const JetError& error)
{
    LogErrorToIni(kModule, kProcedure, step, error.number, error.description);
}

struct FieldUpgrade
{
    QString table;
    JetField field;
    QList<std::pair<QString, QVariant>> properties;
    int step;
};

// Adds the field with its properties when the table has no field of exactly that name. Each
// part that fails is reported and the next one runs. Sub-steps are numbered step * 10 + n.
void addWhenMissing(JetDatabase& db, const FieldUpgrade& upgrade)
{
    JetError error;
    const auto names = JetFieldNames(db, upgrade.table, error);
    if (!names) {
        report(upgrade.step, error);
        return;
    }
    if (names->contains(upgrade.field.name, Qt::CaseSensitive))
        return;
    if (!JetAppendField(db, upgrade.table, upgrade.field, error))
        report(upgrade.step * 10 + 1, error);
    int subStep = 2;
    for (const auto& [property, value] : upgrade.properties) {
        if (!JetSetFieldProperty(db, upgrade.table, upgrade.field.name, property, value, error))
            report(upgrade.step * 10 + subStep, error);
        ++subStep;
    }
}

// The declared size of cid.Status; no value when the table, the field or its size is unknown
// (the first two are reported).
std::optional<int> statusSize(JetDatabase& db)
{
    JetError error;
    const auto names = JetFieldNames(db, "cid", error);
    if (!names) {
        report(2, error);
        return std::nullopt;
    }
    if (!names->contains("Status")) {
        report(3, {1, "no such column: Status"});
        return std::nullopt;
    }
    return JetFieldSize(db, "cid", "Status");
}

// False when the widening failed: the upgrade stops there.
bool upgradeCallLog(JetDatabase& db)
{
    if (statusSize(db) != 10 && !JetResizeTextField(db, "cid", "Status", 10))
        return false;
    addWhenMissing(db, {"cid", {"SeqNO", "Text", 30, QVariant()},
                        {{"AllowZeroLength", true}, {"UnicodeCompression", true}, {"Description", "OpenAPI SeqNO"}},
                        4});
    addWhenMissing(db, {"cid", {"cid_kind", "Long", 0, 0}, {{"DefaultValue", 0}, {"Description", "1 KT, 2 LG"}}, 5});
    return true;
}

void upgradeTemplate(JetDatabase& db)
{
    addWhenMissing(db, {"예약", {"종료일시", "Text", 19, QVariant()},
                        {{"AllowZeroLength", true}, {"UnicodeCompression", true}, {"Description", "종료일시"}},
                        8});
}

} // namespace

void Upgrade_자료구조변경(const QString& path)
{
    {
        JetDbPtr callLog;
        if (!JetOpenDB(callLog, path + "/VmrCID.mdb") || !upgradeCallLog(*callLog))
            return;
    }
    JetDbPtr booking;
    if (JetOpenDB(booking, path + "/VmrBooking.0.mdb"))
        upgradeTemplate(*booking);
}
