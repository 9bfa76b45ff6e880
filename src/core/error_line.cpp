#include "core/error_line.h"

#include "core/log.h"
#include "core/settings.h"

QString ErrorLine(const QString& module, const QString& procedure, int step, int number,
                  const QString& description, const QString& prefix)
{
    return prefix + module + "->" + procedure + "[Erl:=" + QString::number(step)
           + ", Eno:=" + QString::number(number) + "]" + "\r\n" + "   " + description;
}

void LogError(const QString& module, const QString& procedure, int step, int number,
              const QString& description, const QString& suffix)
{
    WriteLog(ErrorLine(module, procedure, step, number, description), suffix);
}

void LogErrorToIni(const QString& module, const QString& procedure, int step, int number,
                   const QString& description, const QString& prefix)
{
    gIniWork.WriteErrorLog(ErrorLine(module, procedure, step, number, description, prefix), 3, 2);
}

QString TraceLine(const QString& window, const QString& procedure, const QString& what)
{
    return "  [" + window + "→" + procedure + "] " + what;
}

void Trace(const QString& window, const QString& procedure, const QString& what)
{
    WriteLog(TraceLine(window, procedure, what));
}
