// The new-version window on template 159. Its own texts stay the same in every interface
// language; only a message it shows follows the language.
#pragma once

#include <string>

#include "config/ConfigKeys.h"
#include "win/Dialog.h"

class CUpdateServerDlg : public win::Dialog {
public:
    CUpdateServerDlg();

    std::wstring m_strLatestVersion;
    std::wstring m_strDownloadPage;
    std::wstring m_strReleaseNotes;
    // The interface language, for the message that shows the address when the desktop cannot
    // open it.
    int m_nLanguage = kLanguageEnglish;

protected:
    BOOL OnInitDialog() override;
    // "Go to the site!": opens the download page (or shows its address, see OpenWebPage) and
    // closes, for web addresses only.
    void OnOK() override;
};
