// The main window's side of the configuration file: loading it into the profile list, options and
// tray entries, and writing it back after every change.
#include "app/VorlIPDlg.h"
#include "config/ConfigReader.h"
#include "config/ConfigStore.h"
#include "config/ConfigWriter.h"
#include "platform/ConfigurationFile.h"
#include "platform/Shell.h"
#include "platform/SystemError.h"
#include "resource.h"
#include "ui/ExtrasTexts.h"
#include "ui/LanguageTexts.h"
#include "ui/VorlTrayIcon.h"
#include "win/MessageBox.h"

namespace {
constexpr wchar_t kIniNotReady[] = L"INI file is not ready";
constexpr wchar_t kSelectToDelete[] = L"Select what you want to delete";
}  // namespace

void CVorlIPDlg::LoadConfiguration(bool bForWatch) {
    const std::wstring path = platform::ConfigurationPath(kConfigFileName);
    // Taken before the read: a change made during it gives another stamp, and a later look.
    const platform::FileStamp stamp = platform::StampOf(path);
    m_pIniSectionList.reset();
    m_pIniSectionList = std::make_unique<IniSectionList>(path);
    if (!m_pIniSectionList->loaded) {
        g_TrayIcon.RemoveAllMenuItems();
        return;
    }
    // A file held by another program longer than the read waits (a sync client, a scanner at
    // log-on) is not an empty one: say so, and keep the list the window shows. Saves read the
    // file again, so nothing of it is lost. The file watch tries again by itself, quietly: the
    // user did nothing that a message would answer.
    if (m_pIniSectionList->readError != 0) {
        if (bForWatch) return;
        std::wstring text(GetLanguageMessage(LanguageMessage::SettingsNotRead, m_Options.language));
        const std::wstring reason = platform::SystemErrorText(m_pIniSectionList->readError);
        if (!reason.empty()) text += L"\n\n" + reason;
        ReportMessage(text);
        if (g_TrayIcon.Menus().empty()) AddTrayExitEntry();
        return;
    }

    m_LoadedStamp = stamp;

    g_TrayIcon.RemoveAllMenuItems();
    profiles.clear();
    ComboReset(IDC_TITLE_LIST);
    const Options before = m_Options;
    PrivateProfileReader reader(*m_pIniSectionList);
    LoadedConfiguration loaded =
        ReadConfiguration(reader, m_pIniSectionList->names, Inventory(), m_Options);
    // Options changed here but not yet written stay in force over what the file holds.
    CopyOptions(before, m_nPendingOptions, m_Options);
    profiles = std::move(loaded.profiles);
    for (const Profile& profile : profiles) g_TrayIcon.AddMenuItem(profile.title);
    if (loaded.languageRead) ApplyLanguage(m_Options.language);

    // The profiles are repaired in memory either way. A reload for the file watch does not ask:
    // nobody here asked for it (the window may be in the tray, the change a deployment tool's
    // at log-on), and the question comes again at the next start or after an import here.
    if (loaded.askToSave && !bForWatch) {
        const std::wstring_view question =
            GetLanguageMessage(LanguageMessage::RepairSaveQuestion, m_Options.language);
        if (!question.empty() && win::AskYesNo(m_hWnd, std::wstring(question))) {
            RewriteConfiguration();
        }
    }
    AddTrayExitEntry();
    if (m_Options != before) ShowOptionsInForce(before);
}

void CVorlIPDlg::AddTrayExitEntry() {
    g_TrayIcon.AddMenuSeparator();
    g_TrayIcon.AddMenuItem(kTrayExitText);
}

void CVorlIPDlg::ShowOptionsInForce(const Options& before) {
    // At start-up the form and the hot key are set up after the load, from the options read.
    if (!m_bStarted) return;
    ComboSetCurSel(IDC_LANGUAGE_LIST, m_Options.language);
    CheckButton(IDC_START_ON_BOOT, m_Options.startonboot);
    CheckButton(IDC_GLOBAL_HOT_KEY, m_Options.useglobalhotkey);
    CheckButton(IDC_CHANGE_FORCE, m_Options.changeforce);
    CheckButton(IDC_AUTO_SWITCH, m_Options.autoswitch);
    if (m_Options.autoswitch != before.autoswitch) FollowAutoSwitchOption(false);
    if (m_Options.language != before.language) ApplyLanguage(m_Options.language);
    if (m_Options.useglobalhotkey != before.useglobalhotkey) {
        if (m_Options.useglobalhotkey) {
            RegisterGlobalHotKey();
        } else {
            ReleaseGlobalHotKey();
        }
    }
    if (m_Options.changeforce != before.changeforce) UpdateNicInformation();
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
    // The Advanced dialog keeps its part in the working record.
    form.extras = ExtraAddresses(m_Current);
    form.checkProxy = m_Current.checkproxy == 1;
    form.proxy = m_Current.proxy;
    form.proxyBypass = m_Current.proxybypass;
    form.adapter = &m_Current;
    return form;
}

bool CVorlIPDlg::ValidateForm(Profile& record, bool bTitleOptional) {
    const FormResult result = FormToProfile(GatherForm(), bTitleOptional);
    if (result.resetMetricText) SetItemText(IDC_METRIC, L"1");
    if (!result.message.empty()) ReportMessage(result.message);
    if (result.extrasProblem != ExtrasProblem::None) {
        ReportMessage(std::wstring(GetExtrasProblemText(result.extrasProblem, m_Options.language)));
    }
    if (result.ok) record = result.profile;
    return result.ok;
}

void CVorlIPDlg::SaveProfile() {
    if (!m_pIniSectionList) {
        win::ShowMessage(m_hWnd, kIniNotReady);
        return;
    }
    Profile record{};
    if (!ValidateForm(record, false)) return;
    // When the file cannot be written the form keeps what the user typed, to try again.
    if (!UpdateConfiguration([&](std::vector<Profile>& list) { PutProfile(list, record); })) {
        return;
    }
    LoadConfiguration();
    // Titles that differ only in case or surrounding blanks share one section: show the profile
    // of the section that took the save.
    int nShow = -1;
    for (size_t i = 0; i < profiles.size(); ++i) {
        if (SameSectionName(profiles[i].title, record.title)) {
            nShow = static_cast<int>(i);
            break;
        }
    }
    if (nShow < 0 && !profiles.empty()) nShow = static_cast<int>(profiles.size()) - 1;
    ShowProfile(nShow);
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
    // The profile is named by its title and its place among equal titles: the file may hold
    // other profiles by now (another copy, a hand edit), at other positions.
    const std::wstring title = profiles[nSel].title;
    const size_t occurrence = TitleOccurrence(profiles, static_cast<size_t>(nSel));
    const std::wstring_view question =
        GetLanguageMessage(LanguageMessage::DeleteQuestion, m_Options.language);
    if (!win::AskYesNo(m_hWnd, std::wstring(question))) return;
    if (!UpdateConfiguration(
            [&](std::vector<Profile>& list) { RemoveProfile(list, title, occurrence); })) {
        return;
    }
    LoadConfiguration();
    ShowProfile(-1);
}

void CVorlIPDlg::WriteOptions(unsigned keys) {
    if (!m_pIniSectionList) return;
    m_nPendingOptions |= keys;
    // Only the changed keys are written; profiles and options another copy saved meanwhile stay,
    // and the window takes those options over.
    Options inFile;
    if (!WriteOptionsSection(m_pIniSectionList->path, m_Options, m_nPendingOptions, &inFile)) {
        ReportConfigurationNotSaved();
        // "Save Option" stays enabled: the options in force are not yet in the file.
        EnableItem(IDC_SAVE_OPTION, true);
        return;
    }
    m_nPendingOptions = 0;
    EnableItem(IDC_SAVE_OPTION, false);
    const Options before = m_Options;
    m_Options = inFile;
    if (m_Options != before) ShowOptionsInForce(before);
}

void CVorlIPDlg::OnSaveOption() {
    WriteOptions(m_nPendingOptions ? 0u : kAllOptions);
}

bool CVorlIPDlg::RewriteConfiguration() {
    return UpdateConfiguration([](std::vector<Profile>&) {});
}

bool CVorlIPDlg::UpdateConfiguration(const std::function<void(std::vector<Profile>&)>& change) {
    if (!m_pIniSectionList) return false;
    // Options this copy could not write yet go in with the update; otherwise the file's own
    // options stay, so an option another copy chose is not undone by a save here.
    const unsigned nPending = m_nPendingOptions;
    const Options mine = m_Options;
    const bool ok = UpdateConfigurationFile(m_pIniSectionList->path, Inventory(), m_Options,
                                            [&](std::vector<Profile>& list, Options& options) {
                                                change(list);
                                                CopyOptions(mine, nPending, options);
                                            });
    if (!ok) {
        ReportConfigurationNotSaved();
        return false;
    }
    if (nPending) {
        m_nPendingOptions = 0;
        EnableItem(IDC_SAVE_OPTION, false);
    }
    return true;
}

void CVorlIPDlg::ReportConfigurationNotSaved() {
    const DWORD dwError = ::GetLastError();
    ReportMessage(ConfigurationNotSavedText(platform::SystemErrorText(dwError)));
}
