#include "apply/NetworkChanger.h"

#include <windows.h>

#include <chrono>

#include "win/MessageBox.h"

namespace {

constexpr auto kPollPeriod = std::chrono::milliseconds(100);

// What a netsh that had to be ended is left with as its exit code.
constexpr UINT kEndedExitCode = 1;
// How long to wait for an ended netsh to be gone before its handle is closed.
constexpr DWORD kEndedWaitMs = 5000;

// The system's own netsh.exe, found through the system folder rather than the search path: the
// program runs elevated, and the search path starts with its own folder and the current one.
// Empty when the system folder cannot be read.
std::wstring SystemNetshPath() {
    wchar_t folder[MAX_PATH] = {};
    const UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    return std::wstring(folder, n) + L"\\netsh.exe";
}

// Starts the line with the system's netsh and waits for it, at most timeLimit.
CommandResult RunAndWait(const std::wstring& line, std::chrono::milliseconds timeLimit) {
    CommandResult result{line, CommandOutcome::NotStarted, 0};
    const std::wstring netsh = SystemNetshPath();
    if (netsh.empty()) return result;
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::wstring commandLine = SystemCommandLine(netsh, line);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    // DETACHED_PROCESS: netsh is a console program and must not flash a console window.
    if (!::CreateProcessW(netsh.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                          DETACHED_PROCESS, nullptr, nullptr, &si, &pi)) {
        return result;
    }
    if (pi.hThread) ::CloseHandle(pi.hThread);
    const DWORD dwLimit = static_cast<DWORD>(timeLimit.count());
    if (::WaitForSingleObject(pi.hProcess, dwLimit) == WAIT_TIMEOUT) {
        ::TerminateProcess(pi.hProcess, kEndedExitCode);
        ::WaitForSingleObject(pi.hProcess, kEndedWaitMs);
        result.outcome = CommandOutcome::TimedOut;
        result.exitCode = kEndedExitCode;
        result.limitMs = dwLimit;
    } else {
        DWORD dwExit = 0;
        ::GetExitCodeProcess(pi.hProcess, &dwExit);
        result.outcome = CommandOutcome::Exited;
        result.exitCode = dwExit;
    }
    ::CloseHandle(pi.hProcess);
    return result;
}

}  // namespace

NetworkChanger::NetworkChanger(Reporter reporter, std::chrono::milliseconds timeLimit)
    : m_Report(std::move(reporter)), m_TimeLimit(timeLimit) {
    if (!m_Report) {
        // The busy window stays above all others while the commands run and sits in the middle
        // of the screen, where this box opens too; without MB_TOPMOST the box would open under
        // it, out of sight, and the apply would wait for a click nobody can give.
        m_Report = [](const std::wstring& text) {
            win::ShowMessage(nullptr, text, MB_OK | MB_TOPMOST);
        };
    }
    m_pThread = std::thread([this] { RunCommands(); });
}

NetworkChanger::~NetworkChanger() {
    if (m_pThread.joinable()) Stop();
}

void NetworkChanger::Stop() {
    Publish(m_nRun, 0);
    if (m_pThread.joinable()) m_pThread.join();
    m_strAddressCmd.clear();
    m_strDnsCmd.clear();
    m_strCommand.clear();
}

int NetworkChanger::BuildAddressCommand() {
    m_strAddressCmd = AddressCommandLine(*this);
    return 1;
}

int NetworkChanger::BuildDnsCommand(int nIndex) {
    m_strDnsCmd = kDnsCommandPrefix;
    return DnsCommandLine(*this, nIndex, m_strDnsCmd) ? 1 : 0;
}

int NetworkChanger::ApplyAll() {
    m_Results.clear();
    if (BuildAddressCommand() == 1) RunQueued(m_strAddressCmd);
    if (BuildDnsCommand(0) == 1) RunQueued(m_strDnsCmd);
    if (BuildDnsCommand(1) == 1) RunQueued(m_strDnsCmd);
    return 1;
}

void NetworkChanger::Publish(std::atomic<int32_t>& word, int32_t value) {
    {
        const std::lock_guard<std::mutex> lock(m_WakeMutex);
        word.store(value, std::memory_order_release);
    }
    m_Wake.notify_all();
}

template <class Ready>
void NetworkChanger::WaitAPoll(Ready ready) {
    std::unique_lock<std::mutex> lock(m_WakeMutex);
    m_Wake.wait_for(lock, kPollPeriod, ready);
}

void NetworkChanger::RunQueued(const std::wstring& line) {
    m_strCommand = line;
    Publish(m_nStatus, kStatusPending);
    const auto ended = [this] {
        return m_nStatus.load(std::memory_order_acquire) != kStatusPending;
    };
    while (!ended()) WaitAPoll(ended);
}

void NetworkChanger::RunCommands() {
    while (m_nRun.load(std::memory_order_acquire) == 1) {
        if (m_nStatus.load(std::memory_order_acquire) == kStatusPending) {
            CommandResult result = RunAndWait(m_strCommand, m_TimeLimit);
            const bool bStarted = result.outcome != CommandOutcome::NotStarted;
            m_Results.push_back(std::move(result));
            if (bStarted) {
                Publish(m_nStatus, kStatusDone);
            } else {
                // ApplyAll keeps waiting while the message is open; the next line still runs.
                m_Report(kMsgCommandNotStarted);
                Publish(m_nStatus, kStatusFailed);
            }
        }
        WaitAPoll([this] {
            return m_nRun.load(std::memory_order_acquire) != 1 ||
                   m_nStatus.load(std::memory_order_acquire) == kStatusPending;
        });
    }
}
