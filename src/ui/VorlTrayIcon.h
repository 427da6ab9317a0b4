// The notification-area icon and its menu; one object for the whole process.
#pragma once

#include <windows.h>

#include "ui/TrayMenuModel.h"

class VorlTrayIcon : public TrayMenuModel {
public:
    // Removes the icon from the notification area; clears m_bIconShown when the shell agrees.
    void RemoveIcon(HWND hOwner);

    int m_bIconShown = 0;
    int m_bHidden = 0;
    int m_bShowMainItem = 0;
};

extern VorlTrayIcon g_TrayIcon;
