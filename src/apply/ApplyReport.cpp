#include "apply/ApplyReport.h"

#include <algorithm>
#include <string_view>

#include "net/AddressText.h"
#include "net/NicInformation.h"
#include "ui/ExtrasTexts.h"
#include "ui/LanguageTexts.h"

namespace {

// The interface's operational status "up"; every other value means no link.
constexpr int32_t kOperStatusUp = 1;

std::wstring Text(ApplyReportText text, int language) {
    return std::wstring(GetApplyReportText(text, language));
}

// Whole seconds, or seconds and tenths: "60", "2.5".
std::wstring SecondsText(uint32_t milliseconds) {
    std::wstring text = std::to_wstring(milliseconds / 1000);
    if (milliseconds % 1000 >= 100) text += L"." + std::to_wstring(milliseconds % 1000 / 100);
    return text;
}

// The piece with name in place of "{}".
std::wstring Heading(ApplyReportText text, const std::wstring& name, int language) {
    std::wstring heading = Text(text, language);
    const size_t at = heading.find(L"{}");
    if (at != std::wstring::npos) heading.replace(at, 2, name);
    return heading;
}

// "LABEL: ADDRESS / MASK, gateway GATEWAY"
std::wstring AddressLine(const std::wstring& label, std::wstring_view ip, std::wstring_view mask,
                         std::wstring_view gateway, int language) {
    std::wstring line = label + L": " + std::wstring(ip) + L" / " + std::wstring(mask) + L", " +
                        Text(ApplyReportText::Gateway, language) + L" ";
    const bool bNone = gateway.empty() || gateway == kNoAddress;
    return line + (bNone ? Text(ApplyReportText::NoGateway, language) : std::wstring(gateway));
}

bool AnyOutcome(const std::vector<CommandResult>& results, CommandOutcome outcome) {
    return std::any_of(results.begin(), results.end(),
                       [outcome](const CommandResult& r) { return r.outcome == outcome; });
}

std::wstring ResultLine(const CommandResult& result, int language) {
    std::wstring line = result.line + L" : ";
    switch (result.outcome) {
        case CommandOutcome::Exited:
            return line + Text(ApplyReportText::ExitCode, language) + L" " +
                   std::to_wstring(result.exitCode);
        case CommandOutcome::NotStarted:
            return line + Text(ApplyReportText::NotStarted, language);
        case CommandOutcome::TimedOut:
            return line + Heading(ApplyReportText::Ended, SecondsText(result.limitMs), language);
    }
    return line;
}

// One line per command, each after a line end of its own.
std::wstring ResultLines(const std::vector<CommandResult>& results, int language) {
    std::wstring text;
    for (const CommandResult& result : results) text += L"\n" + ResultLine(result, language);
    return text;
}

// For a profile with extra addresses, a line more: "Missing: A / M, B / M"; nothing when all
// are there.
std::wstring MissingAddressesLine(const NetworkTarget& asked, const NICs& adapter, int language) {
    if (asked.m_bDhcpIp || asked.m_ExtraAddresses.empty()) return {};
    const std::vector<std::wstring> missing = MissingAddresses(asked, adapter);
    if (missing.empty()) return {};
    std::wstring line = L"\n" + std::wstring(GetExtrasText(ExtrasText::ReportMissing, language));
    line += L": ";
    for (size_t i = 0; i < missing.size(); ++i) line += (i ? L", " : L"") + missing[i];
    return line;
}

}  // namespace

std::vector<std::wstring> MissingAddresses(const NetworkTarget& asked, const NICs& adapter) {
    std::vector<std::wstring> missing;
    if (asked.m_bDhcpIp) return missing;
    const auto carries = [&adapter](const std::wstring& ip, const std::wstring& mask) {
        if (ip == adapter.ip && mask == adapter.subnet) return true;
        return std::any_of(
            std::begin(adapter.extra), std::end(adapter.extra),
            [&](const AddressPair& pair) { return ip == pair.ip && mask == pair.subnet; });
    };
    if (!carries(asked.m_strIp, asked.m_strMask)) {
        missing.push_back(asked.m_strIp + L" / " + asked.m_strMask);
    }
    for (const ExtraAddressTarget& extra : asked.m_ExtraAddresses) {
        if (!carries(extra.ip, extra.mask)) missing.push_back(extra.ip + L" / " + extra.mask);
    }
    return missing;
}

bool AddressTook(const NetworkTarget& asked, const NICs& adapter) {
    if (asked.m_strIp != adapter.ip || asked.m_strMask != adapter.subnet) return false;
    return asked.m_strGateway == kNoAddress || asked.m_strGateway == adapter.gateway;
}

AddressCheck CheckAddress(const NetworkTarget& asked, std::span<const NICs> inventory) {
    if (asked.m_bDhcpIp) return AddressCheck::NotCompared;
    const int nPosition = AdapterPosition(inventory, asked.m_strNicName);
    if (nPosition < 0) return AddressCheck::NotYet;
    const NICs& adapter = inventory[static_cast<size_t>(nPosition)];
    if (adapter.operstatus != kOperStatusUp) return AddressCheck::NotCompared;
    if (!AddressTook(asked, adapter)) return AddressCheck::NotYet;
    return MissingAddresses(asked, adapter).empty() ? AddressCheck::Took : AddressCheck::NotYet;
}

bool ShouldWaitForAddress(const NetworkTarget& asked, const std::vector<CommandResult>& results) {
    if (asked.m_bDhcpIp || results.empty()) return false;
    const CommandResult& address = results.front();
    return address.outcome == CommandOutcome::Exited && address.exitCode == 0;
}

std::wstring ApplyReport(const NetworkTarget& asked, std::span<const NICs> inventory,
                         const std::vector<CommandResult>& results, int language) {
    const int nPosition = AdapterPosition(inventory, asked.m_strNicName);
    const NICs* pAdapter = nPosition >= 0 ? &inventory[static_cast<size_t>(nPosition)] : nullptr;
    const bool bStatic = !asked.m_bDhcpIp;
    const bool bNotTaken = CheckAddress(asked, inventory) == AddressCheck::NotYet;
    const bool bTimedOut = AnyOutcome(results, CommandOutcome::TimedOut);
    const bool bNotStarted = AnyOutcome(results, CommandOutcome::NotStarted);
    if (!bNotTaken && !bTimedOut && !bNotStarted) return {};

    const ApplyReportText heading = bNotTaken   ? ApplyReportText::NotTaken
                                    : bTimedOut ? ApplyReportText::TimedOut
                                                : ApplyReportText::StartFailed;
    std::wstring text = Heading(heading, asked.m_strNicName, language) + L"\n\n";
    if (bStatic) {
        text += AddressLine(Text(ApplyReportText::Asked, language), asked.m_strIp, asked.m_strMask,
                            asked.m_strGateway, language) +
                L"\n";
    }
    const std::wstring now = Text(ApplyReportText::Now, language);
    if (pAdapter) {
        text += AddressLine(now, pAdapter->ip, pAdapter->subnet, pAdapter->gateway, language);
        text += MissingAddressesLine(asked, *pAdapter, language);
    } else {
        text += now + L": " + Text(ApplyReportText::AdapterMissing, language);
    }
    text += L"\n" + ResultLines(results, language);
    return text;
}

ApplyVerdict JudgeApply(const NetworkTarget& asked, std::span<const NICs> inventory,
                        const std::vector<CommandResult>& results, const ApplySteps& steps) {
    if (!steps.adaptersRead) return ApplyVerdict::AdaptersUnreadable;
    const bool bFailed = CheckAddress(asked, inventory) == AddressCheck::NotYet ||
                         AnyOutcome(results, CommandOutcome::TimedOut) ||
                         AnyOutcome(results, CommandOutcome::NotStarted) || steps.scriptFailed ||
                         steps.proxyServerFailed || steps.printer == PrinterStep::Refused ||
                         steps.printer == PrinterStep::Missing;
    return bFailed ? ApplyVerdict::NotTaken : ApplyVerdict::Took;
}

std::wstring ApplyReport(const NetworkTarget& asked, std::span<const NICs> inventory,
                         const std::vector<CommandResult>& results, const ApplySteps& steps,
                         int language) {
    std::wstring text;
    if (steps.adaptersRead) {
        text = ApplyReport(asked, inventory, results, language);
    } else {
        // The inventory may be half built: nothing of it is shown.
        text = Heading(ApplyReportText::AdaptersUnreadable, asked.m_strNicName, language);
        if (!results.empty()) text += L"\n" + ResultLines(results, language);
    }
    std::wstring others;
    const auto add = [&others](const std::wstring& line) {
        others += (others.empty() ? L"" : L"\n") + line;
    };
    if (steps.scriptFailed) add(Text(ApplyReportText::ScriptFailed, language));
    if (steps.proxyServerFailed)
        add(std::wstring(GetExtrasText(ExtrasText::ProxyFailed, language)));
    if (steps.printer == PrinterStep::Refused) {
        add(Heading(ApplyReportText::PrinterRefused, steps.printerName, language));
    } else if (steps.printer == PrinterStep::Missing) {
        add(Heading(ApplyReportText::PrinterMissing, steps.printerName, language));
    }
    if (text.empty()) return others;
    if (!others.empty()) text += L"\n\n" + others;
    return text;
}
