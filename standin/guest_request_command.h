#pragma once

// vmr-standin guest-request [--port N] TABLE TEXT [COUNT]: posts a guest's table request to a
// running stand-in and prints its answer. 0 when the answer reports success.
int GuestRequestCommand(int argc, char** argv);
