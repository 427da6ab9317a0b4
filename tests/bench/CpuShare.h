// How much of one core a process of the program uses while it waits, and how much the wineserver
// uses on its behalf, measured from outside over a stretch of time (the idle benches).
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "support/FileBytes.h"

namespace bench {

// Kernel and user time of hProcess so far.
inline ULONGLONG CpuTime100ns(HANDLE hProcess) {
    FILETIME created, exited, kernel, user;
    if (!::GetProcessTimes(hProcess, &created, &exited, &kernel, &user)) return 0;
    const auto add = [](const FILETIME& ft) {
        return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    };
    return add(kernel) + add(user);
}

// Under Wine much of a program's work is done for it by the wineserver, a Linux process the
// program cannot see; the runner passes its pid so its time can be read from Linux's /proc.
inline ULONGLONG ServerTime100ns() {
    wchar_t pid[32] = {};
    if (!::GetEnvironmentVariableW(L"VORLIP_WINESERVER_PID", pid, 32)) return 0;
    const std::wstring path = L"Z:\\proc\\" + std::wstring(pid) + L"\\stat";
    const std::string stat = ReadFileBytes(path);
    const char* p = strrchr(stat.c_str(), ')');
    if (!p) return 0;
    // After the name: state, then fields 4 to 13, then utime and stime in clock ticks (1/100 s).
    unsigned long long utime = 0, stime = 0;
    if (sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime, &stime) !=
        2) {
        return 0;
    }
    return (utime + stime) * 100000ULL;
}

struct CpuShare {
    double program;
    double server;
};

// Answers this thread's messages at once until the time is up, as a program's idle message loop
// does (the driver's Pause answers only every 20 ms).
inline void PumpPromptly(DWORD dwMilliseconds) {
    const ULONGLONG end = ::GetTickCount64() + dwMilliseconds;
    for (ULONGLONG now = ::GetTickCount64(); now < end; now = ::GetTickCount64()) {
        ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_ALLINPUT,
                                      MWMO_INPUTAVAILABLE);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

// Percent of one core used by hProcess, and by the wineserver, over dwMilliseconds.
inline CpuShare MeasureCpu(HANDLE hProcess, DWORD dwMilliseconds) {
    const ULONGLONG before = CpuTime100ns(hProcess);
    const ULONGLONG serverBefore = ServerTime100ns();
    const ULONGLONG start = ::GetTickCount64();
    PumpPromptly(dwMilliseconds);
    const double elapsedMs = static_cast<double>(::GetTickCount64() - start);
    const double used = static_cast<double>(CpuTime100ns(hProcess) - before) / 10000.0;
    const double server = static_cast<double>(ServerTime100ns() - serverBefore) / 10000.0;
    return {100.0 * used / elapsedMs, 100.0 * server / elapsedMs};
}

// CPU time so far of the Linux processes whose name starts with comm (as /proc/PID/stat names
// them: "wineserver",
// "winedevice.exe", "VorlIP.exe") that run for the Wine prefix VORLIP_WINEPREFIX names. Under Wine
// the IP helper's tables are read by the nsiproxy driver in winedevice.exe, so a program that
// polls them has part of its cost there.
inline ULONGLONG PrefixProcessTime100ns(const std::string& comm) {
    wchar_t prefix[1024] = {};
    if (!::GetEnvironmentVariableW(L"VORLIP_WINEPREFIX", prefix, 1024)) return 0;
    const std::wstring wanted = std::wstring(L"WINEPREFIX=") + prefix;
    const std::string wantedBytes(wanted.begin(), wanted.end());
    WIN32_FIND_DATAW found;
    HANDLE hFind = ::FindFirstFileW(L"Z:\\proc\\*", &found);
    if (hFind == INVALID_HANDLE_VALUE) return 0;
    ULONGLONG total = 0;
    do {
        const std::wstring pid = found.cFileName;
        if (pid.empty() || pid.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
        const std::wstring folder = L"Z:\\proc\\" + pid + L"\\";
        const std::string stat = ReadFileBytes(folder + L"stat");
        const size_t open = stat.find('('), close = stat.rfind(')');
        if (open == std::string::npos || close == std::string::npos || close < open) continue;
        // A name is a prefix: Debian's 64-bit server is "wineserver64".
        if (close - open - 1 < comm.size() || stat.compare(open + 1, comm.size(), comm) != 0) {
            continue;
        }
        const std::string environment = ReadFileBytes(folder + L"environ");
        if (environment.find(std::string(1, '\0') + wantedBytes + '\0') == std::string::npos &&
            environment.rfind(wantedBytes + '\0', 0) != 0) {
            continue;
        }
        unsigned long long utime = 0, stime = 0;
        if (sscanf(stat.c_str() + close + 2,
                   "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime, &stime) == 2) {
            total += (utime + stime) * 100000ULL;
        }
    } while (::FindNextFileW(hFind, &found));
    ::FindClose(hFind);
    return total;
}

}  // namespace bench
