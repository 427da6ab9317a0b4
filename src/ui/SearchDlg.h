// The search window over profile titles; created on first use and kept until the main window
// closes.
#pragma once

#include "win/Dialog.h"

class CVorlIPDlg;

class SearchDlg : public win::Dialog {
public:
    SearchDlg();

    CVorlIPDlg* m_pMainDlg = nullptr;
};
