#pragma once

#include "support/program_dir.h"
#include "support/telephony_fixture.h"

#include <QStringList>
#include <gtest/gtest.h>

// A temporary program folder with "Frshop.cfg" bound, the telephony stand-in with the sample
// accounts, caller-ID values and controls as at program start; every window still loaded is
// unloaded at the end.
class CallerIdTest : public ::testing::Test
{
protected:
    CallerIdTest();
    ~CallerIdTest() override;

    // Today's main-log entries without their time stamps.
    static QStringList mainLog();
    // The main-log entries from the last one equal to the marker on (all when it is empty).
    static QStringList mainLogAfter(const QString& marker);
    // Today's error log of the settings component, as text.
    QString errorLog() const;
    // The sample account of the KT service and LG U+ line i.
    CidAccounts::Account kt() const { return services.accounts().kt[0]; }
    CidAccounts::Account lg(int line) const { return services.accounts().lg[line]; }
    // Switches KT on (when kt) and LG U+ on with the sample accounts of the lines, starts the
    // services (CID_ReStart) and waits until each reports itself logged in; false when one does not.
    bool startServices(bool kt, const QList<int>& lines);
    // Runs the event loop until the condition holds (5 seconds at most).
    static bool waitFor(const std::function<bool()>& condition);

    TempProgramDir program;
    TelephonyFixture services;
};

// The caller-ID values as at program start.
void ClearCallerIdValues();
