#include "answer_writer.h"
#include "endpoint.h"

#include "core/text_escapes.h"

// The staff list: "num" and "managername" of every member of staff, without a separator.

namespace {

QString staffList(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    QString answer;
    for (StandinRecord record : shop.staff) {
        record.insert("managername", VmrEncodeBB(record.value("managername")));
        answer += Fields(record, {"num", "managername"});
    }
    return answer;
}

} // namespace

void AddStaffEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/shopmanagerloading.php", staffList);
}
