// binary_text.hpp: a byte as eight binary digits, the way the step trace shows it.
#pragma once

#include <array>

namespace lfnsum {

// Eight digits, most significant bit first, then a terminator so it can fill a "%s".
using BinaryText = std::array<char, 9>;

constexpr BinaryText byte_to_binary(unsigned value) {
    BinaryText text{};
    for (unsigned bit = 0; bit < 8; ++bit) {
        text[7 - bit] = (value >> bit & 1U) != 0 ? '1' : '0';
    }
    text[8] = '\0';
    return text;
}

static_assert(byte_to_binary(0x73)[0] == '0' && byte_to_binary(0x73)[1] == '1' &&
              byte_to_binary(0x73)[7] == '1');

}  // namespace lfnsum
