// Shell actions: pages opened through the desktop, the notification-area icon and the shell's
// messages, global hot keys and the command line's split; every such call of the program goes
// through here.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace platform {

// Opens an address in the user's default browser, shown normally, through the desktop shell's
// own process so that the browser runs with the user's normal rights. False when no desktop
// shell answers (another shell, none, or none that shares its automation object) or it refused;
// nothing is then started: from this process, the browser would run with administrator rights.
bool OpenInBrowser(const std::wstring& url);

// Adds icon uId of hOwner to the notification area with a callback message and a tooltip.
// True when the shell accepted it.
bool AddNotifyIcon(HWND hOwner, UINT uId, UINT uCallbackMessage, HICON hIcon,
                   const std::wstring& tip);
// Shows a balloon (a toast on Windows 10/11) from icon uId of hOwner; a click on it reaches the
// icon's callback as NIN_BALLOONUSERCLICK. True when the shell took it.
// NIN_BALLOONUSERCLICK, as the icon's callback receives it.
inline constexpr UINT kBalloonClicked = WM_USER + 5;
bool ShowNotifyBalloon(HWND hOwner, UINT uId, const std::wstring& title, const std::wstring& text);
// Deletes icon uId of hOwner from the notification area. True when the shell removed it.
bool DeleteNotifyIcon(HWND hOwner, UINT uId);
// The message the shell broadcasts when its taskbar (and with it the notification area) has been
// created again, for example after Explorer restarted.
UINT TaskbarCreatedMessage();
// Lets uMessage from the shell reach hWnd although the program runs with higher rights than the
// shell (which otherwise filters it out).
void AcceptFromShell(HWND hWnd, UINT uMessage);

// Registers a system-wide hot key for hWnd. 0 on success, else the system's error code.
DWORD RegisterGlobalHotKey(HWND hWnd, int nId, UINT uModifiers, UINT uVirtualKey);
void UnregisterGlobalHotKey(HWND hWnd, int nId);

// The arguments of this process's command line after the program's own name, split and unquoted
// by the system's rules (the rules a shortcut's target line or a scheduled task's arguments are
// written for).
std::vector<std::wstring> CommandLineArguments();

}  // namespace platform
