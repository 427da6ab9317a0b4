#include "app/ApplyWorkflow.h"

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
#include "win/Pump.h"

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

PrinterChoice ChoosePrinter(const CEnumPrinters& printers, const Profile& profile) {
    const std::vector<std::wstring> entries = PrinterListEntries(printers.m_lstNames);
    PrinterChoice choice;
    choice.nEntries = static_cast<int>(entries.size());
    choice.nEntry = ProfilePrinterPosition(printers.m_lstNames, profile.printer,
                                           CEnumPrinters::DefaultPrinterName());
    if (choice.nEntry >= 0 && choice.nEntry < choice.nEntries) {
        choice.text = entries[static_cast<size_t>(choice.nEntry)];
    }
    return choice;
}

ApplySteps ApplyWorkflow::Apply(const Profile& record, int nPrinter, int nPrinterEntries) {
    return Apply(record, nPrinter, nPrinterEntries, Scope{});
}

ApplySteps ApplyWorkflow::Apply(const Profile& record, int nPrinter, int nPrinterEntries,
                                Scope scope) {
    CopyProfileToChanger(record, m_Changer);
    m_Changer.m_bDhcpAlreadyOn = scope.bDhcpAlreadyOn;
    RunCommandsWhilePumping();
    ApplySteps steps;
    if (scope.bAddressesOnly) {
        steps.adaptersRead = ReadNetworkInformation(m_IPHelper, m_Report);
        return steps;
    }
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
// ended. The wait for the address stays on that thread too, so the busy window stays up.
void ApplyWorkflow::RunCommandsWhilePumping() {
    win::RunWhilePumping([this] {
        m_Changer.ApplyAll();
        WaitForAddress(m_Changer, m_Changer.m_Results);
    });
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
