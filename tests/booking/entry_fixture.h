#pragma once

#include "booking/entry_window.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

#include <QList>
#include <QString>

// The entry window against the stand-in, in a temporary program folder with the built skin. The
// shop's settings: tables "A1", "A2", "B1", "룸2"; hours 10 to 22; three staff; party scheme "0".
class EntryWindowTest : public ::testing::Test
{
protected:
    EntryWindowTest();
    ~EntryWindowTest() override;

    // The window, made by its registered maker at the first reference.
    frmB예약_등록B& window();
    // Opens the window as the board does, without waiting in the modal show: the opening
    // variables, the show and the first activation.
    frmB예약_등록B& open(int mode, const QString& bkNum = QString(), const QString& phone = QString(),
                         const QString& when = QString(), const QString& seat = QString());

    // The paths of the requests since the last clear.
    QStringList paths();
    // The body of the n-th request (0 = first) to the path, "" when there is none.
    QString body(const QString& path, int n = 0);
    QString account();
    // Puts a fresh cache ("VmrBooking.mdb" from the built template) into the program folder.
    void copyCache();
    // The cache's rows, each as the columns joined by "|", ordered by NUM.
    QStringList cacheRows(const QString& columns);
    // Texts of the message boxes shown since the last clear.
    QStringList messages() const;

    TempProgramDir program;
    StandinFixture backend;
};

// Unloads every loaded window and lets the deletions happen.
void UnloadEveryForm();
