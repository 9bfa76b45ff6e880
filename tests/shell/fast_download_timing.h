#pragma once

#include "shell/patch_download_timing.h"

// Shortens the download's limits and poll intervals to a test's pace for the life of the object.
class FastDownloadTiming
{
public:
    FastDownloadTiming()
    {
        PatchDownloadTiming fast;
        fast.startLimit = 1000;
        fast.downloadLimit = 3000;
        fast.exitLimit = 1000;
        fast.watchInterval = 20;
        fast.waitInterval = 20;
        SetPatchDownloadTiming(fast);
    }
    ~FastDownloadTiming() { SetPatchDownloadTiming(PatchDownloadTiming()); }
    FastDownloadTiming(const FastDownloadTiming&) = delete;
    FastDownloadTiming& operator=(const FastDownloadTiming&) = delete;
};
