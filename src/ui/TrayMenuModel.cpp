#include "ui/TrayMenuModel.h"

#include <algorithm>

int TrayMenuModel::AddMenuItem(const std::wstring& strText) {
    // With 247 entries before it, an entry would get the separator's id and be taken for it.
    if (m_nNextId == kTraySeparatorId) ++m_nNextId;
    const int nId = m_nNextId++;
    m_Menus.push_back({strText, nId});
    return nId;
}

void TrayMenuModel::AddMenuSeparator() {
    m_Menus.push_back({kTraySeparatorText, kTraySeparatorId});
}

void TrayMenuModel::RemoveAllMenuItems() {
    m_Menus.clear();
    m_nNextId = kTrayFirstEntryId;
}

bool TrayMenuModel::FindMenuText(int nId, std::wstring& strText) const {
    auto it = std::find_if(m_Menus.begin(), m_Menus.end(), [nId](const tagPrivateMenus& entry) {
        return entry.nId == nId && !IsSeparator(entry);
    });
    if (it == m_Menus.end()) return false;
    strText = it->strText;
    return true;
}

bool TrayMenuModel::IsSeparator(const tagPrivateMenus& entry) {
    return entry.nId == kTraySeparatorId && entry.strText == kTraySeparatorText;
}

std::vector<TrayMenuLine> TrayMenuModel::BuildMenu(bool bShowMainItem, bool bHidden) const {
    std::vector<TrayMenuLine> lines;
    if (bShowMainItem) {
        lines.push_back({false, kTrayShowMainId, bHidden ? kTrayShowMainText : kTrayHideMainText});
        lines.push_back({true, kTraySeparatorId, {}});
    }
    for (const tagPrivateMenus& entry : m_Menus) {
        if (IsSeparator(entry)) {
            lines.push_back({true, kTraySeparatorId, {}});
        } else {
            lines.push_back({false, entry.nId, entry.strText});
        }
    }
    return lines;
}

TrayChoice ResolveTrayChoice(const TrayMenuModel& menu, int nId,
                             std::span<const Profile> profiles) {
    TrayChoice choice;
    std::wstring text;
    if (!menu.FindMenuText(nId, text)) {
        choice.kind = TrayChoice::WrongMenu;
        return choice;
    }
    if (text == kTrayExitText) {
        choice.kind = TrayChoice::Exit;
        return choice;
    }
    for (size_t i = 0; i < profiles.size(); ++i) {
        if (text == profiles[i].title) {
            choice.kind = TrayChoice::ApplyProfile;
            choice.profileIndex = i;
            return choice;
        }
    }
    return choice;
}

TrayHideStep NextTrayHideStep(bool bIconShown, bool bHotKeyRegistered, int nTriesDone) {
    if (bIconShown) return TrayHideStep::Hide;
    const bool bTriesLeft = nTriesDone + 1 < kTrayIconTries;
    if (bHotKeyRegistered) return bTriesLeft ? TrayHideStep::HideAndRetry : TrayHideStep::Hide;
    return bTriesLeft ? TrayHideStep::StayAndRetry : TrayHideStep::StayAndSay;
}
