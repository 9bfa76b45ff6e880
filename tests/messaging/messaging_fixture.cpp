#include "messaging/messaging_fixture.h"

#include "core/screen_values.h"
#include "core/settings.h"
#include "platform/window_registry.h"
#include "shell/main_window.h"
#include "support/log_entries.h"

#include <QCoreApplication>
#include <QTest>

MessagingTest::MessagingTest()
{
    gIniFrshop.setFileName(program.file("Frshop.cfg"));
    gSkinPath = QStringLiteral(VMR_BUILT_PROGRAM_DIR) + "/skin";
}

MessagingTest::~MessagingTest()
{
    UnloadAllForms();
    gIniFrshop.setFileName(QString());
}

frmMainMDI& MessagingTest::main()
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

QStringList MessagingTest::httpLog()
{
    return LogEntries(QStringLiteral("_WinHttp"));
}

QStringList MessagingTest::mainLog()
{
    return LogEntries();
}

QStringList MessagingTest::bodiesTo(const QString& path)
{
    QStringList bodies;
    for (const StandinRequest& request : backend->requestsTo(path))
        bodies.append(QString::fromUtf8(request.body));
    return bodies;
}

void MessagingTest::doubleClick(QWidget* widget, const QPoint& at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}
