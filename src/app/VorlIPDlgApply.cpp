// Applying the form: the printer choice, the proxy script controls and "Change All".
#include <exception>

#include "app/ApplyWorkflow.h"
#include "app/VorlIPDlg.h"
#include "apply/AutoConfigScript.h"
#include "apply/EnumPrinters.h"
#include "apply/NetworkChanger.h"
#include "apply/PrinterRules.h"
#include "net/AddressText.h"
#include "net/NicInformation.h"
#include "resource.h"
#include "ui/LanguageTexts.h"
#include "win/MessageBox.h"
#include "win/ScopeExit.h"

void CVorlIPDlg::TakePrinterList() {
    if (m_printersListed.valid()) {
        try {
            m_pPrinters = m_printersListed.get();
        } catch (const std::exception&) {
        }
    }
    if (!m_pPrinters) m_pPrinters = std::make_unique<CEnumPrinters>();
}

void CVorlIPDlg::FillPrinterList() {
    TakePrinterList();
    for (const std::wstring& entry : PrinterListEntries(m_pPrinters->m_lstNames)) {
        ComboAdd(IDC_PRINTER_LIST, entry);
    }
}

void CVorlIPDlg::OnPrinterSelChange() {
    const std::wstring printer = PrinterOfListEntry(
        m_pPrinters->m_lstNames, ComboGetCurSel(IDC_PRINTER_LIST), ComboCount(IDC_PRINTER_LIST));
    CopyField(m_Current.printer, printer);
}

void CVorlIPDlg::SelectProfilePrinter(const Profile& profile) {
    ComboSetCurSel(IDC_PRINTER_LIST,
                   ProfilePrinterPosition(m_pPrinters->m_lstNames, profile.printer,
                                          CEnumPrinters::DefaultPrinterName()));
}

void CVorlIPDlg::LoadAutoConfigScriptIntoForm() {
    const AutoConfigScript script = LoadAutoConfigScript();
    if (script.state == AutoConfigScript::State::Unreadable) return;
    const bool bSet = script.state == AutoConfigScript::State::Set;
    SetItemText(IDC_AUTOCONF_URL, bSet ? script.text : std::wstring());
    CheckButton(IDC_AUTOCONF_CHECK, bSet);
}

ApplyWorkflow CVorlIPDlg::ApplyWork() {
    // The busy window is made when an apply first needs it, not at start.
    CreateBusyWindow();
    return ApplyWorkflow(m_IPHelper, *m_pChanger, *m_pPrinters, m_pProcessingDlg.get(),
                         [this](const std::wstring& text) { ReportMessage(text); });
}

void CVorlIPDlg::OnChangeAll() {
    // The window keeps handling messages while the commands run; a second apply started from
    // there would hand the runner two command sequences at once.
    if (m_bApplying) return;
    const int nLanguage = m_Options.language;
    ApplyWorkflow apply = ApplyWork();
    if (!apply.LinkAllows(m_Options, m_Current.nicname)) return;
    const std::wstring_view question =
        GetLanguageMessage(LanguageMessage::ApplyConfirmation, nLanguage);
    if (!win::AskYesNo(m_hWnd, std::wstring(question))) return;

    m_bApplying = true;
    // However the handler is left, an exception included (out of memory while the inventory is
    // rebuilt), the busy window goes and "Change All" and the exit requests work again.
    const win::ScopeExit endApply([this, &apply] {
        apply.HideBusyWindow();
        m_bApplying = false;
    });
    apply.ShowBusyWindow();
    Profile record{};
    std::wstring report;
    bool bTook = false;
    if (ValidateForm(record, true)) {
        // The window stays live while the commands run and another profile may be shown
        // meanwhile; the script and the printer are taken from the form as it was now.
        const int nPrinter = ComboGetCurSel(IDC_PRINTER_LIST);
        const int nPrinterEntries = ComboCount(IDC_PRINTER_LIST);
        const ApplySteps steps = apply.Apply(record, nPrinter, nPrinterEntries);
        // The window cannot go on with a half-built inventory; it ends as at its start.
        if (!steps.adaptersRead) {
            EndWithoutNetworkInformation([this](const std::wstring& text) { ReportMessage(text); });
        }
        report = apply.Report(steps, nLanguage);
        bTook = apply.Verdict(steps) == ApplyVerdict::Took;
        // The rebuilt inventory may list the adapters differently; the list follows it, so that
        // its positions stay those of the inventory.
        ComboReset(IDC_NIC_LIST);
        FillAdapterList();
        SelectProfileAdapter();
    }
    apply.HideBusyWindow();
    if (bTook && m_Options.autoswitch) TeachAfterManualApply(record);
    UpdateNicInformation();
    if (!report.empty()) ReportMessage(report);
}
