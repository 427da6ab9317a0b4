#include "apply/NetworkChanger.h"

#include <windows.h>

#include <chrono>

#include "win/MessageBox.h"
#include "win/ScopeExit.h"

namespace {

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
}

NetworkChanger::~NetworkChanger() {
    Stop();
}

void NetworkChanger::Stop() {
    std::unique_lock<std::mutex> lock(m_StateMutex);
    m_bStopped = true;
    m_ApplyEnded.wait(lock, [this] { return !m_bApplying; });
}

bool NetworkChanger::Enter() {
    const std::lock_guard<std::mutex> lock(m_StateMutex);
    if (m_bStopped) return false;
    m_bApplying = true;
    return true;
}

void NetworkChanger::Leave() {
    const std::lock_guard<std::mutex> lock(m_StateMutex);
    m_bApplying = false;
    // Woken under the lock: once Stop has returned, its caller may free the object at once.
    m_ApplyEnded.notify_all();
}

bool NetworkChanger::Stopped() {
    const std::lock_guard<std::mutex> lock(m_StateMutex);
    return m_bStopped;
}

int NetworkChanger::ApplyAll() {
    m_Results.clear();
    if (!Enter()) return 1;
    // However the apply ends, a Stop waiting for it must be let go.
    const win::ScopeExit leave([this] { Leave(); });
    for (const std::wstring& line : ApplyCommandLines(*this)) {
        if (Stopped()) break;
        CommandResult result = RunAndWait(line, m_TimeLimit);
        const bool bStarted = result.outcome != CommandOutcome::NotStarted;
        m_Results.push_back(std::move(result));
        // The next line waits until the message has been closed.
        if (!bStarted) m_Report(kMsgCommandNotStarted);
    }
    return 1;
}
