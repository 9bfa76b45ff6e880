#include "callerid/callerid_fixture.h"

#include "callerid/caller_id_values.h"
#include "callerid/service_control.h"
#include "core/log.h"
#include "core/screen_values.h"
#include "core/settings.h"
#include "platform/window_registry.h"
#include "support/log_entries.h"

#include <QCoreApplication>
#include <QDate>
#include <QTest>

#include <algorithm>

void ClearCallerIdValues()
{
    gCIDUseKT = false;
    gCIDUseLG = false;
    gCIDktID.clear();
    gCIDktPW.clear();
    gCIDktAutoLogin = true;
    gCIDlgAutoLogin = true;
    for (std::array<QString, 4>* values : {&gCIDlgID, &gCIDlgPW, &gCIDlgIP, &gCIDlgStatus})
        values->fill(QString());
    gCIDktStatus.clear();
    gCIDlgJobKind = 0;
}

CallerIdTest::CallerIdTest()
{
    gIniFrshop.setFileName(program.file("Frshop.cfg"));
    gSkinPath = program.file("skin");
    ClearCallerIdValues();
    ResetCallerIdServices();
}

CallerIdTest::~CallerIdTest()
{
    const QStringList names = LoadedFormNames();
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        UnloadForm(*it);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ResetCallerIdServices();
    ClearCallerIdValues();
    gIniFrshop.setFileName(QString());
}

QStringList CallerIdTest::mainLog()
{
    return LogEntries();
}

QStringList CallerIdTest::mainLogAfter(const QString& marker)
{
    const QStringList entries = LogEntries();
    const qsizetype start = marker.isEmpty() ? 0 : entries.lastIndexOf(marker);
    return start < 0 ? QStringList() : entries.mid(start);
}

QString CallerIdTest::errorLog() const
{
    return program.read(QDate::currentDate().toString("yyMMdd") + "_ErrorLog.log");
}

bool CallerIdTest::startServices(bool kt, const QList<int>& lines)
{
    gCIDUseKT = kt;
    gCIDUseLG = !lines.isEmpty();
    gCIDktID = this->kt().id;
    gCIDktPW = this->kt().pw;
    for (int line : lines) {
        gCIDlgID[line] = lg(line).id;
        gCIDlgPW[line] = lg(line).pw;
    }
    CID_ReStart();
    return waitFor([kt, lines] {
        return (!kt || gCIDktStatus == "로그인")
               && std::all_of(lines.begin(), lines.end(), [](int line) { return gCIDlgStatus[line] == "접속 완료"; });
    });
}

bool CallerIdTest::waitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 5000);
}
