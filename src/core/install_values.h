#pragma once

#include <QString>

// Installation values that belong to the site, not to the program: read from VMR_* environment
// variables, with the defaults of a local installation.

// The backend host, "host[:port]" (VMR_BACKEND_HOST, default "127.0.0.1:8780").
QString BackendHost();
