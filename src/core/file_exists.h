#pragma once

#include <QString>

// Whether a file (not a folder) exists at the path; false on any failure.
bool FileExists(const QString& path);
