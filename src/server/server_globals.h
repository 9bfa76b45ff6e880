#pragma once

#include <QString>

// Program-wide values of the shop's data, set by the loaders after the login.
