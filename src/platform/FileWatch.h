// Noticing that a file changed on disk without looking at it over and over: a thread waits on
// the system's change notification for the file's folder and only posts a message; the window
// then compares the file's stamp with the one it last read.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "win/Thread.h"

namespace platform {

// What a file looks like from outside, read without opening it.
struct FileStamp {
    bool exists = false;
    uint64_t size = 0;
    uint64_t lastWrite = 0;  // FILETIME as one number
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::wstring& path);

// Watches the folder of one file. While it runs, a change of any file name, size or write time
// in that folder posts uMessage to hWnd, once until the window calls Taken(), so a burst of
// changes is one message. Where the system cannot notify for the folder (some network file
// systems), the thread posts every kPollMs instead, and the window's stamp check decides.
class FileWatch {
public:
    static constexpr DWORD kPollMs = 5000;

    FileWatch() = default;
    ~FileWatch() { Stop(); }
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    void Start(const std::wstring& filePath, HWND hWnd, UINT uMessage);
    // Ends the thread and waits for it; no message is posted afterwards.
    void Stop();
    // The window has taken the posted message; the next change posts again.
    void Taken() { m_bPosted = false; }
    // Whether the system notifies this watch of changes (false: it polls).
    bool Notified() const { return m_bNotified; }

private:
    void Run(HANDLE hChange, HWND hWnd, UINT uMessage);

    win::ManualResetEvent m_stop;
    win::WorkerThread m_thread;
    std::atomic<bool> m_bPosted{false};
    std::atomic<bool> m_bNotified{false};
};

}  // namespace platform
