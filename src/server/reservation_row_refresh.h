#pragma once

#include <QString>

// Keeps the cached row of one reservation in step with what the reservation entry window
// ("frmB예약_등록B") has just saved on the backend.

// After an edit (reservation number given) rewrites the row from the open window's fields, whether
// the customer is a member or not. After a new reservation of a known member (no reservation number) reads the member's reservation
// history from the backend and adds, as a new row, the reservation whose start and tables are the
// window's, the window supplying only a missing end time; with no such reservation, or no window
// open, nothing is added. An empty member number does nothing. True when it ended normally, also with
// nothing to do; false when the database or the row could not be opened, the window is not open
// for an edit, or the reservation number is not a whole number.
bool MDB_Update_예약(const QString& memberNum, const QString& reservationNum, const QString& phoneDigits);

// Deletes the cached row of a cancelled or no-show reservation. True when the statement ran (also
// when no row matched) or the number is empty.
bool MDB_Delete_예약(const QString& reservationNum);
