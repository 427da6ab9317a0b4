// What an IP address control holds, and the text it is set from. Plain code: the dialog layer
// reads and fills the control with it, the form logic above decides what a blank or half-filled
// field means.
#pragma once

#include <cstdint>
#include <string_view>

// Nothing, some of the four fields, or all four.
enum class AddressFill { Blank, Partial, Complete };

struct AddressInput {
    AddressFill fill = AddressFill::Blank;
    uint8_t bytes[4] = {};  // first field first; meaningful when fill is Complete
};

// Parses strict dotted-decimal IPv4 text ("10.0.0.1"): four numbers 0-255, nothing else.
bool ParseDottedQuad(std::wstring_view text, uint8_t bytes[4]);
