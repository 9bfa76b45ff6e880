#pragma once

#include <QString>

// The error line of an error handler:
//   prefix + module + "->" + procedure + "[Erl:=" + step + ", Eno:=" + number + "]" CR LF
//   "   " + description
// The prefix is "e)" for most handlers, "E)" or "<e>" for the few that say so. The step is the
// number of the failing step inside the procedure, 0 where the procedure has no steps.
QString ErrorLine(const QString& module, const QString& procedure, int step, int number,
                  const QString& description, const QString& prefix = QStringLiteral("e)"));

// Writes the error line to the main log (or the log of the given suffix).
void LogError(const QString& module, const QString& procedure, int step, int number,
              const QString& description, const QString& suffix = QString());

// Hands the error line to the settings component's error log, as the handlers that keep their
// errors out of the main log do.
void LogErrorToIni(const QString& module, const QString& procedure, int step, int number,
                   const QString& description, const QString& prefix = QStringLiteral("e)"));

// "  [" + window + "→" + procedure + "] " + what ("Enter", "Quit", "End"), to the main log.
QString TraceLine(const QString& window, const QString& procedure, const QString& what);
void Trace(const QString& window, const QString& procedure, const QString& what);
