// The search window over profile titles; created on first use and kept until the main window
// closes. Escape and the close box only hide it, so its text and list survive.
#pragma once

#include <cstddef>
#include <functional>
#include <span>

#include "net/NICs.h"
#include "win/Dialog.h"

class SearchDlg : public win::Dialog {
public:
    SearchDlg();

    // What the window asks of its owner: the profiles in stored order, read at each search, and
    // showing the one whose title was picked.
    std::function<std::span<const Profile>()> m_getProfiles;
    std::function<void(size_t nIndex)> m_showProfile;

protected:
    // Enter: lists the matching titles.
    void OnOK() override;

private:
    void OnResultDoubleClick();
};

inline constexpr wchar_t kMsgSearchTextEmpty[] = L"Input title to search";
inline constexpr wchar_t kMsgSearchNoResult[] = L"No Result";
inline constexpr wchar_t kMsgSearchNoSelection[] = L"Click correctly";
