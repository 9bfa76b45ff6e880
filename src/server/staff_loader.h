#pragma once

// Reads the shop's staff names into gStaff / gStaffCount, decoded, in the backend's order.
// The list is emptied before the request; an empty answer leaves it empty.
bool Read_직원();
