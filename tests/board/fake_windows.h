#pragma once

#include "platform/window_registry.h"
#include "server/reservation_entry_view.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

// What the fake entry window was opened with, and whether the board's veil lay under it.
struct EntryOpening {
    int mode = -1;
    QString bkNum;
    QString phone;
    QString when;
    QString seat;
    bool veiled = false;
};

// A fake entry window registered under "frmB예약_등록B" for the life of the object: it records its
// opening values at its activation, runs the test's action, and hides itself.
class FakeEntryWindows
{
public:
    FakeEntryWindows();
    ~FakeEntryWindows();
    QList<EntryOpening> openings;
    std::function<void()> whileOpen;
};

// A fake call history "frmB전화수신이력B" that records the main window's opacity while it is open.
class FakeCallHistory
{
public:
    FakeCallHistory();
    ~FakeCallHistory();
    QList<int> alphaWhileOpen;
};
