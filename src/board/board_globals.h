#pragma once

// Program-wide values of the reservation board.

// The timetable's scale: 0 fixed-width columns (35 ten-minute columns in view), any other value
// every column fitted into the grid's width. Read from [SET] "SchScaleKind" of "Frshop.cfg" when
// the board loads.
extern int gSchScaleKind;
