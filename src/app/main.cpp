#include <windows.h>

#include "app/CommandLineRun.h"
#include "app/VorlIPApp.h"
#include "platform/Shell.h"
#include "platform/System.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    // Before the first library is loaded: the command line's splitter is in the shell library.
    platform::LoadLibrariesOnlyFromSystemFolder();
    const CommandLineRequest request = ParseCommandLine(platform::CommandLineArguments());
    if (request.action != CommandLineRequest::Action::StartWindow) return RunCommandLine(request);
    theApp.InitInstance();
    return 0;
}
