#pragma once

#include <QRegion>

// The region of a rectangle from (0, 0) to (width, height), right and bottom edges excluded, whose
// corners are quarters of a corner × corner ellipse.
QRegion RoundedRegion(int width, int height, int corner);
