// The main window's side of profiles carried between PCs ("Import profiles…", "Export
// profiles…") and of following the configuration file on disk: when another copy saves, an
// import runs, someone edits the file or a deployment tool replaces it, the window loads it again
// as after its own save, and what the user typed into the form stays.
#include <algorithm>

#include "app/ProfileTransferRun.h"
#include "app/VorlIPDlg.h"
#include "config/ConfigStore.h"
#include "config/ConfigWriter.h"
#include "platform/FileDialogs.h"
#include "resource.h"
#include "ui/TransferTexts.h"

namespace {

// A change is looked at this long after its first notice, so that a save (a temporary file
// written, flushed and renamed) or a copy over the file is one look, not one per step.
constexpr UINT kReloadDelayMs = 500;
// A file another program holds is tried again this often, this many times, without a word; the
// next change of the folder starts over.
constexpr UINT kUnreadableRetryMs = 2000;
constexpr int kUnreadableTries = 5;

bool SameText(const std::vector<IniTextSection>& a, const std::vector<IniTextSection>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.name == y.name && x.block == y.block;
    });
}

}  // namespace

void CVorlIPDlg::OnImportProfiles() {
    if (!m_pIniSectionList) return;
    const int nLanguage = m_Options.language;
    const std::wstring file =
        platform::AskFileToOpen(m_hWnd, GetTransferText(TransferText::ImportTitle, nLanguage),
                                GetTransferText(TransferText::FileFilter, nLanguage));
    if (file.empty()) return;
    const TransferOutcome outcome = ImportProfiles(m_pIniSectionList->path, file, nLanguage);
    ReportMessage(outcome.message);
    if (outcome.bImported) ReloadKeepingForm(false);
}

void CVorlIPDlg::OnExportProfiles() {
    if (!m_pIniSectionList) return;
    const int nLanguage = m_Options.language;
    const std::wstring file = platform::AskFileToSave(
        m_hWnd, GetTransferText(TransferText::ExportTitle, nLanguage),
        GetTransferText(TransferText::FileFilter, nLanguage), kExportFileName);
    if (file.empty()) return;
    ReportMessage(ExportProfiles(m_pIniSectionList->path, file, nLanguage).message);
}

void CVorlIPDlg::StartFollowingFile() {
    if (!m_pIniSectionList || m_pIniSectionList->path.empty()) return;
    m_pFileWatch = std::make_unique<platform::FileWatch>();
    m_pFileWatch->Start(m_pIniSectionList->path, m_hWnd, kConfigChangedMessage);
}

void CVorlIPDlg::StopFollowingFile() {
    if (m_pFileWatch) {
        m_pFileWatch->Stop();
        m_pFileWatch.reset();
    }
    ::KillTimer(m_hWnd, kConfigReloadTimerId);
    m_bReloadArmed = false;
}

void CVorlIPDlg::ArmReloadTimer(UINT uDelayMs) {
    m_bReloadArmed = true;
    ::SetTimer(m_hWnd, kConfigReloadTimerId, uDelayMs, nullptr);
}

void CVorlIPDlg::OnConfigurationFileChanged() {
    if (m_pFileWatch) m_pFileWatch->Taken();
    // Not put off by further notices: a folder that changes all the time (a log beside the
    // file) must not keep a real change from being seen.
    if (!m_bReloadArmed) ArmReloadTimer(kReloadDelayMs);
}

void CVorlIPDlg::OnConfigurationReloadTimer() {
    // A handler that waits (a question, a message, an apply) goes on with the list it knows;
    // the timer comes back until it has returned.
    if (m_bApplying || IsNestedMessage()) return;
    ::KillTimer(m_hWnd, kConfigReloadTimerId);
    m_bReloadArmed = false;
    if (!m_pIniSectionList) return;
    const platform::FileStamp stamp = platform::StampOf(m_pIniSectionList->path);
    if (stamp == m_LoadedStamp) {
        m_nReloadTries = 0;
        return;
    }
    unsigned long dwError = 0;
    const auto text = ReadIniFile(m_pIniSectionList->path, &dwError);
    if (dwError != 0) {
        if (++m_nReloadTries < kUnreadableTries) {
            ArmReloadTimer(kUnreadableRetryMs);
        } else {
            m_nReloadTries = 0;
        }
        return;
    }
    m_nReloadTries = 0;
    // Written again with the same content (a save that changed nothing, a copy of the same
    // file): nothing to show.
    if (m_pIniSectionList->sections && SameText(*text, *m_pIniSectionList->sections)) {
        m_LoadedStamp = stamp;
        return;
    }
    ReloadKeepingForm(true);
}

void CVorlIPDlg::ReloadKeepingForm(bool bForWatch) {
    // The load refills the title box; it keeps the text it showed, and the profile of that title
    // (the same one among equal titles) stays selected where there still is one.
    const std::wstring typed = GetItemText(IDC_TITLE_LIST);
    const int nSel = ComboGetCurSel(IDC_TITLE_LIST);
    const size_t occurrence =
        nSel >= 0 && nSel < static_cast<int>(profiles.size()) && typed == profiles[nSel].title
            ? TitleOccurrence(profiles, static_cast<size_t>(nSel))
            : 0;
    LoadConfiguration(bForWatch);
    if (m_pIniSectionList->readError != 0) {
        if (bForWatch && ++m_nReloadTries < kUnreadableTries) ArmReloadTimer(kUnreadableRetryMs);
        return;
    }
    int nFirst = -1;
    int nShow = -1;
    size_t seen = 0;
    for (size_t i = 0; i < profiles.size() && nShow < 0; ++i) {
        if (typed != profiles[i].title) continue;
        if (nFirst < 0) nFirst = static_cast<int>(i);
        if (seen++ == occurrence) nShow = static_cast<int>(i);
    }
    if (nShow < 0) nShow = nFirst;
    ComboReset(IDC_TITLE_LIST);
    for (const Profile& profile : profiles) ComboAdd(IDC_TITLE_LIST, profile.title);
    if (nShow >= 0) {
        ComboSetCurSel(IDC_TITLE_LIST, nShow);
    } else {
        SetItemText(IDC_TITLE_LIST, typed);
    }
}
