#include <windows.h>

#include "app/CommandLineRun.h"
#include "app/VorlIPApp.h"
#include "platform/Shell.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    const CommandLineRequest request = ParseCommandLine(platform::CommandLineArguments());
    if (request.action != CommandLineRequest::Action::StartWindow) return RunCommandLine(request);
    theApp.InitInstance();
    return 0;
}
