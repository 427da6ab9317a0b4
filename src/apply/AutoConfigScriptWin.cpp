#include "apply/AutoConfigScript.h"

#include "platform/Internet.h"
#include "platform/Registry.h"

int SetAutoConfigScript(std::wstring_view url) {
    if (!platform::WriteRegTextUnterminated(HKEY_CURRENT_USER, kInternetSettingsKey,
                                            kAutoConfigUrlValue,
                                            url.substr(0, kAutoConfigMaxChars))) {
        return 0;
    }
    platform::AnnounceInternetSettingsChanged();
    return 1;
}

int ClearAutoConfigScript() {
    if (!platform::DeleteRegValue(HKEY_CURRENT_USER, kInternetSettingsKey, kAutoConfigUrlValue)) {
        return 0;
    }
    platform::AnnounceInternetSettingsChanged();
    return 1;
}

AutoConfigScript LoadAutoConfigScript() {
    AutoConfigScript script;
    std::wstring text;
    DWORD cbSize = 0;
    const platform::RegRead result = platform::ReadRegText(HKEY_CURRENT_USER, kInternetSettingsKey,
                                                           kAutoConfigUrlValue, text, cbSize);
    if (result == platform::RegRead::KeyMissing) return script;
    if (result == platform::RegRead::Ok && cbSize > 0) {
        script.state = AutoConfigScript::State::Set;
        // The edit field shows the text up to its first null character.
        script.text = text.substr(0, text.find(L'\0'));
    } else {
        script.state = AutoConfigScript::State::EmptyOrMissing;
    }
    return script;
}
