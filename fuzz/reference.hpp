// reference.hpp: the short-name rules and the checksum written the plainest way, on strings, to
// check the tool's own constexpr code against.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace reference {

inline char upper_ascii(char byte) {
    return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 'a' + 'A') : byte;
}

// Upper-cases, lets a dot pad the base name out to 8 and vanish, then pads or cuts to 11.
inline std::string field_of(std::string_view name) {
    std::string field;
    for (const char byte : name) {
        if (byte == '.') {
            while (field.size() < 8) {
                field += ' ';
            }
        } else {
            field += upper_ascii(byte);
        }
    }
    field.resize(11, ' ');
    if (field[0] == '\xE5') {
        field[0] = '\x05';  // 0xE5 would mark the entry free
    }
    return field;
}

// The form found in Microsoft's FAT documentation: rotate right, then add.
inline std::uint8_t checksum(std::string_view field) {
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < 11; ++i) {
        const unsigned high_bit = (sum & 1U) != 0 ? 0x80U : 0U;
        sum = static_cast<std::uint8_t>(high_bit + (sum >> 1U) +
                                        static_cast<unsigned char>(field[i]));
    }
    return sum;
}

inline std::uint8_t rotate_right_once(std::uint8_t value) {
    return static_cast<std::uint8_t>(value / 2 + (value % 2) * 128);
}

}  // namespace reference
