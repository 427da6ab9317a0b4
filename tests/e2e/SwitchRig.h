// The rig of the e2e-switch group: it "moves" the laptop between sites. The far end of the
// adapter's veth pair plays each site's router (its address and hardware address, a DHCP server
// where the site has one); the adapter itself goes down and up for a cable taken out and put
// back. tools/rig/switch-rig.sh does the work; the runner names its namespace and folders in
// VORLIP_SWITCH_* and VORLIP_NETSH_DIR.
#pragma once

#include <string>

#include "Session.h"

namespace e2e {

// The adapter every story moves.
inline const std::wstring kSwitchAdapter = L"vorl-lan";

// Where the laptop can be. The router's address carries its prefix ("10.77.1.1/24"); the MAC is
// written with ':' as `ip` takes it; without a range the site has no DHCP server.
struct Site {
    std::wstring router;
    std::wstring mac;
    std::wstring dhcpFirst;
    std::wstring dhcpLast;
    // The gateway as the program names networks: "gw:10.77.1.1/02-00-00-00-01-01".
    std::wstring NetworksKey() const;
    std::wstring Gateway() const { return router.substr(0, router.find(L'/')); }
};

// The far end answers as this router: only this address and MAC.
void PlayRouter(const std::wstring& cidr, const std::wstring& mac);
// A DHCP server on the far end, leasing first..last with the router as gateway; one at a time.
void StartDhcpServer(const std::wstring& first, const std::wstring& last);
void StopDhcpServer();
// The cable comes out (the adapter goes down) and goes back in (up; a static configuration's
// default route comes back, with DHCP on a lease is asked for afresh).
void Unplug();
void Plug();

enum class Move {
    Cable,   // unplugged for a few seconds, so a watch that looks every 2 s sees the link go
    Asleep,  // no link edge at all: only the far end changes, and the neighbour cache is empty
};
// The laptop arrives at site.
void MoveTo(const Site& site, Move how);

// Gives the adapter a configuration directly, through the netsh stand-in (arguments after
// "interface ip set address name=vorl-lan"), as the laptop might have been left; the stand-in's
// log is cleared afterwards, so it holds only the program's own commands.
void SetLaptopAddress(const std::wstring& arguments);

// The adapter's first IPv4 address and gateway as the IP helper reports them to this process
// ("" for none).
std::string AdapterIp();
std::string AdapterGateway();

// As WaitUntil, but by the clock: these conditions ask the IP helper and read files, which under
// Wine takes longer than the pause between two looks, so counting pauses would wait far longer
// than asked.
template <class Cond>
bool WaitFor(Cond cond, DWORD dwMilliseconds) {
    const ULONGLONG end = ::GetTickCount64() + dwMilliseconds;
    while (!cond()) {
        if (::GetTickCount64() >= end) return false;
        Pause(100);
    }
    return true;
}

// The program's log of automatic decisions beside it, and its lines that applied the profile
// titled title (the line names it in double quotes and says "applied").
std::string SwitchLog(const Session& s);
int AppliedLines(const Session& s, const std::string& title);

}  // namespace e2e
