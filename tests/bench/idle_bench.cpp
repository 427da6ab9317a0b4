// What the program costs while it only waits: CPU time of the VorlIP process over 10 seconds with
// the window shown, hidden to the tray, and with the floating IP bar up. For comparison, the same
// measure for an address loop that never pauses (look up, set the text, start again), run here
// once. Prints one table.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "../e2e/Driver.h"
#include "CpuShare.h"
#include "resource.h"

using namespace e2e;
using bench::CpuShare;

namespace {

constexpr DWORD kMeasureMilliseconds = 10000;
constexpr DWORD kSettleMilliseconds = 3000;
const std::wstring kCaption = L"VorlIP FREE 1.3.3.7";
const std::wstring kTerminateCaption = L"VorlIP - Terminating..";

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
    const CpuShare percent = bench::MeasureCpu(::GetCurrentProcess(), kMeasureMilliseconds);
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
    PrintRow("main window shown", bench::MeasureCpu(hProcess, kMeasureMilliseconds));
    if (!ChooseInTerminateDialog(app, hMain, IDC_ASK_HIDE)) return 1;
    Pause(kSettleMilliseconds);
    PrintRow("hidden to the tray", bench::MeasureCpu(hProcess, kMeasureMilliseconds));
    ToggleHotKey(hMain);
    WaitUntil([&] { return ::IsWindowVisible(hMain) != FALSE; });
    if (!ChooseInTerminateDialog(app, hMain, IDC_ASK_FLOAT)) return 1;
    Pause(kSettleMilliseconds);
    PrintRow("floating IP bar shown (window hidden)",
             bench::MeasureCpu(hProcess, kMeasureMilliseconds));
    ::PostMessageW(hMain, WM_COMMAND, MAKEWPARAM(IDC_EXIT_CHECK, BN_CLICKED), 0);
    app.WaitExit();
    ::CloseHandle(hProcess);
    PrintRow("address loop without pause, for comparison", MeasureBusyLoop());
    std::printf("goal: at most 1 %% of one core for the program in each state\n");
    return 0;
}
