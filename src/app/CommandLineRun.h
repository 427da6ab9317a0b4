// A run of the program asked for on its command line: apply one stored profile without the main
// window (only to the adapter it names, since nobody can be asked about another), or show the
// usage. No tray icon, hot key, floating bar or update check; a copy of the program that is
// already running is left alone, and the configuration file is only read.
#pragma once

#include <string>

#include "app/ApplyWorkflow.h"
#include "ui/CommandLine.h"

class IPHelper;

// Carries out request (anything but StartWindow) and returns the process's exit code.
int RunCommandLine(const CommandLineRequest& request);

// The /apply part of RunCommandLine: applies the profile titled title from the configuration
// file beside the program, reading the adapters into ipHelper (and telling its messages through
// tell as well). Returns the exit code.
int ApplyStoredProfile(const std::wstring& title, const ApplyReporter& tell, IPHelper& ipHelper);
