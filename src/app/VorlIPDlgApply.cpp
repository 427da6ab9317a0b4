// Applying the form: the printer choice and "Change All".
#include "app/VorlIPDlg.h"

void CVorlIPDlg::OnPrinterSelChange() {}
void CVorlIPDlg::OnChangeAll() {}
