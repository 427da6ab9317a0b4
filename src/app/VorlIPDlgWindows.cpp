// The main window's own secondary windows: the search window, the help window and the icon
// buttons it draws itself.
#include "app/VorlIPDlg.h"
#include "resource.h"
#include "ui/HelpDlg.h"
#include "ui/SearchDlg.h"

namespace {

constexpr COLORREF kCaptionHover = RGB(255, 0, 0);
constexpr COLORREF kCaptionNormal = RGB(0, 0, 255);
constexpr int kHoverLighten = 50;

enum class IconSize { None, Standard, Stored };

struct IconButtonSetup {
    int nId;
    int nIcon;
    IconSize size;
    int nAlign;
    bool bColored;
};

// In the order the buttons are set up; the size-trouble button keeps the class's colours.
constexpr IconButtonSetup kIconButtons[CVorlIPDlg::kIconButtonCount] = {
    {IDC_CHANGE_ALL, IDI_CHANGE_ALL, IconSize::Standard, CButtonST::ST_ALIGN_HORIZ, true},
    {IDCANCEL, IDI_EXIT, IconSize::Standard, CButtonST::ST_ALIGN_HORIZ, true},
    {IDC_VISIT, IDI_VISIT, IconSize::Stored, CButtonST::ST_ALIGN_HORIZ, true},
    {IDC_SAVE_OPTION, IDI_SAVE_OPTION, IconSize::Stored, CButtonST::ST_ALIGN_HORIZ, true},
    {IDC_HIDE_TRAY, IDI_HIDE_TRAY, IconSize::Stored, CButtonST::ST_ALIGN_HORIZ, true},
    {IDC_ABOUT, IDI_HELP, IconSize::Stored, CButtonST::ST_ALIGN_HORIZ_RIGHT, true},
    {IDC_WHATS_NEW, IDI_WHATS_NEW, IconSize::Stored, CButtonST::ST_ALIGN_HORIZ, true},
    {IDC_LOAD_CURRENT, 0, IconSize::None, CButtonST::ST_ALIGN_HORIZ, true},
    {IDC_SAVE, 0, IconSize::None, CButtonST::ST_ALIGN_HORIZ, true},
    {IDC_DELETE, 0, IconSize::None, CButtonST::ST_ALIGN_HORIZ, true},
    {IDC_SIZE_TROUBLE, 0, IconSize::None, CButtonST::ST_ALIGN_HORIZ, false},
};

HICON LoadButtonIcon(int nIcon, IconSize size) {
    // LR_DEFAULTSIZE gives the system's large-icon size; without it the size stored in the
    // resource is taken. The icon is not shared: the button destroys it.
    const UINT uFlags = size == IconSize::Standard ? LR_DEFAULTSIZE : 0;
    return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nIcon),
                                           IMAGE_ICON, 0, 0, uFlags));
}

}  // namespace

void CVorlIPDlg::SetupIconButtons() {
    for (size_t i = 0; i < m_IconButtons.size(); ++i) {
        const IconButtonSetup& setup = kIconButtons[i];
        CButtonST& button = m_IconButtons[i];
        if (!button.SubclassDlgItem(m_hWnd, setup.nId)) continue;
        if (setup.size != IconSize::None) button.SetIcon(LoadButtonIcon(setup.nIcon, setup.size));
        if (!setup.bColored) continue;
        button.OffsetColor(CButtonST::BTNST_COLOR_BK_IN, kHoverLighten);
        button.SetColor(CButtonST::BTNST_COLOR_FG_IN, kCaptionHover);
        button.SetColor(CButtonST::BTNST_COLOR_FG_OUT, kCaptionNormal);
        if (setup.nAlign != CButtonST::ST_ALIGN_HORIZ) button.SetAlign(setup.nAlign);
    }
}

bool CVorlIPDlg::DrawIconButton(const DRAWITEMSTRUCT& dis) {
    for (CButtonST& button : m_IconButtons) {
        if (button.GetSafeHwnd() && button.GetSafeHwnd() == dis.hwndItem) {
            button.DrawItem(dis);
            return true;
        }
    }
    return false;
}

void CVorlIPDlg::OnSearch() {
    if (!m_pSearchDlg) {
        auto pSearch = std::make_unique<SearchDlg>();
        pSearch->m_getProfiles = [this] { return std::span<const Profile>(profiles); };
        pSearch->m_showProfile = [this](size_t nIndex) { ShowProfile(static_cast<int>(nIndex)); };
        if (!pSearch->Create(m_hWnd)) return;
        m_pSearchDlg = std::move(pSearch);
    }
    ::ShowWindow(m_pSearchDlg->GetSafeHwnd(), SW_SHOWNORMAL);
}

void CVorlIPDlg::OpenHelp(int nTab) {
    if (!m_pHelpDlg) m_pHelpDlg = std::make_unique<CHelpDlg>();
    m_pHelpDlg->m_nInitialTab = nTab;
    // Owned by the main window, so the main window cannot start a second help run meanwhile.
    m_pHelpDlg->DoModal(m_hWnd);
}
