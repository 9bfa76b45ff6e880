#pragma once

#include <QWidget>

// The shape, band and opacity of the program's borderless windows.

// Gives the window the rounded outline from (0, 0) to (width + 1, height + 1) with corners that are
// quarters of a corner × corner ellipse. A later call replaces the outline.
void FormRound(QWidget& window, int corner);

// Puts the window into (or takes it out of) the always-on-top band and shows it without moving,
// sizing or activating it. Result non-zero on success.
int SetTopMost(QWidget& window);
int SetNoTopMost(QWidget& window);

// Makes the window percent transparent (0 opaque, 100 invisible): opacity byte
// (100 - percent) / 100 * 255, rounded half to even. Result 0 done, 1 when the byte would fall
// outside 0..255 (the window is not touched). The window stays layered afterwards.
int SetTranslucent(QWidget& window, int percent);
// The opacity byte last set by SetTranslucent (255 when never set), and whether it ran on the window.
int WindowAlpha(const QWidget& window);
bool IsLayered(const QWidget& window);

// Removes the window's notification-area icon. The program never adds one, so nothing happens.
void TrayIconDelete(QWidget& window);
