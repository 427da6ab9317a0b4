#include <windows.h>
#include <shellapi.h>

#include "ui/VorlTrayIcon.h"

VorlTrayIcon g_TrayIcon;

void VorlTrayIcon::RemoveIcon(HWND hOwner) {
    NOTIFYICONDATAW nid = {};
    nid.cbSize = sizeof(nid);
    nid.hWnd = hOwner;
    nid.uID = 0;
    if (::Shell_NotifyIconW(NIM_DELETE, &nid)) m_bIconShown = 0;
}
