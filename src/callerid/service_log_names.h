#pragma once

#include <QString>

// The names that begin the main-log lines of each caller-ID service: "KTOpenAPI " and
// "【LGU+】(" line ") ".
QString KtLogName();
QString LgLogName(int line);
