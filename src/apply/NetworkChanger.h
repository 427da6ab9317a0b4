// Runs the netsh command lines of an apply, one at a time, as hidden child processes.
//
// Two threads meet here. The UI thread constructs the object, fills the target fields before it
// starts an apply (and never while one runs) and calls Stop at exit; the apply thread calls
// ApplyAll, which starts each line itself and waits for it before the next. Stop may come while
// an apply runs: the apply then starts no further line, and Stop waits until it has returned.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "apply/NetshCommands.h"

// How long one netsh may run before it is ended: far beyond what a working netsh takes, short
// enough that a hung one does not keep the busy window up for good.
inline constexpr std::chrono::milliseconds kCommandTimeLimit{60000};

// Shown when a command line cannot be started at all.
inline constexpr wchar_t kMsgCommandNotStarted[] =
    L"Error!\n\nMaybe It's started without OS permission";

class NetworkChanger : public NetworkTarget {
public:
    // Shows one message and returns once the user has closed it.
    using Reporter = std::function<void(const std::wstring&)>;

    // Without a reporter, messages go to a message box. A command still running after timeLimit
    // is ended and counted as timed out.
    explicit NetworkChanger(Reporter reporter = {},
                            std::chrono::milliseconds timeLimit = kCommandTimeLimit);
    // Stops, so that an apply still running never outlives the object.
    virtual ~NetworkChanger();
    NetworkChanger(const NetworkChanger&) = delete;
    NetworkChanger& operator=(const NetworkChanger&) = delete;

    // Lets no further line start and returns once no ApplyAll runs: a running netsh is waited for
    // up to the limit, an open message until it is closed. Call it from a thread other than the
    // one in ApplyAll.
    void Stop();

    // Runs the lines of ApplyCommandLines in order on the calling thread, each after the previous
    // has ended; always 1. Blocks, so call it from a worker thread. After Stop it starts no line.
    // m_Results then tells how each line ended.
    int ApplyAll();

    // One entry per line of the last ApplyAll, in order; read it only once ApplyAll has returned.
    std::vector<CommandResult> m_Results;

private:
    // Marks an apply as running unless Stop has come; false when it has.
    bool Enter();
    // Marks the apply as ended and wakes a waiting Stop.
    void Leave();
    bool Stopped();

    Reporter m_Report;
    std::chrono::milliseconds m_TimeLimit;
    std::mutex m_StateMutex;
    std::condition_variable m_ApplyEnded;
    bool m_bStopped = false;
    bool m_bApplying = false;
};
