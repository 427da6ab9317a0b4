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

}  // namespace bench
