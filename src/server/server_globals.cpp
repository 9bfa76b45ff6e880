#include "server/server_globals.h"
