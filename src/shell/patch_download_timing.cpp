#include "shell/patch_download_timing.h"

namespace {
PatchDownloadTiming g_timing;
}

const PatchDownloadTiming& CurrentPatchDownloadTiming()
{
    return g_timing;
}

void SetPatchDownloadTiming(const PatchDownloadTiming& timing)
{
    g_timing = timing;
}
