// The help window with its tabs; one per program, created at the first request.
#pragma once

#include "win/Dialog.h"

class CHelpDlg : public win::Dialog {
public:
    CHelpDlg();

    int m_nInitialTab = 0;
};
