// Which printer-list entry the main window selects, and what a selection means. The list holds
// the printer names in enumeration order followed by one extra entry, "Do not change Printer".
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The list's last entry: applying with it selected leaves the default printer alone.
inline constexpr wchar_t kDoNotChangePrinter[] = L"Do not change Printer";
// The working record's printer while the last entry is selected.
inline constexpr wchar_t kNoPrinter[] = L"No Printer";
// What GetPrinterName gives for a position past the end.
inline constexpr wchar_t kPrinterNameError[] = L"Error";

// The texts of the printer list, in order: every name, then "Do not change Printer".
std::vector<std::wstring> PrinterListEntries(const std::vector<std::wstring>& names);

// The name at position i: the first name for any i of 0 or less, "Error" past the end.
std::wstring PrinterNameAt(const std::vector<std::wstring>& names, int i);

// The working record's printer after the user selects entry nSelected of a list of nEntries:
// "No Printer" for the last entry, otherwise the name there.
std::wstring PrinterOfListEntry(const std::vector<std::wstring>& names, int nSelected,
                                int nEntries);

// True when entry nSelected (negative: none) of a list of nEntries names a printer to make the
// default, that is, anything but no selection and the last entry.
bool SelectionChangesDefaultPrinter(int nSelected, int nEntries);

// The position to select when a profile is shown: the printer named exactly like the profile's
// (a name of one character never matches); else, for a profile that chose no printer ("Do not
// change Printer", "No Printer", or no printer key), the last entry, so that saving it again
// keeps that choice instead of storing whichever printer is the default today; else the last
// printer named like the current default printer; else 0.
int ProfilePrinterPosition(const std::vector<std::wstring>& names, std::wstring_view profilePrinter,
                           std::wstring_view defaultPrinter);

// True when the profile names a printer (not one of the ways of choosing none, nor an empty name)
// that names does not hold. Showing such a profile selects the default printer instead, which
// the user sees in the window; an apply without the window leaves the default alone and says so.
bool ProfilePrinterMissing(const std::vector<std::wstring>& names,
                           std::wstring_view profilePrinter);

// The position to select when the adapter's current information is loaded: the last printer
// named like the current default printer, else 0.
int DefaultPrinterPosition(const std::vector<std::wstring>& names,
                           std::wstring_view defaultPrinter);
