#include "SwitchRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "ApplyRig.h"
#include "Desktop.h"

namespace e2e {

namespace {

std::wstring Env(const wchar_t* name) {
    wchar_t buffer[1024] = {};
    const DWORD n = ::GetEnvironmentVariableW(name, buffer, 1024);
    return n > 0 && n < 1024 ? std::wstring(buffer, n) : std::wstring();
}

// The rig's script with the arguments every call starts with: the command, the namespace and
// the adapter.
std::wstring Rig(const std::wstring& command, const std::wstring& rest = {}) {
    const std::wstring script = Env(L"VORLIP_SWITCH_RIG");
    EXPECT_FALSE(script.empty()) << "VORLIP_SWITCH_RIG is not set (tools/run-tests.sh sets it)";
    return script + L" " + command + L" " + Env(L"VORLIP_SWITCH_NS") + L" " + kSwitchAdapter +
           (rest.empty() ? L"" : L" " + rest);
}

std::wstring State() {
    return Env(L"VORLIP_SWITCH_STATE");
}

std::wstring StateAndNetsh() {
    return State() + L" " + Env(L"VORLIP_NETSH_DIR");
}

std::wstring RouterLine(const std::wstring& cidr, const std::wstring& mac) {
    return Rig(L"router", cidr + L" " + mac);
}

std::wstring DhcpStopLine() {
    return Env(L"VORLIP_SWITCH_RIG") + L" dhcp-stop " + State();
}

std::wstring DhcpStartLine(const std::wstring& first, const std::wstring& last) {
    return Rig(L"dhcp-start", State() + L" " + first + L" " + last);
}

// One line of the site's far end: its router, then its DHCP server or none.
std::wstring SiteLines(const Site& site) {
    std::wstring line = DhcpStopLine() + L"; " + RouterLine(site.router, site.mac);
    if (!site.dhcpFirst.empty()) line += L"; " + DhcpStartLine(site.dhcpFirst, site.dhcpLast);
    return line;
}

// A rig command that never ended would leave the laptop somewhere the story did not ask for.
void Host(const std::wstring& commandLine) {
    EXPECT_TRUE(RunHostCommand(commandLine)) << "did not end within 20 s: " << Narrow(commandLine);
}

}  // namespace

std::wstring Site::NetworksKey() const {
    std::wstring dashed = mac;
    std::replace(dashed.begin(), dashed.end(), L':', L'-');
    return L"gw:" + Gateway() + L"/" + dashed;
}

void PlayRouter(const std::wstring& cidr, const std::wstring& mac) {
    Host(RouterLine(cidr, mac));
}

void StartDhcpServer(const std::wstring& first, const std::wstring& last) {
    Host(DhcpStartLine(first, last));
}

void StopDhcpServer() {
    Host(DhcpStopLine());
}

void Unplug() {
    Host(Rig(L"unplug", StateAndNetsh()));
}

void Plug() {
    Host(Rig(L"plug", StateAndNetsh()));
}

void MoveTo(const Site& site, Move how) {
    // One shell for the whole move: each host command costs a process start under Wine, and the
    // program should see the arrival as one change.
    if (how == Move::Cable) {
        Host(Rig(L"unplug", StateAndNetsh()) + L"; " + SiteLines(site) + L"; sleep 3; " +
             Rig(L"plug", StateAndNetsh()));
    } else {
        Host(SiteLines(site) + L"; " + Rig(L"asleep"));
    }
}

void SetLaptopAddress(const std::wstring& arguments) {
    std::wstring netsh = Env(L"VORLIP_NETSH_DIR") + L"/netsh-standin.exe";
    Host(netsh + L" interface ip set address name=" + kSwitchAdapter + L" " + arguments);
    ClearNetshLog();
}

std::string AdapterIp() {
    const std::string ip = QueryAdapter(Narrow(kSwitchAdapter).c_str()).ip;
    return ip == "0.0.0.0" ? "" : ip;
}

std::string AdapterGateway() {
    const std::string gateway = QueryAdapter(Narrow(kSwitchAdapter).c_str()).gateway;
    return gateway == "0.0.0.0" ? "" : gateway;
}

std::string SwitchLog(const Session& s) {
    return ReadFileBytes(s.folder.Path() + L"\\vorlip_autoswitch.log");
}

int AppliedLines(const Session& s, const std::string& title) {
    std::istringstream lines(SwitchLog(s));
    int n = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("\"" + title + "\"") != std::string::npos &&
            line.find("applied") != std::string::npos) {
            ++n;
        }
    }
    return n;
}

}  // namespace e2e
