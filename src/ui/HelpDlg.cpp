#include "ui/HelpDlg.h"

#include <commctrl.h>

#include "resource.h"
#include "ui/HelpTexts.h"

CHelpDlg::CHelpDlg() : win::Dialog(IDD_HELP) {}

BOOL CHelpDlg::OnInitDialog() {
    win::Dialog::OnInitDialog();
    HWND hTabs = GetItem(IDC_HELP_TABS);
    for (int i = 0; i < kHelpTabCount; ++i) {
        // A tab label takes "&" as a mnemonic mark; "&&" shows the character itself.
        std::wstring label;
        for (wchar_t ch : kHelpTabLabels[static_cast<size_t>(i)]) {
            label += ch;
            if (ch == L'&') label += L'&';
        }
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = label.data();
        ::SendMessageW(hTabs, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(&item));
    }
    ::SendMessageW(hTabs, TCM_SETCURSEL, static_cast<WPARAM>(m_nInitialTab), 0);
    FillText();
    return TRUE;
}

void CHelpDlg::FillText() {
    const int nTab =
        static_cast<int>(::SendDlgItemMessageW(m_hWnd, IDC_HELP_TABS, TCM_GETCURSEL, 0, 0));
    SetItemText(IDC_HELP_TEXT, BuildHelpText(nTab));
}

INT_PTR CHelpDlg::OnMessage(UINT uMsg, WPARAM, LPARAM lParam, bool& bHandled) {
    if (uMsg != WM_NOTIFY) return FALSE;
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader->idFrom == IDC_HELP_TABS && pHeader->code == TCN_SELCHANGE) {
        FillText();
        bHandled = true;
    }
    return FALSE;
}
