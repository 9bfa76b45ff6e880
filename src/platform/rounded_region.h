#pragma once

#include <QRegion>

// The region of a rectangle from (0, 0) to (width, height), right and bottom edges excluded, whose
// corners are quarters of a corner × corner ellipse.
QRegion RoundedRegion(int width, int height, int corner);

// A 2-pixel ring of the calendars' day frames: the rounded region from (0, 0) to (width + 1,
// height + 1) minus the one from (2, 2) to (width - 1, height - 1), corners of 3 × 3.
QRegion CalendarRing(int width, int height);
