#include "ui/ButtonST.h"

#include <commctrl.h>

#include <string>

#include "ui/ButtonColors.h"

namespace {
constexpr UINT_PTR kSubclassId = 1;
constexpr int kEmbossShift = 1;
}  // namespace

CButtonST::CButtonST() {
    SetDefaultColors(false);
}

CButtonST::~CButtonST() {
    if (m_hWnd) ::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
    FreeIcon();
}

bool CButtonST::SubclassDlgItem(HWND hDialog, int nId) {
    HWND hWnd = ::GetDlgItem(hDialog, nId);
    if (!hWnd ||
        !::SetWindowSubclass(hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    m_hWnd = hWnd;
    m_nId = nId;
    const LONG_PTR style = ::GetWindowLongPtrW(hWnd, GWL_STYLE);
    m_bIsDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    ::SetWindowLongPtrW(hWnd, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}

void CButtonST::FreeIcon() {
    if (m_hIcon) ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
    m_cxIcon = m_cyIcon = 0;
}

void CButtonST::SetIcon(HICON hIcon) {
    FreeIcon();
    ICONINFO info = {};
    if (hIcon && ::GetIconInfo(hIcon, &info)) {
        m_hIcon = hIcon;
        // An icon's hot spot is its centre.
        m_cxIcon = static_cast<int>(info.xHotspot * 2);
        m_cyIcon = static_cast<int>(info.yHotspot * 2);
        if (info.hbmMask) ::DeleteObject(info.hbmMask);
        if (info.hbmColor) ::DeleteObject(info.hbmColor);
    }
    Repaint();
}

void CButtonST::SetAlign(int nAlign, bool bRepaint) {
    m_nAlign = nAlign;
    if (bRepaint) Repaint();
}

void CButtonST::SetColor(int nIndex, COLORREF color, bool bRepaint) {
    if (nIndex < 0 || nIndex >= BTNST_MAX_COLORS) return;
    m_crColors[static_cast<size_t>(nIndex)] = color;
    if (bRepaint) Repaint();
}

void CButtonST::OffsetColor(int nIndex, int nAmount, bool bRepaint) {
    if (nIndex < 0 || nIndex >= BTNST_MAX_COLORS) return;
    COLORREF& color = m_crColors[static_cast<size_t>(nIndex)];
    color = LightenColor(color, nAmount);
    if (bRepaint) Repaint();
}

void CButtonST::SetDefaultColors(bool bRepaint) {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    m_crColors = {face, text, face, text, face, text};
    if (bRepaint) Repaint();
}

void CButtonST::Repaint() {
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CButtonST::CancelHover() {
    if (!m_bMouseOnButton) return;
    m_bMouseOnButton = false;
    Repaint();
}

LRESULT CALLBACK CButtonST::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR dwRefData) {
    auto* self = reinterpret_cast<CButtonST*>(dwRefData);
    if (uMsg == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hWnd, SubclassProc, kSubclassId);
        self->m_hWnd = nullptr;
        return ::DefSubclassProc(hWnd, uMsg, wParam, lParam);
    }
    return self->OnMessage(uMsg, wParam, lParam);
}

LRESULT CButtonST::OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
        case WM_GETDLGCODE:
            // Enter keeps pressing the dialog's default button.
            return DLGC_BUTTON | (m_bIsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        case BM_SETSTYLE:
            // The dialog manager moves the default-button style around; the button must stay
            // owner-drawn whatever it asks for.
            m_bIsDefault = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
            return ::DefSubclassProc(m_hWnd, uMsg, (wParam & ~BS_TYPEMASK) | BS_OWNERDRAW, lParam);
        case WM_LBUTTONDBLCLK:
            // Two quick clicks are two clicks, not a double-click notification.
            return ::DefSubclassProc(m_hWnd, WM_LBUTTONDOWN, wParam, lParam);
        case WM_MOUSEMOVE:
            OnMouseMove(wParam);
            break;
        case WM_MOUSELEAVE:
        case WM_KILLFOCUS:
        case WM_CANCELMODE:
            CancelHover();
            break;
        case WM_ENABLE:
            if (!wParam) {
                CancelHover();
                if (::GetFocus() == m_hWnd) {
                    HWND hParent = ::GetParent(m_hWnd);
                    ::SendMessageW(hParent, WM_NEXTDLGCTL, 0, FALSE);
                }
            }
            break;
        case WM_SYSCOLORCHANGE:
            SetDefaultColors(true);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(m_hWnd, uMsg, wParam, lParam);
}

void CButtonST::OnMouseMove(WPARAM wParam) {
    if ((wParam & MK_LBUTTON) && !m_bMouseOnButton) return;
    if (!m_bIsFlat) return;
    POINT pt;
    ::GetCursorPos(&pt);
    const bool bOver = ::WindowFromPoint(pt) == m_hWnd &&
                       (m_bAlwaysTrack || ::GetActiveWindow() == ::GetAncestor(m_hWnd, GA_ROOT));
    if (bOver) {
        if (m_bMouseOnButton) return;
        m_bMouseOnButton = true;
        Repaint();
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
    } else {
        CancelHover();
    }
}

namespace {

// A one-pixel frame: topLeft on the top and left edges, bottomRight on the others.
void Draw3dRect(HDC hdc, const RECT& rc, COLORREF topLeft, COLORREF bottomRight) {
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    auto fill = [hdc](int x, int y, int w, int h, COLORREF color) {
        ::SetBkColor(hdc, color);
        RECT r = {x, y, x + w, y + h};
        ::ExtTextOutW(hdc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    };
    fill(rc.left, rc.top, cx - 1, 1, topLeft);
    fill(rc.left, rc.top, 1, cy - 1, topLeft);
    fill(rc.right - 1, rc.top, 1, cy, bottomRight);
    fill(rc.left, rc.bottom - 1, cx, 1, bottomRight);
}

}  // namespace

void CButtonST::DrawItem(const DRAWITEMSTRUCT& dis) {
    HDC hdc = dis.hDC;
    const RECT rcItem = dis.rcItem;
    const bool bPressed = (dis.itemState & ODS_SELECTED) != 0;
    const bool bFocused = (dis.itemState & ODS_FOCUS) != 0;
    const bool bDisabled = (dis.itemState & ODS_DISABLED) != 0;
    const bool bHot = m_bMouseOnButton || bPressed;

    const COLORREF background = bHot       ? m_crColors[BTNST_COLOR_BK_IN]
                                : bFocused ? m_crColors[BTNST_COLOR_BK_FOCUS]
                                           : m_crColors[BTNST_COLOR_BK_OUT];
    const COLORREF caption = bHot       ? m_crColors[BTNST_COLOR_FG_IN]
                             : bFocused ? m_crColors[BTNST_COLOR_FG_FOCUS]
                                        : m_crColors[BTNST_COLOR_FG_OUT];
    HBRUSH hBrush = ::CreateSolidBrush(background);
    ::FillRect(hdc, &rcItem, hBrush);
    ::DeleteObject(hBrush);

    if (m_bIsFlat && m_bDrawBorder) {
        const COLORREF highlight = ::GetSysColor(COLOR_BTNHILIGHT);
        const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
        if (bPressed) {
            Draw3dRect(hdc, rcItem, shadow, highlight);
        } else if (m_bMouseOnButton) {
            Draw3dRect(hdc, rcItem, highlight, shadow);
        }
    }

    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ hOldFont = hFont ? ::SelectObject(hdc, hFont) : nullptr;

    // The space the icon leaves to the caption.
    RECT rcCaption = rcItem;
    if (m_hIcon) {
        const int nIconSpace = m_ptImageMargin.x + m_cxIcon;
        if (m_nAlign == ST_ALIGN_HORIZ) rcCaption.left += nIconSpace;
        if (m_nAlign == ST_ALIGN_HORIZ_RIGHT) rcCaption.right -= nIconSpace;
        if (m_nAlign == ST_ALIGN_VERT) rcCaption.top += m_ptImageMargin.y + m_cyIcon;
        DrawIconPart(hdc, rcItem, bPressed, bDisabled);
    }
    DrawCaption(hdc, rcCaption, bPressed, bDisabled, caption);

    if (hOldFont) ::SelectObject(hdc, hOldFont);
    // Flat buttons draw no focus rectangle.
    if (bFocused && !m_bIsFlat) {
        RECT rcFocus = rcItem;
        ::InflateRect(&rcFocus, -3, -3);
        ::DrawFocusRect(hdc, &rcFocus);
    }
}

void CButtonST::DrawIconPart(HDC hdc, const RECT& rcItem, bool bPressed, bool bDisabled) const {
    const int cxItem = rcItem.right - rcItem.left;
    const int cyItem = rcItem.bottom - rcItem.top;
    int x = rcItem.left + (cxItem - m_cxIcon) / 2;
    int y = rcItem.top + (cyItem - m_cyIcon) / 2;
    const bool bHasCaption = ::GetWindowTextLengthW(m_hWnd) > 0;
    if (bHasCaption) {
        switch (m_nAlign) {
            case ST_ALIGN_HORIZ:
                x = rcItem.left + m_ptImageMargin.x;
                break;
            case ST_ALIGN_HORIZ_RIGHT:
                x = rcItem.right - m_ptImageMargin.x - m_cxIcon;
                break;
            case ST_ALIGN_VERT:
                y = rcItem.top + m_ptImageMargin.y;
                break;
            default:
                break;
        }
    }
    if (bPressed) {
        x += m_ptPressedOffset.x;
        y += m_ptPressedOffset.y;
    }
    ::DrawStateW(hdc, nullptr, nullptr, reinterpret_cast<LPARAM>(m_hIcon), 0, x, y, m_cxIcon,
                 m_cyIcon, DST_ICON | (bDisabled ? DSS_DISABLED : DSS_NORMAL));
}

void CButtonST::DrawCaption(HDC hdc, RECT rcSpace, bool bPressed, bool bDisabled,
                            COLORREF color) const {
    const int nLength = ::GetWindowTextLengthW(m_hWnd);
    if (nLength <= 0) return;
    std::wstring text(static_cast<size_t>(nLength) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(m_hWnd, text.data(), nLength + 1)));

    RECT rcText = rcSpace;
    ::DrawTextW(hdc, text.c_str(), -1, &rcText, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    const int cx = rcText.right - rcText.left;
    const int cy = rcText.bottom - rcText.top;
    rcText.left = rcSpace.left + (rcSpace.right - rcSpace.left - cx) / 2;
    rcText.top = rcSpace.top + (rcSpace.bottom - rcSpace.top - cy) / 2;
    rcText.right = rcText.left + cx;
    rcText.bottom = rcText.top + cy;
    if (bPressed) ::OffsetRect(&rcText, m_ptPressedOffset.x, m_ptPressedOffset.y);

    ::SetBkMode(hdc, TRANSPARENT);
    if (bDisabled) {
        // Embossed: a highlight copy one pixel down and right under the shadow-coloured text.
        RECT rcShifted = rcText;
        ::OffsetRect(&rcShifted, kEmbossShift, kEmbossShift);
        ::SetTextColor(hdc, ::GetSysColor(COLOR_3DHILIGHT));
        ::DrawTextW(hdc, text.c_str(), -1, &rcShifted, DT_WORDBREAK | DT_CENTER);
        ::SetTextColor(hdc, ::GetSysColor(COLOR_3DSHADOW));
    } else {
        ::SetTextColor(hdc, color);
    }
    ::DrawTextW(hdc, text.c_str(), -1, &rcText, DT_WORDBREAK | DT_CENTER);
}
