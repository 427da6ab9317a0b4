#include "ui/HelpDlg.h"

#include "resource.h"

CHelpDlg::CHelpDlg() : win::Dialog(IDD_HELP) {}
