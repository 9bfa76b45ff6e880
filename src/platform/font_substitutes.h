#pragma once

#include <QList>
#include <QString>

// The font families the windows name that a Linux desktop does not carry (the Korean Windows
// families and the login boxes' display face), each with the installed Korean family that takes
// its place, so that Hangul never falls back to a Latin face.
struct FontSubstitute {
    QString family;
    QString substitute;
};

const QList<FontSubstitute>& FontSubstitutes();

// Makes Qt draw every family of the table with its substitute. Called once at start-up.
void InstallFontSubstitutes();
