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

// The image host's address of the shop's link images, ending "/qrmainimg/" (VMR_IMAGE_BASE,
// default "http://" + the backend host + "/qrmainimg/").
QString ImageBase();

// The carriers' caller-ID services, "host:port": KT (VMR_CID_KT_HOST, default "127.0.0.1:8781")
// and LG U+ (VMR_CID_LG_HOST, default "127.0.0.1:8782").
QString CidKtHost();
QString CidLgHost();
