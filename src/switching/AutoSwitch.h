// The decisions of automatic switching as plain functions of what an adapter shows: which profile
// (if any) to apply when the adapter has settled on a network, and the guards that keep the
// program from fighting its user or from flapping. Times are milliseconds of a steady clock the
// caller supplies, so that every rule can be tried without waiting.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "switching/NetworkIdentity.h"

// One adapter as a watch saw it, after its gateway was asked for its hardware address.
struct AdapterView {
    std::wstring nicname;  // connection name, as profiles name it
    bool linkUp = false;
    bool dhcpEnabled = false;      // the adapter takes its address from DHCP
    std::wstring address;          // the first IPv4 address; empty when there is none
    bool addressFromDhcp = false;  // that address is a DHCP lease
    bool ipv6DefaultRoute = false;
    // Holds the lowest-metric IPv4 default route among the adapters profiles name.
    bool lowestMetric = false;
    NetworkIdentity identity;
    // How long, with link up and DHCP on, the adapter has been without a DHCP lease; 0 while it
    // has one (see LeaseClock).
    int64_t msWithoutLease = 0;
};

// A profile of the adapter under decision, in list order.
struct SwitchProfile {
    int index = -1;  // position in the profile list
    std::wstring title;
    bool isStatic = false;  // static address (a DHCP profile takes its address from DHCP)
    std::vector<NetworkIdentity> networks;
};

// The program's own record of the profile it last applied to the adapter, and whether the
// adapter's settings still agree with it (static: the address and mask are there; DHCP: DHCP on).
struct InForce {
    int index = -1;  // -1: none known
    bool settingsAgree = false;
};

enum class SwitchAction {
    Nothing,
    Apply,         // profiles[0]; keep it (or, with verify, keep it only when the gateway answers
                   // with a remembered hardware address, else go back to DHCP)
    DhcpFallback,  // only the DHCP address and DNS lines of profiles[0] (or plain DHCP when
                   // profiles is empty); printer and proxy follow after the lease
    Trial,         // apply profiles one after the other, probe after each, keep the first whose
                   // gateway answers with its remembered hardware address; stop at a duplicate
                   // address; none: back to DHCP
};

struct SwitchDecision {
    SwitchAction action = SwitchAction::Nothing;
    std::vector<int> profiles;     // indexes into the profile list
    bool verify = false;           // Apply: probe afterwards and keep only on a match
    bool printerAndProxy = false;  // set printer and proxy too (lowest-metric adapter only)
    std::wstring reason;           // one line for the log, in English
    // Nothing for now, but the adapter may need a decision without its identity changing (a
    // DHCP lease is still awaited): not a decision to record with Decided; decide again after
    // this many milliseconds, or at the next change. 0 for every final decision.
    int64_t askAgainInMs = 0;
};

// The time a DHCP client is given before a network counts as one without DHCP.
inline constexpr int64_t kLeaseWaitMs = 60'000;

// The rules, for an adapter whose state has settled, whose link is up and on which nothing else is
// under way: a known network, a static network left, a network without DHCP, or nothing to do.
// profiles holds only the profiles that name this adapter.
SwitchDecision DecideSwitch(const AdapterView& view, std::span<const SwitchProfile> profiles,
                            const InForce& inForce);

// Whether the profile in force still has its network after an apply or a trial step: the gateway
// answered with a hardware address one of its networks remembers.
bool ProbeConfirms(const SwitchProfile& profile, const NetworkIdentity& seen);

// The profile (position in profiles) that knows the network seen, as strongly as a decision
// would need it; -1 when none does. For the NIC information and for teaching.
int ProfileKnowingNetwork(std::span<const SwitchProfile> profiles, const NetworkIdentity& seen);

// Per-adapter guards: settling, own applies, the manual pin, the decision budget and the pause.
class SwitchGuard {
public:
    static constexpr int64_t kSettleMs = 2'000;
    static constexpr int kMaxDecisions = 3;
    static constexpr int64_t kDecisionWindowMs = 10 * 60'000;

    // The watch saw the adapter's cheap state (link, addresses, gateway, cached neighbour) change.
    void Changed(const std::wstring& nicname, int64_t nowMs);
    // Settled: no change for kSettleMs.
    bool Settled(const std::wstring& nicname, int64_t nowMs) const;

    // Whether an identity may lead to a decision: it differs from the one last decided on (or
    // pinned by a manual apply), the adapter is not paused. reason says why not, for the log.
    bool MayDecide(const std::wstring& nicname, const NetworkIdentity& seen,
                   std::wstring* pReason = nullptr) const;
    // A decision was taken for seen (whatever it was, Nothing included: one decision per change;
    // not one with askAgainInMs). Call it before acting: an automatic apply (bApplied: Apply,
    // DhcpFallback or Trial) counts against the budget, and when kMaxDecisions applies already
    // lie within the last kDecisionWindowMs this one is refused and the adapter paused: true
    // means "paused, do not act". Three switch, the fourth pauses.
    bool Decided(const std::wstring& nicname, const NetworkIdentity& seen, bool bApplied,
                 int64_t nowMs);
    // After an automatic apply of the program's own, the identity it ends on is the one decided
    // on: its own changes are not a new network.
    void Settle(const std::wstring& nicname, const NetworkIdentity& after);
    // A manual apply wins: nothing automatic on the adapter until its identity differs from after.
    void Pin(const std::wstring& nicname, const NetworkIdentity& after);
    bool Paused(const std::wstring& nicname) const;
    // Ticking the option again ends every pause (a reload of the file does not) and starts the
    // budget afresh; an adapter that was paused gets a fresh decision on the network it is on
    // (unless a manual apply pinned it since).
    void Resume();

private:
    struct State {
        std::optional<int64_t> changedAt;  // none: never seen changing, so settled
        bool decidedAny = false;
        bool pinned = false;  // decided comes from a manual apply
        NetworkIdentity decided;
        std::vector<int64_t> applies;  // times of automatic applies in the window
        bool paused = false;
    };
    std::map<std::wstring, State> m_states;
};

// Since when an adapter with link up and DHCP on has been without a DHCP lease.
class LeaseClock {
public:
    // Returns the time without a lease so far (0 with a lease, with DHCP off or the link down).
    int64_t Observe(const std::wstring& nicname, bool linkUp, bool dhcpEnabled,
                    bool addressFromDhcp, int64_t nowMs);

private:
    std::map<std::wstring, int64_t> m_since;
};
