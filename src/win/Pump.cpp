#include "win/Pump.h"

#include <windows.h>

#include <atomic>
#include <system_error>
#include <thread>

#include "win/Dialog.h"
#include "win/Thread.h"

namespace win {

void RunWhilePumping(const std::function<void()>& work) {
    ManualResetEvent done;
    // Without an event (the system is out of handles) the work still runs on the worker; this
    // thread then looks for its end every 100 ms.
    HANDLE hEvent = done.Handle();
    std::atomic<bool> bDone{false};
    std::thread worker;
    try {
        worker = std::thread([&] {
            work();
            bDone.store(true, std::memory_order_release);
            if (hEvent) ::SetEvent(hEvent);
        });
    } catch (const std::system_error&) {
        work();
        return;
    }
    const auto ended = [&] { return bDone.load(std::memory_order_acquire); };
    bool bQuit = false;
    WPARAM nQuitCode = 0;
    while (!ended()) {
        MSG msg;
        if (!bQuit && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // Passed on once the work has ended.
                bQuit = true;
                nQuitCode = msg.wParam;
            } else if (!RouteDialogMessage(msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        } else if (bQuit) {
            worker.join();
        } else if (hEvent) {
            // Nothing to dispatch: sleep until a message arrives or the work ends.
            ::MsgWaitForMultipleObjectsEx(1, &hEvent, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        } else {
            ::MsgWaitForMultipleObjectsEx(0, nullptr, 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        }
    }
    if (worker.joinable()) worker.join();
    if (bQuit) ::PostQuitMessage(static_cast<int>(nQuitCode));
}

}  // namespace win
