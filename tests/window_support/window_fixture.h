#pragma once

#include "platform/window_registry.h"
#include "support/loaded_forms.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <functional>

class frmMainMDI;
class QWidget;

// The surroundings of a window test: a temporary program folder with "Frshop.cfg" bound, its
// picture folder "menu_img" and the built skin, the windows made by name as the start-up makes them, the stand-in with the sample shop, and the main window shown with its timers
// stopped. Every window still loaded is unloaded at the end.
class WindowTest : public ::testing::Test
{
protected:
    WindowTest();
    ~WindowTest() override;

    frmMainMDI& main();
    // The window opened as its opener opens it (first activation requested), but modeless, so
    // that the test can act on it; the main window is shown first.
    template <class W>
    W& openModeless()
    {
        main();
        W& window = Form<W>();
        window.m_FirstActivated = true;
        ShowFormModeless(window);
        return window;
    }
    // A user's double click: a click, then the second press that the system reports as a double
    // click, and its release.
    static void doubleClick(QWidget* widget, const QPoint& at = QPoint());
    // Runs the action inside a modal wait, once the window of that name is shown and ready.
    static void whenShown(const QString& name, const std::function<void(QWidget&)>& action,
                          const std::function<bool(QWidget&)>& ready = {});
    // Today's "_WinHttp" entries, and the main log's.
    static QStringList httpLog();
    static QStringList mainLog();
    // The form bodies the stand-in received on a path, as sent.
    QStringList bodiesTo(const QString& path);

    TempProgramDir program;
    StandinFixture backend;

private:
    frmMainMDI* m_main = nullptr;
};
