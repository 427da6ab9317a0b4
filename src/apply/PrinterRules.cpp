#include "apply/PrinterRules.h"

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

int ProfilePrinterPosition(const std::vector<std::wstring>& names, std::wstring_view profilePrinter,
                           std::wstring_view defaultPrinter) {
    int nFallback = 0;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        if (profilePrinter.size() > 1 && names[i] == profilePrinter) return i;
        if (names[i] == defaultPrinter) nFallback = i;
    }
    if (profilePrinter == kDoNotChangePrinter || profilePrinter == kNoPrinter ||
        profilePrinter == kPrinterWhenMissing) {
        return static_cast<int>(names.size());
    }
    return nFallback;
}

int DefaultPrinterPosition(const std::vector<std::wstring>& names,
                           std::wstring_view defaultPrinter) {
    return ProfilePrinterPosition(names, {}, defaultPrinter);
}
