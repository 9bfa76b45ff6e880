#pragma once

// The shop's remaining message credit ("smsPoint"), fetched anew on every call; 0 when no
// answer or no number arrived. When given, arrived tells whether the answer carried the credit
// at all, so that a caller can keep what it shows when nothing came.
int VMR_남은문자(bool* arrived = nullptr);
