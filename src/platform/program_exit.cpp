#include "platform/program_exit.h"

#include <cstdlib>

namespace {
ProgramExitService* g_service = nullptr;
}

void EndProgram(int code)
{
    if (g_service) {
        g_service->exit(code);
        return;
    }
    std::exit(code);
}

void SetProgramExitService(ProgramExitService* service)
{
    g_service = service;
}
