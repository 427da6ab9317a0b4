// An owned worker thread and a manual-reset event: the two primitives the workers need.
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

namespace win {

// Owns one std::thread; joins it on Join() or destruction, so no worker outlives its owner
// unless it is explicitly detached.
class WorkerThread {
public:
    WorkerThread() = default;
    ~WorkerThread() { Join(); }
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    void Start(std::function<void()> fn) {
        Join();
        m_thread = std::thread(std::move(fn));
    }
    void Join() {
        if (m_thread.joinable()) m_thread.join();
    }
    // For a thread that is never waited for: it ends with the process.
    void Detach() {
        if (m_thread.joinable()) m_thread.detach();
    }
    bool IsRunning() const { return m_thread.joinable(); }

private:
    std::thread m_thread;
};

class ManualResetEvent {
public:
    ManualResetEvent() : m_hEvent(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~ManualResetEvent() {
        if (m_hEvent) ::CloseHandle(m_hEvent);
    }
    ManualResetEvent(const ManualResetEvent&) = delete;
    ManualResetEvent& operator=(const ManualResetEvent&) = delete;

    void Set() { ::SetEvent(m_hEvent); }
    void Reset() { ::ResetEvent(m_hEvent); }
    bool IsSet() const { return ::WaitForSingleObject(m_hEvent, 0) == WAIT_OBJECT_0; }
    bool Wait(DWORD dwMilliseconds = INFINITE) const {
        return ::WaitForSingleObject(m_hEvent, dwMilliseconds) == WAIT_OBJECT_0;
    }
    HANDLE Handle() const { return m_hEvent; }

private:
    HANDLE m_hEvent;
};

}  // namespace win
