#include "app/CommandLineRun.h"

#include <optional>

#include "app/ApplyWorkflow.h"
#include "app/ProfileTransferRun.h"
#include "app/SwitchRun.h"
#include "apply/EnumPrinters.h"
#include "apply/NetworkChanger.h"
#include "apply/PrinterRules.h"
#include "config/ConfigStore.h"
#include "config/FormToProfile.h"
#include "net/IPHelper.h"
#include "net/NicInformation.h"
#include "platform/ConfigurationFile.h"
#include "platform/SystemError.h"
#include "ui/ProcessingDlg.h"
#include "ui/ProfileSearch.h"
#include "ui/TransferTexts.h"
#include "win/MessageBox.h"

namespace {

// What the configuration file holds, read without the adapter repair a start makes and never
// written: each profile names its adapter as the file holds it.
struct StoredConfiguration {
    bool read = false;
    DWORD dwError = ERROR_SUCCESS;
    Options options;
    std::vector<Profile> profiles;
};

StoredConfiguration ReadStoredConfiguration() {
    StoredConfiguration stored;
    const std::wstring path = platform::ConfigurationPath(kConfigFileName);
    auto text = ReadIniFileOrNull(path);
    if (!text) {
        stored.dwError = ::GetLastError();
        return stored;
    }
    const IniSectionList list(path, std::move(text));
    PrivateProfileReader reader(list);
    // Without an inventory nothing is repaired.
    stored.profiles = ReadConfiguration(reader, list.names, {}, stored.options).profiles;
    stored.read = true;
    return stored;
}

// The options' language for the usage; English when the file cannot be read.
int StoredLanguage() {
    return ReadStoredConfiguration().options.language;
}

}  // namespace

int ApplyStoredProfile(const std::wstring& title, const ApplyReporter& tell, IPHelper& ipHelper) {
    const StoredConfiguration stored = ReadStoredConfiguration();
    if (!stored.read) {
        tell(GetCommandLineText(CommandLineText::FileUnreadable, kLanguageEnglish,
                                platform::ConfigurationPath(kConfigFileName)) +
             L"\n\n" + platform::SystemErrorText(stored.dwError));
        return kExitFileUnreadable;
    }
    const int nLanguage = stored.options.language;
    const std::optional<size_t> index = ProfileForCommand(title, stored.profiles, SameSectionName);
    if (!index) {
        tell(GetCommandLineText(CommandLineText::NoSuchProfile, nLanguage, title));
        return kExitNoSuchProfile;
    }
    Profile profile = stored.profiles[*index];

    ipHelper.SetReporter(tell);
    if (!ReadNetworkInformation(ipHelper, tell)) {
        tell(GetCommandLineText(CommandLineText::AdaptersUnreadable, nLanguage));
        return kExitAdaptersUnreadable;
    }
    const std::span<const NICs> inventory(ipHelper.m_pNICs, static_cast<size_t>(ipHelper.m_nCount));
    // The window asks before it moves a profile to another adapter; nobody can be asked here, and
    // the first adapter is usually the machine's main link. An index that changed since is no
    // matter: the commands address the adapter by its name.
    const int nAdapter = AdapterPosition(inventory, profile.nicname);
    if (nAdapter < 0) {
        tell(GetCommandLineText(CommandLineText::AdapterMissing, nLanguage, profile.nicname));
        return kExitRefused;
    }
    profile.nic = inventory[static_cast<size_t>(nAdapter)].nic;

    NetworkChanger changer(tell);
    CEnumPrinters printers;
    CProcessingDlg busy;
    busy.Create();
    ApplyWorkflow apply(ipHelper, changer, printers, &busy, tell);
    if (!apply.LinkAllows(stored.options, profile.nicname)) return kExitRefused;

    const PrinterChoice printer = ChoosePrinter(printers, profile);
    const FormResult form = FormToProfile(ProfileAsForm(profile, printer.text), true);
    if (!form.ok) {
        // The window's address controls show an incomplete address themselves; here it is said.
        tell(form.message.empty()
                 ? GetCommandLineText(CommandLineText::ProfileIncomplete, nLanguage, title)
                 : form.message);
        return kExitRefused;
    }
    // The window shows the default printer selected for a printer that is gone, and the user
    // sees it before "Change All"; here the default stays and the run says so.
    const bool bPrinterMissing = ProfilePrinterMissing(printers.m_lstNames, profile.printer);
    apply.ShowBusyWindow();
    ApplySteps steps =
        apply.Apply(form.profile, bPrinterMissing ? -1 : printer.nEntry, printer.nEntries);
    apply.HideBusyWindow();
    changer.Stop();
    busy.DestroyWindow();
    if (bPrinterMissing) {
        steps.printer = PrinterStep::Missing;
        steps.printerName = profile.printer;
    }
    const std::wstring report = apply.Report(steps, nLanguage);
    if (!report.empty()) tell(report);
    switch (apply.Verdict(steps)) {
        case ApplyVerdict::Took:
            // Nobody can be asked here, so a network another profile knows stays with it.
            if (stored.options.autoswitch) {
                std::wstring other;
                const NetworkIdentity seen =
                    TeachNetwork(platform::ConfigurationPath(kConfigFileName), stored.profiles,
                                 profile.title, profile.nicname, &other);
                if (!other.empty()) {
                    SwitchLog(profile.nicname, L"/apply: network " + DescribeNetwork(seen) +
                                                   L" stays with \"" + other + L"\"");
                }
            }
            return kExitApplied;
        case ApplyVerdict::NotTaken:
            return kExitNotTaken;
        case ApplyVerdict::AdaptersUnreadable:
            return kExitAdaptersUnreadable;
    }
    return kExitNotTaken;
}

namespace {

// The usage: /apply's, then /export's and /import's.
std::wstring UsageText() {
    const int nLanguage = StoredLanguage();
    return GetCommandLineText(CommandLineText::Usage, nLanguage) + L"\n\n" +
           GetTransferText(TransferText::Usage, nLanguage);
}

int RunTransfer(const CommandLineRequest& request, const ApplyReporter& tell) {
    const std::wstring configPath = platform::ConfigurationPath(kConfigFileName);
    const TransferOutcome outcome =
        request.action == CommandLineRequest::Action::Export
            ? ExportProfiles(configPath, request.file, StoredLanguage())
            : ImportProfiles(configPath, request.file, StoredLanguage());
    tell(outcome.message);
    return outcome.exitCode;
}

}  // namespace

int RunCommandLine(const CommandLineRequest& request) {
    using Action = CommandLineRequest::Action;
    // Nothing else of the program is on the screen, and the run may have been started from a
    // scheduled task or a script: the box comes to the front by itself.
    const ApplyReporter tell = [&request](const std::wstring& text) {
        if (!request.quiet) {
            win::ShowMessage(nullptr, text, MB_OK | MB_TOPMOST | MB_SETFOREGROUND);
        }
    };
    switch (request.action) {
        case Action::Apply: {
            IPHelper ipHelper;
            return ApplyStoredProfile(request.title, tell, ipHelper);
        }
        case Action::Export:
        case Action::Import:
            return RunTransfer(request, tell);
        case Action::ShowUsage:
            tell(UsageText());
            return kExitApplied;
        case Action::BadCommandLine:
        case Action::StartWindow:
            break;
    }
    tell(UsageText());
    return kExitBadCommandLine;
}
