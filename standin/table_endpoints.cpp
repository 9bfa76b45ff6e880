#include "answer_writer.h"
#include "endpoint.h"

#include "core/answer_grammar.h"
#include "core/text_escapes.h"

#include <QDateTime>

// The tables: the list (every table, hidden ones included, each record beginning with "nums"),
// adding, renaming, the active flag and the order. Descriptions arrive with the token escapes and
// are kept plain, as the program shows them as they come. A write answers a short text with
// "성공"; one that names no table changes nothing and answers without it.

namespace {

const QString kDone = QStringLiteral("성공");
const QString kNotDone = QStringLiteral("대상 없음");

QString tableList(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    QString answer;
    for (const StandinRecord& table : shop.tables)
        answer += Fields(table, {"nums", "tableqr", "tableqroup", "tablenum", "tableinfo", "tableregdate", "tableYN"});
    return answer;
}

// The table of record number qrn, or nullptr for an empty or unknown number.
StandinRecord* tableOf(ShopState& shop, const QString& number)
{
    if (number.isEmpty())
        return nullptr;
    for (StandinRecord& table : shop.tables)
        if (table.value("nums") == number)
            return &table;
    return nullptr;
}

QString addTable(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    qint64 last = 0;
    for (const StandinRecord& table : shop.tables)
        last = qMax(last, table.value("nums").toLongLong());
    const QString number = QString::number(last + 1);
    shop.tables.append({{"nums", number},
                        {"tableqr", "QR" + shop.account.value("번호") + "T" + number},
                        {"tableqroup", QString()},
                        {"tablenum", form.value("tablename")},
                        {"tableinfo", VmrDecodeAA(form.value("tableinfo"))},
                        {"tableregdate", QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss")},
                        {"tableYN", "Y"}});
    return kDone;
}

QString editTable(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    StandinRecord* table = tableOf(shop, form.value("qrn"));
    if (!table)
        return kNotDone;
    table->insert("tablenum", form.value("qrtext"));
    table->insert("tableinfo", VmrDecodeAA(form.value("tableinfo")));
    return kDone;
}

QString setTableActive(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    StandinRecord* table = tableOf(shop, form.value("qrn"));
    if (!table)
        return kNotDone;
    table->insert("tableYN", form.value("qryn"));
    return kDone;
}

// The tables named by the "num[" ... "]num sort[" ... "]sort " pairs go first, by their sort value;
// the others follow in their old order.
QString sortTables(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    QHash<QString, qint64> position;
    for (const AnswerRecord& pair : AnswerRecords::FirstField(form.value("sort"), "num["))
        position.insert(pair.field("num[", "]num"), pair.field("sort[", "]sort").toLongLong());
    if (position.isEmpty())
        return kNotDone;
    std::stable_sort(shop.tables.begin(), shop.tables.end(), [&](const StandinRecord& a, const StandinRecord& b) {
        const bool aNamed = position.contains(a.value("nums"));
        const bool bNamed = position.contains(b.value("nums"));
        if (aNamed != bNamed)
            return aNamed;
        return aNamed && position.value(a.value("nums")) < position.value(b.value("nums"));
    });
    return kDone;
}

} // namespace

void AddTableEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/qrtableloading.php", tableList);
    endpoints.insert("/program/qrtableadd.php", addTable);
    endpoints.insert("/program/qrtablenameedit.php", editTable);
    endpoints.insert("/program/qrtableYNedit.php", setTableActive);
    endpoints.insert("/program/tableqrtablesortedit.php", sortTables);
}
