#pragma once

#include <QSqlError>
#include <QString>

// A failure of the database engine: SQLite's result code (or the program's own number) and text.
struct JetError
{
    int number = 0;
    QString description;
};

JetError JetErrorOf(const QSqlError& error);

// The attempts of one call of JetOpenDB, JetOpenRST or JetExec. Passing failures (busy after the
// connection's busy timeout, locked, and whatever else the engine may get over) are tried again
// after a short random wait that keeps the event loop turning; failures that another try cannot
// mend (a full disk among them) end the call at once. Every failure is written to the main log:
//   final       "e)" proc "[" step "]" target ": (" number ") " description
//   try again   "e)" proc "[" step "]" target ":" tries "/" wait " Tries/Waits" CR LF
//               "(" number ") " description
//   given up    "e)" proc "[" step "]" target ":" tries " Tries DONE."
class JetAttempts
{
public:
    JetAttempts(const QString& procedure, const QString& target, int maxAttempts);

    // Counts the failure; true when the failed step is to run again (logged, waited).
    bool retryAfter(const JetError& error, int step);

    // Asking the user whether to try again, for the failures that say the file has gone away
    // (a broken share): Yes runs the step again whatever the count, No gives up.
    void askWhenFileIsLost() { m_askWhenLost = true; }

    // Int(r * 20 + 3) * 2 ^ failures milliseconds, r in [0, 1), at most 500.
    static int waitMs(int failures);

private:
    void log(int step, const QString& tail) const;

    QString m_procedure;
    QString m_target;
    int m_maxAttempts;
    int m_failures = 0;
    bool m_askWhenLost = false;
};
