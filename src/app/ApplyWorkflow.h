// One apply of a profile, wherever it was asked for: "Change All" (and the tray entries that end
// there) and /apply from a command line both come here, so both get the same link check, netsh
// lines, proxy script, default printer, busy window and account of what did not take.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <span>
#include <string>

#include "apply/ApplyReport.h"
#include "config/ConfigKeys.h"
#include "net/NICs.h"

class IPHelper;
class NetworkChanger;
class CEnumPrinters;
class CProcessingDlg;

// Shows one message and returns once the user has closed it (or at once, when nobody is to be
// told).
using ApplyReporter = std::function<void(const std::wstring&)>;

// Reads the adapter inventory into ipHelper again. False when it cannot be read: the system's
// reason has been told through ipHelper's own reporter, and what follows is the caller's choice
// (the inventory may then be half built). An empty inventory is no failure; it is told.
bool ReadNetworkInformation(IPHelper& ipHelper, const ApplyReporter& report);

// For the main window, which cannot work without its adapters: says that they could not be read
// and ends the process with exit code 1.
[[noreturn]] void EndWithoutNetworkInformation(const ApplyReporter& report);

// The profile's printer as the main window's printer list would show it selected: what an apply
// of a stored profile, away from the form, hands to Apply.
struct PrinterChoice {
    int nEntry = -1;
    int nEntries = 0;
    std::wstring text;
};
PrinterChoice ChoosePrinter(const CEnumPrinters& printers, const Profile& profile);

// Borrows what the caller owns for the length of one apply; the caller keeps them alive.
class ApplyWorkflow {
public:
    ApplyWorkflow(IPHelper& ipHelper, NetworkChanger& changer, CEnumPrinters& printers,
                  CProcessingDlg* pBusy, ApplyReporter report);

    // Whether the commands may address adapter nicname: always with changeforce, otherwise only
    // when the inventory lists it with its link up. A refusal is said, in the options' language.
    bool LinkAllows(const Options& options, const std::wstring& nicname) const;

    // Runs the netsh lines for record on a worker thread while this thread keeps dispatching its
    // messages, then sets or clears the proxy script, makes entry nPrinter of a printer list of
    // nPrinterEntries the default printer and reads the inventory again. Says nothing itself
    // (but for the runner's and the inventory's messages); returns what became of those steps.
    ApplySteps Apply(const Profile& record, int nPrinter, int nPrinterEntries);
    // What an automatic switch changes: with bAddressesOnly only the netsh lines (no proxy, no
    // printer); with bDhcpAlreadyOn the DHCP address line is left out.
    struct Scope {
        bool bAddressesOnly = false;
        bool bDhcpAlreadyOn = false;
    };
    ApplySteps Apply(const Profile& record, int nPrinter, int nPrinterEntries, Scope scope);

    // What to make of the apply that ended with steps (see JudgeApply), and what the user is to
    // be told about it in language: empty when everything took.
    ApplyVerdict Verdict(const ApplySteps& steps) const;
    std::wstring Report(const ApplySteps& steps, int nLanguage) const;

    // The busy window, centred on the screen; it stays above every other window.
    void ShowBusyWindow();
    void HideBusyWindow();

    std::span<const NICs> Inventory() const;

private:
    void RunCommandsWhilePumping();

    IPHelper& m_IPHelper;
    NetworkChanger& m_Changer;
    CEnumPrinters& m_Printers;
    CProcessingDlg* m_pBusy;
    ApplyReporter m_Report;
};
