#include "callerid/caller_id_settings.h"

#include "core/converters.h"
#include "core/error_line.h"
#include "core/settings.h"

namespace {

const QString kSection = QStringLiteral("CID");
// The step of the start-up that reads these keys, for its error line.
constexpr int kStartUpStep = 12;

QString readText(const QString& key)
{
    return gIniFrshop.ReadValue(kSection, key, QString()).toString();
}

bool isTruthText(const QString& text)
{
    const QString word = Trim(text).toLower();
    return word == QLatin1String("true") || word == QLatin1String("false")
           || (!word.isEmpty() && IsNumber(word));
}

bool readTruth(const QString& key, bool defaultValue)
{
    const QVariant stored = gIniFrshop.ReadValue(kSection, key, defaultValue);
    if (stored.typeId() == QMetaType::Bool)
        return stored.toBool();
    const QString text = stored.toString();
    if (isTruthText(text))
        return ToBoolean(Trim(text));
    LogError(QStringLiteral("StartUp"), QStringLiteral("Main"), kStartUpStep, 13,
             QStringLiteral("Type mismatch: [CID] ") + key + "=" + text);
    return defaultValue;
}

} // namespace

void ReadCallerIdSettings()
{
    gCIDUseKT = readTruth(QStringLiteral("CIDUseKT"), false);
    gCIDUseLG = readTruth(QStringLiteral("CIDUseLG"), false);
    gCIDktID = readText(QStringLiteral("ID"));
    gCIDktPW = readText(QStringLiteral("PW"));
    gCIDktAutoLogin = readTruth(QStringLiteral("KTOAPI_AutoLogin"), true);
    gCIDlgID[0] = readText(QStringLiteral("LGID"));
    gCIDlgPW[0] = readText(QStringLiteral("LGPW"));
    gCIDlgIP[0] = readText(QStringLiteral("LGIP"));
    for (int line = 1; line <= 3; ++line) {
        gCIDlgID[line] = readText(QStringLiteral("LGID") + QString::number(line));
        gCIDlgPW[line] = readText(QStringLiteral("LGPW") + QString::number(line));
    }
    gCIDlgAutoLogin = readTruth(QStringLiteral("LGOAPI_AutoLogin"), true);
}

void WriteCallerIdSettings()
{
    const auto write = [](const QString& key, const QVariant& value) { gIniFrshop.WriteValue(kSection, key, value); };
    write(QStringLiteral("CIDUseKT"), gCIDUseKT);
    write(QStringLiteral("CIDUseLG"), gCIDUseLG);
    write(QStringLiteral("KTOAPI_AutoLogin"), gCIDktAutoLogin);
    write(QStringLiteral("ID"), gCIDktID);
    write(QStringLiteral("PW"), gCIDktPW);
    write(QStringLiteral("LGOAPI_AutoLogin"), gCIDlgAutoLogin);
    write(QStringLiteral("LGID"), gCIDlgID[0]);
    write(QStringLiteral("LGPW"), gCIDlgPW[0]);
    write(QStringLiteral("LGIP"), gCIDlgIP[0]);
    for (int line = 1; line <= 3; ++line) {
        write(QStringLiteral("LGID") + QString::number(line), gCIDlgID[line]);
        write(QStringLiteral("LGPW") + QString::number(line), gCIDlgPW[line]);
    }
}
