#include "apply/PrinterRules.h"

#include <algorithm>

#include "config/ConfigKeys.h"

std::vector<std::wstring> PrinterListEntries(const std::vector<std::wstring>& names) {
    std::vector<std::wstring> entries = names;
    entries.emplace_back(kDoNotChangePrinter);
    return entries;
}

std::wstring PrinterNameAt(const std::vector<std::wstring>& names, int i) {
    if (names.empty() || i >= static_cast<int>(names.size())) return kPrinterNameError;
    return names[i <= 0 ? 0 : i];
}

std::wstring PrinterOfListEntry(const std::vector<std::wstring>& names, int nSelected,
                                int nEntries) {
    if (nSelected + 1 == nEntries) return kNoPrinter;
    return PrinterNameAt(names, nSelected);
}

bool SelectionChangesDefaultPrinter(int nSelected, int nEntries) {
    return nSelected >= 0 && nSelected + 1 != nEntries;
}

namespace {

bool ChoosesNoPrinter(std::wstring_view profilePrinter) {
    return profilePrinter == kDoNotChangePrinter || profilePrinter == kNoPrinter ||
           profilePrinter == kPrinterWhenMissing;
}

}  // namespace

int ProfilePrinterPosition(const std::vector<std::wstring>& names, std::wstring_view profilePrinter,
                           std::wstring_view defaultPrinter) {
    int nFallback = 0;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        if (profilePrinter.size() > 1 && names[i] == profilePrinter) return i;
        if (names[i] == defaultPrinter) nFallback = i;
    }
    if (ChoosesNoPrinter(profilePrinter)) return static_cast<int>(names.size());
    return nFallback;
}

bool ProfilePrinterMissing(const std::vector<std::wstring>& names,
                           std::wstring_view profilePrinter) {
    if (profilePrinter.empty() || ChoosesNoPrinter(profilePrinter)) return false;
    return std::find(names.begin(), names.end(), profilePrinter) == names.end();
}

int DefaultPrinterPosition(const std::vector<std::wstring>& names,
                           std::wstring_view defaultPrinter) {
    return ProfilePrinterPosition(names, {}, defaultPrinter);
}
