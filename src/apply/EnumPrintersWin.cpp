#include "apply/EnumPrinters.h"

#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <vector>

#include "apply/PrinterRules.h"

namespace {

// How the default printer is read and changed depends on the major version. GetVersionExW is
// deprecated but still answers; without a manifest entry it reports at most 6.2, which is all
// it takes to tell version 5 and later apart.
bool GetSystemVersion(OSVERSIONINFOW& version) {
    version = {};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return ::GetVersionExW(&version) != FALSE;
#pragma GCC diagnostic pop
}

// Older systems keep the default printer as "name,driver,port" in win.ini; the name is the part
// before the first comma.
int DefaultPrinterFromWinIni(wchar_t* buffer) {
    wchar_t device[255] = {};
    if (::GetProfileStringW(L"windows", L"device", L",,,", device, 255) == 0) return 0;
    std::wstring text(device);
    text = text.substr(0, text.find(L','));
    text.copy(buffer, CEnumPrinters::kDefaultNameCapacity - 1);
    buffer[std::min<size_t>(text.size(), CEnumPrinters::kDefaultNameCapacity - 1)] = L'\0';
    return 1;
}

// Windows 95 family and NT 4: mark the printer itself as the default, then tell every
// top-level window that the printer settings changed.
int SetDefaultPrinterOnOldSystem(const std::wstring& name, const OSVERSIONINFOW& version) {
    HANDLE hPrinter = nullptr;
    if (!::OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &hPrinter, nullptr)) return 0;
    DWORD cbNeeded = 0;
    ::GetPrinterW(hPrinter, 2, nullptr, 0, &cbNeeded);
    std::vector<BYTE> buffer(cbNeeded ? cbNeeded : sizeof(PRINTER_INFO_2W));
    if (!::GetPrinterW(hPrinter, 2, buffer.data(), static_cast<DWORD>(buffer.size()), &cbNeeded)) {
        ::ClosePrinter(hPrinter);
        return 0;
    }
    auto* info = reinterpret_cast<PRINTER_INFO_2W*>(buffer.data());
    BOOL bWritten = FALSE;
    if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        info->Attributes |= PRINTER_ATTRIBUTE_DEFAULT;
        bWritten = ::SetPrinterW(hPrinter, 2, buffer.data(), 0);
    } else {
        const std::wstring device = name + L"," + (info->pDriverName ? info->pDriverName : L"") +
                                    L"," + (info->pPortName ? info->pPortName : L"");
        bWritten = ::WriteProfileStringW(L"windows", L"device", device.c_str());
    }
    ::ClosePrinter(hPrinter);
    if (!bWritten) return 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"windows"),
                          SMTO_NORMAL, 1000, nullptr);
    return 1;
}

std::wstring TextOrEmpty(const wchar_t* psz) {
    return psz ? psz : L"";
}

}  // namespace

CEnumPrinters::CEnumPrinters() {
    Enumerate();
}

CEnumPrinters::~CEnumPrinters() = default;

void CEnumPrinters::Enumerate() {
    constexpr DWORD kFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    // Names only: level 4 is answered from the registry, where level 2 opens every printer and
    // waits for the network on each connection to a printer that is out of reach.
    constexpr DWORD kNamesOnly = 4;
    // An empty name, not a null pointer: the local machine.
    wchar_t szName[1] = {L'\0'};
    DWORD cbNeeded = 0;
    DWORD nReturned = 0;
    ::EnumPrintersW(kFlags, szName, kNamesOnly, nullptr, 0, &cbNeeded, &nReturned);
    const DWORD cbBuffer = cbNeeded + 4;
    auto* pBuffer = static_cast<BYTE*>(::LocalAlloc(LMEM_ZEROINIT, cbBuffer));
    if (!pBuffer) return;
    if (::EnumPrintersW(kFlags, szName, kNamesOnly, pBuffer, cbBuffer, &cbNeeded, &nReturned) &&
        nReturned > 0) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(pBuffer);
        for (DWORD i = 0; i < nReturned; ++i) {
            m_lstNames.push_back(TextOrEmpty(info[i].pPrinterName));
            ++m_nPrinters;
        }
    }
    ::LocalFree(pBuffer);
}

std::wstring CEnumPrinters::GetPrinterName(int i) const {
    return PrinterNameAt(m_lstNames, i);
}

int CEnumPrinters::GetDefaultPrinterName(wchar_t* buffer) {
    OSVERSIONINFOW version;
    GetSystemVersion(version);
    if (version.dwMajorVersion >= 5) {
        DWORD nSize = 128;
        return ::GetDefaultPrinterW(buffer, &nSize) ? 1 : 0;
    }
    return DefaultPrinterFromWinIni(buffer);
}

std::wstring CEnumPrinters::DefaultPrinterName() {
    wchar_t buffer[kDefaultNameCapacity] = {};
    return GetDefaultPrinterName(buffer) ? std::wstring(buffer) : std::wstring();
}

int CEnumPrinters::SetDefaultPrinterFromList(int nSelected, int nEntries) const {
    if (!SelectionChangesDefaultPrinter(nSelected, nEntries)) return 0;
    const std::wstring name = GetPrinterName(nSelected);
    OSVERSIONINFOW version;
    GetSystemVersion(version);
    if (version.dwMajorVersion >= 5) return ::SetDefaultPrinterW(name.c_str()) ? 1 : 0;
    return SetDefaultPrinterOnOldSystem(name, version);
}
