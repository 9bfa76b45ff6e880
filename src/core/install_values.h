#pragma once

#include <QString>

// Installation values that belong to the site, not to the program: read from VMR_* environment
// variables (blanks around them removed), with the defaults of a local installation.

// The backend host, "host[:port]" (VMR_BACKEND_HOST, default "127.0.0.1:8780").
QString BackendHost();

// The patch server, "host[:port]" (VMR_PATCH_HOST, default "127.0.0.1:3306"), and its account
// (VMR_PATCH_USER, empty when unset; VMR_PATCH_PASSWORD, default the account's password).
QString PatchHost();
QString PatchUser();
QString PatchPassword();

// The web side of the patch host that serves the build download under "/cc/", "host[:port]"
// (VMR_DOWNLOAD_HOST, default: the backend host).
QString DownloadHost();
