#include "app/ProfileTransferRun.h"

#include <windows.h>

#include "config/ConfigStore.h"
#include "config/ProfileTransfer.h"
#include "platform/ConfigurationFile.h"
#include "platform/SystemError.h"
#include "ui/CommandLine.h"
#include "ui/TransferTexts.h"

namespace {

// text, then the system's reason for dwError when it gives one.
std::wstring WithReason(std::wstring text, DWORD dwError) {
    const std::wstring reason = platform::SystemErrorText(dwError);
    if (!reason.empty()) text += L"\n\n" + reason;
    return text;
}

}  // namespace

TransferOutcome ExportProfiles(const std::wstring& configPath, const std::wstring& file,
                               int language) {
    TransferOutcome outcome;
    const auto text = ReadIniFileOrNull(configPath);
    if (!text) {
        const DWORD dwError = ::GetLastError();
        outcome.exitCode = kExitFileUnreadable;
        outcome.message = WithReason(
            GetCommandLineText(CommandLineText::FileUnreadable, language, configPath), dwError);
        return outcome;
    }
    const std::vector<IniSection> profiles = ProfilesToExport(*text, SameSectionName);
    const std::wstring target = platform::FullPathOf(file);
    if (!WriteConfigurationFile(target, profiles)) {
        const DWORD dwError = ::GetLastError();
        outcome.exitCode = kExitTransferFileUnusable;
        outcome.message =
            WithReason(GetTransferText(TransferText::FileNotWritten, language, {target}), dwError);
        return outcome;
    }
    outcome.exitCode = kExitApplied;
    outcome.message = GetTransferText(TransferText::ExportWritten, language,
                                      {std::to_wstring(profiles.size()), target});
    return outcome;
}

TransferOutcome ImportProfiles(const std::wstring& configPath, const std::wstring& file,
                               int language) {
    TransferOutcome outcome;
    const std::wstring source = platform::FullPathOf(file);
    const auto text = ReadIniFileOrNull(source);
    if (!text) {
        const DWORD dwError = ::GetLastError();
        outcome.exitCode = kExitTransferFileUnusable;
        outcome.message =
            WithReason(GetTransferText(TransferText::FileUnreadable, language, {source}), dwError);
        return outcome;
    }
    const ImportPlan plan = PlanImport(*text, SameSectionName);
    if (plan.profiles.empty()) {
        outcome.exitCode = kExitNoProfileInFile;
        outcome.message = GetTransferText(TransferText::NoProfileInFile, language, {source});
        return outcome;
    }
    ImportCount count;
    if (!UpdateConfigurationSections(configPath, [&](std::vector<IniSection>& sections) {
            count = MergeImportedProfiles(sections, plan.profiles, SameSectionName);
        })) {
        const DWORD dwError = ::GetLastError();
        outcome.exitCode = kExitConfigNotWritten;
        outcome.message =
            WithReason(GetTransferText(TransferText::ConfigNotWritten, language), dwError);
        return outcome;
    }
    outcome.bImported = true;
    outcome.message =
        GetTransferText(TransferText::Imported, language,
                        {source, std::to_wstring(count.added), std::to_wstring(count.replaced)});
    if (plan.skipped.empty()) {
        outcome.exitCode = kExitApplied;
    } else {
        outcome.exitCode = kExitImportedPartly;
        outcome.message += L"\n\n" + GetTransferText(TransferText::SkippedParts, language,
                                                     {SkippedPartsList(plan.skipped, language)});
    }
    return outcome;
}
