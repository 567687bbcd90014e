// checksum_trace.cpp: the step trace, the result line and the credit line.
#include "checksum/checksum_trace.hpp"

#include <cstddef>
#include <cstdio>

#include "checksum/binary_text.hpp"
#include "checksum/lfn_checksum.hpp"

namespace lfnsum {
namespace {

// The trace stops once, half-way, after the rotation that follows the sixth character.
constexpr std::size_t pause_after_position = 5;

// Every binary text starts in column 17, under the one above it.
struct StepTrace {
    Console& console;

    void character(std::size_t position, unsigned char byte) const {
        const BinaryText binary = byte_to_binary(byte);
        if (position == 0) {
            std::fprintf(console.output, "\n1st char.   %c   %s", byte, binary.data());
        } else {
            std::fprintf(console.output, "   char.    %c   %s", byte, binary.data());
        }
    }

    void sum(std::size_t position, std::uint8_t running) const {
        if (position == 0) {
            return;  // the first sum is the first character itself
        }
        std::fprintf(console.output, "\n   sum          %s\n-------------------------\n",
                     byte_to_binary(running).data());
    }

    void rotation(std::size_t position, std::uint8_t running) const {
        const BinaryText binary = byte_to_binary(running);
        if (position == 0) {
            std::fprintf(console.output, "\n   rotate       %s\n", binary.data());
            return;
        }
        std::fprintf(console.output, "   rotated      %s\n", binary.data());
        if (position == pause_after_position) {
            std::fputs("     Hit return to continue", console.output);
            wait_for_key(console);
            std::fprintf(console.output, "rotated         %s\n", binary.data());
        }
    }
};

}  // namespace

std::uint8_t checksum_trace(Console& console, const unsigned char* name, int argument_count) {
    const ShortNameBytes field{name, short_name_length};
    std::uint8_t checksum = 0;
    if (argument_count < 2) {
        StepTrace trace{console};
        checksum = checksum_steps(field, trace);
    } else {
        checksum = lfn_checksum(field);
    }
    std::fprintf(console.output,
                 "\nfinal value of  %s  in hex is %02X   for 8.3 filename of \"%s\"",
                 byte_to_binary(checksum).data(), static_cast<unsigned>(checksum),
                 reinterpret_cast<const char*>(name));
    std::fputs("\nMade for the lfnsum project by the lfnsum authors, https://lfnsum.example.org/",
               console.output);
    return checksum;
}

}  // namespace lfnsum
