#include "shell/caller_id_restart.h"

void CID_ReStart()
{
}
