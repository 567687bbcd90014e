// expected_output.hpp: what the tool must print, written out independently of its code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lfnsum_test {

inline constexpr std::string_view credit_line =
    "\nMade for the lfnsum project by the lfnsum authors, https://lfnsum.example.org/";

inline constexpr std::string_view dialogue_prompt =
    "\n\nInput the 11 characters of the 8.3 filename.\n"
    "DO NOT INCLUDE SPACES or the DOT. ie \"printt~1bat\" \n"
    "Unless filename is less than 8 characters\n"
    "\n\aHit return to see results";

// The whole output of an interactive run on readme.txt, written out by hand.
extern const std::string_view readme_transcript;

// A simple reference checksum, in the textbook "rotate, then add" form.
std::uint8_t reference_checksum(std::string_view field);

std::string binary_digits(std::uint8_t value);

// The result line and the credit line: the whole output of the argument mode.
std::string result_and_credit(std::string_view quoted, std::uint8_t checksum);

// The whole output of an interactive run whose typed name lays out as `field`.
std::string interactive_transcript(std::string_view field);

// Whether the tool under test is a Windows build (LFNSUM_WINDOWS_EXECUTABLE, run under Wine).
bool testing_windows_build();

// Output as a Windows text stream writes it, where the tool under test is a Windows build.
std::string as_platform_text(std::string_view text);

}  // namespace lfnsum_test
