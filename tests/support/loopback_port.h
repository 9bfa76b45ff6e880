#pragma once

// A loopback port that nothing listens on at the moment of the call.
int FreeLoopbackPort();
