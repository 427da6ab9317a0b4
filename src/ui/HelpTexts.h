// The help window's tabs and the text each one shows. The texts are the same in every interface
// language; four tabs carry English, Korean and Japanese one after the other.
#pragma once

#include <array>
#include <string>
#include <string_view>

inline constexpr int kHelpTabCount = 8;

// Tab labels in tab order; the index is what the main window's openers pass.
inline constexpr std::array<std::wstring_view, kHelpTabCount> kHelpTabLabels = {
    L"NIC?",         L"DHCP?",         L"Temp. Dir.?", L"Vorl Project Team?",
    L"Terms of Use", L"Help & Author", L"What's New",  L"Other Vorl Projects!"};

// The text of tab nTab with CR LF line ends; empty for an index outside 0 to 7.
std::wstring BuildHelpText(int nTab);
