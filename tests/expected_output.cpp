// expected_output.cpp: the tool's texts, and a reference trace built from the rules alone.
#include "expected_output.hpp"

#include <cstdio>
#include <cstdlib>

namespace lfnsum_test {

const std::string_view readme_transcript =
    "\n\nInput the 11 characters of the 8.3 filename.\n"
    "DO NOT INCLUDE SPACES or the DOT. ie \"printt~1bat\" \n"
    "Unless filename is less than 8 characters\n"
    "\n\aHit return to see results"
    R"(
1st char.   R   01010010
   rotate       00101001
   char.    E   01000101
   sum          01101110
-------------------------
   rotated      00110111
   char.    A   01000001
   sum          01111000
-------------------------
   rotated      00111100
   char.    D   01000100
   sum          10000000
-------------------------
   rotated      01000000
   char.    M   01001101
   sum          10001101
-------------------------
   rotated      11000110
   char.    E   01000101
   sum          00001011
-------------------------
   rotated      10000101
     Hit return to continuerotated         10000101
   char.        00100000
   sum          10100101
-------------------------
   rotated      11010010
   char.        00100000
   sum          11110010
-------------------------
   rotated      01111001
   char.    T   01010100
   sum          11001101
-------------------------
   rotated      11100110
   char.    X   01011000
   sum          00111110
-------------------------
   rotated      00011111
   char.    T   01010100
   sum          01110011
-------------------------

final value of  01110011  in hex is 73   for 8.3 filename of "README  TXT"
Made for the lfnsum project by the lfnsum authors, https://lfnsum.example.org/)";

namespace {
std::uint8_t rotated(std::uint8_t value) {
    return static_cast<std::uint8_t>(((value & 1) << 7) | (value >> 1));
}
}  // namespace

std::uint8_t reference_checksum(std::string_view field) {
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < 11; ++i) {
        sum = static_cast<std::uint8_t>(rotated(sum) + static_cast<unsigned char>(field[i]));
    }
    return sum;
}

std::string binary_digits(std::uint8_t value) {
    std::string digits;
    for (int bit = 7; bit >= 0; --bit) {
        digits += ((value >> bit) & 1) != 0 ? '1' : '0';
    }
    return digits;
}

std::string result_and_credit(std::string_view quoted, std::uint8_t checksum) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(checksum));
    std::string text = "\nfinal value of  " + binary_digits(checksum) + "  in hex is " + hex +
                       "   for 8.3 filename of \"";
    text.append(quoted);
    text += '"';
    text.append(credit_line);
    return text;
}

std::string interactive_transcript(std::string_view field) {
    std::string text(dialogue_prompt);
    const std::string separator = "\n" + std::string(25, '-') + "\n";
    std::uint8_t sum = static_cast<unsigned char>(field[0]);
    text += "\n1st char.   " + std::string(1, field[0]) + "   " + binary_digits(sum);
    sum = rotated(sum);
    text += "\n   rotate       " + binary_digits(sum) + "\n";
    for (std::size_t i = 1; i < 11; ++i) {
        const auto byte = static_cast<unsigned char>(field[i]);
        text += "   char.    " + std::string(1, field[i]) + "   " + binary_digits(byte);
        sum = static_cast<std::uint8_t>(sum + byte);
        text += "\n   sum          " + binary_digits(sum) + separator;
        if (i == 10) {
            break;
        }
        sum = rotated(sum);
        text += "   rotated      " + binary_digits(sum) + "\n";
        if (i == 5) {
            text += "     Hit return to continuerotated         " + binary_digits(sum) + "\n";
        }
    }
    return text + result_and_credit(field.substr(0, 11), sum);
}

bool testing_windows_build() { return std::getenv("LFNSUM_WINDOWS_EXECUTABLE") != nullptr; }

std::string as_platform_text(std::string_view text) {
    if (!testing_windows_build()) {
        return std::string(text);
    }
    std::string converted;
    for (const char byte : text) {
        if (byte == '\n') {
            converted += '\r';
        }
        converted += byte;
    }
    return converted;
}

}  // namespace lfnsum_test
