// The help window with its tabs; one per program, created at the first request and run modally
// again for every later one.
#pragma once

#include "win/Dialog.h"

class CHelpDlg : public win::Dialog {
public:
    CHelpDlg();

    int m_nInitialTab = 0;

protected:
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

private:
    // Replaces the text box's contents with the selected tab's text, whatever was typed there.
    void FillText();
};
