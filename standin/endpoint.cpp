#include "endpoint.h"

EndpointMap AllEndpoints()
{
    EndpointMap endpoints;
    AddLoginEndpoints(endpoints);
    AddReservationEndpoints(endpoints);
    AddReservationWriteEndpoints(endpoints);
    AddSettingsEndpoints(endpoints);
    AddStaffEndpoints(endpoints);
    AddTableEndpoints(endpoints);
    AddCouponEndpoints(endpoints);
    AddMemberEndpoints(endpoints);
    AddPatchDownloadEndpoints(endpoints);
    AddMessagingEndpoints(endpoints);
    AddTableRequestEndpoints(endpoints);
    AddKakaoTemplateEndpoints(endpoints);
    AddCouponSmsEndpoints(endpoints);
    AddKakaoSendEndpoints(endpoints);
    return endpoints;
}

QString WrongAccountAnswer()
{
    return QStringLiteral("아이디 또는 비밀번호가 일치하지 않습니다.");
}

bool IsShopRequest(const ShopState& shop, const FormFields& form)
{
    return shop.isShopAccount(form.value("ID"), form.value("PassWord"));
}
