#include "ui/ProcessingDlg.h"

#include "resource.h"

CProcessingDlg::CProcessingDlg() : win::Dialog(IDD_PROCESSING) {}
