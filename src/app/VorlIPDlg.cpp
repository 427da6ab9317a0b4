#include "app/VorlIPDlg.h"

#include <string>
#include <system_error>

#include "app/ApplyWorkflow.h"
#include "app/AskDialog.h"
#include "app/SwitchWatch.h"
#include "apply/EnumPrinters.h"
#include "apply/NetworkChanger.h"
#include "config/ConfigStore.h"
#include "platform/Shell.h"
#include "resource.h"
#include "ui/HelpDlg.h"
#include "ui/LanguageTexts.h"
#include "ui/ProcessingDlg.h"
#include "ui/FloatDlg.h"
#include "ui/SearchDlg.h"
#include "ui/VorlTrayIcon.h"
#include "update/UpdateCheck.h"
#include "win/MessageBox.h"

namespace {

constexpr int kMetricEntries = 16;  // "0" to "15"
constexpr const wchar_t* kLanguageEntries[] = {L"English", L"Korean", L"Japanese"};

}  // namespace

CVorlIPDlg::CVorlIPDlg()
    : win::Dialog(IDD_VORLIP_DIALOG), m_pChanger(std::make_unique<NetworkChanger>()) {
    // Loading the spooler and asking it for the printers takes a while; it runs beside the
    // making of the window, and the printer list waits for it.
    try {
        m_printersListed =
            std::async(std::launch::async, [] { return std::make_unique<CEnumPrinters>(); });
    } catch (const std::system_error&) {
        m_pPrinters = std::make_unique<CEnumPrinters>();
    }
    m_hIcon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                              MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 0, 0,
                                              LR_DEFAULTSIZE | LR_SHARED));
    m_hSmallIcon = static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    m_IPHelper.SetReporter([this](const std::wstring& text) { ReportMessage(text); });

    OnCommandMap(IDCANCEL, BN_CLICKED, &CVorlIPDlg::OnExitAnyway);
    OnCommandMap(IDC_EXIT_CHECK, BN_CLICKED, &CVorlIPDlg::OnCheckModificationsAndExit);
    OnCommandMap(IDC_NIC_LIST, CBN_SELCHANGE, &CVorlIPDlg::OnNicSelChange);
    OnCommandMap(IDC_TITLE_LIST, CBN_SELCHANGE, &CVorlIPDlg::OnTitleSelChange);
    OnCommandMap(IDC_USE_DHCP_IP, BN_CLICKED, &CVorlIPDlg::OnDhcpIp);
    OnCommandMap(IDC_USE_STATIC_IP, BN_CLICKED, &CVorlIPDlg::OnStaticIp);
    OnCommandMap(IDC_USE_DHCP_DNS, BN_CLICKED, &CVorlIPDlg::OnDhcpDns);
    OnCommandMap(IDC_USE_STATIC_DNS, BN_CLICKED, &CVorlIPDlg::OnStaticDns);
    OnCommandMap(IDC_AUTOCONF_CHECK, BN_CLICKED, &CVorlIPDlg::OnAutoConfigCheck);
    OnCommandMap(IDC_SAVE, BN_CLICKED, &CVorlIPDlg::SaveProfile);
    OnCommandMap(IDC_DELETE, BN_CLICKED, &CVorlIPDlg::DeleteProfile);
    OnCommandMap(IDC_SAVE_OPTION, BN_CLICKED, &CVorlIPDlg::OnSaveOption);
    OnCommandMap(IDC_EXPAND, BN_CLICKED, &CVorlIPDlg::ToggleExpand);
    OnCommandMap(IDC_LANGUAGE_LIST, CBN_SELCHANGE, &CVorlIPDlg::OnLanguageSelChange);
    OnCommandMap(IDC_PRINTER_LIST, CBN_SELCHANGE, &CVorlIPDlg::OnPrinterSelChange);
    OnCommandMap(IDC_LOAD_CURRENT, BN_CLICKED, &CVorlIPDlg::LoadCurrentInfo);
    OnCommandMap(IDC_ADVANCED, BN_CLICKED, &CVorlIPDlg::OnAdvanced);
    OnCommandMap(IDC_CHANGE_ALL, BN_CLICKED, &CVorlIPDlg::OnChangeAll);
    OnCommandMap(IDC_HELP_NIC, BN_CLICKED, &CVorlIPDlg::OnHelpNic);
    OnCommandMap(IDC_HELP_DHCP, BN_CLICKED, &CVorlIPDlg::OnHelpDhcp);
    OnCommandMap(IDC_ABOUT, BN_CLICKED, &CVorlIPDlg::OnAbout);
    OnCommandMap(IDC_WHATS_NEW, BN_CLICKED, &CVorlIPDlg::OnWhatsNew);
    OnCommandMap(IDC_VISIT, BN_CLICKED, &CVorlIPDlg::OnVisitFacebook);
    OnCommandMap(IDC_HIDE_TRAY, BN_CLICKED, &CVorlIPDlg::HideToTray);
    OnCommandMap(IDC_SEARCH, BN_CLICKED, &CVorlIPDlg::OnSearch);
    OnCommandMap(IDC_START_ON_BOOT, BN_CLICKED, &CVorlIPDlg::SetStartOnBoot);
    OnCommandMap(IDC_GLOBAL_HOT_KEY, BN_CLICKED, &CVorlIPDlg::SetGlobalHotKey);
    OnCommandMap(IDC_CHANGE_FORCE, BN_CLICKED, &CVorlIPDlg::SetChangeForce);
    OnCommandMap(IDC_AUTO_SWITCH, BN_CLICKED, &CVorlIPDlg::SetAutoSwitch);
    OnCommandMap(IDC_SIZE_TROUBLE, BN_CLICKED, &CVorlIPDlg::FixWindowSize);
    OnCommandMap(ID_TRAY_SHOW, 0, &CVorlIPDlg::ShowFromTray);
    OnCommandMap(IDC_IMPORT_PROFILES, BN_CLICKED, &CVorlIPDlg::OnImportProfiles);
    OnCommandMap(IDC_EXPORT_PROFILES, BN_CLICKED, &CVorlIPDlg::OnExportProfiles);
}

CVorlIPDlg::~CVorlIPDlg() = default;

void CVorlIPDlg::ReportMessage(const std::wstring& text) {
    // The busy window stays above all others while an apply runs; a message of the apply must
    // not open underneath it.
    win::ShowMessage(m_hWnd, text, m_bApplying ? MB_OK | MB_TOPMOST : MB_OK);
}

BOOL CVorlIPDlg::OnInitDialog() {
    win::Dialog::OnInitDialog();
    // The size message sent while the window is created never reaches a dialog procedure; this
    // is where the window first learns its size.
    OnSize();
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
    SetupIconButtons();
    ::SetWindowTextW(m_hWnd, GetWindowCaption(kLanguageEnglish).c_str());
    g_TrayIcon.m_bShowMainItem = true;
    AcceptShellMessages();
    GetNetworkInformation();
    BindFormControls();
    LoadConfiguration();
    ResetForm();
    FillAdapterList();
    FillPrinterList();
    ShowFirstProfileOrAdapter();
    ApplyLanguage(m_Options.language);
    RegisterGlobalHotKey();
    StartFollowingFile();
    m_bStarted = true;
    FollowAutoSwitchOption(false);
    return TRUE;
}

// The update check loads the Internet library on a thread of its own; it must not hold up the
// first window. (The busy window is made when an apply first shows it.)
void CVorlIPDlg::OnWindowUp() {
    StartUpdateCheck();
}

void CVorlIPDlg::GetNetworkInformation() {
    const ApplyReporter report = [this](const std::wstring& text) { ReportMessage(text); };
    if (!ReadNetworkInformation(m_IPHelper, report)) EndWithoutNetworkInformation(report);
}

// The resource compiler cannot carry combo entries, so the fixed ones are added here.
void CVorlIPDlg::BindFormControls() {
    for (int i = 0; i < kMetricEntries; ++i) ComboAdd(IDC_METRIC, std::to_wstring(i));
    for (const wchar_t* pszLanguage : kLanguageEntries) ComboAdd(IDC_LANGUAGE_LIST, pszLanguage);
}

void CVorlIPDlg::FillAdapterList() {
    for (int32_t i = 0; i < m_IPHelper.m_nCount; ++i) {
        ComboAdd(IDC_NIC_LIST, m_IPHelper.m_pNICs[i].nicname);
    }
}

void CVorlIPDlg::CreateBusyWindow() {
    if (m_pProcessingDlg) return;
    m_pProcessingDlg = std::make_unique<CProcessingDlg>();
    m_pProcessingDlg->Create(m_hWnd);
}

void CVorlIPDlg::ShowFirstProfileOrAdapter() {
    if (!profiles.empty()) {
        ShowProfile(0);
    } else if (ComboCount(IDC_NIC_LIST) > 0) {
        ComboSetCurSel(IDC_NIC_LIST, 0);
        OnNicSelChange();
    } else {
        ResetAddressControls();
    }
}

int CVorlIPDlg::ApplyLanguage(int nLanguage) {
    ::SetWindowTextW(m_hWnd, GetWindowCaption(nLanguage).c_str());
    for (const ControlCaption& row : GetControlCaptions(nLanguage)) {
        SetItemText(row.nId, std::wstring(row.caption));
    }
    return 1;
}

void CVorlIPDlg::OnLanguageSelChange() {
    const int nSel = ComboGetCurSel(IDC_LANGUAGE_LIST);
    if (nSel < 0) return;
    m_Options.language = nSel;
    ApplyLanguage(m_Options.language);
    WriteOptions(kOptionLanguage);
}

void CVorlIPDlg::RegisterGlobalHotKey() {
    if (!m_Options.useglobalhotkey) return;
    // At start a key owned by another program is not worth a message; the check box still
    // shows the stored choice, and the next start tries again.
    TakeGlobalHotKey();
}

DWORD CVorlIPDlg::TakeGlobalHotKey() {
    const DWORD dwError =
        platform::RegisterGlobalHotKey(m_hWnd, kHotKeyId, kHotKeyModifiers, kHotKeyVirtualKey);
    m_bHotKeyRegistered = dwError == 0;
    return dwError;
}

void CVorlIPDlg::ReleaseGlobalHotKey() {
    platform::UnregisterGlobalHotKey(m_hWnd, kHotKeyId);
    m_bHotKeyRegistered = false;
}

// The check runs on a thread of its own that the window never waits for, not even at exit.
void CVorlIPDlg::StartUpdateCheck() {
    StartUpdateCheckThread(m_hWnd, m_Options.language);
}

// Enter never closes the main window.
void CVorlIPDlg::OnOK() {}

// Escape arrives as IDCANCEL and is routed through the command table to OnExitAnyway.
void CVorlIPDlg::OnCancel() {
    OnExitAnyway();
}

// "Exit Anyway!", Escape and the close request ask first: end, hide, or float the IP bar.
void CVorlIPDlg::OnExitAnyway() {
    // A close request while the question is open (the taskbar, a shutdown, another program)
    // must not start the one dialog object a second time inside itself.
    if (HWND hAsk = g_AskDialog.GetSafeHwnd()) {
        ::SetForegroundWindow(hAsk);
        return;
    }
    g_AskDialog.m_nLanguage = m_Options.language;
    const INT_PTR nChoice = g_AskDialog.DoModal(m_hWnd);
    if (nChoice == IDCANCEL) return;
    if (nChoice == IDOK && g_AskDialog.m_bHideRequested) {
        HideToTray();
        return;
    }
    EndProgram(IDCANCEL);
}

void CVorlIPDlg::OnCheckModificationsAndExit() {
    EndProgram(IDOK);
}

void CVorlIPDlg::EndProgram(INT_PTR nResult) {
    // A close request can arrive while a handler waits: for the answer to a question, for the
    // commands of an apply, or in a message box of the search window. That handler goes on
    // with the runner, the printers, the lists or its own window (which goes with this one)
    // afterwards, so the end waits until every handler has returned.
    if (m_bApplying || IsNestedMessage()) {
        m_nPendingExit = nResult;
        CallWhenNoHandlerRuns();
        return;
    }
    // The bar's worker writes to the bar's window, which the system destroys with its owner
    // before the owner hears of it: stop and wait for the worker first.
    CFloatDlg::Release();
    // The window goes first; its resources are released when it is destroyed, once no
    // handler of it can run any more.
    DestroyWindow();
}

void CVorlIPDlg::OnDestroy() {
    ReleaseResources();
}

// The program ends when its main window is gone.
void CVorlIPDlg::OnNcDestroy() {
    ::PostQuitMessage(0);
}

void CVorlIPDlg::OnNoHandlerRuns() {
    if (m_nPendingExit == 0) return;
    const INT_PTR nResult = m_nPendingExit;
    m_nPendingExit = 0;
    EndProgram(nResult);
}

INT_PTR CVorlIPDlg::OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
    if (uMsg == platform::TaskbarCreatedMessage()) {
        OnTaskbarCreated();
        return FALSE;
    }
    switch (uMsg) {
        case WM_DRAWITEM:
            bHandled = DrawIconButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return bHandled ? TRUE : FALSE;
        case kTrayCallbackMessage:
            OnTrayCallback(lParam);
            ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, 0);
            bHandled = true;
            return TRUE;
        case WM_TIMER:
            if (wParam == kConfigReloadTimerId) {
                OnConfigurationReloadTimer();
                bHandled = true;
                return TRUE;
            }
            if (wParam == kSwitchPollTimerId) {
                OnSwitchPoll(false);
                bHandled = true;
                return TRUE;
            }
            if (wParam != kTrayRetryTimerId) return FALSE;
            OnTrayRetryTimer();
            bHandled = true;
            return TRUE;
        case kNetworkChangedMessage:
            OnSwitchNotice();
            bHandled = true;
            return TRUE;
        case WM_POWERBROADCAST:
            // A laptop moved while asleep may never show its link going down: look again.
            if (IsWakeBroadcast(wParam, lParam)) OnSwitchPoll(true);
            return FALSE;
        case kConfigChangedMessage:
            OnConfigurationFileChanged();
            bHandled = true;
            return TRUE;
        case WM_HOTKEY:
            OnGlobalHotKey(static_cast<int>(wParam), LOWORD(lParam), HIWORD(lParam));
            return FALSE;
        case WM_COMMAND:
            // Menu commands carry no control; the tray hands out ids past its reserved span
            // when there are many profiles, and every one of them must act.
            if (lParam == 0 && g_TrayIcon.IsRoutedId(LOWORD(wParam))) {
                OnTrayEntry(LOWORD(wParam));
                bHandled = true;
                return TRUE;
            }
            return FALSE;
        case WM_SYSCOLORCHANGE:
            for (CButtonST& button : m_IconButtons) button.SetDefaultColors();
            return FALSE;
        case WM_CLOSE:
            OnExitAnyway();
            bHandled = true;
            return TRUE;
        case WM_SIZE:
            OnSize();
            return FALSE;
        case WM_QUERYDRAGICON:
            bHandled = true;
            return reinterpret_cast<INT_PTR>(m_hIcon);
        case WM_PAINT:
            if (!::IsIconic(m_hWnd)) return FALSE;
            PaintMinimizedIcon();
            bHandled = true;
            return TRUE;
        default:
            return FALSE;
    }
}

// While minimised the window shows its icon in the middle of the client area.
void CVorlIPDlg::PaintMinimizedIcon() {
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    ::SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    ::DrawIcon(hdc, (rc.right - cxIcon + 1) / 2, (rc.bottom - cyIcon + 1) / 2, m_hIcon);
    ::EndPaint(m_hWnd, &ps);
}

void CVorlIPDlg::ReleaseResources() {
    if (m_bReleased) return;
    m_bReleased = true;
    StopFollowingFile();
    StopSwitching();
    if (m_pSearchDlg) {
        m_pSearchDlg->DestroyWindow();
        m_pSearchDlg.reset();
    }
    g_TrayIcon.RemoveTrayIcon(m_hWnd);
    // The bar's worker must be stopped and waited for before the windows it writes to go.
    CFloatDlg::Release();
    if (m_pChanger) {
        m_pChanger->Stop();
        m_pChanger.reset();
    }
    m_pIniSectionList.reset();
    m_pPrinters.reset();
    m_pHelpDlg.reset();
    if (m_pProcessingDlg) {
        m_pProcessingDlg->DestroyWindow();
        m_pProcessingDlg.reset();
    }
}
