#include "app/VorlIPApp.h"

#include <commctrl.h>

#include "app/VorlIPDlg.h"
#include "win/Dialog.h"

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

    // The main window is modeless so that one loop serves it and every other modeless window
    // alike: Enter, Tab and Escape reach the search window too. The loop ends when the main
    // window has been destroyed.
    CVorlIPDlg dlg;
    if (dlg.Create()) {
        if (dlg.m_bVisible) {
            ::ShowWindow(dlg.GetSafeHwnd(), SW_SHOWNORMAL);
            ::UpdateWindow(dlg.GetSafeHwnd());
        }
        dlg.OnWindowUp();
        win::RunMessageLoop();
    }
    return FALSE;
}
