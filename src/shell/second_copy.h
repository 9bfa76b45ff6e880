#pragma once

// The program runs once per program folder: the first copy holds the lock file "VmrZLM.lock" of
// its folder for the rest of its run. True when another copy holds it (this copy must end).
// A lock left behind by a copy that no longer runs is taken over.
bool IsAnotherCopyRunning();
