#pragma once

#include <QString>

// Whole numbers with thousands separators, rounded half to even:
//   "#,##0"  0 shows "0"        FormatNumber(1234.5, "#,##0") gives "1,234"
//   "#,###"  0 shows nothing    FormatNumber(0, "#,###") gives ""
// Any other pattern is treated as "#,##0".
QString FormatNumber(double value, const QString& pattern = QStringLiteral("#,##0"));
