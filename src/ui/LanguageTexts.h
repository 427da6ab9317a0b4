// Texts the program shows in the user's language, picked by the language index (0 English,
// 1 Korean, 2 Japanese).
#pragma once

#include <string_view>

// Message boxes that exist in all three languages.
enum class LanguageMessage {
    RepairSaveQuestion,  // the load repaired adapter references; save the file?
    LinkDown,            // the adapter's link is down, so nothing is applied
    ApplyConfirmation,   // apply address and default printer?
    DeleteQuestion,      // delete the selected profile?
};

// The text for language, or an empty view for an index outside the table; callers skip the box
// (and what it would have led to) when the text is empty.
std::wstring_view GetLanguageMessage(LanguageMessage message, int language);
