// Texts the program shows in the user's language, picked by the language index (0 English,
// 1 Korean, 2 Japanese).
#pragma once

#include <array>
#include <string>
#include <string_view>

// Message boxes that exist in all three languages.
enum class LanguageMessage {
    RepairSaveQuestion,  // the load repaired adapter references; save the file?
    LinkDown,            // the adapter's link is down, so nothing is applied
    ApplyConfirmation,   // apply address and default printer?
    DeleteQuestion,      // delete the selected profile?
    SettingsNotRead,     // the configuration file exists but could not be read; the system's
                         // reason follows
    NoWayBack,           // neither the tray icon nor the hot key: the window stays shown
};

// The text for language, or an empty view for an index outside the table; callers skip the box
// (and what it would have led to) when the text is empty.
std::wstring_view GetLanguageMessage(LanguageMessage message, int language);

// The pieces of the message that says what of an apply did not take (see ApplyReport).
enum class ApplyReportText {
    NotTaken,            // heading; "{}" stands for the adapter's name
    TimedOut,            // heading when only a command that had to be ended is to be told
    Asked,               // label of the line with what the profile asked for
    Now,                 // label of the line with what the adapter has now
    Gateway,             // word before the gateway address
    NoGateway,           // stands for the gateway when there is none
    AdapterMissing,      // the adapter is no longer in the inventory
    ExitCode,            // word before a command's exit code
    NotStarted,          // a command the system would not start
    Ended,               // a command ended after the time limit; "{}" stands for its seconds
    StartFailed,         // heading when only a command that could not be started is to be told
    AdaptersUnreadable,  // heading when the adapters could not be read after the commands; "{}"
                         // stands for the adapter's name
    ScriptFailed,        // the proxy script could not be set (or removed)
    PrinterRefused,      // "{}" stands for the printer the system would not make the default
    PrinterMissing,      // "{}" stands for the profile's printer, which is not there
};

// The piece in language; English for an index outside the table, so that a failure is never
// left unsaid.
std::wstring_view GetApplyReportText(ApplyReportText text, int language);

// The version shown after the caption prefix in the main window's caption.
inline constexpr wchar_t kProgramVersionText[] = L"1.3.3.7";

// Main-window controls whose captions follow the language; every other control keeps the
// caption of its dialog template whatever the language.
inline constexpr int kCaptionedControlCount = 45;

struct ControlCaption {
    int nId;
    std::wstring_view caption;
};

// "VorlIP FREE " and its Korean and Japanese forms, each ending in a space. An index outside the
// table gives the English prefix, matching the captions below.
std::wstring_view GetCaptionPrefix(int language);

// Prefix followed by kProgramVersionText.
std::wstring GetWindowCaption(int language);

// Control id and caption, in the order the captions are set. Korean for 1, Japanese for 2 and
// English for any other index, so a stray index still leaves a readable window.
std::array<ControlCaption, kCaptionedControlCount> GetControlCaptions(int language);

// What is said when a page could not be handed to the desktop, which opens it in the user's
// browser with the user's normal rights (the program itself never starts a browser: it would
// run with administrator rights): the address on a line of its own at the end, so that the
// user can copy the message (Ctrl+C) and take the address from it. English for an index
// outside the table.
std::wstring PageAddressMessage(const std::wstring& url, int language);
