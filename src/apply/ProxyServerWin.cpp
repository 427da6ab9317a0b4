#include <windows.h>

#include "apply/AutoConfigScript.h"
#include "apply/ProxyServer.h"
#include "platform/Internet.h"
#include "platform/Registry.h"

namespace {

// A string value up to its first null character; nothing when it is missing or unreadable.
std::optional<std::wstring> ReadText(const wchar_t* pszKey, const wchar_t* pszValue) {
    std::wstring text;
    DWORD cbSize = 0;
    if (platform::ReadRegText(HKEY_CURRENT_USER, pszKey, pszValue, text, cbSize) !=
        platform::RegRead::Ok) {
        return std::nullopt;
    }
    return text.substr(0, text.find(L'\0'));
}

// A missing value is no failure.
bool Removed(const platform::RegChange& change) {
    return change.openError == ERROR_SUCCESS &&
           (change.valueError == ERROR_SUCCESS || change.valueError == ERROR_FILE_NOT_FOUND);
}

bool Written(const platform::RegChange& change) {
    return change.openError == ERROR_SUCCESS && change.valueError == ERROR_SUCCESS;
}

bool WriteOrRemove(const wchar_t* pszValue, const std::wstring& text) {
    return text.empty() ? Removed(platform::RemoveRegValue(HKEY_CURRENT_USER, kInternetSettingsKey,
                                                           pszValue))
                        : Written(platform::SetRegString(HKEY_CURRENT_USER, kInternetSettingsKey,
                                                         pszValue, text));
}

}  // namespace

std::optional<ProxyServerSettings> LoadProxyServer() {
    DWORD dwEnable = 0;
    const platform::RegRead enable = platform::ReadRegDword(HKEY_CURRENT_USER, kInternetSettingsKey,
                                                            kProxyEnableValue, dwEnable);
    if (enable == platform::RegRead::KeyMissing) return std::nullopt;
    ProxyServerSettings settings;
    settings.enabled = enable == platform::RegRead::Ok && dwEnable == 1;
    settings.server = ReadText(kInternetSettingsKey, kProxyServerValue).value_or(L"");
    settings.bypass = ReadText(kInternetSettingsKey, kProxyOverrideValue).value_or(L"");
    return settings;
}

bool ApplyProxyServer(const Profile& profile) {
    const std::optional<ProxyServerSettings> now = LoadProxyServer();
    const ProxyServerPlan plan =
        PlanProxyServer(profile, ReadText(kProgramUserKey, kProxyTurnedOnValue),
                        now.value_or(ProxyServerSettings{}));
    bool ok = true;
    if (plan.writeServer) {
        ok = WriteOrRemove(kProxyServerValue, plan.server) && ok;
        ok = WriteOrRemove(kProxyOverrideValue, plan.bypass) && ok;
    }
    if (plan.writeEnable) {
        ok = Written(platform::SetRegDword(HKEY_CURRENT_USER, kInternetSettingsKey,
                                           kProxyEnableValue, plan.enable ? 1 : 0)) &&
             ok;
    }
    // The note is the program's own; a failure to keep it is not the user's to mend.
    if (plan.memo == ProxyServerPlan::Memo::Remember) {
        platform::CreateKeyAndSetString(HKEY_CURRENT_USER, kProgramUserKey, kProxyTurnedOnValue,
                                        plan.server);
    } else if (plan.memo == ProxyServerPlan::Memo::Forget) {
        platform::RemoveRegValue(HKEY_CURRENT_USER, kProgramUserKey, kProxyTurnedOnValue);
    }
    if (ChangesProxySettings(plan)) platform::AnnounceInternetSettingsChanged();
    return ok;
}
