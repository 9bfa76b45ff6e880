#pragma once

#include "form_fields.h"
#include "shop_state.h"

#include <QHash>
#include <QString>

#include <functional>

// One backend endpoint: reads the form, may change the shop, returns the answer text.
using EndpointHandler = std::function<QString(ShopState& shop, const FormFields& form)>;
using EndpointMap = QHash<QString, EndpointHandler>;

// The endpoint families; each adds its paths.
void AddLoginEndpoints(EndpointMap& endpoints);
void AddReservationEndpoints(EndpointMap& endpoints);
void AddReservationWriteEndpoints(EndpointMap& endpoints);
void AddSettingsEndpoints(EndpointMap& endpoints);
void AddStaffEndpoints(EndpointMap& endpoints);
void AddTableEndpoints(EndpointMap& endpoints);
void AddCouponEndpoints(EndpointMap& endpoints);
void AddMemberEndpoints(EndpointMap& endpoints);
void AddPatchDownloadEndpoints(EndpointMap& endpoints);
void AddMessagingEndpoints(EndpointMap& endpoints);
void AddTableRequestEndpoints(EndpointMap& endpoints);
void AddKakaoTemplateEndpoints(EndpointMap& endpoints);
void AddCouponSmsEndpoints(EndpointMap& endpoints);
void AddKakaoSendEndpoints(EndpointMap& endpoints);

// Every endpoint of the stand-in.
EndpointMap AllEndpoints();

// The answer of a request whose account is wrong: it carries no marker of any reader.
QString WrongAccountAnswer();

// The request carries the shop's own account.
bool IsShopRequest(const ShopState& shop, const FormFields& form);
