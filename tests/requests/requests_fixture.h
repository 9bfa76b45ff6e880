#pragma once

#include "requests/table_requests_window.h"
#include "shell/main_window.h"
#include "support/program_dir.h"
#include "support/seams.h"
#include "support/standin_fixture.h"
#include "support/user_registry_dir.h"

#include <QString>
#include <gtest/gtest.h>

// The main window at full width (1024 pixels) against the stand-in with the sample shop, with the
// built skin in a temporary program folder, "Frshop.cfg" bound, a fake clock at 2024-04-26
// 14:05:09 and the poll's memory emptied. Every loaded window is unloaded at the end.
class RequestsTest : public ::testing::Test
{
protected:
    RequestsTest();
    ~RequestsTest() override;

    // Opens the table-request window as the main window's button does: the first poll runs.
    frmz승인_고객요청& open();
    frmz승인_고객요청& window();

    // The poll's log of the hour ("_WinHttp_Req_14"), and the completion log, as text.
    QString pollLog(const QString& hour = QStringLiteral("14")) const;
    QString completionLog() const;
    int requestsTo(const QString& path) { return int(backend->requestsTo(path).size()); }
    QString lastBodyTo(const QString& path);

    // The pending list of that many requests, numbered 1.. with times "10:00:01"..; written as the
    // backend writes it.
    static QString listOf(int count);

    TempProgramDir program;
    TempUserRegistry registry;
    StandinFixture backend;
    ScopedFakeClock clock;
    frmMainMDI* main = nullptr;
};

inline const QString kSwitchPath = QStringLiteral("/program/tableqrsettingloading.php");
inline const QString kListPath = QStringLiteral("/program/qrtablememolistloading.php");
inline const QString kCompletePath = QStringLiteral("/program/qrtablememoOK.php");
