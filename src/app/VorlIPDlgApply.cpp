// Applying the form: the printer choice, the proxy script controls and "Change All".
#include <exception>
#include <system_error>
#include <thread>

#include "app/VorlIPDlg.h"
#include "apply/ApplyReport.h"
#include "apply/AutoConfigScript.h"
#include "apply/EnumPrinters.h"
#include "apply/NetshCommands.h"
#include "apply/NetworkChanger.h"
#include "apply/PrinterRules.h"
#include "net/AddressText.h"
#include "net/NicInformation.h"
#include "resource.h"
#include "ui/LanguageTexts.h"
#include "ui/ProcessingDlg.h"
#include "win/MessageBox.h"
#include "win/ScopeExit.h"
#include "win/Thread.h"

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

void CVorlIPDlg::CopyProfileToChanger(const NICs& record) {
    // While an apply runs, the apply thread reads these fields; the apply copies the form again
    // at its start, so nothing is lost by leaving them alone meanwhile.
    if (m_bApplying) return;
    ::CopyProfileToChanger(record, *m_pChanger);
}

// Runs the commands on the apply thread and keeps the window alive until they have ended.
void CVorlIPDlg::RunCommandsWhilePumping() {
    win::ManualResetEvent done;
    // Without an event (the system is out of handles) the commands still run on the apply
    // thread, never here; the window then looks for their end every 100 ms.
    HANDLE hEvent = done.Handle();
    m_bCommandsDone.store(false, std::memory_order_relaxed);
    std::thread worker;
    try {
        worker = std::thread(&CVorlIPDlg::ApplyThreadProc, this, hEvent);
    } catch (const std::system_error&) {
        // Not even a thread to be had: the commands run here, and the window waits for them.
        m_pChanger->ApplyAll();
        return;
    }
    const auto ended = [this] { return m_bCommandsDone.load(std::memory_order_acquire); };
    bool bQuit = false;
    WPARAM nQuitCode = 0;
    while (!ended()) {
        MSG msg;
        if (!bQuit && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // Passed on once the commands have ended.
                bQuit = true;
                nQuitCode = msg.wParam;
            } else if (!win::RouteDialogMessage(msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        } else if (bQuit) {
            worker.join();
        } else if (hEvent) {
            // Nothing to dispatch: sleep until a message arrives or the commands end.
            ::MsgWaitForMultipleObjectsEx(1, &hEvent, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        } else {
            ::MsgWaitForMultipleObjectsEx(0, nullptr, 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        }
    }
    if (worker.joinable()) worker.join();
    if (bQuit) ::PostQuitMessage(static_cast<int>(nQuitCode));
}

void CVorlIPDlg::ShowBusyWindow() {
    CreateBusyWindow();
    HWND hBusy = m_pProcessingDlg ? m_pProcessingDlg->GetSafeHwnd() : nullptr;
    if (!hBusy) return;
    RECT rc;
    ::GetWindowRect(hBusy, &rc);
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    const int x = (::GetSystemMetrics(SM_CXFULLSCREEN) - cx) / 2;
    const int y = (::GetSystemMetrics(SM_CYFULLSCREEN) - cy) / 2;
    ::MoveWindow(hBusy, x, y, cx, cy, TRUE);
    ::ShowWindow(hBusy, SW_SHOWNORMAL);
}

void CVorlIPDlg::ApplyThreadProc(HANDLE hDone) {
    m_pChanger->ApplyAll();
    m_bCommandsDone.store(true, std::memory_order_release);
    if (hDone) ::SetEvent(hDone);
}

void CVorlIPDlg::OnChangeAll() {
    // The window keeps handling messages while the commands run; a second apply started from
    // there would hand the runner two command sequences at once.
    if (m_bApplying) return;
    const int nLanguage = m_Options.language;
    if (!m_Options.changeforce) {
        // The link of the adapter the commands will address, which the list shows too.
        const std::span<const NICs> inventory = Inventory();
        const int nPosition = AdapterPosition(inventory, m_Current.nicname);
        const bool bConnected =
            nPosition >= 0 && inventory[static_cast<size_t>(nPosition)].operstatus == 1;
        if (!bConnected) {
            win::ShowMessage(
                m_hWnd, std::wstring(GetLanguageMessage(LanguageMessage::LinkDown, nLanguage)));
            return;
        }
    }
    const std::wstring_view question =
        GetLanguageMessage(LanguageMessage::ApplyConfirmation, nLanguage);
    if (!win::AskYesNo(m_hWnd, std::wstring(question))) return;

    m_bApplying = true;
    // However the handler is left, an exception included (out of memory while the inventory is
    // rebuilt), the busy window goes and "Change All" and the exit requests work again.
    const win::ScopeExit endApply([this] {
        HideBusyWindow();
        m_bApplying = false;
    });
    ShowBusyWindow();
    Profile record{};
    std::wstring report;
    if (FormToProfile(nullptr, true) && FormToProfile(&record, true)) {
        // The window stays live while the commands run and another profile may be shown
        // meanwhile; the script and the printer are taken from the form as it was now.
        const int nPrinter = ComboGetCurSel(IDC_PRINTER_LIST);
        const int nPrinterEntries = ComboCount(IDC_PRINTER_LIST);
        ::CopyProfileToChanger(record, *m_pChanger);
        RunCommandsWhilePumping();
        const int nScript =
            record.checkautoconf ? SetAutoConfigScript(record.autoconf) : ClearAutoConfigScript();
        if (nScript == 0) ReportMessage(kMsgAutoConfigFailed);
        m_pPrinters->SetDefaultPrinterFromList(nPrinter, nPrinterEntries);
        GetNetworkInformation();
        // The rebuilt inventory may list the adapters differently; the list follows it, so that
        // its positions stay those of the inventory.
        ComboReset(IDC_NIC_LIST);
        FillAdapterList();
        SelectProfileAdapter();
        report = ApplyReport(*m_pChanger, Inventory(), m_pChanger->m_Results, nLanguage);
    }
    HideBusyWindow();
    UpdateNicInformation();
    if (!report.empty()) ReportMessage(report);
}

void CVorlIPDlg::HideBusyWindow() {
    if (m_pProcessingDlg) ::ShowWindow(m_pProcessingDlg->GetSafeHwnd(), SW_HIDE);
}
