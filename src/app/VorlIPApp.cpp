#include "app/VorlIPApp.h"

#include <commctrl.h>

#include "app/VorlIPDlg.h"

CVorlIPApp theApp;

namespace {
// Every class of the common-controls library.
constexpr DWORD kAllCommonControlClasses = 0xFF;
}  // namespace

BOOL CVorlIPApp::InitInstance() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), kAllCommonControlClasses};
    ::InitCommonControlsEx(&icc);
    // The IP address control lives in the "internet" class group, outside the first byte.
    icc.dwICC = ICC_INTERNET_CLASSES;
    ::InitCommonControlsEx(&icc);

    // Ask the restart manager to restart us after an update or crash; no recovery is offered.
    ::RegisterApplicationRestart(nullptr, 0);

    CVorlIPDlg dlg;
    dlg.DoModal();
    return FALSE;
}
