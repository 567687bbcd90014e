// dialogue_test.cpp: the built tool started without a name, its input on a pipe.
#include <gtest/gtest.h>

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

TEST(Dialogue, TranscriptToAFile) {
    lfnsum_test::ProcessOptions options;
    options.input = "readme.txt\n";
    options.output = lfnsum_test::OutputTarget::file;
    const auto run = lfnsum_test::run_process(lfnsum_test::tool_command({}), options);
    EXPECT_EQ(run.output, as_platform_text(lfnsum_test::readme_transcript));
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

}  // namespace
