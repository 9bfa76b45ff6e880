#pragma once

// The limits and poll intervals of the build download, in milliseconds. Tests shorten them.
struct PatchDownloadTiming
{
    int startLimit = 15000;      // the downloader must have written 10 bytes by then
    int downloadLimit = 300000;  // either download must be complete by then
    int exitLimit = 10000;       // the downloader must have exited by then after a complete file
    int watchInterval = 500;     // between two looks at the growing file
    int waitInterval = 250;      // between two looks for a stray downloader or at the HTTP answer
    int strayRounds = 40;        // looks for stray downloaders before giving up
};

const PatchDownloadTiming& CurrentPatchDownloadTiming();
void SetPatchDownloadTiming(const PatchDownloadTiming& timing);
