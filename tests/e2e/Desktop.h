// Helpers for the desktop side of the program: the terminate dialog, the notification-area icon
// as the shell sees it, the tray menu, the hot key and the floating bar.
#pragma once

#include <windows.h>

#include <string>

#include "support/HostCommand.h"

#include "Session.h"

namespace e2e {

inline const std::wstring kTerminateCaption = L"VorlIP - Terminating..";
// The icon's callback message and the terminate dialog's hide and float buttons.
constexpr UINT kTrayCallback = WM_USER + 111;

// Whether the shell holds icon 0 of hOwner: modifying an icon that is not there fails.
bool ShellHasIcon(HWND hOwner);
// Asks hMain to close (as the close box does) and answers the terminate dialog that opens with
// "Terminate Program"; false when no dialog came or it did not go.
bool CloseAndTerminate(Session& s, HWND hMain);
// Presses Escape in the main window and waits for the terminate dialog.
HWND OpenTerminateDialog(Session& s);
// A visible window of the process with this class name (for example the popup menu "#32768").
HWND FindProcessWindow(const App& app, const wchar_t* className);
// A right-button press on the icon, then nDown presses of the down key and Enter in the menu.
// Returns false when no menu opened.
bool ChooseTrayEntry(Session& s, int nDown, const std::wstring& screenshot = {});
// The floating bar (the program's window holding the address label), visible or not.
HWND FindFloatBar(const App& app);
// Where Wine's Task Scheduler keeps the log-on task "VorlIP" of the root folder.
std::wstring TaskFile();

// A wide text as bytes, for failure messages (the tests' texts are ASCII where they are printed).
std::string Narrow(const std::wstring& text);
// Runs VorlIP.exe of folder with arguments (a command-line run: no main window); with answer,
// expects a message box that starts with it (its whole text into pText when given; a screenshot
// of it when named) and presses OK. Returns the exit code, or STILL_ACTIVE after 30 s.
DWORD RunCommand(const ScratchFolder& folder, const std::wstring& arguments,
                 const std::wstring& answer = {}, const std::wstring& screenshot = {},
                 std::wstring* pText = nullptr);

}  // namespace e2e
