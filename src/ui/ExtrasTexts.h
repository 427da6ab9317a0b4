// The texts of the extra addresses and the proxy server in the user's language: the "Advanced"
// dialog's captions, the messages of its checks, and the pieces an apply says about them.
#pragma once

#include <string_view>
#include <vector>

#include "config/ProfileExtras.h"
#include "ui/LanguageTexts.h"

enum class ExtrasText {
    DialogCaption,
    ReportMissing,  // label before the addresses an apply did not find on the adapter
    ProxyFailed,    // the proxy server values could not be written
};

// English for a language outside the table.
std::wstring_view GetExtrasText(ExtrasText text, int language);

// What the user is told when a pair or the proxy server is refused; empty for None.
std::wstring_view GetExtrasProblemText(ExtrasProblem problem, int language);

// The "Advanced" dialog's controls and their captions in language.
std::vector<ControlCaption> GetAdvancedCaptions(int language);

// How the dialog's list shows one pair: "10.0.0.5 / 255.255.255.0".
std::wstring AddressPairText(const AddressPair& pair);
