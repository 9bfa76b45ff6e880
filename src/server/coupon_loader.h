#pragma once

// Reads the shop's coupons into gCoupon, in the backend's order; a coupon in use (USE "Y") gets
// its description: name, discount, saving, gift and validity lines. Emptied before the request.
bool Load_쿠폰();
