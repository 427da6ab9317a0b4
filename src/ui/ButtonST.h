// A flat push button drawn by the program: a raised border and other colours while the pointer
// is over it, an optional icon beside the caption. The main window attaches one to each of its
// command buttons and passes WM_DRAWITEM for them to DrawItem.
#pragma once

#include <windows.h>

#include <array>

class CButtonST {
public:
    // Colour slots of SetColor and OffsetColor.
    enum ColorIndex {
        BTNST_COLOR_BK_IN = 0,   // background while hovered or pressed
        BTNST_COLOR_FG_IN = 1,   // caption while hovered or pressed
        BTNST_COLOR_BK_OUT = 2,  // background otherwise
        BTNST_COLOR_FG_OUT = 3,  // caption otherwise
        BTNST_COLOR_BK_FOCUS = 4,
        BTNST_COLOR_FG_FOCUS = 5,
        BTNST_MAX_COLORS = 6,
    };
    enum Align {
        ST_ALIGN_HORIZ = 0,        // icon left of the caption
        ST_ALIGN_VERT = 1,         // icon above the caption
        ST_ALIGN_HORIZ_RIGHT = 2,  // icon right of the caption
        ST_ALIGN_OVERLAP = 3,
    };

    CButtonST();
    ~CButtonST();
    CButtonST(const CButtonST&) = delete;
    CButtonST& operator=(const CButtonST&) = delete;

    // Attaches to control nId of hDialog and makes it owner-drawn, remembering whether it was
    // the default push button; false when there is no such control.
    bool SubclassDlgItem(HWND hDialog, int nId);
    // Takes ownership of hIcon (the previous icon is destroyed); a handle that cannot be
    // queried leaves the button without icon.
    void SetIcon(HICON hIcon);
    void SetAlign(int nAlign, bool bRepaint = true);
    void SetColor(int nIndex, COLORREF color, bool bRepaint = true);
    // Lightens a colour slot by up to nAmount per channel, keeping the hue.
    void OffsetColor(int nIndex, int nAmount, bool bRepaint = true);
    // Back to the system's button colours (after the user changed the colour scheme).
    void SetDefaultColors(bool bRepaint = true);
    // Paints the button; called from the owner's WM_DRAWITEM.
    void DrawItem(const DRAWITEMSTRUCT& dis);

    HWND GetSafeHwnd() const { return m_hWnd; }
    int GetDlgCtrlID() const { return m_nId; }
    bool IsHovered() const { return m_bMouseOnButton; }
    bool IsDefault() const { return m_bIsDefault; }

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR uIdSubclass, DWORD_PTR dwRefData);
    LRESULT OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(WPARAM wParam);
    void CancelHover();
    void Repaint();
    void FreeIcon();
    void DrawIconPart(HDC hdc, const RECT& rcItem, bool bPressed, bool bDisabled) const;
    void DrawCaption(HDC hdc, RECT rcSpace, bool bPressed, bool bDisabled, COLORREF color) const;

    HWND m_hWnd = nullptr;
    int m_nId = 0;
    bool m_bIsDefault = false;
    bool m_bMouseOnButton = false;
    bool m_bIsFlat = true;
    bool m_bDrawBorder = true;
    bool m_bAlwaysTrack = true;
    bool m_bDrawFlatFocus = false;
    int m_nAlign = ST_ALIGN_HORIZ;
    POINT m_ptPressedOffset = {1, 1};
    POINT m_ptImageMargin = {3, 3};
    std::array<COLORREF, BTNST_MAX_COLORS> m_crColors{};
    HICON m_hIcon = nullptr;
    int m_cxIcon = 0;
    int m_cyIcon = 0;
};
