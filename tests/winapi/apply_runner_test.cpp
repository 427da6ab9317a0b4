// The apply's command runner against real processes: a recording netsh stand-in in the system
// folder, and recorders planted where only the system's netsh may be looked for.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "apply/NetworkChanger.h"
#include "support/FileBytes.h"

namespace {

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// One line of netsh.log: "START_MS END_MS STATUS netsh ARG...".
struct NetshCall {
    long long start = 0;
    long long end = 0;
    int status = 0;
    std::string command;
};

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, n);
}

// tools/netsh of the source tree: VORLIP_NETSH_TOOLS, else two levels above build/win.
std::wstring ToolsFolder() {
    wchar_t env[MAX_PATH] = {};
    if (::GetEnvironmentVariableW(L"VORLIP_NETSH_TOOLS", env, MAX_PATH)) return env;
    return ExeFolder() + L"\\..\\..\\tools\\netsh";
}

// A netsh stand-in in one folder for as long as the object lives. The runner starts the netsh of
// the system folder, so that is where the working one goes, replacing Wine's netsh.exe of this
// test prefix until the object is gone; recorders planted elsewhere must never run.
class NetshStandIn {
public:
    explicit NetshStandIn(std::wstring folder = SystemFolder()) : m_folder(std::move(folder)) {
        const std::wstring replaced = Path(L"netsh.exe.replaced");
        if (!Exists(replaced) && Exists(Path(L"netsh.exe")) &&
            !Exists(Path(L"netsh-standin.exe"))) {
            ::MoveFileW(Path(L"netsh.exe").c_str(), replaced.c_str());
        }
        Remove();
    }
    ~NetshStandIn() {
        Remove();
        ::DeleteFileW(Path(L"netsh.exe").c_str());
        const std::wstring replaced = Path(L"netsh.exe.replaced");
        if (Exists(replaced)) ::MoveFileW(replaced.c_str(), Path(L"netsh.exe").c_str());
    }

    // The shim (a Windows program the runner can wait for) in front of the recording script.
    bool InstallRecorder(int nDelayMs) {
        const std::wstring shim = ExeFolder() + L"\\netsh-shim.exe";
        const std::wstring recorder = ToolsFolder() + L"\\netsh-recorder";
        if (!Exists(shim) || !Exists(recorder)) {
            ADD_FAILURE() << "need " << Narrow(shim) << " (target netsh_shim) and "
                          << Narrow(recorder);
            return false;
        }
        return WriteFileBytes(Path(L"netsh.delay"), std::to_string(nDelayMs)) &&
               ::CopyFileW(shim.c_str(), Path(L"netsh.exe").c_str(), FALSE) &&
               ::CopyFileW(recorder.c_str(), Path(L"netsh-standin.exe").c_str(), FALSE);
    }

    // A netsh.exe that is no program at all: CreateProcessW refuses to start it.
    void InstallBroken() { ASSERT_TRUE(WriteFileBytes(Path(L"netsh.exe"), "not a program\n")); }

    // Every call ends with this status.
    void FailWith(int nStatus) {
        ASSERT_TRUE(WriteFileBytes(Path(L"netsh.fail"), std::to_string(nStatus)));
    }

    std::vector<NetshCall> Calls() const {
        std::vector<NetshCall> calls;
        std::istringstream log(ReadFileBytes(Path(L"netsh.log")));
        std::string line;
        while (std::getline(log, line)) {
            NetshCall call;
            std::istringstream fields(line);
            fields >> call.start >> call.end >> call.status >> std::ws;
            std::getline(fields, call.command);
            calls.push_back(call);
        }
        return calls;
    }

    bool Ran() const { return Exists(Path(L"netsh.log")); }

private:
    std::wstring Path(const wchar_t* name) const { return m_folder + L"\\" + name; }

    void Remove() {
        for (const wchar_t* name :
             {L"netsh-standin.exe", L"netsh.log", L"netsh.delay", L"netsh.fail"}) {
            ::DeleteFileW(Path(name).c_str());
        }
        if (Exists(Path(L"netsh.exe.replaced"))) ::DeleteFileW(Path(L"netsh.exe").c_str());
        // Left by scripts whose shim was ended before it could pick them up.
        WIN32_FIND_DATAW found;
        HANDLE hFind = ::FindFirstFileW(Path(L"netsh.done.*").c_str(), &found);
        if (hFind == INVALID_HANDLE_VALUE) return;
        do {
            ::DeleteFileW(Path(found.cFileName).c_str());
        } while (::FindNextFileW(hFind, &found));
        ::FindClose(hFind);
    }

    std::wstring m_folder;
};

// What the runner puts on the command line, as the stand-in receives it: quotes removed.
std::string Unquoted(const std::wstring& line) {
    std::string text = Narrow(line);
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    return text;
}

void SetStaticTarget(NetworkTarget& t) {
    t.m_strNicName = L"Local Area Connection";
    t.m_bDhcpIp = false;
    t.m_strIp = L"10.77.1.50";
    t.m_strMask = L"255.255.255.0";
    t.m_strGateway = L"10.77.1.1";
    t.m_nMetric = 5;
    t.m_bDhcpDns = false;
    t.m_strDns[0] = L"10.77.1.53";
    t.m_strDns[1] = L"10.77.1.54";
}

}  // namespace

TEST(ApplyRunner, RunsTheCommandsInOrderEachAfterThePreviousHasEnded) {
    NetshStandIn netsh;
    ASSERT_TRUE(netsh.InstallRecorder(300));
    std::vector<std::wstring> messages;
    NetworkChanger changer([&](const std::wstring& text) { messages.push_back(text); });
    SetStaticTarget(changer);

    EXPECT_EQ(changer.ApplyAll(), 1);
    // ApplyAll returns only after the last command has ended, so all three are logged by now.
    const std::vector<NetshCall> calls = netsh.Calls();
    const std::vector<std::wstring> expected = ApplyCommandLines(changer);
    ASSERT_EQ(calls.size(), 3u);
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].command, Unquoted(expected[i]));
        EXPECT_GE(calls[i].end - calls[i].start, 300) << i;
        if (i > 0) {
            EXPECT_GE(calls[i].start, calls[i - 1].end) << "overlap at command " << i;
        }
    }
    EXPECT_TRUE(messages.empty());
    changer.Stop();
}

// ApplyAll builds its lines itself, so the lines it runs are checked here as netsh receives them.
TEST(ApplyRunner, WithoutASecondaryServerOnlyTwoCommandsRun) {
    NetshStandIn netsh;
    ASSERT_TRUE(netsh.InstallRecorder(0));
    NetworkChanger changer([](const std::wstring& text) { ADD_FAILURE() << Narrow(text); });
    SetStaticTarget(changer);
    const std::string address =
        "netsh interface ip set address name=Local Area Connection source=static "
        "addr=10.77.1.50 mask=255.255.255.0 gateway=10.77.1.1 gwmetric=5";

    // DNS from DHCP: the servers, the secondary included, are not used.
    changer.m_bDhcpDns = true;
    changer.ApplyAll();
    // Static DNS whose secondary is unset.
    changer.m_bDhcpDns = false;
    changer.m_strDns[1] = L"0.0.0.0";
    changer.ApplyAll();

    const std::vector<NetshCall> calls = netsh.Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].command, address);
    EXPECT_EQ(calls[1].command, "netsh interface ip set dns name=Local Area Connection dhcp");
    EXPECT_EQ(calls[2].command, address);
    EXPECT_EQ(calls[3].command,
              "netsh interface ip set dns name=Local Area Connection static 10.77.1.53 primary "
              "validate=no");
    changer.Stop();
}

TEST(ApplyRunner, ACommandThatCannotStartIsReportedAndTheNextStillRuns) {
    NetshStandIn netsh;
    netsh.InstallBroken();
    int nMessages = 0;
    NetworkChanger changer([&](const std::wstring& text) {
        EXPECT_EQ(text, L"Error!\n\nMaybe It's started without OS permission");
        ++nMessages;
        // While the message is open the sequence must not move on (else a second message).
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        // Mend netsh, so the commands after the failed one can show that they still run.
        netsh.InstallRecorder(0);
    });
    SetStaticTarget(changer);

    changer.ApplyAll();
    EXPECT_EQ(nMessages, 1);
    const std::vector<NetshCall> calls = netsh.Calls();
    const std::vector<std::wstring> expected = ApplyCommandLines(changer);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].command, Unquoted(expected[1]));
    EXPECT_EQ(calls[1].command, Unquoted(expected[2]));
    changer.Stop();
}

TEST(ApplyRunner, EveryFailedStartIsReportedAndCountedAsNotStarted) {
    NetshStandIn netsh;
    netsh.InstallBroken();
    int nMessages = 0;
    NetworkChanger changer([&](const std::wstring&) { ++nMessages; });
    changer.m_bDhcpDns = false;
    changer.m_strDns[1] = L"10.0.0.2";
    changer.ApplyAll();
    EXPECT_EQ(nMessages, 3);
    EXPECT_EQ(changer.m_Results.at(2).outcome, CommandOutcome::NotStarted);
    changer.Stop();
}

// The program runs elevated: a netsh.exe dropped beside it or into the current folder (a
// Downloads folder) must never run in place of the system's.
TEST(ApplyRunner, OnlyTheSystemsNetshRunsNeverOneBesideTheProgramOrInTheCurrentFolder) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring current = std::wstring(temp) + L"vorlip-planted-netsh";
    ::CreateDirectoryW(current.c_str(), nullptr);
    NetshStandIn system;
    NetshStandIn besideProgram(ExeFolder());
    NetshStandIn inCurrentFolder(current);
    ASSERT_TRUE(system.InstallRecorder(0));
    ASSERT_TRUE(besideProgram.InstallRecorder(0));
    ASSERT_TRUE(inCurrentFolder.InstallRecorder(0));
    wchar_t before[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(::SetCurrentDirectoryW(current.c_str()));

    NetworkChanger changer([](const std::wstring& text) { ADD_FAILURE() << Narrow(text); });
    SetStaticTarget(changer);
    changer.ApplyAll();
    changer.Stop();
    ::SetCurrentDirectoryW(before);

    EXPECT_EQ(system.Calls().size(), 3u);
    EXPECT_FALSE(besideProgram.Ran());
    EXPECT_FALSE(inCurrentFolder.Ran());
}

// How each command ended is kept for the message after the apply: the exit code of each.
TEST(ApplyRunner, KeepsEachCommandsExitCode) {
    NetshStandIn netsh;
    ASSERT_TRUE(netsh.InstallRecorder(0));
    NetworkChanger changer([](const std::wstring& text) { ADD_FAILURE() << Narrow(text); });
    SetStaticTarget(changer);
    changer.ApplyAll();
    ASSERT_EQ(changer.m_Results.size(), 3u);
    for (const CommandResult& result : changer.m_Results) {
        EXPECT_EQ(result.outcome, CommandOutcome::Exited);
        EXPECT_EQ(result.exitCode, 0u);
    }
    netsh.FailWith(5);
    changer.ApplyAll();
    const std::vector<std::wstring> expected = ApplyCommandLines(changer);
    ASSERT_EQ(changer.m_Results.size(), 3u) << "each apply starts a fresh list";
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(changer.m_Results[i].line, expected[i]);
        EXPECT_EQ(changer.m_Results[i].outcome, CommandOutcome::Exited);
        EXPECT_EQ(changer.m_Results[i].exitCode, 5u);
    }
    changer.Stop();
}

// A netsh that does not end is ended after the limit, counted as timed out, and the next command
// still runs: the apply always comes to its end.
TEST(ApplyRunner, ACommandPastTheLimitIsEndedAndTheNextStillRuns) {
    NetshStandIn netsh;
    constexpr int kStandInMs = 2500;
    ASSERT_TRUE(netsh.InstallRecorder(kStandInMs));
    NetworkChanger changer([](const std::wstring& text) { ADD_FAILURE() << Narrow(text); },
                           std::chrono::milliseconds(500));
    SetStaticTarget(changer);
    changer.ApplyAll();
    ASSERT_EQ(changer.m_Results.size(), 3u);
    for (const CommandResult& result : changer.m_Results) {
        EXPECT_EQ(result.outcome, CommandOutcome::TimedOut);
    }
    // The stand-in's scripts go on sleeping after their shims were ended and log when they wake;
    // their start times show that each command was started before the previous one had ended.
    std::vector<NetshCall> calls;
    for (int i = 0; i < 100 && calls.size() < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        calls = netsh.Calls();
    }
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_LT(calls[1].start, calls[0].end);
    EXPECT_LT(calls[2].start, calls[1].end);
    changer.Stop();
}

// At exit: a running apply starts no further line, and Stop returns once its netsh has ended. The
// recorder logs as it ends, so a netsh still running at Stop's return shows as a later line.
TEST(ApplyRunner, StopLetsTheRunningCommandEndAndStartsNoOther) {
    NetshStandIn netsh;
    ASSERT_TRUE(netsh.InstallRecorder(1000));
    NetworkChanger changer([](const std::wstring& text) { ADD_FAILURE() << Narrow(text); });
    EXPECT_EQ(changer.m_nNicIndex, -1);
    EXPECT_TRUE(changer.m_bDhcpIp);
    EXPECT_TRUE(changer.m_bDhcpDns);
    EXPECT_EQ(changer.m_nMetric, 1);

    std::thread apply([&] { changer.ApplyAll(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    changer.Stop();
    const size_t nAtStop = netsh.Calls().size();
    apply.join();
    EXPECT_LE(nAtStop, 1u);
    EXPECT_EQ(netsh.Calls().size(), nAtStop);
}
