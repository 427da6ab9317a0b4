#include "switching/Teach.h"

TeachChoice ChooseTeach(std::span<const SwitchProfile> profiles, int applied,
                        const NetworkIdentity& seen, int* pOther) {
    if (applied < 0 || applied >= static_cast<int>(profiles.size())) return TeachChoice::Nothing;
    if (!GatewayAnswered(seen) && seen.ssid.empty()) return TeachChoice::Nothing;
    for (int k = 0; k < static_cast<int>(profiles.size()); ++k) {
        if (k == applied) continue;
        for (const NetworkIdentity& known : profiles[static_cast<size_t>(k)].networks) {
            if (MatchIdentity(known, seen) == IdentityMatch::None) continue;
            if (pOther) *pOther = k;
            return TeachChoice::AskToMove;
        }
    }
    return TeachChoice::Remember;
}
