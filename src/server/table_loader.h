#pragma once

// Reads the shop's tables in use (tableYN exactly "Y") into gSeat / gSeatCount, in the
// backend's order, as the answer gives them. The list is emptied before the request.
bool Read_좌석();
