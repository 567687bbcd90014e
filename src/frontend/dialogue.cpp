// dialogue.cpp: asks for the short name on the console and reads it.
#include <cstdio>

#include "checksum/checksum_trace.hpp"
#include "frontend/run.hpp"
#include "frontend/short_name.hpp"

namespace lfnsum {
namespace {

// The white space that separates words on input, as isspace has it in the "C" locale: blank,
// and tab to carriage return. Bytes over 0x7F never are.
constexpr bool is_white_space(int byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }

// Reads one word, skipping white space before it and leaving the white space after it unread,
// and lays it out as it goes, so a word of any length takes no memory. A byte 0 ends the name,
// but the rest of the word is still consumed.
ShortName read_typed_name(std::FILE* input) {
    ShortNameBuilder builder = start_short_name();
    int byte = read_byte(input);
    while (is_white_space(byte)) {
        byte = read_byte(input);
    }
    while (byte != EOF && byte != '\0' && !is_white_space(byte) && !short_name_is_full(builder)) {
        add_to_short_name(builder, to_upper_ascii(static_cast<unsigned char>(byte)));
        byte = read_byte(input);
    }
    while (byte != EOF && !is_white_space(byte)) {
        byte = read_byte(input);
    }
    if (byte != EOF) {
        std::ungetc(byte, input);
    }
    return finish_short_name(builder);
}

}  // namespace

void run_dialogue(Console& console) {
    std::fputs("\n\nInput the 11 characters of the 8.3 filename.\n", console.output);
    std::fputs("DO NOT INCLUDE SPACES or the DOT. ie \"printt~1bat\" \n", console.output);
    std::fputs("Unless filename is less than 8 characters\n", console.output);
    flush_output(console);
    const ShortName field = read_typed_name(console.input);
    std::fputs("\n\aHit return to see results", console.output);
    wait_for_key(console);
    checksum_trace(console, field.data(), 1);
}

}  // namespace lfnsum
