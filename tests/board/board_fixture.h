#pragma once

#include "board/board_window.h"
#include "support/program_dir.h"
#include "support/seams.h"
#include "support/standin_fixture.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

// The stand-in with the sample shop; a program folder with the built skin, the call log, "Frshop.cfg" and a fresh cache; the sample shop's hours
// 9 to 22, four tables A1, A2, B1, B2 and a 60-minute default length; the board sized as on a
// 1024 × 768 main window (1022 × 654); the clock at Tuesday 2024-05-07 14:25.
class BoardTest : public ::testing::Test
{
protected:
    BoardTest();
    ~BoardTest() override;

    // The board, loaded (not yet shown).
    frmB예약관리& load();
    // The board loaded, shown and activated as the main window's board button does.
    frmB예약관리& open();

    // Adds a booking to the cache: visit day, "yyyy-MM-dd hh:nn" start, end ("" for none), booker,
    // group, tables ("A1;2"), party code, number.
    void addBooking(const QString& start, const QString& end, const QString& booker, const QString& seats,
                    int number, const QString& group = QString(), const QString& party = QStringLiteral("T;2"),
                    int guests = 2) const;
    void setTables(const QStringList& names) const;
    // Today's main-log entries.
    QStringList log() const;

    TempProgramDir program;
    StandinFixture backend;
    ScopedFakeClock clock{QDateTime(QDate(2024, 5, 7), QTime(14, 25, 3))};
};

// A copy of the built skin without the named files.
void CopySkinWithout(const QString& target, const QStringList& left);
