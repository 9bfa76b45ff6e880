#pragma once

// The grid control measures in twips. The one conversion between twips and pixels: 15 twips per
// pixel, pixels rounded to the nearest whole number, halves to the even number.
constexpr int kTwipsPerPixel = 15;

int TwipsToPixels(double twips);
constexpr double PixelsToTwips(int pixels) { return double(pixels) * kTwipsPerPixel; }
