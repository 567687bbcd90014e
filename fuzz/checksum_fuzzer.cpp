// checksum_fuzzer.cpp: the field builder and the checksum against the plain reference.
#include <cstddef>
#include <cstdint>
#include <string>

#include "check.hpp"
#include "checksum/lfn_checksum.hpp"
#include "frontend/short_name.hpp"
#include "reference.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);

    std::string upper_cased = name;
    lfnsum::to_upper_ascii(
        std::span{reinterpret_cast<unsigned char*>(upper_cased.data()), upper_cased.size()});
    const lfnsum::ShortName field = lfnsum::format_short_name(
        {reinterpret_cast<const unsigned char*>(upper_cased.data()), upper_cased.size()});
    const std::string expected_field = reference::field_of(name);
    fuzz_check(std::string(reinterpret_cast<const char*>(field.data()), 11) == expected_field,
               "format_short_name agrees with the reference");
    fuzz_check(field[11] == '\0', "the field is terminated");

    // Any 11 bytes, taken as a raw field.
    std::string raw = name;
    raw.resize(11, '\0');
    const auto* raw_bytes = reinterpret_cast<const unsigned char*>(raw.data());
    fuzz_check(
        lfnsum::lfn_checksum(lfnsum::ShortNameBytes{raw_bytes, 11}) == reference::checksum(raw),
        "lfn_checksum agrees with the reference");

    for (const unsigned char byte : std::span{raw_bytes, 11}) {
        std::uint8_t rotated = byte;
        const int count = static_cast<signed char>(byte) % 12;  // negative, 0, past 8
        for (int i = 0; i < (count < 0 ? 0 : (count > 8 ? 8 : count)); ++i) {
            rotated = reference::rotate_right_once(rotated);
        }
        fuzz_check(lfnsum::rotate_right(byte, count) == rotated, "rotate_right");
    }
    return 0;
}
