#pragma once

// Registers a maker for every window that another window opens by name (see FormByName), so that
// no window includes another's header. Called once by the start-up.
void RegisterWindowMakers();
