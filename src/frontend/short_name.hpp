// short_name.hpp: turns a name as users type it (readme.txt) into the 11-byte field a FAT
// directory entry stores (README  TXT).
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "checksum/lfn_checksum.hpp"

namespace lfnsum {

// The field, then a terminator so that it can be quoted as a text.
using ShortName = std::array<unsigned char, short_name_length + 1>;

// Only ASCII letters change: FAT upper-cases short names, and bytes over 0x7F belong to a code
// page this tool does not know.
constexpr unsigned char to_upper_ascii(unsigned char byte) {
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 0x20) : byte;
}

constexpr void to_upper_ascii(std::span<unsigned char> text) {
    for (unsigned char& byte : text) {
        byte = to_upper_ascii(byte);
    }
}

// A field being filled one byte at a time, so that a typed word of any length can be laid out
// without keeping it.
struct ShortNameBuilder {
    ShortName field;
    std::size_t next_position;  // never past the end of the field
};

inline constexpr std::size_t base_name_length = 8;

constexpr ShortNameBuilder start_short_name() {
    ShortNameBuilder builder{};
    for (std::size_t i = 0; i < short_name_length; ++i) {
        builder.field[i] = ' ';
    }
    builder.field[short_name_length] = '\0';
    return builder;
}

// A dot moves on to the extension, leaving the rest of the base name as spaces, and is not
// stored; a dot already in the extension adds nothing. Every other byte is stored as it is,
// even where a FAT short name could not hold it, and bytes past the field are dropped.
constexpr void add_to_short_name(ShortNameBuilder& builder, unsigned char byte) {
    if (byte == '.') {
        if (builder.next_position < base_name_length) {
            builder.next_position = base_name_length;
        }
        return;
    }
    if (builder.next_position < short_name_length) {
        builder.field[builder.next_position] = byte;
        ++builder.next_position;
    }
}

// Once the extension is filled, no byte can change the field: a dot there adds nothing, and
// every other byte would land past the end.
constexpr bool short_name_is_full(const ShortNameBuilder& builder) {
    return builder.next_position == short_name_length;
}

// 0xE5 in the first byte marks a free directory entry, so a name starting with that byte is
// stored with 0x05 there instead, and the checksum is taken over 0x05.
inline constexpr unsigned char free_entry_marker = 0xE5;
inline constexpr unsigned char escaped_free_entry_marker = 0x05;

constexpr ShortName finish_short_name(const ShortNameBuilder& builder) {
    ShortName field = builder.field;
    if (field[0] == free_entry_marker) {
        field[0] = escaped_free_entry_marker;
    }
    return field;
}

// `text` is upper-cased already.
constexpr ShortName format_short_name(std::span<const unsigned char> text) {
    ShortNameBuilder builder = start_short_name();
    for (const unsigned char byte : text) {
        add_to_short_name(builder, byte);
    }
    return finish_short_name(builder);
}

namespace detail {
template <std::size_t size>
constexpr bool lays_out_as(const char (&name)[size], const char (&field)[short_name_length + 1]) {
    std::array<unsigned char, size - 1> bytes{};
    for (std::size_t i = 0; i + 1 < size; ++i) {
        bytes[i] = static_cast<unsigned char>(name[i]);
    }
    const ShortName built = format_short_name(bytes);
    for (std::size_t i = 0; i <= short_name_length; ++i) {
        if (built[i] != static_cast<unsigned char>(field[i])) {
            return false;
        }
    }
    return true;
}
}  // namespace detail

static_assert(detail::lays_out_as("README.TXT", "README  TXT"));
static_assert(detail::lays_out_as("PRINTT~1.BAT", "PRINTT~1BAT"));
static_assert(detail::lays_out_as("A.B.C", "A       BC "));
static_assert(detail::lays_out_as("ABCDEFGHIJ.TXT", "ABCDEFGHIJT"));
static_assert(detail::lays_out_as(".TXT", "        TXT"));
static_assert(detail::lays_out_as("\xE5X", "\x05X         "));

}  // namespace lfnsum
