// argument_mode_test.cpp: the built tool given a name on its command line.
#include <gtest/gtest.h>

#include <string>

#include "expected_output.hpp"
#include "known_answers.hpp"
#include "process.hpp"

namespace {

using lfnsum_test::as_platform_text;
using lfnsum_test::result_and_credit;

void expect_whole_output(const std::vector<std::string>& arguments, std::string_view quoted,
                         std::uint8_t checksum) {
    if (!lfnsum_test::arrives_unchanged(arguments.at(0))) {
        return;
    }
    const auto run = lfnsum_test::run_process(lfnsum_test::tool_command(arguments), {});
    EXPECT_EQ(run.output, as_platform_text(result_and_credit(quoted, checksum))) << arguments.at(0);
    EXPECT_EQ(run.diagnostics, "") << arguments.at(0);
    EXPECT_EQ(run.exit_status, 0) << arguments.at(0);
}

TEST(ArgumentMode, ReadmeWholeOutput) {
    const auto run = lfnsum_test::run_process(lfnsum_test::tool_command({"readme.txt"}), {});
    EXPECT_EQ(run.output, as_platform_text("\nfinal value of  01110011  in hex is 73   for 8.3 "
                                           "filename of \"README  TXT\""
                                           "\nMade for the lfnsum project by the lfnsum "
                                           "authors, https://lfnsum.example.org/"));
    EXPECT_EQ(run.diagnostics, "");
    EXPECT_EQ(run.exit_status, 0);
}

// A file gets the same bytes as a pipe; on Windows both get CR LF line ends.
TEST(ArgumentMode, OutputToAFile) {
    lfnsum_test::ProcessOptions options;
    options.output = lfnsum_test::OutputTarget::file;
    const auto run = lfnsum_test::run_process(lfnsum_test::tool_command({"readme.txt"}), options);
    EXPECT_EQ(run.output, as_platform_text(result_and_credit("README  TXT", 0x73)));
    EXPECT_EQ(run.exit_status, 0);
}

// A field of 11 bytes or more without a dot is taken as it is.
TEST(ArgumentMode, FieldsAreSummedAsGiven) {
    for (const auto& [field, checksum] : lfnsum_test::field_answers) {
        if (field.find('.') == std::string_view::npos && field[0] != '\xE5') {
            expect_whole_output({std::string(field)}, field, checksum);
        }
    }
}

TEST(ArgumentMode, NamesAreLaidOutAsFields) {
    for (const auto& answer : lfnsum_test::name_answers) {
        if (answer.name.size() < 11 || answer.name.find('.') != std::string_view::npos) {
            expect_whole_output({std::string(answer.name)}, answer.field, answer.checksum);
        }
    }
}

TEST(ArgumentMode, ArgumentRules) {
    struct Case {
        std::string argument;
        std::string quoted;
        std::uint8_t checksum;
    };
    const Case cases[] = {
        // No dot and 11 bytes or more: the first 11 are summed, the whole text is quoted.
        {"abcdefghijklmnop", "ABCDEFGHIJKLMNOP", 0xA4},
        {"file1139txtextra", "FILE1139TXTEXTRA", 0x0A},
        // A raw field keeps a leading 0xE5: it is the caller's field, not a typed name.
        {"\345ABC    TXT", "\345ABC    TXT", 0xFC},
        // A dotted name is laid out whatever its length.
        {"read me.txt", "READ ME TXT", 0x89},
        {"printt~1.bat", "PRINTT~1BAT", 0x86},
        {"a.very.long.dotted.name", "A       VER", 0x52},
        // A name is a value, never a format.
        {"100%s%n", "100%S%N    ", 0x32},
        {"%s%n%x%99999d.t", "%S%N%X%9999", 0x84},
        // Bytes over 0x7F take part as unsigned values.
        {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF",
         "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 0xFE},
    };
    for (const Case& c : cases) {
        expect_whole_output({c.argument}, c.quoted, c.checksum);
    }
}

TEST(ArgumentMode, FurtherArgumentsAreIgnored) {
    expect_whole_output({"readme.txt", "printt~1.bat", "--help"}, "README  TXT", 0x73);
}

}  // namespace
