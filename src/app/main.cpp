#include "platform/fitted_controls.h"
#include "platform/font_substitutes.h"
#include "platform/qt_translation.h"
#include "shell/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program ends through its own exits (the login window's close, the exit command), never
    // because a box closed while no window was visible.
    app.setQuitOnLastWindowClosed(false);
    LoadQtKoreanTranslation();
    UseKoreanLocale();
    InstallFontSubstitutes();
    InstallTextFitting();
    Main();
    return app.exec();
}
