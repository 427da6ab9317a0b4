#include "switching/AutoSwitch.h"

#include <algorithm>

namespace {

// Stronger matches win; list order breaks ties.
int Strength(IdentityMatch match) {
    switch (match) {
        case IdentityMatch::Gateway:
            return 3;
        case IdentityMatch::GatewayWeak:
            return 2;
        case IdentityMatch::SsidOnly:
            return 1;
        case IdentityMatch::None:
            break;
    }
    return 0;
}
constexpr int kSameGateway = 2;  // gateway and hardware address agree, backed or not

int BestStrength(const SwitchProfile& profile, const NetworkIdentity& seen) {
    int best = 0;
    for (const NetworkIdentity& known : profile.networks) {
        best = std::max(best, Strength(MatchIdentity(known, seen)));
    }
    return best;
}

// How strongly a decision may choose the profile: a static address is only safe where the
// gateway itself vouches for the site.
int UsableStrength(const SwitchProfile& profile, const NetworkIdentity& seen) {
    const int strength = BestStrength(profile, seen);
    return profile.isStatic && strength < Strength(IdentityMatch::Gateway) ? 0 : strength;
}

bool KnowsSite(const SwitchProfile& profile) {
    return std::any_of(profile.networks.begin(), profile.networks.end(), GatewayAnswered);
}

// On Wi-Fi a network without DHCP shows its SSID long before any gateway answers: a static
// profile that learned this SSID together with its gateway may be tried, and kept only when the
// gateway then answers as remembered.
bool WorthVerifying(const SwitchProfile& profile, const NetworkIdentity& seen) {
    if (!profile.isStatic || seen.ssid.empty() || GatewayAnswered(seen)) return false;
    return std::any_of(profile.networks.begin(), profile.networks.end(),
                       [&seen](const NetworkIdentity& known) {
                           return GatewayAnswered(known) && known.ssid == seen.ssid;
                       });
}

struct Candidate {
    int position = -1;  // in the adapter's profiles
    int strength = 0;
    bool verify = false;
};

// The first of the strongest; current (when not null) is never one to verify: it is in force.
Candidate BestCandidate(std::span<const SwitchProfile> profiles, const NetworkIdentity& seen,
                        const SwitchProfile* current) {
    Candidate best;
    for (size_t i = 0; i < profiles.size(); ++i) {
        Candidate candidate{static_cast<int>(i), UsableStrength(profiles[i], seen), false};
        if (candidate.strength == 0 && &profiles[i] != current &&
            WorthVerifying(profiles[i], seen)) {
            candidate.strength = Strength(IdentityMatch::SsidOnly);
            candidate.verify = true;
        }
        if (candidate.strength > best.strength) best = candidate;
    }
    return best;
}

const SwitchProfile* ProfileInForce(std::span<const SwitchProfile> profiles,
                                    const InForce& inForce) {
    if (inForce.index < 0 || !inForce.settingsAgree) return nullptr;
    for (const SwitchProfile& profile : profiles) {
        if (profile.index == inForce.index) return &profile;
    }
    return nullptr;
}

std::wstring Quoted(const std::wstring& title) {
    return L'"' + title + L'"';
}

std::wstring TitleList(std::span<const SwitchProfile> profiles, const std::vector<int>& indexes) {
    std::wstring text;
    for (int index : indexes) {
        for (const SwitchProfile& profile : profiles) {
            if (profile.index != index) continue;
            if (!text.empty()) text += L", ";
            text += Quoted(profile.title);
        }
    }
    return text;
}

// The static profiles that know a site, in list order, for a trial.
std::vector<int> TrialProfiles(std::span<const SwitchProfile> profiles,
                               const SwitchProfile* except) {
    std::vector<int> indexes;
    for (const SwitchProfile& profile : profiles) {
        if (profile.isStatic && KnowsSite(profile) && &profile != except) {
            indexes.push_back(profile.index);
        }
    }
    return indexes;
}

SwitchDecision Nothing(std::wstring reason) {
    SwitchDecision decision;
    decision.reason = std::move(reason);
    return decision;
}

// Applies trial one after the other (see SwitchAction::Trial); reason says why, and the titles
// follow it.
SwitchDecision Trial(std::span<const SwitchProfile> profiles, std::vector<int> trial,
                     const std::wstring& reason, const AdapterView& view) {
    SwitchDecision decision;
    decision.action = SwitchAction::Trial;
    decision.reason = reason + L"; trying " + TitleList(profiles, trial);
    decision.profiles = std::move(trial);
    decision.printerAndProxy = view.lowestMetric;
    return decision;
}

// Why no profile could be chosen, naming a static profile that came close.
std::wstring NobodyKnows(std::span<const SwitchProfile> profiles, const NetworkIdentity& seen) {
    std::wstring reason = L"no profile knows " + DescribeNetwork(seen);
    for (const SwitchProfile& profile : profiles) {
        if (!profile.isStatic) continue;
        const int strength = BestStrength(profile, seen);
        if (strength == Strength(IdentityMatch::GatewayWeak)) {
            return reason + L"; " + Quoted(profile.title) +
                   L" is static and needs the SSID or DNS suffix behind a virtual router";
        }
        if (strength == Strength(IdentityMatch::SsidOnly)) {
            return reason + L"; " + Quoted(profile.title) +
                   L" is static and needs its gateway to answer";
        }
    }
    return reason;
}

}  // namespace

SwitchDecision DecideSwitch(const AdapterView& view, std::span<const SwitchProfile> profiles,
                            const InForce& inForce) {
    const NetworkIdentity& seen = view.identity;
    const std::wstring where = DescribeNetwork(seen);
    if (!view.linkUp) return Nothing(L"link down");
    const SwitchProfile* current = ProfileInForce(profiles, inForce);

    // A known network. The profile in force keeps it against a match no stronger than its own;
    // a static one still holds while its gateway answers with its hardware address, since a
    // static address brings no DNS suffix to back a virtual router's.
    const Candidate best = BestCandidate(profiles, seen, current);
    if (current) {
        int strength = BestStrength(*current, seen);
        if (current->isStatic && strength < kSameGateway) strength = 0;
        if (strength > 0 && strength >= best.strength) {
            return Nothing(Quoted(current->title) + L" is already in force on " + where);
        }
    }
    if (best.strength > 0) {
        const SwitchProfile& chosen = profiles[static_cast<size_t>(best.position)];
        SwitchDecision decision;
        decision.action = SwitchAction::Apply;
        decision.profiles = {chosen.index};
        decision.verify = best.verify;
        decision.printerAndProxy = view.lowestMetric;
        decision.reason =
            Quoted(chosen.title) +
            (best.verify ? L" knows " + where + L" with its gateway; trying whether it answers"
                         : L" knows " + where);
        return decision;
    }

    // A static network left: its gateway is gone or another device answers for it.
    if (current && current->isStatic && KnowsSite(*current) &&
        BestStrength(*current, seen) < kSameGateway) {
        const std::wstring left =
            L"left the network of " + Quoted(current->title) + L" (now " + where + L")";
        SwitchDecision decision;
        decision.action = SwitchAction::DhcpFallback;
        const auto dhcp = std::find_if(profiles.begin(), profiles.end(),
                                       [](const SwitchProfile& p) { return !p.isStatic; });
        if (dhcp != profiles.end()) {
            decision.profiles = {dhcp->index};
            decision.reason = left + L"; DHCP with " + Quoted(dhcp->title);
            return decision;
        }
        // Without a DHCP profile to fall back on, the other sites are tried at once; the
        // trial itself ends in DHCP when none answers.
        std::vector<int> trial = TrialProfiles(profiles, current);
        if (trial.empty() || view.ipv6DefaultRoute) {
            decision.reason = left + L"; plain DHCP";
            return decision;
        }
        return Trial(profiles, std::move(trial), left, view);
    }

    // A network without DHCP.
    if (view.dhcpEnabled && !view.addressFromDhcp) {
        const bool autoconfigured = view.address.starts_with(L"169.254.");
        if (!view.address.empty() && !autoconfigured) {
            return Nothing(L"no DHCP lease; the system's alternate configuration " + view.address +
                           L" is in force");
        }
        if (!autoconfigured && view.msWithoutLease < kLeaseWaitMs) {
            SwitchDecision decision = Nothing(
                L"waiting for a DHCP lease (" + std::to_wstring(view.msWithoutLease / 1000) +
                L" s of " + std::to_wstring(kLeaseWaitMs / 1000) + L" s)");
            decision.askAgainInMs = kLeaseWaitMs - view.msWithoutLease;
            return decision;
        }
        const std::wstring noLease = L"no DHCP lease on " + where;
        if (view.ipv6DefaultRoute) {
            return Nothing(noLease + L", but an IPv6 default route: an IPv6-only network");
        }
        std::vector<int> trial = TrialProfiles(profiles, nullptr);
        if (trial.empty()) return Nothing(noLease + L"; no static profile knows a network");
        return Trial(profiles, std::move(trial), noLease, view);
    }

    return Nothing(NobodyKnows(profiles, seen));
}

bool ProbeConfirms(const SwitchProfile& profile, const NetworkIdentity& seen) {
    return GatewayAnswered(seen) && BestStrength(profile, seen) >= kSameGateway;
}

int ProfileKnowingNetwork(std::span<const SwitchProfile> profiles, const NetworkIdentity& seen) {
    const Candidate best = BestCandidate(profiles, seen, nullptr);
    return best.strength > 0 && !best.verify ? best.position : -1;
}

void SwitchGuard::Changed(const std::wstring& nicname, int64_t nowMs) {
    m_states[nicname].changedAt = nowMs;
}

bool SwitchGuard::Settled(const std::wstring& nicname, int64_t nowMs) const {
    const auto it = m_states.find(nicname);
    if (it == m_states.end() || !it->second.changedAt) return true;
    return nowMs - *it->second.changedAt >= kSettleMs;
}

bool SwitchGuard::MayDecide(const std::wstring& nicname, const NetworkIdentity& seen,
                            std::wstring* pReason) const {
    const auto it = m_states.find(nicname);
    if (it == m_states.end()) return true;
    const State& state = it->second;
    std::wstring reason;
    if (state.paused) {
        reason = L"paused after " + std::to_wstring(kMaxDecisions) +
                 L" automatic switches within " + std::to_wstring(kDecisionWindowMs / 60'000) +
                 L" minutes; tick the option again to resume";
    } else if (state.decidedAny && SameNetwork(state.decided, seen)) {
        reason = state.pinned ? L"a manual apply holds " + DescribeNetwork(seen)
                              : DescribeNetwork(seen) + L" was decided on already";
    } else {
        return true;
    }
    if (pReason) *pReason = std::move(reason);
    return false;
}

bool SwitchGuard::Decided(const std::wstring& nicname, const NetworkIdentity& seen, bool bApplied,
                          int64_t nowMs) {
    State& state = m_states[nicname];
    state.decided = seen;
    state.decidedAny = true;
    state.pinned = false;
    if (!bApplied || state.paused) return state.paused;
    std::erase_if(state.applies, [nowMs](int64_t at) { return nowMs - at >= kDecisionWindowMs; });
    if (state.applies.size() >= static_cast<size_t>(kMaxDecisions)) {
        state.paused = true;
        return true;
    }
    state.applies.push_back(nowMs);
    return false;
}

void SwitchGuard::Settle(const std::wstring& nicname, const NetworkIdentity& after) {
    State& state = m_states[nicname];
    state.decided = after;
    state.decidedAny = true;
    state.pinned = false;
}

void SwitchGuard::Pin(const std::wstring& nicname, const NetworkIdentity& after) {
    State& state = m_states[nicname];
    state.decided = after;
    state.decidedAny = true;
    state.pinned = true;
}

bool SwitchGuard::Paused(const std::wstring& nicname) const {
    const auto it = m_states.find(nicname);
    return it != m_states.end() && it->second.paused;
}

void SwitchGuard::Resume() {
    for (auto& [nicname, state] : m_states) {
        if (state.paused && !state.pinned) state.decidedAny = false;
        state.paused = false;
        state.applies.clear();
    }
}

int64_t LeaseClock::Observe(const std::wstring& nicname, bool linkUp, bool dhcpEnabled,
                            bool addressFromDhcp, int64_t nowMs) {
    if (!linkUp || !dhcpEnabled || addressFromDhcp) {
        m_since.erase(nicname);
        return 0;
    }
    const auto [it, added] = m_since.try_emplace(nicname, nowMs);
    return nowMs - it->second;
}
