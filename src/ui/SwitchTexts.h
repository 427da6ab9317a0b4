// What automatic switching says to the user, in the user's language. "{0}" stands for a profile's
// title, "{1}" for a network as DescribeNetwork shows it, "{2}" for an adapter's name.
#pragma once

#include <string>
#include <string_view>

enum class SwitchText {
    MoveQuestion,  // another profile knows the network: move it to {0}?
    Applied,       // {0} applied on {1}
    UndoHint,      // the balloon's second line
    Paused,        // {2} switched too often; switching paused for it
    KnownBy,       // the NIC information's line: {0} knows the network
};

// English for a language outside the table.
std::wstring_view GetSwitchText(SwitchText text, int language);

// The text with its "{0}", "{1}" and "{2}" replaced.
std::wstring FormatSwitchText(SwitchText text, int language, std::wstring_view title,
                              std::wstring_view network = {}, std::wstring_view adapter = {});
