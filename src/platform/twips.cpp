#include "platform/twips.h"

#include <cmath>

int TwipsToPixels(double twips)
{
    return int(std::nearbyint(twips / kTwipsPerPixel));   // default rounding: halves to even
}
