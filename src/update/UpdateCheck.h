// The once-per-start update check: a thread of its own asks the update server for the version
// file and, when another version is published, announces it in CUpdateServerDlg.
#pragma once

#include <windows.h>

#include <string>

#include "update/VersionFile.h"

// Each connect, send and receive of the check gives up after this long; a silent server then
// ends the check quietly instead of holding it for minutes.
inline constexpr unsigned long kUpdateCheckTimeoutMs = 5000;

// Fetches the version file and fills info. Returns kVersionCheckError (no file, any Internet
// error, a read that fails, too short, wrong marker), kVersionCheckSame, or
// kVersionCheckDifferent with all three fields of info set.
int CheckLatestVersion(VersionInfo& info, std::wstring strRunningVersion);

// The checking thread's procedure: checks, and runs CUpdateServerDlg modally on this thread when
// another version is published, with nLanguage for what it says in the interface language.
// pParam (the main window) is not used. Returns 0.
UINT UpdateCheckThread(LPVOID pParam, int nLanguage);

// Starts UpdateCheckThread on a new thread that nobody waits for: the program may end while it
// runs. Returns false when the system gives no thread; the check is then skipped.
bool StartUpdateCheckThread(LPVOID pParam, int nLanguage);
