#include "endpoint.h"

// The download folder "/cc/" of the patch host's web side: the newest build of the program. The
// stand-in's build is a small shell script that does nothing; tests script their own bytes.

void AddPatchDownloadEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/cc/VomariZLM_Last.EXE", [](ShopState&, const FormFields&) {
        return QStringLiteral("#!/bin/sh\n# VomariZLM build of the stand-in\nexit 0\n");
    });
}
