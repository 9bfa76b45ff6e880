#pragma once

#include "shop_state.h"

#include <QString>
#include <QStringList>

// The backend's answer forms.

// name + "[" + value + "]" + name
QString Field(const QString& name, const QString& value);

// "<name>" + value + "</name>"
QString Tag(const QString& name, const QString& value);

// The named fields of a record in the given order, each with a blank before and after it, so that
// readers find both " name[" and "]name ".
QString Fields(const StandinRecord& record, const QStringList& names);
