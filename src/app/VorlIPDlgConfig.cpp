// The main window's side of the configuration file: loading it into the profile list, options and
// tray entries, and writing it back after every change.
#include "app/VorlIPDlg.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "platform/PrivateProfile.h"
#include "platform/SystemError.h"
#include "resource.h"
#include "ui/LanguageTexts.h"
#include "ui/VorlTrayIcon.h"
#include "win/MessageBox.h"

namespace {
constexpr wchar_t kIniNotReady[] = L"INI file is not ready";
constexpr wchar_t kSelectToDelete[] = L"Select what you want to delete";
}  // namespace

void CVorlIPDlg::LoadConfiguration() {
    g_TrayIcon.RemoveAllMenuItems();
    m_pIniSectionList.reset();
    m_pIniSectionList = std::make_unique<platform::IniSectionList>(platform::ConfigurationPath());
    if (!m_pIniSectionList->loaded) return;

    profiles.clear();
    ComboReset(IDC_TITLE_LIST);
    platform::PrivateProfileReader reader(m_pIniSectionList->path);
    LoadedConfiguration loaded =
        ReadConfiguration(reader, m_pIniSectionList->names, Inventory(), m_Options);
    profiles = std::move(loaded.profiles);
    for (const Profile& profile : profiles) g_TrayIcon.AddMenuItem(profile.title);
    if (loaded.languageRead) ApplyLanguage(m_Options.language);

    if (loaded.askToSave) {
        const std::wstring_view question =
            GetLanguageMessage(LanguageMessage::RepairSaveQuestion, m_Options.language);
        if (!question.empty() && win::AskYesNo(m_hWnd, std::wstring(question))) {
            RewriteConfiguration();
        }
    }
    g_TrayIcon.AddMenuSeparator();
    g_TrayIcon.AddMenuItem(kTrayExitText);
}

ProfileForm CVorlIPDlg::GatherForm() const {
    ProfileForm form;
    form.title = GetItemText(IDC_TITLE_LIST);
    form.metric = GetItemText(IDC_METRIC);
    form.dhcpIp = IsChecked(IDC_USE_DHCP_IP);
    form.ip = GetIp(IDC_IP);
    form.subnet = GetIp(IDC_SUBNET);
    form.gateway = GetIp(IDC_GATEWAY);
    form.dhcpDns = IsChecked(IDC_USE_DHCP_DNS);
    form.dns = GetIp(IDC_DNS);
    form.dns2 = GetIp(IDC_DNS2);
    form.printer = GetItemText(IDC_PRINTER_LIST);
    form.checkAutoconf = IsChecked(IDC_AUTOCONF_CHECK);
    form.autoconf = GetItemText(IDC_AUTOCONF_URL);
    form.adapter = &m_Current;
    return form;
}

bool CVorlIPDlg::FormToProfile(Profile* pProfile, bool bTitleOptional) {
    const FormResult result = ::FormToProfile(GatherForm(), bTitleOptional);
    if (result.resetMetricText) SetItemText(IDC_METRIC, L"1");
    if (!result.message.empty()) ReportMessage(result.message);
    if (result.ok && pProfile) *pProfile = result.profile;
    return result.ok;
}

void CVorlIPDlg::SaveProfile() {
    if (!m_pIniSectionList) {
        win::ShowMessage(m_hWnd, kIniNotReady);
        return;
    }
    Profile record{};
    if (!FormToProfile(&record, false)) return;
    const std::wstring title = GetItemText(IDC_TITLE_LIST);
    size_t nIndex = profiles.size();
    for (size_t i = 0; i < profiles.size(); ++i) {
        if (title == profiles[i].title) {
            nIndex = i;
            break;
        }
    }
    const std::vector<NICs> before = profiles;
    if (nIndex < profiles.size()) {
        profiles[nIndex] = record;
    } else {
        profiles.push_back(record);
    }
    // When the file cannot be written the form keeps what the user typed, to try again.
    if (!RewriteConfiguration()) {
        profiles = before;
        return;
    }
    LoadConfiguration();
    // Titles that differ only in case share one section, so the reload can hold fewer profiles.
    if (nIndex >= profiles.size()) nIndex = profiles.empty() ? 0 : profiles.size() - 1;
    ShowProfile(profiles.empty() ? -1 : static_cast<int>(nIndex));
}

void CVorlIPDlg::DeleteProfile() {
    if (!m_pIniSectionList) {
        win::ShowMessage(m_hWnd, kIniNotReady);
        return;
    }
    const int nSel = ComboGetCurSel(IDC_TITLE_LIST);
    if (nSel < 0 || nSel >= static_cast<int>(profiles.size())) {
        win::ShowMessage(m_hWnd, kSelectToDelete);
        return;
    }
    const std::wstring_view question =
        GetLanguageMessage(LanguageMessage::DeleteQuestion, m_Options.language);
    if (!win::AskYesNo(m_hWnd, std::wstring(question))) return;
    const std::vector<NICs> before = profiles;
    profiles.erase(profiles.begin() + nSel);
    if (!RewriteConfiguration()) {
        profiles = before;
        return;
    }
    LoadConfiguration();
    ShowProfile(-1);
}

void CVorlIPDlg::WriteOptions() {
    if (!m_pIniSectionList) return;
    if (!platform::WriteOptionsSection(m_pIniSectionList->path, m_Options)) {
        // "Save Option" stays enabled: the options in force are not yet in the file.
        ReportConfigurationNotSaved();
        return;
    }
    EnableItem(IDC_SAVE_OPTION, false);
}

bool CVorlIPDlg::RewriteConfiguration() {
    if (!m_pIniSectionList) return false;
    // The new file is complete before it replaces the old one; a failed write keeps the old.
    if (!platform::WriteConfigurationFile(m_pIniSectionList->path,
                                          BuildConfigurationContent(profiles, m_Options))) {
        ReportConfigurationNotSaved();
        return false;
    }
    EnableItem(IDC_SAVE_OPTION, false);
    return true;
}

void CVorlIPDlg::ReportConfigurationNotSaved() {
    const DWORD dwError = ::GetLastError();
    ReportMessage(ConfigurationNotSavedText(platform::SystemErrorText(dwError)));
}
