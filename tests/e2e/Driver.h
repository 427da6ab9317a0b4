// Drives VorlIP.exe from a separate process the way a user would: finds its windows by caption,
// operates controls by id with window messages, reads texts, answers message boxes and takes
// screenshots.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/FileBytes.h"

namespace e2e {

// A scratch folder with its own copy of VorlIP.exe, so each test starts without an INI file.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& testName);
    const std::wstring& Path() const { return m_path; }
    std::wstring ExePath() const { return m_path + L"\\VorlIP.exe"; }
    std::wstring IniPath() const { return m_path + L"\\vorlip_configure.ini"; }

private:
    std::wstring m_path;
};

class App {
public:
    App() = default;
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // arguments, when given, follow the quoted program path on the command line.
    bool Start(const std::wstring& exePath, const std::wstring& arguments = {});
    // Waits for the process to end; returns its exit code, or STILL_ACTIVE after the timeout.
    DWORD WaitExit(DWORD dwMilliseconds = 10000);
    bool IsRunning() const;
    DWORD ProcessId() const { return m_pi.dwProcessId; }

    // A top-level visible window of this process whose caption matches exactly.
    HWND WaitWindow(const std::wstring& caption, DWORD dwMilliseconds = 15000) const;
    // The next message box of this process (class #32770 with a static 0xFFFF); null on timeout.
    HWND WaitMessageBox(DWORD dwMilliseconds = 15000) const;
    // Text of a message box, and a press of one of its buttons.
    static std::wstring MessageBoxText(HWND hBox);
    static void PressButton(HWND hDialog, int nId);
    // Verifies no message box is open right now.
    HWND FindMessageBox() const;

private:
    PROCESS_INFORMATION m_pi{};
};

std::wstring WindowText(HWND hWnd);
std::wstring ItemText(HWND hDialog, int nId);
std::vector<std::wstring> ComboItems(HWND hDialog, int nId);
int ComboSelection(HWND hDialog, int nId);
// Selects an entry the way a click does: the selection, then the notification the program gets.
void SelectCombo(HWND hDialog, int nId, int nIndex);
// The same without waiting for the program's handler, for a selection that opens a message box.
void PostSelectCombo(HWND hDialog, int nId, int nIndex);
void ClickButton(HWND hDialog, int nId);
// Asks a window to close and returns once it has handled the request (also while the program
// waits in a message box of its own), so what follows sees its effect.
bool SendClose(HWND hWnd);
// Posts a key press to a control, so it goes through the dialog's own keyboard handling.
void PressKey(HWND hDialog, int nFocusId, UINT vk);
// Reads an IP address control through its four child edits ("" when all four are empty).
std::wstring IpText(HWND hDialog, int nId);

// A visible top-level window of the program with no caption that is neither hMain nor a message
// box: the busy window while an apply runs.
HWND FindBusyWindow(const App& app, HWND hMain);

// Saves the screen as a PNG in the screenshot folder (VORLIP_SHOTS or the current folder).
std::wstring SaveScreenshot(const std::wstring& name);

// Lets the other process work: pumps this thread's messages for the given time.
void Pause(DWORD dwMilliseconds);

// Pauses until cond() holds or the time is up; returns whether it holds. Input goes to the
// program by posted messages, so this is how a test waits for their effect without guessing
// how long the program takes.
template <class Cond>
bool WaitUntil(Cond cond, DWORD dwMilliseconds = 10000) {
    for (DWORD waited = 0; !cond(); waited += 20) {
        if (waited >= dwMilliseconds) return false;
        Pause(20);
    }
    return true;
}

}  // namespace e2e

namespace e2e {

// Types text into a control the way a paste would (WM_SETTEXT); an editable combo box takes it
// into its edit field.
void SetText(HWND hDialog, int nId, const std::wstring& text);
// Fills an IP address control; the value travels in the message itself, so it crosses processes.
void SetIp(HWND hDialog, int nId, BYTE b0, BYTE b1, BYTE b2, BYTE b3);
bool IsEnabled(HWND hDialog, int nId);
// Whether any child window of hDialog shows exactly this text (for labels without an id).
bool HasChildWithText(HWND hDialog, const std::wstring& text);
bool IsChecked(HWND hDialog, int nId);

// Reads one value of an INI file the way the program does.
std::wstring IniValue(const std::wstring& path, const std::wstring& section,
                      const std::wstring& key);
std::vector<std::wstring> IniSections(const std::wstring& path);

}  // namespace e2e
