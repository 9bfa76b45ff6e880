#include "board/board_globals.h"

int gSchScaleKind = 1;
