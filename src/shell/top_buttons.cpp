#include "shell/main_window.h"

// The top buttons' work windows and their highlighting are not part of this build yet: a press
// opens nothing.

void frmMainMDI::TopCMD_Click(int)
{
}

void frmMainMDI::Highlight_TopCMD()
{
}
