#include "shell/shell_globals.h"
