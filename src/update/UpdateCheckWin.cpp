#include "update/UpdateCheck.h"

#include <exception>
#include <optional>
#include <thread>

#include "platform/CodePage.h"
#include "platform/Internet.h"
#include "platform/System.h"
#include "ui/LanguageTexts.h"
#include "update/UpdateServerDlg.h"

namespace {

// The program's file name without folder and extension; the update server sees it as the agent.
std::wstring ProgramName() {
    const std::wstring path = platform::ModulePath();
    const size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.resize(dot);
    return name;
}

void ShowNewVersion(const VersionInfo& info, int nLanguage) {
    CUpdateServerDlg dlg;
    dlg.m_nLanguage = nLanguage;
    dlg.m_strLatestVersion = info.m_strLatestVersion;
    dlg.m_strDownloadPage = info.m_strDownloadPage;
    dlg.m_strReleaseNotes = info.m_strReleaseNotes;
    dlg.DoModal();
}

}  // namespace

int CheckLatestVersion(VersionInfo& info, std::wstring strRunningVersion) {
    platform::InternetSession session;
    if (!session.Open(ProgramName(), kUpdateCheckTimeoutMs)) return kVersionCheckError;
    if (!session.OpenUrl(VersionFileUrl())) return kVersionCheckError;
    const std::optional<std::string> body =
        ReadVersionBody([&session](char* pBuffer, size_t nWanted, size_t& nGot) {
            return session.Read(pBuffer, nWanted, nGot);
        });
    if (!body) return kVersionCheckError;
    return ParseVersionText(platform::AnsiToWide(*body), strRunningVersion, info);
}

UINT UpdateCheckThread(LPVOID, int nLanguage) {
    // Whatever goes wrong here stays here: the check must never disturb the program.
    try {
        VersionInfo info;
        if (CheckLatestVersion(info, kProgramVersionText) == kVersionCheckDifferent) {
            ShowNewVersion(info, nLanguage);
        }
    } catch (...) {
    }
    return 0;
}

bool StartUpdateCheckThread(LPVOID pParam, int nLanguage) {
    try {
        std::thread(UpdateCheckThread, pParam, nLanguage).detach();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
