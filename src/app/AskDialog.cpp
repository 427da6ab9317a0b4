#include "app/AskDialog.h"
#include "app/WindowPlacement.h"

#include <windowsx.h>

#include "platform/System.h"
#include "resource.h"
#include "ui/DesktopLayout.h"
#include "ui/FloatDlg.h"
#include "ui/WebPage.h"

AskDialog g_AskDialog;

namespace {

// The project's page, behind the picture strip.
constexpr wchar_t kProjectPage[] = L"https://vorlip.example/";
constexpr wchar_t kLabelFace[] = L"Arial Black";
// Tenths of a point, as a point-size font description counts them.
constexpr int kLabelDeciPoints = 500;
constexpr int kDeciPointsPerInch = 720;

}  // namespace

AskDialog::AskDialog() : win::Dialog(IDD_ASK_DIALOG) {
    OnCommandMap(IDC_ASK_HIDE, BN_CLICKED, &AskDialog::OnHide);
    OnCommandMap(IDC_ASK_FLOAT, BN_CLICKED, &AskDialog::OnFloat);
    OnCommandMap(IDC_ASK_LAUNCHER, BN_CLICKED, &AskDialog::OnOpenPage);
}

AskDialog::~AskDialog() {
    ReleaseLabelFont();
    if (m_hPicture) ::DeleteObject(m_hPicture);
}

BOOL AskDialog::OnInitDialog() {
    m_bHideRequested = false;
    if (!m_hPicture) {
        m_hPicture = static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                       MAKEINTRESOURCEW(IDB_TERMINATE_SIDE),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
    // The size message sent while the window was created never reached this procedure.
    PlaceForDpi();

    ReleaseLabelFont();
    LOGFONTW lf = {};
    lf.lfHeight = -::MulDiv(kLabelDeciPoints, platform::GetScreenDpi().y, kDeciPointsPerInch);
    lf.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(lf.lfFaceName, kLabelFace);
    m_hLabelFont = ::CreateFontIndirectW(&lf);
    if (m_hLabelFont) {
        ::SendDlgItemMessageW(m_hWnd, IDC_ASK_LABEL, WM_SETFONT,
                              reinterpret_cast<WPARAM>(m_hLabelFont), TRUE);
    }
    return TRUE;
}

// The label is gone by now: its font is freed with the dialog, not at the next showing.
void AskDialog::OnNcDestroy() {
    ReleaseLabelFont();
}

void AskDialog::ReleaseLabelFont() {
    if (m_hLabelFont) ::DeleteObject(m_hLabelFont);
    m_hLabelFont = nullptr;
}

void AskDialog::OnHide() {
    m_bHideRequested = true;
    EndDialog(IDOK);
}

void AskDialog::OnFloat() {
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (CFloatDlg* pBar = CFloatDlg::Get(hOwner)) {
        ::ShowWindow(pBar->GetSafeHwnd(), SW_SHOWNORMAL);
    }
    m_bHideRequested = true;
    EndDialog(IDOK);
}

void AskDialog::OnOpenPage() {
    OpenWebPage(m_hWnd, kProjectPage, m_nLanguage);
}

// From 120 dpi up the dialog stands larger in the work area's corner; below, it keeps the place
// the system gave it. Setting the size it already has sends no further size message.
void AskDialog::PlaceForDpi() {
    const TerminateDialogLayout layout =
        TerminateDialogLayoutFor(platform::GetScreenDpi().x, MetricsOf(m_hWnd));
    RECT rc;
    if (!::GetWindowRect(m_hWnd, &rc)) return;
    const bool bSized =
        rc.right - rc.left == layout.size.cx && rc.bottom - rc.top == layout.size.cy;
    if (layout.bAtCorner) {
        if (bSized && rc.left == 0 && rc.top == 0) return;
        PlaceInWorkArea(m_hWnd, 0, 0, layout.size.cx, layout.size.cy);
    } else if (!bSized) {
        ResizeKeepingCorner(m_hWnd, layout.size.cx, layout.size.cy);
    }
}

void AskDialog::PaintPicture() {
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    if (m_hPicture) {
        HDC hMemory = ::CreateCompatibleDC(hdc);
        HGDIOBJ hOld = ::SelectObject(hMemory, m_hPicture);
        BITMAP bm = {};
        ::GetObjectW(m_hPicture, sizeof(bm), &bm);
        ::BitBlt(hdc, 0, 0, bm.bmWidth, bm.bmHeight, hMemory, 0, 0, SRCCOPY);
        ::SelectObject(hMemory, hOld);
        ::DeleteDC(hMemory);
    }
    ::EndPaint(m_hWnd, &ps);
}

bool AskDialog::SetCursorOverLink() {
    POINT pt;
    RECT rc;
    if (!::GetCursorPos(&pt) || !::GetWindowRect(m_hWnd, &rc)) return false;
    if (!IsOverTerminateLink(pt.x - rc.left, pt.y - rc.top)) return false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return true;
}

INT_PTR AskDialog::OnMessage(UINT uMsg, WPARAM, LPARAM lParam, bool& bHandled) {
    switch (uMsg) {
        case WM_SIZE:
            PlaceForDpi();
            return FALSE;
        case WM_PAINT:
            PaintPicture();
            bHandled = true;
            return TRUE;
        case WM_SETCURSOR:
            if (!SetCursorOverLink()) return FALSE;
            ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, TRUE);
            bHandled = true;
            return TRUE;
        case WM_LBUTTONDOWN:
            if (IsTerminateLinkClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) OnOpenPage();
            return FALSE;
        default:
            return FALSE;
    }
}
