// The search window over profile titles; created on first use and kept until the main window
// closes. Escape and the close box only hide it, so its text and list survive.
#pragma once

#include "win/Dialog.h"

class CVorlIPDlg;

class SearchDlg : public win::Dialog {
public:
    SearchDlg();

    CVorlIPDlg* m_pMainDlg = nullptr;

protected:
    // Enter: lists the matching titles.
    void OnOK() override;

private:
    void OnResultDoubleClick();
};

inline constexpr wchar_t kMsgSearchTextEmpty[] = L"Input title to search";
inline constexpr wchar_t kMsgSearchNoResult[] = L"No Result";
inline constexpr wchar_t kMsgSearchNoSelection[] = L"Click correctly";
