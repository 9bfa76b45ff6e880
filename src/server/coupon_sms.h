#pragma once

#include "core/backend_request.h"

#include <QString>

// The request that sends one text to several recipients at once ("/program/sendCouponSMS.php"):
// after the account, "bytec" (the text's byte count), "sendphonetext" (the recipient list as
// given, "b[" record "]b" "a[" digits "]a " per recipient), "groupText" (the first 20 characters
// of the text, line breaks already replaced by "!줄!", percent-encoded), "couponNum=X", an empty
// "couponText" and "sendTEXT" (the whole text so replaced, percent-encoded).
BackendRequest CouponSmsRequest(const QString& label, int bytec, const QString& recipients,
                                const QString& lineText);
