// The main window's desktop side: tray, system options, search, help and web links. Each of these
// is one named operation; the ones whose windows and registry entries are not built yet do nothing.
#include "app/VorlIPDlg.h"
#include "platform/Shell.h"
#include "resource.h"

namespace {
constexpr wchar_t kSocialPage[] = L"https://www.facebook.com/";
}  // namespace

void CVorlIPDlg::HideToTray() {}
void CVorlIPDlg::SetStartOnBoot() {}
void CVorlIPDlg::SetGlobalHotKey() {}
void CVorlIPDlg::SetChangeForce() {}
void CVorlIPDlg::FixWindowSize() {}

void CVorlIPDlg::OnVisitFacebook() {
    platform::OpenInBrowser(kSocialPage);
}
