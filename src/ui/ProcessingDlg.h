// The busy window shown while a profile is applied: the picture, cut to the logo's outline. It
// takes no input: Enter and Escape leave it where it is until the apply ends.
#pragma once

#include "win/Dialog.h"

class CProcessingDlg : public win::Dialog {
public:
    CProcessingDlg();
    ~CProcessingDlg() override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    INT_PTR OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

private:
    void OnPaint();
    void CenterOnParent();

    HBITMAP m_hPicture = nullptr;
};
