#include <windows.h>

#include "platform/Shell.h"
#include "resource.h"
#include "ui/VorlTrayIcon.h"

VorlTrayIcon g_TrayIcon;

namespace {
constexpr UINT kTrayIconId = 0;
}  // namespace

int VorlTrayIcon::AddTrayIcon(HWND hOwner) {
    if (m_bIconShown) return 0;
    HICON hIcon = static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    if (!platform::AddNotifyIcon(hOwner, kTrayIconId, kTrayCallbackMessage, hIcon, kTrayTooltip)) {
        return 0;
    }
    m_bIconShown = true;
    return 1;
}

int VorlTrayIcon::RemoveTrayIcon(HWND hOwner) {
    if (!platform::DeleteNotifyIcon(hOwner, kTrayIconId)) return 0;
    m_bIconShown = false;
    return 1;
}

void VorlTrayIcon::ShowTrayMenu(HWND hOwner, int x, int y, bool bOwnerHidden) {
    HMENU hMenu = ::CreatePopupMenu();
    if (!hMenu) return;
    for (const TrayMenuLine& line : BuildMenu(m_bShowMainItem, bOwnerHidden)) {
        if (line.bSeparator) {
            ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
        } else {
            ::AppendMenuW(hMenu, MF_STRING, static_cast<UINT_PTR>(line.nId), line.text.c_str());
        }
    }
    // Without the foreground the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(hOwner);
    ::TrackPopupMenu(hMenu, TPM_RIGHTBUTTON, x, y, 0, hOwner, nullptr);
    // The shell's convention: a message to the owner after tracking, so that the next click
    // on the icon opens the menu again instead of only closing this one.
    ::PostMessageW(hOwner, WM_NULL, 0, 0);
    ::DestroyMenu(hMenu);
}
