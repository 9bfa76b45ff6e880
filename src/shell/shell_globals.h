#pragma once

#include <QString>

// Program-wide values of the application shell, set once by the start-up.

// The separator of the saved login.
inline const QString gSep = QStringLiteral("◈");
