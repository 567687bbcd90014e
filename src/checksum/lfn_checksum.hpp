// lfn_checksum.hpp: the checksum a FAT long-name entry stores for its 8.3 short-name entry.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace lfnsum {

// A short name as a directory entry holds it: 8 bytes of base name, 3 of extension.
inline constexpr std::size_t short_name_length = 11;

using ShortNameBytes = std::span<const unsigned char, short_name_length>;

// Rotates the byte right by one bit `count` times. Eight rotations bring any byte back to
// itself, so larger counts are capped at 8; a count of 0 or less changes nothing.
constexpr std::uint8_t rotate_right(std::uint8_t value, int count) {
    const int rotations = count < 0 ? 0 : (count > 8 ? 8 : count);
    for (int i = 0; i < rotations; ++i) {
        value = static_cast<std::uint8_t>((value & 1U) << 7U | value >> 1U);
    }
    return value;
}

// Observes nothing: the plain checksum needs no trace.
struct NoTrace {
    constexpr void character(std::size_t /*position*/, unsigned char /*byte*/) {}
    constexpr void sum(std::size_t /*position*/, std::uint8_t /*running*/) {}
    constexpr void rotation(std::size_t /*position*/, std::uint8_t /*running*/) {}
};

// The one checksum loop. Starting from 0, every byte is added (mod 256) to the running value,
// which is then rotated right by one bit; the last byte is added but not rotated. This is the
// same as the usual "rotate, then add" form, since rotating 0 leaves 0. The observer sees each
// byte before it is added, the running value after each addition and after each rotation.
template <typename Observer>
constexpr std::uint8_t checksum_steps(ShortNameBytes field, Observer& observer) {
    std::uint8_t running = 0;
    for (std::size_t position = 0; position < short_name_length; ++position) {
        const unsigned char byte = field[position];
        observer.character(position, byte);
        running = static_cast<std::uint8_t>(running + byte);
        observer.sum(position, running);
        if (position + 1 == short_name_length) {
            break;
        }
        running = rotate_right(running, 1);
        observer.rotation(position, running);
    }
    return running;
}

constexpr std::uint8_t lfn_checksum(ShortNameBytes field) {
    NoTrace no_trace;
    return checksum_steps(field, no_trace);
}

namespace detail {
constexpr std::uint8_t checksum_of_literal(const char (&text)[short_name_length + 1]) {
    std::array<unsigned char, short_name_length> bytes{};
    for (std::size_t i = 0; i < short_name_length; ++i) {
        bytes[i] = static_cast<unsigned char>(text[i]);
    }
    return lfn_checksum(bytes);
}
}  // namespace detail

// Known answers, also published by other FAT implementations.
static_assert(detail::checksum_of_literal("README  TXT") == 0x73);
static_assert(detail::checksum_of_literal("PRINTT~1BAT") == 0x86);
static_assert(detail::checksum_of_literal("           ") == 0xF7);
static_assert(detail::checksum_of_literal("VMLINUX    ") == 0x2C);
static_assert(detail::checksum_of_literal("BOOTX64 EFI") == 0x1D);

}  // namespace lfnsum
