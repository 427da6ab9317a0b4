// The main window's desktop side: tray, system options and web links. The search and help
// windows are opened in VorlIPDlgWindows.cpp.
#include "app/VorlIPDlg.h"
#include "app/WindowPlacement.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/System.h"
#include "platform/SystemError.h"
#include "platform/TaskScheduler.h"
#include "resource.h"
#include "ui/SearchDlg.h"
#include "ui/LanguageTexts.h"
#include "ui/SystemOptions.h"
#include "ui/VorlTrayIcon.h"
#include "ui/WebPage.h"
#include "win/MessageBox.h"

namespace {
constexpr wchar_t kSocialPage[] = L"https://www.facebook.com/";
constexpr wchar_t kWrongMenu[] = L"Wrong menu!";
}  // namespace

void CVorlIPDlg::HideToTray() {
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_nTrayIconTries = 0;
    TryTrayIcon();
}

// A hidden window needs a way back: the icon, or the hot key. Without either the window stays
// on the screen.
void CVorlIPDlg::TryTrayIcon() {
    ::KillTimer(m_hWnd, kTrayRetryTimerId);
    g_TrayIcon.AddTrayIcon(m_hWnd);
    const TrayHideStep step =
        NextTrayHideStep(g_TrayIcon.m_bIconShown, m_bHotKeyRegistered, m_nTrayIconTries);
    switch (step) {
        case TrayHideStep::Hide:
        case TrayHideStep::HideAndRetry:
            if (m_bVisible) HideWindowAndSearch();
            if (step == TrayHideStep::HideAndRetry) {
                ++m_nTrayIconTries;
                ::SetTimer(m_hWnd, kTrayRetryTimerId, kTrayIconRetryMs, nullptr);
            }
            return;
        case TrayHideStep::StayAndRetry:
            ++m_nTrayIconTries;
            ::SetTimer(m_hWnd, kTrayRetryTimerId, kTrayIconRetryMs, nullptr);
            return;
        case TrayHideStep::StayAndSay:
            ReportMessage(
                std::wstring(GetLanguageMessage(LanguageMessage::NoWayBack, m_Options.language)));
            return;
    }
}

void CVorlIPDlg::OnTrayRetryTimer() {
    // Showing the window again stops the tries, so a tick here always belongs to a hide.
    TryTrayIcon();
}

void CVorlIPDlg::HideWindowAndSearch() {
    if (m_pSearchDlg && m_pSearchDlg->GetSafeHwnd()) {
        ::ShowWindow(m_pSearchDlg->GetSafeHwnd(), SW_HIDE);
    }
    ::ShowWindow(m_hWnd, SW_HIDE);
    m_bVisible = false;
}

// The icon and its menu exist only while the window is hidden; should an icon the shell would not
// remove outlive that, showing the window again tries once more to remove it.
void CVorlIPDlg::ShowFromTray() {
    ::KillTimer(m_hWnd, kTrayRetryTimerId);
    m_nTrayIconTries = 0;
    ::ShowWindow(m_hWnd, SW_SHOW);
    m_bVisible = true;
    g_TrayIcon.RemoveTrayIcon(m_hWnd);
}

void CVorlIPDlg::OnTrayCallback(LPARAM lMouseMessage) {
    // What a Windows user tries first on a tray icon.
    if (lMouseMessage == platform::kBalloonClicked) {
        OnSwitchBalloonClick();
        return;
    }
    if (lMouseMessage == WM_LBUTTONDBLCLK) {
        ShowFromTray();
        return;
    }
    if (lMouseMessage != WM_RBUTTONDOWN) return;
    POINT pt = {};
    ::GetCursorPos(&pt);
    g_TrayIcon.ShowTrayMenu(m_hWnd, pt.x, pt.y, !m_bVisible);
}

void CVorlIPDlg::OnTrayEntry(int nId) {
    const TrayChoice choice = ResolveTrayChoice(g_TrayIcon, nId, profiles);
    switch (choice.kind) {
        case TrayChoice::WrongMenu:
            win::ShowMessage(m_hWnd, kWrongMenu);
            return;
        case TrayChoice::Exit:
            EndProgram(IDOK);
            return;
        case TrayChoice::ApplyProfile:
            ShowProfile(static_cast<int>(choice.profileIndex));
            OnChangeAll();
            return;
        case TrayChoice::Nothing:
            return;
    }
}

void CVorlIPDlg::OnGlobalHotKey(int, UINT uModifiers, UINT uKey) {
    // The no-repeat flag asked for at registration is not a key the user pressed.
    if (!IsToggleHotKey(uModifiers & ~MOD_NOREPEAT, uKey)) return;
    if (m_bVisible) {
        HideToTray();
    } else {
        ShowFromTray();
    }
}

void CVorlIPDlg::AcceptShellMessages() {
    platform::AcceptFromShell(m_hWnd, platform::TaskbarCreatedMessage());
    platform::AcceptFromShell(m_hWnd, kTrayCallbackMessage);
}

void CVorlIPDlg::OnTaskbarCreated() {
    // The old notification area took our icon with it.
    g_TrayIcon.m_bIconShown = false;
    if (!m_bVisible) g_TrayIcon.AddTrayIcon(m_hWnd);
}

// The log-on start is a Task Scheduler task: Windows silently skips a Run-key program that asks
// for administrator rights. Like the Run value, it is one for the machine, started at every
// user's log-on, whichever administrator ticks or unticks the box. A Run value of an earlier
// version goes in both directions.
void CVorlIPDlg::SetStartOnBoot() {
    const bool bOn = IsChecked(IDC_START_ON_BOOT);
    const platform::TaskChange change =
        bOn ? platform::RegisterGroupTask(kLogOnTaskName, LogOnTaskXml(platform::ModulePath()),
                                          kUsersGroupSid)
            : platform::DeleteTask(kLogOnTaskName);
    const StartOnBootOutcome outcome =
        DecideStartOnBoot(bOn, TaskErrorCode(static_cast<uint32_t>(change.hrConnect)),
                          TaskErrorCode(static_cast<uint32_t>(change.hrChange)));
    // Never started anything for this program; whatever the scheduler answered, it goes.
    platform::RemoveRegValue(HKEY_LOCAL_MACHINE, kRunKeyPath, kRunValueName);
    if (outcome.bStore) {
        m_Options.startonboot = bOn;
        WriteOptions(kOptionStartOnBoot);
    } else {
        // The check box must not claim a setting that is not in force.
        CheckButton(IDC_START_ON_BOOT, m_Options.startonboot);
    }
    win::ShowMessage(m_hWnd, outcome.message);
}

void CVorlIPDlg::SetGlobalHotKey() {
    const bool bOn = IsChecked(IDC_GLOBAL_HOT_KEY);
    DWORD dwError = 0;
    if (bOn) {
        dwError = TakeGlobalHotKey();
    } else {
        ReleaseGlobalHotKey();
    }
    // The choice is kept even when the key is taken, so the next start tries again.
    m_Options.useglobalhotkey = bOn;
    WriteOptions(kOptionGlobalHotKey);
    win::ShowMessage(
        m_hWnd, GlobalHotKeyMessage(bOn, dwError == 0,
                                    dwError ? platform::SystemErrorText(dwError) : std::wstring()));
}

void CVorlIPDlg::SetChangeForce() {
    m_Options.changeforce = IsChecked(IDC_CHANGE_FORCE);
    WriteOptions(kOptionChangeForce);
    UpdateNicInformation();
}

// The size-trouble size is a collapsed one, so ">>" must offer to expand again, whatever it
// offered before.
void CVorlIPDlg::FixWindowSize() {
    const platform::ScreenDpi dpi = platform::GetScreenDpi();
    m_bSizeTrouble = true;
    m_bExpanded = false;
    SetItemText(IDC_EXPAND, L">>");
    const PixelSize size = SizeTroubleWindowSize(dpi.x, MetricsOf(m_hWnd));
    PlaceInWorkArea(m_hWnd, 0, 0, size.cx, size.cy);
    win::ShowMessage(m_hWnd, SizeTroubleMessage(dpi.x, dpi.y));
}

void CVorlIPDlg::OnVisitFacebook() {
    OpenWebPage(m_hWnd, kSocialPage, m_Options.language);
}
