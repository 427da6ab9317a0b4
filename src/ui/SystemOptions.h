// What the option check boxes and the size-trouble button decide, apart from the registry and
// window calls that carry it out.
#pragma once

#include <cstdint>
#include <string>

#include "ui/WindowSizes.h"

// The log-on entry: value "VorlIP" under the machine's Run key.
inline constexpr wchar_t kRunKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValueName[] = L"VorlIP";

// The Run value's data for the program at modulePath: the whole path in quotation marks, so that
// a path with spaces cannot be read as a shorter program followed by arguments.
std::wstring RunValueText(const std::wstring& modulePath);

// What a click on "Auto Start on Boot" leads to, given the system codes of opening the Run key
// and of writing or deleting the value (0 for success).
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

// The fixed window size of size-trouble mode, placed at the screen's top-left corner.
PixelSize SizeTroubleWindowSize(int nDpiX);
// The size-trouble message with both dpi values.
std::wstring SizeTroubleMessage(int nDpiX, int nDpiY);
