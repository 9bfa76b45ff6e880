#pragma once

// Ending the program at once, as the program's "End" does. Tests install their own service, which
// records the request instead of ending the test process.
class ProgramExitService
{
public:
    virtual ~ProgramExitService() = default;
    virtual void exit(int code) = 0;
};

void EndProgram(int code = 0);

// The service in use. SetProgramExitService(nullptr) goes back to really ending the program.
void SetProgramExitService(ProgramExitService* service);
