#include "ui/SearchDlg.h"

#include "resource.h"

SearchDlg::SearchDlg() : win::Dialog(IDD_SEARCH) {}
