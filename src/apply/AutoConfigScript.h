// The browser's automatic proxy configuration script: the per-user "AutoConfigURL" value under
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Internet Settings.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr wchar_t kInternetSettingsKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline constexpr wchar_t kAutoConfigUrlValue[] = L"AutoConfigURL";
// The edit field gives at most this many characters; a longer URL is stored cut to it.
inline constexpr size_t kAutoConfigMaxChars = 1023;

// Stores url (cut to kAutoConfigMaxChars) without a terminator, so an empty url leaves a value of
// size 0, which LoadAutoConfigScript reads as no script. 1 once the value is written, else 0
// (the key cannot be opened for writing, or the write failed).
int SetAutoConfigScript(std::wstring_view url);

// Removes the value; one that is already gone is no error. 1 once it is gone, else 0.
int ClearAutoConfigScript();

struct AutoConfigScript {
    enum class State {
        Set,             // check the box and show text
        EmptyOrMissing,  // uncheck the box and empty the edit field
        Unreadable,      // the key cannot be opened: leave both controls as they are
    };
    State state = State::Unreadable;
    std::wstring text;  // the URL when Set, else empty
};

// What "Load current Info" shows for the script.
AutoConfigScript LoadAutoConfigScript();
