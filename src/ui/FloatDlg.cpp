#include "ui/FloatDlg.h"

#include <chrono>
#include <cstdint>

#include "platform/System.h"
#include "resource.h"
#include "ui/DesktopLayout.h"

namespace {

// Every pixel of exactly this colour is transparent and lets clicks through.
constexpr COLORREF kTransparentColour = RGB(1, 11, 21);
// The worker hands each new address to the window's thread; wParam carries its four bytes.
constexpr UINT kAddressMessage = WM_APP + 1;
// Without an address change the text is looked up again this often.
constexpr DWORD kRefreshMilliseconds = 2000;
// However often the system reports changes, lookups keep at least this distance.
constexpr DWORD kMinimumPassMilliseconds = 250;

std::unique_ptr<CFloatDlg> g_pFloatDlg;

WPARAM PackAddress(const uint8_t bytes[4]) {
    return static_cast<WPARAM>(bytes[0]) << 24 | static_cast<WPARAM>(bytes[1]) << 16 |
           static_cast<WPARAM>(bytes[2]) << 8 | static_cast<WPARAM>(bytes[3]);
}

void UnpackAddress(WPARAM packed, uint8_t bytes[4]) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(packed >> (24 - 8 * i));
}

}  // namespace

CFloatDlg::CFloatDlg() : win::Dialog(IDD_FLOAT) {
    OnCommandMap(IDC_FLOAT_HIDE, BN_CLICKED, &CFloatDlg::OnHide);
}

CFloatDlg::~CFloatDlg() {
    Shutdown();
    if (m_hBackground) ::DeleteObject(m_hBackground);
}

CFloatDlg* CFloatDlg::Get(HWND hOwner) {
    if (!g_pFloatDlg) {
        auto pBar = std::make_unique<CFloatDlg>();
        if (!pBar->Create(hOwner)) return nullptr;
        g_pFloatDlg = std::move(pBar);
    }
    return g_pFloatDlg.get();
}

void CFloatDlg::Release() {
    if (g_pFloatDlg) g_pFloatDlg->Shutdown();
}

void CFloatDlg::Shutdown() {
    m_bStop = true;
    m_stop.Set();
    m_worker.Join();
    DestroyWindow();
}

BOOL CFloatDlg::OnInitDialog() {
    m_hBackground = ::CreateSolidBrush(kTransparentColour);
    const uint8_t none[4] = {0, 0, 0, 0};
    m_strIpText = FloatAddressText(none);
    SetItemText(IDC_FLOAT_TEXT, m_strIpText);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, ::GetWindowLongW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWnd, kTransparentColour, 0, LWA_COLORKEY);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND hWnd = m_hWnd;
    m_worker.Start([this, hWnd] { FloatThreadProc(hWnd); });
    return TRUE;
}

void CFloatDlg::OnHide() {
    ::ShowWindow(m_hWnd, SW_HIDE);
}

// The worker looks the address up when the system reports a change, and otherwise every
// kRefreshMilliseconds. It hands the address over whenever the label does not show it yet, not
// just once per change: a posted message can be lost (the system's modal loop throws away the
// one it fetches after the terminate dialog has ended), and the next pass repairs that.
void CFloatDlg::FloatThreadProc(HWND hWnd) {
    platform::SocketSession sockets;
    platform::AddressChangeWatch watch;
    bool bWatching = watch.Arm();
    while (!m_bStop) {
        const auto passStart = std::chrono::steady_clock::now();
        uint8_t bytes[4] = {};
        if (sockets.IsReady() && platform::LookUpOwnAddress(bytes) &&
            PackAddress(bytes) != m_nShownAddress.load(std::memory_order_acquire)) {
            ::PostMessageW(hWnd, kAddressMessage, PackAddress(bytes), 0);
        }
        HANDLE handles[2] = {m_stop.Handle(), watch.Event()};
        const DWORD nHandles = bWatching && watch.Event() ? 2 : 1;
        const DWORD dwWait =
            ::WaitForMultipleObjects(nHandles, handles, FALSE, kRefreshMilliseconds);
        if (dwWait == WAIT_OBJECT_0 || m_bStop) break;
        if (dwWait == WAIT_OBJECT_0 + 1) bWatching = watch.Arm();
        const auto elapsed = std::chrono::steady_clock::now() - passStart;
        const auto rest = std::chrono::milliseconds(kMinimumPassMilliseconds) - elapsed;
        if (rest.count() > 0) {
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(rest).count();
            if (m_stop.Wait(static_cast<DWORD>(ms))) break;
        }
    }
}

INT_PTR CFloatDlg::HitTest(LPARAM lParam) {
    const LRESULT nDefault = ::DefWindowProcW(m_hWnd, WM_NCHITTEST, 0, lParam);
    const int vkPrimary = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    const bool bPrimaryDown = (::GetAsyncKeyState(vkPrimary) & 0x8000) != 0;
    // Pressing anywhere on the visible parts and moving drags the bar, as a caption would.
    return nDefault == HTCLIENT && bPrimaryDown ? HTCAPTION : nDefault;
}

INT_PTR CFloatDlg::OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
    switch (uMsg) {
        case kAddressMessage: {
            uint8_t bytes[4];
            UnpackAddress(wParam, bytes);
            m_strIpText = FloatAddressText(bytes);
            SetItemText(IDC_FLOAT_TEXT, m_strIpText);
            m_nShownAddress.store(wParam, std::memory_order_release);
            bHandled = true;
            return TRUE;
        }
        case WM_NCHITTEST:
            ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, HitTest(lParam));
            bHandled = true;
            return TRUE;
        case WM_CTLCOLORDLG:
            bHandled = true;
            return reinterpret_cast<INT_PTR>(m_hBackground);
        case WM_CTLCOLORSTATIC:
            ::SetBkColor(reinterpret_cast<HDC>(wParam), kTransparentColour);
            bHandled = true;
            return reinterpret_cast<INT_PTR>(m_hBackground);
        default:
            return FALSE;
    }
}
