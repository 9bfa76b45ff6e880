#pragma once

// Logs the switched-on caller-ID services in again (the main window's first activation calls it
// once). The caller-ID services are not part of this build yet: it does nothing.
void CID_ReStart();
