// The printers of the machine, listed once when the main window is made, and the system's
// default printer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CEnumPrinters {
public:
    // Lists the names of the local and connected printers without contacting any of them; on any
    // failure the list stays empty.
    CEnumPrinters();
    virtual ~CEnumPrinters();

    // The name at position i: the first name for any i of 0 or less, "Error" past the end.
    std::wstring GetPrinterName(int i) const;

    // Writes the default printer's name into buffer (at least kDefaultNameCapacity characters,
    // zeroed by the caller) and returns 1, or returns 0 when it cannot be read.
    static int GetDefaultPrinterName(wchar_t* buffer);
    // The same as a string; empty when it cannot be read.
    static std::wstring DefaultPrinterName();

    // Makes the printer at entry nSelected of the main window's printer list (nEntries long, the
    // last entry being "Do not change Printer") the default printer. Returns 0 and changes
    // nothing for no selection (negative) or the last entry; otherwise 1 on success, 0 if the
    // system refused.
    int SetDefaultPrinterFromList(int nSelected, int nEntries) const;

    static constexpr int kDefaultNameCapacity = 260;

    int32_t m_nPrinters = 0;
    std::vector<std::wstring> m_lstNames;

private:
    void Enumerate();
};
