#include "shell/command_line.h"

#include "shell/shell_globals.h"

#include <QStringList>

bool Main_Command_Argument_취득(const QString& argumentText)
{
    if (argumentText.isEmpty())
        return true;
    for (const QString& item : argumentText.split(QLatin1Char(' '))) {
        const QString argument = item.toLower();
        if (argument == QLatin1String("-quickdev"))
            gArgQuickDev = true;
        else if (argument == QLatin1String("-developermode"))
            gDeveloperMode = true;
    }
    return true;
}
