#include "window_support/window_fixture.h"

#include "core/screen_values.h"
#include "core/settings.h"
#include "platform/window_registry.h"
#include "shell/main_window.h"
#include "shell/window_makers.h"
#include "support/log_entries.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

WindowTest::WindowTest()
{
    gIniFrshop.setFileName(program.file("Frshop.cfg"));
    gSkinPath = QStringLiteral(VMR_BUILT_PROGRAM_DIR) + "/skin";
    gMenuImgPath = program.file("menu_img");
    QDir().mkpath(gMenuImgPath);
    RegisterWindowMakers();
}

WindowTest::~WindowTest()
{
    UnloadAllForms();
    gIniFrshop.setFileName(QString());
}

frmMainMDI& WindowTest::main()
{
    if (!m_main) {
        m_main = &Form<frmMainMDI>();
        m_main->Start_Timer->stop();
        m_main->TimerClock->stop();
        m_main->show();
        QCoreApplication::processEvents();
    }
    return *m_main;
}

QStringList WindowTest::httpLog()
{
    return LogEntries(QStringLiteral("_WinHttp"));
}

QStringList WindowTest::mainLog()
{
    return LogEntries();
}

QStringList WindowTest::bodiesTo(const QString& path)
{
    QStringList bodies;
    for (const StandinRequest& request : backend->requestsTo(path))
        bodies.append(QString::fromUtf8(request.body));
    return bodies;
}

void WindowTest::doubleClick(QWidget* widget, const QPoint& at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

void WindowTest::whenShown(const QString& name, const std::function<void(QWidget&)>& action,
                           const std::function<bool(QWidget&)>& ready)
{
    QTimer::singleShot(20, [name, action, ready] {
        QWidget* window = FindForm(name);
        if (!window || !window->isVisible() || (ready && !ready(*window))) {
            whenShown(name, action, ready);
            return;
        }
        action(*window);
    });
}
