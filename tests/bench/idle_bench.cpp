// What the program costs while it only waits: CPU time of the VorlIP process over 10 seconds with
// the window shown, hidden to the tray, and with the floating IP bar up. For comparison, the same
// measure for an address loop that never pauses (look up, set the text, start again), run here
// once. Prints one table.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "../e2e/Driver.h"
#include "resource.h"

using namespace e2e;

namespace {

constexpr DWORD kMeasureMilliseconds = 10000;
constexpr DWORD kSettleMilliseconds = 3000;
const std::wstring kCaption = L"VorlIP FREE 1.3.3.7";
const std::wstring kTerminateCaption = L"VorlIP - Terminating..";

ULONGLONG CpuTime100ns(HANDLE hProcess) {
    FILETIME created, exited, kernel, user;
    if (!::GetProcessTimes(hProcess, &created, &exited, &kernel, &user)) return 0;
    const auto add = [](const FILETIME& ft) {
        return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    };
    return add(kernel) + add(user);
}

// Under Wine much of a program's work is done for it by the wineserver, a Linux process the
// program cannot see; the runner passes its pid so its time can be read from Linux's /proc.
ULONGLONG ServerTime100ns() {
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
void PumpPromptly(DWORD dwMilliseconds) {
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

// Percent of one core used by hProcess, and by the wineserver, over the measuring time.
CpuShare MeasureCpu(HANDLE hProcess) {
    const ULONGLONG before = CpuTime100ns(hProcess);
    const ULONGLONG serverBefore = ServerTime100ns();
    const ULONGLONG start = ::GetTickCount64();
    PumpPromptly(kMeasureMilliseconds);
    const double elapsedMs = static_cast<double>(::GetTickCount64() - start);
    const double used = static_cast<double>(CpuTime100ns(hProcess) - before) / 10000.0;
    const double server = static_cast<double>(ServerTime100ns() - serverBefore) / 10000.0;
    return {100.0 * used / elapsedMs, 100.0 * server / elapsedMs};
}

void PrintRow(const char* state, CpuShare share) {
    std::printf("%-42s %9.2f %11.2f\n", state, share.program, share.server);
}

HANDLE OpenForTimes(DWORD pid) {
    return ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
}

bool ChooseInTerminateDialog(App& app, HWND hMain, int nButton) {
    PressKey(hMain, IDC_NIC_LIST, VK_ESCAPE);
    HWND hAsk = app.WaitWindow(kTerminateCaption, 10000);
    if (!hAsk) return false;
    ClickButton(hAsk, nButton);
    return WaitUntil([&] { return !::IsWindowVisible(hMain); });
}

void ToggleHotKey(HWND hMain) {
    ::PostMessageW(hMain, WM_HOTKEY, 100, MAKELPARAM(MOD_CONTROL | MOD_SHIFT, 0x44));
}

// The address loop with no pause between passes, as a worker that the window never stops.
CpuShare MeasureBusyLoop() {
    HWND hLabel =
        ::CreateWindowW(L"STATIC", L"", 0, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    std::atomic<bool> bStop{false};
    std::atomic<bool> bDone{false};
    std::thread worker([&] {
        int a = 0, b = 0, c = 0, d = 0;
        while (!bStop) {
            WSADATA data;
            if (::WSAStartup(MAKEWORD(2, 0), &data) == 0) {
                char name[1024];
                if (::gethostname(name, sizeof(name)) == 0) {
                    if (hostent* pHost = ::gethostbyname(name)) {
                        const auto* p = reinterpret_cast<unsigned char*>(pHost->h_addr_list[0]);
                        a = p[0], b = p[1], c = p[2], d = p[3];
                    }
                }
                ::WSACleanup();
            }
            wchar_t text[64];
            swprintf(text, 64, L"%d : %d : %d : %d", a, b, c, d);
            ::SetWindowTextW(hLabel, text);
        }
        bDone = true;
    });
    const CpuShare percent = MeasureCpu(::GetCurrentProcess());
    bStop = true;
    // The label's thread must keep answering until the worker has left its loop.
    WaitUntil([&] { return bDone.load(); });
    worker.join();
    ::DestroyWindow(hLabel);
    return percent;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: idle_bench VorlIP.exe\n");
        return 2;
    }
    App app;
    if (!app.Start(argv[1])) return 1;
    HWND hMain = app.WaitWindow(kCaption);
    if (!hMain) return 1;
    HANDLE hProcess = OpenForTimes(app.ProcessId());
    Pause(kSettleMilliseconds);

    std::printf("%-42s %9s %11s\n", "state (10 s each), % of one core", "program", "wineserver");
    PrintRow("main window shown", MeasureCpu(hProcess));
    if (!ChooseInTerminateDialog(app, hMain, IDC_ASK_HIDE)) return 1;
    Pause(kSettleMilliseconds);
    PrintRow("hidden to the tray", MeasureCpu(hProcess));
    ToggleHotKey(hMain);
    WaitUntil([&] { return ::IsWindowVisible(hMain) != FALSE; });
    if (!ChooseInTerminateDialog(app, hMain, IDC_ASK_FLOAT)) return 1;
    Pause(kSettleMilliseconds);
    PrintRow("floating IP bar shown (window hidden)", MeasureCpu(hProcess));
    ::PostMessageW(hMain, WM_COMMAND, MAKEWPARAM(IDC_EXIT_CHECK, BN_CLICKED), 0);
    app.WaitExit();
    ::CloseHandle(hProcess);
    PrintRow("address loop without pause, for comparison", MeasureBusyLoop());
    std::printf("goal: at most 1 %% of one core for the program in each state\n");
    return 0;
}
