// The "Advanced" dialog of the profile in the form: its extra address pairs and its proxy
// server. It works on a copy; the owner takes the result only when the dialog ends with OK.
#pragma once

#include <string>
#include <vector>

#include "config/ProfileExtras.h"
#include "net/NICs.h"
#include "win/Dialog.h"

class AdvancedDlg : public win::Dialog {
public:
    struct Settings {
        bool bStaticIp = false;  // the pairs can be changed only with a static address
        std::wstring mainIp;     // the form's first address, for the duplicate check
        std::vector<AddressPair> extras;
        bool checkProxy = false;
        std::wstring proxy;
        std::wstring proxyBypass;  // as stored: "<local>" among the entries
    };

    AdvancedDlg(Settings settings, int nLanguage);

    const Settings& Result() const { return m_Settings; }

protected:
    BOOL OnInitDialog() override;
    // Checks the proxy server and ends the dialog only when it passes.
    void OnOK() override;

private:
    void OnAdd();
    void OnChange();
    void OnRemove();
    void OnListSelChange();
    // Refills the list and selects nSelect (-1: none); the buttons follow.
    void FillList(int nSelect);
    void UpdateButtons();
    int SelectedPair() const;
    // The pair in the two address fields if it may stand at replacing; otherwise says why.
    bool TakePair(int replacing, AddressPair& pair);
    void Say(ExtrasProblem problem);

    Settings m_Settings;
    int m_nLanguage;
};
