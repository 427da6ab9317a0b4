#include "win/Dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

namespace win {

namespace {

// Modeless dialogs alive on this thread, whose loop alone routes their keys. Each thread has its
// own list, so a dialog that ends on another thread (the update window) can never touch the UI
// thread's, even while the program ends. Modal dialogs route their own keys in the system's loop
// and never appear here.
std::vector<HWND>& ModelessWindows() {
    thread_local std::vector<HWND> windows;
    return windows;
}

// How many handlers of this thread's dialogs are running, each waiting under the next.
thread_local int t_nHandlerDepth = 0;

// Dialogs of this thread that asked for OnNoHandlerRuns.
std::vector<HWND>& WaitingWindows() {
    thread_local std::vector<HWND> windows;
    return windows;
}

UINT NoHandlerRunsMessage() {
    static const UINT uMessage = ::RegisterWindowMessageW(L"VorlIP.NoHandlerRuns");
    return uMessage;
}

// The last handler has returned: each waiting dialog gets its call as a message of its own, so
// that it runs outside every handler, and after the window procedure that just ended.
void PostToWaitingWindows() {
    std::vector<HWND> windows;
    windows.swap(WaitingWindows());
    for (HWND hWnd : windows) ::PostMessageW(hWnd, NoHandlerRunsMessage(), 0, 0);
}

void Forget(HWND hWnd) {
    auto& windows = ModelessWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), hWnd), windows.end());
    auto& waiting = WaitingWindows();
    waiting.erase(std::remove(waiting.begin(), waiting.end(), hWnd), waiting.end());
}

}  // namespace

bool RouteDialogMessage(MSG& msg) {
    if (!msg.hwnd) return false;
    // Only the dialog that holds the window can take its keys; the others would pass.
    HWND hRoot = ::GetAncestor(msg.hwnd, GA_ROOT);
    const auto& windows = ModelessWindows();
    if (std::find(windows.begin(), windows.end(), hRoot) == windows.end()) return false;
    return ::IsDialogMessageW(hRoot, &msg) != FALSE;
}

int RunMessageLoop() {
    MSG msg;
    for (;;) {
        const BOOL bGot = ::GetMessageW(&msg, nullptr, 0, 0);
        if (bGot == 0 || bGot == -1) break;
        if (RouteDialogMessage(msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

Dialog::Dialog(UINT nTemplateId) : m_nTemplateId(nTemplateId) {}

Dialog::~Dialog() {
    if (m_hWnd) {
        // Late messages must not reach an object that no longer exists.
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        if (!m_bModal) {
            Forget(m_hWnd);
            ::DestroyWindow(m_hWnd);
        }
        m_hWnd = nullptr;
    }
}

INT_PTR Dialog::DoModal(HWND hParent) {
    m_bModal = true;
    INT_PTR nResult =
        ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplateId), hParent,
                          StaticProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return nResult;
}

bool Dialog::Create(HWND hParent) {
    m_bModal = false;
    HWND hWnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplateId),
                                     hParent, StaticProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

void Dialog::DestroyWindow() {
    // WM_NCDESTROY detaches the object and clears m_hWnd.
    if (m_hWnd && !m_bModal) ::DestroyWindow(m_hWnd);
}

void Dialog::EndDialog(INT_PTR nResult) {
    if (!m_hWnd) return;
    if (m_bModal) {
        ::EndDialog(m_hWnd, nResult);
    } else {
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

INT_PTR CALLBACK Dialog::StaticProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (uMsg == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->m_hWnd = hWnd;
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (!self->m_bModal) ModelessWindows().push_back(hWnd);
    } else {
        self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    }
    if (!self) return FALSE;
    if (uMsg == WM_NCDESTROY) {
        Forget(hWnd);
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        try {
            self->OnNcDestroy();
        } catch (...) {
        }
        return FALSE;
    }
    INT_PTR nResult = FALSE;
    ++t_nHandlerDepth;
    // Exceptions never cross into the system's window procedure.
    try {
        if (uMsg == NoHandlerRunsMessage()) {
            self->OnNoHandlerRuns();
            nResult = TRUE;
        } else {
            nResult = self->Proc(uMsg, wParam, lParam);
        }
    } catch (...) {
        nResult = FALSE;
    }
    // self may be gone by now: a handler may have destroyed its own window.
    if (--t_nHandlerDepth == 0 && !WaitingWindows().empty()) PostToWaitingWindows();
    return nResult;
}

void Dialog::CallWhenNoHandlerRuns() {
    if (!m_hWnd) return;
    auto& waiting = WaitingWindows();
    if (std::find(waiting.begin(), waiting.end(), m_hWnd) == waiting.end()) {
        waiting.push_back(m_hWnd);
    }
    if (t_nHandlerDepth == 0) PostToWaitingWindows();
}

bool Dialog::IsNestedMessage() {
    return t_nHandlerDepth > 1;
}

INT_PTR Dialog::Proc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        case WM_COMMAND: {
            const int nId = LOWORD(wParam);
            const int nCode = HIWORD(wParam);
            if (DispatchCommand(nId, nCode)) return TRUE;
            if (nCode == BN_CLICKED && nId == IDOK) {
                OnOK();
                return TRUE;
            }
            if (nCode == BN_CLICKED && nId == IDCANCEL) {
                OnCancel();
                return TRUE;
            }
            break;
        }
        default:
            break;
    }
    bool bHandled = false;
    INT_PTR nResult = OnMessage(uMsg, wParam, lParam, bHandled);
    return bHandled ? nResult : FALSE;
}

INT_PTR Dialog::OnMessage(UINT, WPARAM, LPARAM, bool& bHandled) {
    bHandled = false;
    return 0;
}

bool Dialog::DispatchCommand(int nId, int nCode) {
    for (const CommandEntry& entry : m_Commands) {
        if (entry.nId == nId && entry.nCode == nCode) {
            entry.handler();
            return true;
        }
    }
    return false;
}

std::wstring Dialog::GetItemText(int nId) const {
    HWND hItem = GetItem(nId);
    if (!hItem) return {};
    const int nLength = ::GetWindowTextLengthW(hItem);
    std::wstring text(static_cast<size_t>(nLength) + 1, L'\0');
    const int nCopied = ::GetWindowTextW(hItem, text.data(), nLength + 1);
    text.resize(nCopied > 0 ? static_cast<size_t>(nCopied) : 0);
    return text;
}

void Dialog::SetItemText(int nId, const std::wstring& text) {
    ::SetDlgItemTextW(m_hWnd, nId, text.c_str());
}

void Dialog::EnableItem(int nId, bool bEnable) {
    ::EnableWindow(GetItem(nId), bEnable);
}

bool Dialog::IsItemEnabled(int nId) const {
    return ::IsWindowEnabled(GetItem(nId)) != FALSE;
}

void Dialog::ShowItem(int nId, bool bShow) {
    ::ShowWindow(GetItem(nId), bShow ? SW_SHOW : SW_HIDE);
}

bool Dialog::IsChecked(int nId) const {
    return ::IsDlgButtonChecked(m_hWnd, nId) == BST_CHECKED;
}

void Dialog::CheckButton(int nId, bool bCheck) {
    ::CheckDlgButton(m_hWnd, nId, bCheck ? BST_CHECKED : BST_UNCHECKED);
}

int Dialog::ComboAdd(int nId, const std::wstring& text) {
    return static_cast<int>(::SendDlgItemMessageW(m_hWnd, nId, CB_ADDSTRING, 0,
                                                  reinterpret_cast<LPARAM>(text.c_str())));
}

void Dialog::ComboReset(int nId) {
    ::SendDlgItemMessageW(m_hWnd, nId, CB_RESETCONTENT, 0, 0);
}

int Dialog::ComboCount(int nId) const {
    return static_cast<int>(::SendDlgItemMessageW(m_hWnd, nId, CB_GETCOUNT, 0, 0));
}

int Dialog::ComboGetCurSel(int nId) const {
    return static_cast<int>(::SendDlgItemMessageW(m_hWnd, nId, CB_GETCURSEL, 0, 0));
}

void Dialog::ComboSetCurSel(int nId, int nIndex) {
    ::SendDlgItemMessageW(m_hWnd, nId, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
}

std::wstring Dialog::ComboGetItemText(int nId, int nIndex) const {
    const LRESULT nLength = ::SendDlgItemMessageW(m_hWnd, nId, CB_GETLBTEXTLEN, nIndex, 0);
    if (nLength == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(nLength) + 1, L'\0');
    ::SendDlgItemMessageW(m_hWnd, nId, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(nLength));
    return text;
}

AddressInput Dialog::GetIp(int nId) const {
    AddressInput field;
    DWORD dwAddress = 0;
    const LRESULT nFilled =
        ::SendDlgItemMessageW(m_hWnd, nId, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&dwAddress));
    field.bytes[0] = static_cast<BYTE>(FIRST_IPADDRESS(dwAddress));
    field.bytes[1] = static_cast<BYTE>(SECOND_IPADDRESS(dwAddress));
    field.bytes[2] = static_cast<BYTE>(THIRD_IPADDRESS(dwAddress));
    field.bytes[3] = static_cast<BYTE>(FOURTH_IPADDRESS(dwAddress));
    field.fill = nFilled == 0  ? AddressFill::Blank
                 : nFilled < 4 ? AddressFill::Partial
                               : AddressFill::Complete;
    return field;
}

void Dialog::SetIp(int nId, const std::wstring& dotted) {
    uint8_t bytes[4];
    if (!ParseDottedQuad(dotted, bytes)) {
        ClearIp(nId);
        return;
    }
    ::SendDlgItemMessageW(m_hWnd, nId, IPM_SETADDRESS, 0,
                          MAKEIPADDRESS(bytes[0], bytes[1], bytes[2], bytes[3]));
}

void Dialog::ClearIp(int nId) {
    ::SendDlgItemMessageW(m_hWnd, nId, IPM_CLEARADDRESS, 0, 0);
}

}  // namespace win
