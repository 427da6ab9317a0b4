// The notification-area icon and its menu; one object for the whole process.
#pragma once

#include <windows.h>

#include "ui/TrayMenuModel.h"

// The icon's callback message to its owner window.
inline constexpr UINT kTrayCallbackMessage = WM_USER + 111;

class VorlTrayIcon : public TrayMenuModel {
public:
    // Adds the icon for hOwner: 1 when the shell took it, 0 when it was already shown or the
    // shell refused.
    int AddTrayIcon(HWND hOwner);
    // Removes the icon: 1 when the shell removed it (m_bIconShown is then cleared), else 0.
    int RemoveTrayIcon(HWND hOwner);
    // Shows the popup menu at screen point (x, y); the chosen command goes to hOwner. Whether the
    // owner is hidden is the owner's to say, and chooses the label of the first entry.
    void ShowTrayMenu(HWND hOwner, int x, int y, bool bOwnerHidden);

    bool m_bIconShown = false;
    // The menu begins with the show-main-window entry and a separator.
    bool m_bShowMainItem = false;
};

extern VorlTrayIcon g_TrayIcon;
