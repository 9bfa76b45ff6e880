#pragma once

#include <QString>

// What other windows ask of the main window beyond its picture lists. The main window implements
// it; others reach it through the main window found by name ("frmMainMDI").
class MainWindowCalls
{
public:
    virtual ~MainWindowCalls() = default;

    // The Tag of the automatic-refresh button cmdRefresh: "On" while the refresh is on.
    virtual QString RefreshTag() const = 0;

    // Turns the main window into a small card of that width and 81 pixels: a rounded region from
    // (1, 1) to (width, 81) with 20-pixel corners, BG(0) 81 pixels high with picture 2 of ImgIcon,
    // sspTEL with the caption in that font size and the tag. Place, CMD(0), CMD(1) and
    // m_FloatingButton stay as they are. Serves the caller card and the table-request notice.
    virtual void ShowSmallCard(int width, int fontSize, const QString& caption, const QString& tag) = 0;
};

// The tag a table-request notice leaves on sspTEL: the card's button then opens the board without
// a caller to search.
inline const QString kRequestNoticeTag = QStringLiteral("REQ");

// The main window's calls, or nullptr while the main window is not loaded.
MainWindowCalls* MainWindow();
