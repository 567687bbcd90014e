// run_fuzzer.cpp: whole runs of the tool in memory, through the same code as main. The first
// byte chooses the mode: even, the rest is the argument; odd, the rest is standard input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "check.hpp"
#include "expected_output.hpp"
#include "frontend/run.hpp"
#include "reference.hpp"

namespace {

// The tool's own texts, as the tests have them.
using lfnsum_test::credit_line;
using lfnsum_test::dialogue_prompt;

bool is_white_space(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
           byte == '\r';
}

// The name that the dialogue reads: the first word, up to a byte 0 within it.
std::string first_word(std::string_view input) {
    std::size_t start = 0;
    while (start < input.size() && is_white_space(input[start])) {
        ++start;
    }
    std::size_t end = start;
    while (end < input.size() && !is_white_space(input[end])) {
        ++end;
    }
    const std::string word(input.substr(start, end - start));
    return word.substr(0, word.find('\0'));
}

std::string result_line(std::string_view quoted) {
    const std::uint8_t sum = reference::checksum(quoted);
    std::string binary;
    for (int bit = 7; bit >= 0; --bit) {
        binary += ((sum >> bit) & 1) != 0 ? '1' : '0';
    }
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(sum));
    return "\nfinal value of  " + binary + "  in hex is " + hex + "   for 8.3 filename of \"" +
           std::string(quoted) + "\"";
}

std::size_t count_of(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool interactive = (data[0] & 1U) != 0;
    std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);

    char* output_bytes = nullptr;
    std::size_t output_size = 0;
    char* diagnostic_bytes = nullptr;
    std::size_t diagnostic_size = 0;
    std::FILE* output = open_memstream(&output_bytes, &output_size);
    std::FILE* diagnostics = open_memstream(&diagnostic_bytes, &diagnostic_size);
    std::FILE* input = fmemopen(rest.data(), rest.size(), "r");
    fuzz_check(output != nullptr && diagnostics != nullptr && input != nullptr, "memory streams");

    std::string program = "lfnsum";
    std::string quoted;
    int status = 0;
    if (interactive) {
        char* arguments[] = {program.data(), nullptr};
        status = lfnsum::run_lfnsum(1, arguments, input, output, diagnostics);
        quoted = reference::field_of(first_word(rest));
    } else {
        std::string argument = rest.substr(0, rest.find('\0'));  // argv cannot hold a byte 0
        std::string upper_cased;
        for (const char byte : argument) {
            upper_cased += reference::upper_ascii(byte);
        }
        const bool laid_out = argument.size() < 11 || argument.find('.') != std::string::npos;
        quoted = laid_out ? reference::field_of(argument) : upper_cased;
        char* arguments[] = {program.data(), argument.data(), nullptr};
        status = lfnsum::run_lfnsum(2, arguments, input, output, diagnostics);
    }
    std::fclose(input);
    std::fclose(output);
    std::fclose(diagnostics);
    const std::string printed(output_bytes, output_size);
    const std::size_t diagnosed = diagnostic_size;
    std::free(output_bytes);
    std::free(diagnostic_bytes);

    fuzz_check(status == 0, "exit status 0");
    fuzz_check(diagnosed == 0, "nothing on standard error");
    const std::string ending = result_line(quoted) + std::string(credit_line);
    fuzz_check(printed.size() >= ending.size() &&
                   printed.compare(printed.size() - ending.size(), ending.size(), ending) == 0,
               "the output ends with the result line for the quoted field, then the credit");
    const std::string_view before_result(printed.data(), printed.size() - ending.size());
    if (interactive) {
        fuzz_check(before_result.substr(0, dialogue_prompt.size()) == dialogue_prompt,
                   "the dialogue opens with its prompts");
        fuzz_check(count_of(before_result, "     Hit return to continue") == 1,
                   "the trace pauses exactly once");
        fuzz_check(count_of(before_result, "\n   sum          ") == 10, "ten sums in the trace");
    } else {
        fuzz_check(before_result.empty(), "the argument mode prints no trace");
    }
    return 0;
}
