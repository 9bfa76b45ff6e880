#include "shop_state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

QString resolveDays(QString text, const QDate& today)
{
    static const QRegularExpression token(QStringLiteral("@day([+-]\\d+)"));
    QRegularExpressionMatch match;
    while ((match = token.match(text)).hasMatch())
        text.replace(match.capturedStart(), match.capturedLength(),
                     today.addDays(match.captured(1).toInt()).toString("yyyy-MM-dd"));
    return text;
}

StandinRecord toRecord(const QJsonObject& object, const QDate& today)
{
    StandinRecord record;
    for (auto it = object.begin(); it != object.end(); ++it)
        record.insert(it.key(), resolveDays(it.value().toVariant().toString(), today));
    return record;
}

QList<StandinRecord> toRecords(const QJsonArray& array, const QDate& today)
{
    QList<StandinRecord> records;
    records.reserve(array.size());
    for (const QJsonValue& value : array)
        records.append(toRecord(value.toObject(), today));
    return records;
}

bool readJson(const QString& path, QJsonDocument& document, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + ": " + file.errorString();
        return false;
    }
    QJsonParseError parseError;
    document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = path + ": " + parseError.errorString();
        return false;
    }
    return true;
}

} // namespace

bool ShopState::load(const QString& folder, const QDate& today, ShopState& state, QString* error)
{
    QJsonDocument shop, tables, staff, members, reservations, cars, messages, requests, notices;
    const QDir dir(folder);
    if (!readJson(dir.filePath("shop.json"), shop, error) || !readJson(dir.filePath("tables.json"), tables, error)
        || !readJson(dir.filePath("staff.json"), staff, error)
        || !readJson(dir.filePath("members.json"), members, error)
        || !readJson(dir.filePath("reservations.json"), reservations, error)
        || !readJson(dir.filePath("cars.json"), cars, error)
        || !readJson(dir.filePath("messages.json"), messages, error)
        || !readJson(dir.filePath("requests.json"), requests, error)
        || !readJson(dir.filePath("notices.json"), notices, error))
        return false;
    const QJsonObject root = shop.object();
    state.account = toRecord(root.value("account").toObject(), today);
    state.otherShops = toRecords(root.value("otherShops").toArray(), today);
    state.memberState = toRecord(root.value("memberState").toObject(), today);
    state.settings = toRecord(root.value("settings").toObject(), today);
    state.credit = root.value("credit").toInteger();
    state.coupons = toRecords(root.value("coupons").toArray(), today);
    state.levels = toRecords(root.value("levels").toArray(), today);
    state.tables = toRecords(tables.array(), today);
    state.staff = toRecords(staff.array(), today);
    state.members = toRecords(members.array(), today);
    state.reservations = toRecords(reservations.array(), today);
    state.cars = toRecords(cars.array(), today);
    state.messages = toRecords(messages.object().value("messages").toArray(), today);
    const QJsonObject phrases = messages.object().value("phrases").toObject();
    for (auto it = phrases.begin(); it != phrases.end(); ++it)
        state.phrases.insert(it.key(), it.value().toVariant().toStringList());
    state.qrmemoYN = requests.object().value("qrmemoYN").toString();
    state.tableRequests = toRecords(requests.object().value("requests").toArray(), today);
    state.notices = toRecord(notices.object().value("setting").toObject(), today);
    const QJsonObject templates = notices.object().value("templates").toObject();
    for (auto it = templates.begin(); it != templates.end(); ++it)
        state.kakaoTemplates.insert(it.key(), it.value().toVariant().toStringList());
    return true;
}

bool ShopState::isShopAccount(const QString& id, const QString& password) const
{
    return id == account.value("ID") && password == account.value("PassWord");
}

QString DefaultShopFolder()
{
    const QString installed = QCoreApplication::applicationDirPath() + "/standin";
    if (QFile::exists(installed + "/shop.json"))
        return installed;
    return QStringLiteral(VMR_STANDIN_SOURCE_DATA);
}
