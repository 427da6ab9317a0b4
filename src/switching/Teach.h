// What a manual apply teaches automatic switching: the applied profile learns the network its
// adapter is on, unless another profile already knows it; moving a network from one profile to
// another needs the user's yes.
#pragma once

#include <span>

#include "switching/AutoSwitch.h"

enum class TeachChoice {
    Nothing,    // no network to learn (the gateway gave no answer and there is no SSID)
    Remember,   // the applied profile learns (or refreshes) it
    AskToMove,  // another profile knows it: move it only with the user's yes
};

// applied and *pOther are positions in profiles; *pOther is set for AskToMove.
TeachChoice ChooseTeach(std::span<const SwitchProfile> profiles, int applied,
                        const NetworkIdentity& seen, int* pOther);
