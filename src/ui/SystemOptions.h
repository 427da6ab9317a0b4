// What the option check boxes and the size-trouble button decide (the log-on task's definition
// included), apart from the registry, scheduler and window calls that carry it out.
#pragma once

#include <cstdint>
#include <string>

#include "ui/WindowSizes.h"

// Where an earlier version started the program at log-on: value "VorlIP" under the machine's Run
// key. Windows never starts a program that asks for administrator rights from there, so it is
// only removed now.
inline constexpr wchar_t kRunKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValueName[] = L"VorlIP";

// The log-on task in the Task Scheduler's root folder.
inline constexpr wchar_t kLogOnTaskName[] = L"VorlIP";

// The Run value's data for the program at modulePath: the whole path in quotation marks, so that
// a path with spaces cannot be read as a shorter program followed by arguments.
std::wstring RunValueText(const std::wstring& modulePath);

// The built-in Users group, by its SID: the same on every machine and in every language, where
// its name is not ("Benutzer", "사용자"...).
inline constexpr wchar_t kUsersGroupSid[] = L"S-1-5-32-545";

// The log-on task's definition (Task Scheduler XML): started at the log-on of every member of
// kUsersGroupSid, as the Run value of earlier versions started the program at every user's
// log-on, each time with that user's own token at the highest run level it holds (an
// administrator's elevated, without a prompt); the program at modulePath quoted, its folder as
// working folder; on battery too, without a time limit and without idle conditions. The
// principal is a group, so the task must be registered with the group logon type.
std::wstring LogOnTaskXml(const std::wstring& modulePath);

// The code a message shows for a failed Task Scheduler call: the system error code an HRESULT
// carries (5 for access denied, 2 for a task that is not there), any other HRESULT as it is.
uint32_t TaskErrorCode(uint32_t hr);

// What a click on "Auto Start on Boot" leads to, given the codes of reaching the Task Scheduler
// and of registering or deleting the task (0 for success; see TaskErrorCode).
struct StartOnBootOutcome {
    std::wstring message;
    // True when the stored option takes the check box's new state; otherwise the check box goes
    // back to the stored option.
    bool bStore = false;
};
StartOnBootOutcome DecideStartOnBoot(bool bOn, uint32_t openError, uint32_t valueError);

// The message after a click on "Use Global Hot Key". bRegistered and systemText matter only when
// the key was switched on: a refused registration says the key is taken, with the system's text.
std::wstring GlobalHotKeyMessage(bool bOn, bool bRegistered, const std::wstring& systemText);

// The hot-key message toggles the window only for Ctrl+Shift and "D"; modifiers and key are the
// two words of its second parameter.
bool IsToggleHotKey(unsigned modifiers, unsigned key);

// Where "Send us your screen" goes in the size-trouble message.
inline constexpr wchar_t kSupportAddress[] = L"support@vorlip.example";

// The window size of size-trouble mode (collapsed), placed at the screen's top-left corner.
PixelSize SizeTroubleWindowSize(int nDpiX, const DialogMetrics& metrics);
// The size-trouble message with both dpi values.
std::wstring SizeTroubleMessage(int nDpiX, int nDpiY);
