#pragma once

#include <QString>

// The name of the member with this telephone number (hyphens are dropped before sending);
// "준회원" for a temporary member ("임시"); empty text when the backend names nobody.
QString Vmr_회원(const QString& phone);
