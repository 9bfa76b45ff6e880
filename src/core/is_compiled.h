#pragma once

// Always true: the program runs as a built program, and callers take that branch.
inline bool IsCompiled()
{
    return true;
}
