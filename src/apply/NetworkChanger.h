// Runs the netsh command lines of an apply, one at a time, as hidden child processes.
//
// Three threads meet here. The UI thread constructs the object, fills the target fields before
// it starts an apply (and never while one runs) and calls Stop; the apply thread calls ApplyAll;
// the command runner, owned by the object, starts each queued line and waits for it. m_nStatus is
// the hand-over: ApplyAll writes m_strCommand, then publishes status 0 (release); the runner sees 0
// (acquire), reads the line, and publishes 2 or 3 when done, after which ApplyAll may write the
// next line.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "apply/NetshCommands.h"

// How long one netsh may run before it is ended: far beyond what a working netsh takes, short
// enough that a hung one does not keep the busy window up for good.
inline constexpr std::chrono::milliseconds kCommandTimeLimit{60000};

// Shown by the runner when a command line cannot be started at all.
inline constexpr wchar_t kMsgCommandNotStarted[] =
    L"Error!\n\nMaybe It's started without OS permission";

class NetworkChanger : public NetworkTarget {
public:
    // Shows one message and returns once the user has closed it.
    using Reporter = std::function<void(const std::wstring&)>;

    enum Status : int32_t {
        kStatusPending = 0,  // a line waits in m_strCommand
        kStatusIdle = 1,     // nothing run yet
        kStatusDone = 2,     // the last line was started and has ended
        kStatusFailed = 3,   // the last line could not be started
    };

    // Starts the command runner. Without a reporter, messages go to a message box. A command
    // still running after timeLimit is ended and counted as timed out.
    explicit NetworkChanger(Reporter reporter = {},
                            std::chrono::milliseconds timeLimit = kCommandTimeLimit);
    // Stops the runner if Stop has not been called.
    virtual ~NetworkChanger();
    NetworkChanger(const NetworkChanger&) = delete;
    NetworkChanger& operator=(const NetworkChanger&) = delete;

    // Asks the runner to end and waits for it; a running netsh is waited for up to the limit.
    void Stop();

    // Builds the address line into m_strAddressCmd; always 1.
    int BuildAddressCommand();
    // Builds the DNS line of slot 0 or 1 into m_strDnsCmd; 0 when slot 1 has nothing to do.
    int BuildDnsCommand(int nIndex);
    // Builds and runs the lines in order, each after the previous has ended; always 1. Blocks,
    // so call it from a worker thread, and never after Stop. m_Results then tells how each ended.
    int ApplyAll();

    std::wstring m_strAddressCmd;
    std::wstring m_strDnsCmd;
    std::wstring m_strCommand;
    std::thread m_pThread;
    std::atomic<int32_t> m_nRun{1};
    std::atomic<int32_t> m_nStatus{kStatusIdle};
    // One entry per line of the last ApplyAll, in order; written by the runner before it
    // publishes the line's status, so read it only once ApplyAll has returned.
    std::vector<CommandResult> m_Results;

private:
    void RunCommands();
    void RunQueued(const std::wstring& line);
    // Publishes a new status or run flag and wakes whichever side waits for it.
    void Publish(std::atomic<int32_t>& word, int32_t value);
    // Waits until ready() holds, at most one poll period.
    template <class Ready>
    void WaitAPoll(Ready ready);

    Reporter m_Report;
    std::chrono::milliseconds m_TimeLimit;
    // The words above stay the hand-over; this only spares each side its poll period, which
    // would otherwise add up to 200 ms per command to every apply.
    std::mutex m_WakeMutex;
    std::condition_variable m_Wake;
};
