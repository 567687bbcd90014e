// dialogue_test.cpp: the built tool started without a name, its input on a pipe.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "expected_output.hpp"
#include "known_answers.hpp"
#include "process.hpp"

namespace {

using lfnsum_test::as_platform_text;
using lfnsum_test::interactive_transcript;

lfnsum_test::ProcessResult run_dialogue(const std::string& input) {
    lfnsum_test::ProcessOptions options;
    options.input = input;
    return lfnsum_test::run_process(lfnsum_test::tool_command({}), options);
}

TEST(Dialogue, ReadmeWholeTranscript) {
    const auto run = run_dialogue("readme.txt\n");
    EXPECT_EQ(run.output, as_platform_text(lfnsum_test::readme_transcript));
    EXPECT_EQ(run.diagnostics, "");
    EXPECT_EQ(run.exit_status, 0);
}

TEST(Dialogue, TypedNamesAreLaidOutAsFields) {
    for (const auto& answer : lfnsum_test::name_answers) {
        const auto run = run_dialogue(std::string(answer.name) + "\n");
        EXPECT_EQ(run.output, as_platform_text(interactive_transcript(answer.field)))
            << answer.name;
        EXPECT_EQ(run.exit_status, 0) << answer.name;
        EXPECT_EQ(lfnsum_test::reference_checksum(answer.field), answer.checksum);
    }
}

// Whatever surrounds the word, only the word makes the field, and the two pauses take what
// follows it without waiting.
TEST(Dialogue, InputShapes) {
    struct Case {
        const char* what;
        std::string input;
        std::string_view field;
    };
    const Case cases[] = {
        {"name on a line of its own", "printt~1bat\n", "PRINTT~1BAT"},
        {"more words on the line", "printt~1bat extra words\nmore\n", "PRINTT~1BAT"},
        {"no line end at all", "printt~1.bat", "PRINTT~1BAT"},
        {"empty input", "", "           "},
        {"only white space", " \t\n\r\n\v\f", "           "},
        {"blank lines and blanks first", "\n\n   \t readme.txt\n", "README  TXT"},
        {"CR LF line ends", "readme.txt\r\n\r\n", "README  TXT"},
        {"byte 0 ends the name", std::string("read\0me.txt\n", 12), "READ       "},
        {"byte 0 first", std::string("\0readme.txt\n", 12), "           "},
        {"leading 0xE5", "\345bc.txt\n", "\005BC     TXT"},
        {"percent signs", "%s%n.%x\n", "%S%N    %X "},
    };
    for (const Case& c : cases) {
        const auto run = run_dialogue(c.input);
        EXPECT_EQ(run.output, as_platform_text(interactive_transcript(c.field))) << c.what;
        EXPECT_EQ(run.diagnostics, "") << c.what;
        EXPECT_EQ(run.exit_status, 0) << c.what;
    }
}

// The word is read whole but never kept, so what follows it still reaches the pauses. GNU time
// measures the peak memory: the test process itself holds the word, and a child started from
// it would be charged for that.
TEST(Dialogue, LongWordInConstantMemory) {
    lfnsum_test::ProcessOptions options;
    options.input.assign(64U << 20U, 'w');
    options.input += " x\n";
    const bool measured = !lfnsum_test::testing_windows_build();  // Wine has its own
    const std::string peak_file = testing::TempDir() + "lfnsum_peak_kib";
    std::vector<std::string> command = lfnsum_test::tool_command({});
    if (measured) {
        command.insert(command.begin(), {"/usr/bin/time", "-f", "%M", "-o", peak_file});
    }
    const auto run = lfnsum_test::run_process(command, options);
    EXPECT_EQ(run.output, as_platform_text(interactive_transcript("WWWWWWWWWWW")));
    EXPECT_EQ(run.exit_status, 0);
    if (measured) {
        std::ifstream peak(peak_file);
        long peak_kib = -1;
        peak >> peak_kib;
        EXPECT_GT(peak_kib, 0);
        EXPECT_LT(peak_kib, 8 * 1024) << "peak memory in KiB";
    }
}

TEST(Dialogue, ClosedInputReadsAsEmpty) {
    lfnsum_test::ProcessOptions options;
    options.close_input = true;
    const auto run = lfnsum_test::run_process(lfnsum_test::tool_command({}), options);
    EXPECT_EQ(run.output, as_platform_text(interactive_transcript("           ")));
    EXPECT_EQ(run.exit_status, 0);
}

}  // namespace
