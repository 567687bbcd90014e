// bad_input_test.cpp: the built tool on hostile or broken input, as one table. Whatever comes
// in, the output is the tool's own texts with the name filled in, and the run ends cleanly.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "expected_output.hpp"
#include "process.hpp"

namespace {

using lfnsum_test::as_platform_text;
using lfnsum_test::interactive_transcript;
using lfnsum_test::OutputTarget;
using lfnsum_test::result_and_credit;

struct BadInput {
    std::string what;
    std::vector<std::string> arguments{};
    std::string input{};
    bool close_input = false;
    OutputTarget output_target = OutputTarget::pipe;
    std::string output{};
    std::string diagnostics{};
    int status = 0;
    bool without_program_name = false;  // started with an empty argument vector
    long peak_kib_below = 0;            // 0: not measured
};

std::vector<BadInput> bad_inputs() {
    // A Windows command line holds at most 32,767 characters, program name included.
    const std::size_t long_length = lfnsum_test::testing_windows_build() ? 32000 : 100000;
    const std::string long_quoted(long_length, 'X');
    const std::string eleven_spaces(11, ' ');

    std::vector<BadInput> rows;
    rows.push_back(
        {.what = "an argument of " + std::to_string(long_length) + " characters, quoted whole",
         .arguments = {std::string(long_length, 'x')},
         .output = result_and_credit(long_quoted, lfnsum_test::reference_checksum(long_quoted))});
    rows.push_back({.what = "a 64 MiB word typed, read in constant memory",
                    .input = std::string(64U << 20U, 'w') + " x\n",
                    .output = interactive_transcript("WWWWWWWWWWW"),
                    .peak_kib_below = 8 * 1024});
    rows.push_back({.what = "byte 0 and bytes over 0x7F in a typed word",
                    .input = std::string("\x80\xFF\xE9.\xC0\0tail\n", 11),
                    .output = interactive_transcript("\x80\xFF\xE9     \xC0  ")});
    rows.push_back(
        // Nine bytes run on into position 8 of the field, so the dot adds nothing.
        {.what = "bytes 0x80 to 0xFF typed, one word",
         .input = "\x80\x81\x9F\xA0\xC3\xA9\xE5\xFE\xFF.\xE5\xFF\xA0\n",
         .output = interactive_transcript("\x80\x81\x9F\xA0\xC3\xA9\xE5\xFE\xFF\xE5\xFF")});
    rows.push_back({.what = "bytes over 0x7F in an argument",
                    .arguments = {"\xE9t\xE9.txt"},
                    .output = result_and_credit("\xE9T\xE9     TXT", 0xD9)});
    rows.push_back({.what = "printf conversions in an argument",
                    .arguments = {"%s%n%x%99999d.%c"},
                    .output = result_and_credit("%S%N%X%9999", 0x84)});
    rows.push_back({.what = "printf conversions typed",
                    .input = "%n%n%n%n.%s%s\n",
                    .output = interactive_transcript("%N%N%N%N%S%")});
    rows.push_back({.what = "standard input closed",
                    .close_input = true,
                    .output = interactive_transcript(eleven_spaces)});
    for (const bool interactive : {false, true}) {
        const std::vector<std::string> arguments =
            interactive ? std::vector<std::string>{} : std::vector<std::string>{"readme.txt"};
        const std::string mode = interactive ? ", interactive" : "";
        rows.push_back({.what = "standard output full" + mode,
                        .arguments = arguments,
                        .input = "readme.txt\n",
                        .output_target = OutputTarget::full_device,
                        .diagnostics = "lfnsum: write error: No space left on device\n",
                        .status = 1});
        rows.push_back({.what = "standard output closed" + mode,
                        .arguments = arguments,
                        .input = "readme.txt\n",
                        .output_target = OutputTarget::closed,
                        .diagnostics = "lfnsum: write error: Bad file descriptor\n",
                        .status = 1});
    }
    if (!lfnsum_test::testing_windows_build()) {
        // Under Wine the launcher would start Wine itself with no arguments.
        rows.push_back({.what = "no program name",
                        .input = "readme.txt\n",
                        .output = std::string(lfnsum_test::readme_transcript),
                        .without_program_name = true});
    }
    return rows;
}

TEST(BadInput, EndsCleanlyWithTheToolsOwnTexts) {
    for (const BadInput& row : bad_inputs()) {
        if (!row.arguments.empty() && !lfnsum_test::arrives_unchanged(row.arguments[0])) {
            continue;
        }
        std::vector<std::string> command = lfnsum_test::tool_command(row.arguments);
        if (row.without_program_name) {
            command.insert(command.begin(), LFNSUM_LAUNCH_WITHOUT_ARGUMENTS);
        }
        const std::string peak_file = testing::TempDir() + "lfnsum_peak_kib";
#ifndef LFNSUM_TOOL_SANITIZED  // the sanitizers' shadow memory is no measure of the tool's own
        const bool measured = row.peak_kib_below > 0 && !lfnsum_test::testing_windows_build();
#else
        const bool measured = false;
#endif
        if (measured) {
            // GNU time, not this process, starts the tool: a child of this process would be
            // charged for the memory that holds the input here.
            command.insert(command.begin(), {"/usr/bin/time", "-f", "%M", "-o", peak_file});
        }
        lfnsum_test::ProcessOptions options;
        options.input = row.input;
        options.close_input = row.close_input;
        options.output = row.output_target;
        const auto run = lfnsum_test::run_process(command, options);
        EXPECT_EQ(run.output, as_platform_text(row.output)) << row.what;
        EXPECT_EQ(run.diagnostics, as_platform_text(row.diagnostics)) << row.what;
        EXPECT_EQ(run.exit_status, row.status) << row.what;
        if (measured) {
            long peak_kib = -1;
            std::ifstream(peak_file) >> peak_kib;
            EXPECT_GT(peak_kib, 0) << row.what;
            EXPECT_LT(peak_kib, row.peak_kib_below) << row.what << ": peak memory in KiB";
        }
    }
}

}  // namespace
