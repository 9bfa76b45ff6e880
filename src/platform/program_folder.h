#pragma once

#include <QString>

// The program folder: the executable's folder, or $VMR_PROGRAM_DIR when it is set.
QString AppPath();

// A path inside the program folder: AppPath() + "/" + name.
QString AppFile(const QString& name);
