#include "ui/ProcessingDlg.h"

#include "platform/BitmapRegion.h"
#include "resource.h"

CProcessingDlg::CProcessingDlg() : win::Dialog(IDD_PROCESSING) {}

CProcessingDlg::~CProcessingDlg() {
    if (m_hPicture) ::DeleteObject(m_hPicture);
}

BOOL CProcessingDlg::OnInitDialog() {
    win::Dialog::OnInitDialog();
    HINSTANCE hInstance = ::GetModuleHandleW(nullptr);
    m_hPicture = static_cast<HBITMAP>(
        ::LoadImageW(hInstance, MAKEINTRESOURCEW(IDB_PROCESSING), IMAGE_BITMAP, 0, 0, 0));
    if (m_hPicture) {
        BITMAP bm = {};
        ::GetObjectW(m_hPicture, sizeof(bm), &bm);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOZORDER);
    }
    // Without the mask the window simply stays a rectangle.
    HRGN hRegion = nullptr;
    if (HBITMAP hMask = static_cast<HBITMAP>(::LoadImageW(
            hInstance, MAKEINTRESOURCEW(IDB_PROCESSING_MASK), IMAGE_BITMAP, 0, 0, 0))) {
        hRegion = platform::CreateRegionFromBitmap(hMask);
        ::DeleteObject(hMask);
    }
    // The window owns the region from here on.
    ::SetWindowRgn(m_hWnd, hRegion, TRUE);
    CenterOnParent();
    return TRUE;
}

void CProcessingDlg::CenterOnParent() {
    HWND hParent = ::GetWindow(m_hWnd, GW_OWNER);
    RECT rcParent;
    if (!hParent || !::GetWindowRect(hParent, &rcParent)) return;
    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    const int x = rcParent.left + (rcParent.right - rcParent.left - cx) / 2;
    const int y = rcParent.top + (rcParent.bottom - rcParent.top - cy) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CProcessingDlg::OnMessage(UINT uMsg, WPARAM, LPARAM, bool& bHandled) {
    if (uMsg != WM_PAINT) return FALSE;
    OnPaint();
    bHandled = true;
    return TRUE;
}

void CProcessingDlg::OnPaint() {
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    if (HDC hMem = ::CreateCompatibleDC(hdc)) {
        HGDIOBJ hOld = ::SelectObject(hMem, m_hPicture);
        ::BitBlt(hdc, 0, 0, rc.right, rc.bottom, hMem, 0, 0, SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
    }
    ::EndPaint(m_hWnd, &ps);
}
