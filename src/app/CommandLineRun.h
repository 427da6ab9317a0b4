// A run of the program asked for on its command line: apply one stored profile without the main
// window, or show the usage. No tray icon, hot key, floating bar or update check; a copy of the
// program that is already running is left alone, and the configuration file is only read.
#pragma once

#include "ui/CommandLine.h"

// Carries out request (anything but StartWindow) and returns the process's exit code.
int RunCommandLine(const CommandLineRequest& request);
