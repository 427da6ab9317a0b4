// The entries of the tray icon's popup menu below its fixed first entry: one per profile title,
// then a separator and "Exit". The list is rebuilt at every load of the configuration; the menu
// as shown puts the first entry, whose label the caller chooses, above it. The tray class that
// shows the menu derives from this one.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "net/NICs.h"

// Reserved command span of the profile entries. Ids are handed out past its end when there are
// more than 100 profiles, skipping the separator's; every id the list has handed out is routed
// all the same (no other command of the main window lies above the span), so every entry the
// menu shows acts.
inline constexpr int kTrayFirstEntryId = 1801;
inline constexpr int kTrayLastEntryId = 1901;
// The fixed first entry: show (or hide) the main window.
inline constexpr int kTrayShowMainId = 1136;
inline constexpr wchar_t kTrayShowMainText[] = L"메인 창 띄우기";
inline constexpr wchar_t kTrayHideMainText[] = L"메인 창 감추기";
inline constexpr wchar_t kTrayTooltip[] = L"IP 변경 프로그램 VorlIP";
// A separator entry's id; equal to the menu flag for a separator.
inline constexpr int kTraySeparatorId = 2048;
inline constexpr wchar_t kTraySeparatorText[] = L"VorlTray_Seperator";
inline constexpr wchar_t kTrayExitText[] = L"Exit";

struct tagPrivateMenus {
    std::wstring strText;
    int nId = 0;
};

// One line of the popup menu as it is shown.
struct TrayMenuLine {
    bool bSeparator = false;
    int nId = 0;
    std::wstring text;
    bool operator==(const TrayMenuLine&) const = default;
};

class TrayMenuModel {
public:
    virtual ~TrayMenuModel() = default;

    // Appends a text entry and returns its id: the next one, never the separator's.
    int AddMenuItem(const std::wstring& strText);
    // Appends a separator entry; ids of text entries are not used up by it.
    void AddMenuSeparator();
    // Empties the list and starts ids again at kTrayFirstEntryId.
    void RemoveAllMenuItems();
    // The text of the first text entry with this id (never the separator's); false when there
    // is none.
    bool FindMenuText(int nId, std::wstring& strText) const;

    const std::vector<tagPrivateMenus>& Menus() const { return m_Menus; }

    // Shown as a separator only when both the id and the marker text say so (no text entry is
    // given the separator's id, so a profile titled like the marker is still text).
    static bool IsSeparator(const tagPrivateMenus& entry);
    // Whether a command id goes to the profile-entry handler: the reserved span (an id there with
    // no entry says "Wrong menu!") and every id handed out beyond it.
    bool IsRoutedId(int nId) const {
        return nId >= kTrayFirstEntryId && (nId <= kTrayLastEntryId || nId < m_nNextId);
    }

    // The popup menu top to bottom: with bShowMainItem the first entry (showing the main window
    // when bHidden, hiding it otherwise) and a separator, then the list's entries.
    std::vector<TrayMenuLine> BuildMenu(bool bShowMainItem, bool bHidden) const;

protected:
    int m_nNextId = kTrayFirstEntryId;
    std::vector<tagPrivateMenus> m_Menus;
};

// What a chosen tray entry asks for. Entries are matched by text, not position: the list may
// have changed since the menu was built.
struct TrayChoice {
    enum Kind { WrongMenu, Exit, ApplyProfile, Nothing } kind = Nothing;
    size_t profileIndex = 0;  // for ApplyProfile
};

// "Exit" is tested before the profiles, so a profile titled "Exit" ends the program; otherwise
// the first profile whose title equals the text exactly is applied.
TrayChoice ResolveTrayChoice(const TrayMenuModel& menu, int nId, std::span<const Profile> profiles);

// Hiding the window to the tray needs a way back: the icon, or the hot key. The shell refuses an
// icon while it is busy (at log-on, right after Explorer restarted) and accepts it a moment
// later, so a refusal is tried again for a few seconds before the hide is given up.
inline constexpr int kTrayIconTries = 8;
inline constexpr unsigned kTrayIconRetryMs = 500;

enum class TrayHideStep {
    Hide,          // the icon is there, or the hot key is and the tries are over: hide
    HideAndRetry,  // no icon yet, but the hot key brings the window back: hide, keep trying
    StayAndRetry,  // no icon and no hot key: stay visible and try the icon again
    StayAndSay,    // tried long enough: stay visible and tell the user why
};

// The step after nTriesDone refused tries (the first try is try 0).
TrayHideStep NextTrayHideStep(bool bIconShown, bool bHotKeyRegistered, int nTriesDone);
