#pragma once

#include <QString>

#include <array>

// The work windows of the six top buttons, by button index: the title the main window's title
// label shows for it and the window's name.
struct TopWindow
{
    QString title;
    QString formName;
};

const std::array<TopWindow, 6>& TopWindows();

// The button index whose title is exactly this text; -1 when none is.
int TopIndexOfTitle(const QString& title);
