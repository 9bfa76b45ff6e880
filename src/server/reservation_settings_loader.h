#pragma once

// Reads the shop's reservation settings into gPersonType, gRequireTime and gSchHour.
// A field missing from the answer keeps its value, except the length, which is read anew:
// "0" when the scheme is empty, 60 minutes when the length is 0, hours 9 and 22 when both are 0.
bool Read_설정();
