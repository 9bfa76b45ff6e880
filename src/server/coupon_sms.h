#pragma once

#include "core/backend_request.h"

#include <QString>

#include <functional>
#include <optional>

class GridModel;
class WaitPicture;

// The request that sends one text to several recipients at once ("/program/sendCouponSMS.php"):
// after the account, "bytec" (the text's byte count), "sendphonetext" (the recipient list, "b["
// record "]b" "a[" digits "]a " per recipient, with "%", "&" and "+" percent-encoded), "groupText"
// (the first 20 characters of the text, line breaks already replaced by "!줄!", percent-encoded),
// "couponNum=X", an empty "couponText" and "sendTEXT" (the whole text so replaced, percent-encoded).
BackendRequest CouponSmsRequest(const QString& label, int bytec, const QString& recipients,
                                const QString& lineText);

// The size caption shown under a message being written: its byte count, " - " and "SMS" below 91
// bytes, "LMS" from there on.
QString MessageSizeCaption(int bytes);

// The recipients of such a request: one "b[" record "]b" "a[" digits "]a " entry for every row
// of the grid ticked in column 2 whose number (the given column, as shown) the caller's rule
// accepts, in row order; column 1 holds the record and the digits are the number without "-".
struct CouponRecipients {
    int count = 0;
    QString list;
};
CouponRecipients TickedCouponRecipients(GridModel& grid, int numberColumn,
                                        const std::function<bool(const QString& shown)>& accepts);

// Sends the text to the recipients in one such request, the window's wait picture shown meanwhile
// and hidden after. Empty when the window (and so its picture) closed during the wait.
std::optional<QString> SendCouponSmsWaiting(WaitPicture& wait, const QString& label,
                                             const CouponRecipients& recipients, const QString& text);
