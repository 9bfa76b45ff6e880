#include "answer_writer.h"
#include "endpoint.h"

// The table list: every table, hidden ones included, each record beginning with "nums".

namespace {

QString tableList(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    QString answer;
    for (const StandinRecord& table : shop.tables)
        answer += Fields(table, {"nums", "tableqr", "tableqroup", "tablenum", "tableinfo", "tableregdate", "tableYN"});
    return answer;
}

} // namespace

void AddTableEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/qrtableloading.php", tableList);
}
