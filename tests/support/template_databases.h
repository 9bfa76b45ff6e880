#pragma once

#include "support/program_dir.h"

#include <QString>

// The template databases that the build lays beside the executable ("VmrBooking.0.mdb",
// "VmrCID.mdb").
QString BuiltTemplate(const QString& name);

// Copies a built template into the folder under a name of its own ("VmrBooking.mdb").
bool CopyTemplate(const TempProgramDir& dir, const QString& templateName, const QString& as);
