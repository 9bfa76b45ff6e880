#pragma once

#include <QString>

// The patch server's installation values, read from the environment with the defaults of a local
// installation: VMR_PATCH_HOST ("host[:port]"), VMR_PATCH_USER and VMR_PATCH_PASSWORD.
QString PatchHost();
QString PatchUser();
QString PatchPassword();
