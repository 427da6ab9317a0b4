// The busy window shown while a profile is applied.
#pragma once

#include "win/Dialog.h"

class CProcessingDlg : public win::Dialog {
public:
    CProcessingDlg();
};
