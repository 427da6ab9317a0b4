// The terminate dialog: asks whether to end the program, hide it in the notification area, or
// float the IP bar and hide. One instance for the whole program, shown modally when needed.
#pragma once

#include <windows.h>

#include "config/ConfigKeys.h"
#include "win/Dialog.h"

class AskDialog : public win::Dialog {
public:
    AskDialog();
    ~AskDialog() override;

    // Set by the two hide choices; cleared each time the dialog is shown, so it describes only
    // the last showing. The dialog's result is IDOK for Terminate and both hides, IDCANCEL for
    // Cancel.
    bool m_bHideRequested = false;
    // The interface language, for a message the dialog shows; set before each showing.
    int m_nLanguage = kLanguageEnglish;

protected:
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    void OnNcDestroy() override;

private:
    void OnHide();
    void OnFloat();
    void OnOpenPage();
    void PlaceForDpi();
    void PaintPicture();
    bool SetCursorOverLink();
    void ReleaseLabelFont();

    HBITMAP m_hPicture = nullptr;
    HFONT m_hLabelFont = nullptr;
};

extern AskDialog g_AskDialog;
