#include "platform/System.h"

#include <winsock2.h>
#include <iphlpapi.h>

#include <algorithm>
#include <vector>

namespace platform {

namespace {
// The longest path Windows knows, in characters.
constexpr size_t kLongestPath = 32768;
constexpr size_t kHostNameBuffer = 1024;
constexpr WORD kSocketsVersion = MAKEWORD(2, 0);
// Not on the known-DLL list, and loaded by name from inside other system libraries.
constexpr const wchar_t* kDrawingLibraries[] = {L"uxtheme.dll", L"msimg32.dll"};
}  // namespace

void LoadLibrariesOnlyFromSystemFolder() {
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Not every load by name inside the system's own libraries follows the process's default
    // directories: Wine resolves their delay-loaded imports along the old search order, program
    // folder first. The drawing libraries the common controls and the theme code pull in that
    // way are taken from the system folder now; a later load by name finds them loaded.
    for (const wchar_t* pszName : kDrawingLibraries) {
        ::LoadLibraryExW(pszName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

std::wstring ModulePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        // A cut name fills the buffer.
        if (buffer.size() >= kLongestPath) return {};
        buffer.resize(buffer.size() * 2);
    }
}

ScreenDpi GetScreenDpi() {
    HDC hScreen = ::GetDC(nullptr);
    const ScreenDpi dpi = {::GetDeviceCaps(hScreen, LOGPIXELSX),
                           ::GetDeviceCaps(hScreen, LOGPIXELSY)};
    ::ReleaseDC(nullptr, hScreen);
    return dpi;
}

ScreenArea WorkAreaOf(HWND hWnd) {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    HMONITOR hMonitor = ::MonitorFromWindow(hWnd, MONITOR_DEFAULTTOPRIMARY);
    if (!hMonitor || !::GetMonitorInfoW(hMonitor, &info)) {
        return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    }
    const RECT& rc = info.rcWork;
    return {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

SocketSession::SocketSession() {
    WSADATA data;
    m_bReady = ::WSAStartup(kSocketsVersion, &data) == 0;
}

SocketSession::~SocketSession() {
    if (m_bReady) ::WSACleanup();
}

bool LookUpOwnAddress(uint8_t bytes[4]) {
    char name[kHostNameBuffer] = {};
    if (::gethostname(name, sizeof(name)) != 0) return false;
    // The resolver's own order, as the hosts file or the name server gives it; the newer lookup
    // would sort the addresses by scope first.
    const hostent* pHost = ::gethostbyname(name);
    if (!pHost || pHost->h_addrtype != AF_INET || !pHost->h_addr_list || !pHost->h_addr_list[0]) {
        return false;
    }
    const auto* pBytes = reinterpret_cast<const uint8_t*>(pHost->h_addr_list[0]);
    for (int i = 0; i < 4; ++i) bytes[i] = pBytes[i];
    return true;
}

AddressChangeWatch::AddressChangeWatch()
    : m_hEvent(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

AddressChangeWatch::~AddressChangeWatch() {
    Cancel();
    if (m_hEvent) ::CloseHandle(m_hEvent);
}

bool AddressChangeWatch::Arm() {
    Cancel();
    if (!m_hEvent) return false;
    m_overlapped = {};
    m_overlapped.hEvent = m_hEvent;
    HANDLE hIgnored = nullptr;
    m_bArmed = ::NotifyAddrChange(&hIgnored, &m_overlapped) == ERROR_IO_PENDING;
    return m_bArmed;
}

void AddressChangeWatch::Cancel() {
    if (m_bArmed) ::CancelIPChangeNotify(&m_overlapped);
    m_bArmed = false;
}

}  // namespace platform
