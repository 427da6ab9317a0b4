#include "app/ApplyWorkflow.h"

#include <system_error>
#include <thread>

#include "apply/AddressWait.h"
#include "apply/ApplyReport.h"
#include "apply/AutoConfigScript.h"
#include "apply/EnumPrinters.h"
#include "apply/NetshCommands.h"
#include "apply/NetworkChanger.h"
#include "apply/PrinterRules.h"
#include "apply/ProxyServer.h"
#include "net/IPHelper.h"
#include "net/NicInformation.h"
#include "ui/LanguageTexts.h"
#include "ui/ProcessingDlg.h"
#include "win/Dialog.h"
#include "win/Thread.h"

namespace {
constexpr wchar_t kNoNetworkInformation[] =
    L"Failed to get Network Information\nProgram will be terminated.";
}  // namespace

bool ReadNetworkInformation(IPHelper& ipHelper, const ApplyReporter& report) {
    int count = 0;
    if (!ipHelper.IPH_GetInterfaceInfo(count)) return false;
    if (count == 0) report(L"The NIC is 0");
    if (ipHelper.IPH_GetCurrentInterfaces() != IPHelper::PassResult::Ok) return false;
    ipHelper.IPH_GetAdaptersInfo();
    return true;
}

void EndWithoutNetworkInformation(const ApplyReporter& report) {
    report(kNoNetworkInformation);
    ::ExitProcess(1);
}

ApplyWorkflow::ApplyWorkflow(IPHelper& ipHelper, NetworkChanger& changer, CEnumPrinters& printers,
                             CProcessingDlg* pBusy, ApplyReporter report)
    : m_IPHelper(ipHelper),
      m_Changer(changer),
      m_Printers(printers),
      m_pBusy(pBusy),
      m_Report(std::move(report)) {}

std::span<const NICs> ApplyWorkflow::Inventory() const {
    return {m_IPHelper.m_pNICs, static_cast<size_t>(m_IPHelper.m_nCount)};
}

bool ApplyWorkflow::LinkAllows(const Options& options, const std::wstring& nicname) const {
    if (options.changeforce) return true;
    const std::span<const NICs> inventory = Inventory();
    const int nPosition = AdapterPosition(inventory, nicname);
    if (nPosition >= 0 && inventory[static_cast<size_t>(nPosition)].operstatus == 1) return true;
    m_Report(std::wstring(GetLanguageMessage(LanguageMessage::LinkDown, options.language)));
    return false;
}

ApplySteps ApplyWorkflow::Apply(const Profile& record, int nPrinter, int nPrinterEntries) {
    CopyProfileToChanger(record, m_Changer);
    RunCommandsWhilePumping();
    ApplySteps steps;
    const int nScript =
        record.checkautoconf ? SetAutoConfigScript(record.autoconf) : ClearAutoConfigScript();
    steps.scriptFailed = nScript == 0;
    steps.proxyServerFailed = !ApplyProxyServer(record);
    if (SelectionChangesDefaultPrinter(nPrinter, nPrinterEntries)) {
        steps.printerName = m_Printers.GetPrinterName(nPrinter);
        steps.printer = m_Printers.SetDefaultPrinterFromList(nPrinter, nPrinterEntries)
                            ? PrinterStep::Set
                            : PrinterStep::Refused;
    }
    steps.adaptersRead = ReadNetworkInformation(m_IPHelper, m_Report);
    return steps;
}

ApplyVerdict ApplyWorkflow::Verdict(const ApplySteps& steps) const {
    return JudgeApply(m_Changer, Inventory(), m_Changer.m_Results, steps);
}

std::wstring ApplyWorkflow::Report(const ApplySteps& steps, int nLanguage) const {
    return ApplyReport(m_Changer, Inventory(), m_Changer.m_Results, steps, nLanguage);
}

// Runs the commands on the apply thread and keeps the caller's windows alive until they have
// ended.
void ApplyWorkflow::RunCommandsWhilePumping() {
    win::ManualResetEvent done;
    // Without an event (the system is out of handles) the commands still run on the apply
    // thread, never here; the window then looks for their end every 100 ms.
    HANDLE hEvent = done.Handle();
    m_bCommandsDone.store(false, std::memory_order_relaxed);
    std::thread worker;
    try {
        worker = std::thread(&ApplyWorkflow::ApplyThreadProc, this, hEvent);
    } catch (const std::system_error&) {
        // Not even a thread to be had: the commands run here, and the window waits for them.
        m_Changer.ApplyAll();
        WaitForAddress(m_Changer, m_Changer.m_Results);
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

void ApplyWorkflow::ApplyThreadProc(HANDLE hDone) {
    m_Changer.ApplyAll();
    // Still on this thread, so the window stays live and the busy window up meanwhile.
    WaitForAddress(m_Changer, m_Changer.m_Results);
    m_bCommandsDone.store(true, std::memory_order_release);
    if (hDone) ::SetEvent(hDone);
}

void ApplyWorkflow::ShowBusyWindow() {
    HWND hBusy = m_pBusy ? m_pBusy->GetSafeHwnd() : nullptr;
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

void ApplyWorkflow::HideBusyWindow() {
    if (m_pBusy) ::ShowWindow(m_pBusy->GetSafeHwnd(), SW_HIDE);
}
