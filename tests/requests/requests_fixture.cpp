#include "requests/requests_fixture.h"

#include "core/screen_values.h"
#include "core/settings.h"
#include "platform/window_registry.h"
#include "requests/request_globals.h"
#include "shell/window_makers.h"
#include "support/loaded_forms.h"
#include "support/template_databases.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QFileInfo& file : QDir(from).entryInfoList(QDir::Files))
        QFile::copy(file.filePath(), to + "/" + file.fileName());
}

} // namespace

RequestsTest::RequestsTest()
{
    copyFolder(BuiltTemplate("skin"), program.file("skin"));
    gIniFrshop.setFileName(program.file("Frshop.cfg"));
    gSkinPath = program.file("skin");
    gSoundPath = program.file("sound");
    gReqLastSetting.clear();
    gReqLastListY.clear();
    gReqLastListN.clear();
    gReqLastMemoNum.clear();
    RegisterWindowMakers();
    main = &Form<frmMainMDI>();
    main->Start_Timer->stop();
    main->TimerClock->stop();
    main->setGeometry(0, 0, 1024, 768);
    main->show();
    QCoreApplication::processEvents();
}

RequestsTest::~RequestsTest()
{
    UnloadAllForms();
    gIniFrshop.setFileName(QString());
}

frmz승인_고객요청& RequestsTest::open()
{
    main->TopCMD_Click(5);
    return window();
}

frmz승인_고객요청& RequestsTest::window()
{
    return Form<frmz승인_고객요청>();
}

QString RequestsTest::pollLog(const QString& hour) const
{
    return program.read(CurrentClock().now().toString("yyMMdd") + "_WinHttp_Req_" + hour + ".log");
}

QString RequestsTest::completionLog() const
{
    return program.read(CurrentClock().now().toString("yyMMdd") + "_WinHttp_Req.log");
}

QString RequestsTest::lastBodyTo(const QString& path)
{
    const QList<StandinRequest> requests = backend->requestsTo(path);
    return requests.isEmpty() ? QString() : QString::fromUtf8(requests.last().body);
}

QString RequestsTest::listOf(int count)
{
    QString answer;
    for (int i = count; i >= 1; --i)
        answer += "<memochecks><memonum>" + QString::number(i) + "</memonum><memotablename>T" + QString::number(i)
                  + "</memotablename><memoYN>N</memoYN><regdatememo>2024-04-26 10:"
                  + QString("%1:%2").arg(i / 60, 2, 10, QChar('0')).arg(i % 60, 2, 10, QChar('0'))
                  + "</regdatememo><memotext>요청" + QString::number(i) + "</memotext><ordercount>1</ordercount>";
    return answer;
}
