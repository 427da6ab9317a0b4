#include "apply/NetworkChanger.h"

#include <windows.h>

#include <chrono>
#include <vector>

#include "win/MessageBox.h"

namespace {

constexpr auto kPollPeriod = std::chrono::milliseconds(100);

// Starts the line the way a user's shell would (the search path finds netsh) and waits for it.
// False when it could not be started.
bool RunAndWait(const std::wstring& line) {
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::vector<wchar_t> commandLine(line.begin(), line.end());
    commandLine.push_back(L'\0');
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    // DETACHED_PROCESS: netsh is a console program and must not flash a console window.
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                          nullptr, nullptr, &si, &pi)) {
        return false;
    }
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    if (pi.hThread) ::CloseHandle(pi.hThread);
    if (pi.hProcess) ::CloseHandle(pi.hProcess);
    return true;
}

}  // namespace

NetworkChanger::NetworkChanger(Reporter reporter) : m_Report(std::move(reporter)) {
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
    m_nRun.store(0, std::memory_order_release);
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
    if (BuildAddressCommand() == 1) RunQueued(m_strAddressCmd);
    if (BuildDnsCommand(0) == 1) RunQueued(m_strDnsCmd);
    if (BuildDnsCommand(1) == 1) RunQueued(m_strDnsCmd);
    return 1;
}

void NetworkChanger::RunQueued(const std::wstring& line) {
    m_strCommand = line;
    m_nStatus.store(kStatusPending, std::memory_order_release);
    do {
        std::this_thread::sleep_for(kPollPeriod);
    } while (m_nStatus.load(std::memory_order_acquire) == kStatusPending);
}

void NetworkChanger::RunCommands() {
    while (m_nRun.load(std::memory_order_acquire) == 1) {
        if (m_nStatus.load(std::memory_order_acquire) == kStatusPending) {
            if (RunAndWait(m_strCommand)) {
                m_nStatus.store(kStatusDone, std::memory_order_release);
            } else {
                // ApplyAll keeps waiting while the message is open; the next line still runs.
                m_Report(kMsgCommandNotStarted);
                m_nStatus.store(kStatusFailed, std::memory_order_release);
            }
        }
        std::this_thread::sleep_for(kPollPeriod);
    }
}
