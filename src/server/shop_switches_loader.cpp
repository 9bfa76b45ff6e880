#include "server/shop_switches_loader.h"

#include "core/backend_request.h"
#include "core/login_values.h"
#include "server/admin_shop_list.h"
#include "server/answer_fields.h"
#include "server/server_globals.h"

namespace {

void resetSwitches()
{
    gPosKind = -1;
    gQRCheckYN = false;
    gOkPosCheck = false;
    gEzPosCheck = false;
    gGolfCheck = false;
    gRobotUse = false;
}

QString requestMemberState(const QString& memberNumber)
{
    return BackendRequest("Load_포스종류() ... ", "/bestAdmin/memberstate.php")
        .withAccount(kAdminID, kAdminPassword)
        .add("membersrl", memberNumber)
        .send();
}

void readSwitch(const QString& state, const QString& name, bool& value)
{
    if (const auto text = BracketField(state, name))
        value = *text == QLatin1String("Y");
}

int posKind()
{
    if (gOkPosCheck)
        return 0;
    if (gEzPosCheck)
        return 1;
    if (gGolfCheck)
        return 2;
    return -1;
}

} // namespace

bool Load_포스종류()
{
    resetSwitches();
    const auto shop = FindShopRecord(RequestAdminShopList(), gShopID);
    const QString memberNumber = shop ? shop->field("num[", "]num") : QString();
    if (memberNumber.isEmpty())
        return true;
    const QString state = requestMemberState(memberNumber);
    if (!state.contains(QLatin1String("storename")))
        return true;
    readSwitch(state, "QRCheckYN1", gQRCheckYN);
    readSwitch(state, "okposcheck", gOkPosCheck);
    readSwitch(state, "ezposcheck", gEzPosCheck);
    readSwitch(state, "golfcheck", gGolfCheck);
    readSwitch(state, "robotUSE", gRobotUse);
    gPosKind = posKind();
    return true;
}
