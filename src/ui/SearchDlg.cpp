#include "ui/SearchDlg.h"

#include "resource.h"
#include "ui/ProfileSearch.h"
#include "win/MessageBox.h"

SearchDlg::SearchDlg() : win::Dialog(IDD_SEARCH) {
    OnCommandMap(IDC_SEARCH_RESULTS, LBN_DBLCLK, &SearchDlg::OnResultDoubleClick);
}

void SearchDlg::OnOK() {
    const std::wstring text = GetItemText(IDC_SEARCH_TEXT);
    if (text.empty()) {
        win::ShowMessage(m_hWnd, kMsgSearchTextEmpty);
        return;
    }
    HWND hList = GetItem(IDC_SEARCH_RESULTS);
    ::SendMessageW(hList, LB_RESETCONTENT, 0, 0);
    if (!m_getProfiles) return;
    const std::span<const Profile> profiles = m_getProfiles();
    for (size_t index : ProfilesContaining(text, profiles)) {
        ::SendMessageW(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(profiles[index].title));
    }
}

void SearchDlg::OnResultDoubleClick() {
    HWND hList = GetItem(IDC_SEARCH_RESULTS);
    if (::SendMessageW(hList, LB_GETCOUNT, 0, 0) <= 0) {
        win::ShowMessage(m_hWnd, kMsgSearchNoResult);
        return;
    }
    const LRESULT nSel = ::SendMessageW(hList, LB_GETCURSEL, 0, 0);
    if (nSel == LB_ERR) {
        win::ShowMessage(m_hWnd, kMsgSearchNoSelection);
        return;
    }
    const LRESULT nLength = ::SendMessageW(hList, LB_GETTEXTLEN, nSel, 0);
    if (nLength == LB_ERR) return;
    std::wstring entry(static_cast<size_t>(nLength) + 1, L'\0');
    ::SendMessageW(hList, LB_GETTEXT, nSel, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<size_t>(nLength));
    if (!m_getProfiles || !m_showProfile) return;
    // The entry is a whole title: a longer title stored earlier that merely contains it is
    // another profile.
    if (const auto index = ProfileTitled(entry, m_getProfiles())) m_showProfile(*index);
}
