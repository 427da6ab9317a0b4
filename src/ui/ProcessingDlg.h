// The busy window shown while a profile is applied: the picture, cut to the logo's outline.
#pragma once

#include "win/Dialog.h"

class CProcessingDlg : public win::Dialog {
public:
    CProcessingDlg();
    ~CProcessingDlg() override;

protected:
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

private:
    void OnPaint();
    void CenterOnParent();

    HBITMAP m_hPicture = nullptr;
};
