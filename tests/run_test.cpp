// run_test.cpp: whole runs in memory, for what a started process cannot show.
#include "frontend/run.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "expected_output.hpp"

namespace {

struct InMemoryRun {
    std::string output;
    std::string diagnostics;
    int status;
};

std::string contents(std::FILE* file) {
    std::rewind(file);
    std::string text;
    for (int byte = std::getc(file); byte != EOF; byte = std::getc(file)) {
        text += static_cast<char>(byte);
    }
    std::fclose(file);
    return text;
}

// `argument_count` may differ from the number of words, as it may for a real process.
InMemoryRun run_in_memory(int argument_count, std::vector<std::string> words,
                          const std::string& input, std::FILE* output = std::tmpfile()) {
    std::vector<char*> arguments;
    for (std::string& word : words) {
        arguments.push_back(word.data());
    }
    arguments.push_back(nullptr);
    std::FILE* input_file = std::tmpfile();
    std::FILE* diagnostics = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), input_file);
    std::rewind(input_file);
    const int status =
        lfnsum::run_lfnsum(argument_count, arguments.data(), input_file, output, diagnostics);
    std::fclose(input_file);
    return {output != nullptr ? contents(output) : "", contents(diagnostics), status};
}

TEST(Run, NoProgramNameIsTheInteractiveMode) {
    const InMemoryRun run = run_in_memory(0, {}, "readme.txt\n");
    EXPECT_EQ(run.output, lfnsum_test::readme_transcript);
    EXPECT_EQ(run.status, 0);
}

TEST(Run, OnlyTheFirstArgumentCounts) {
    const InMemoryRun run = run_in_memory(4, {"lfnsum", "readme.txt", "other.txt", "-x"}, "");
    EXPECT_EQ(run.output, lfnsum_test::result_and_credit("README  TXT", 0x73));
    EXPECT_EQ(run.diagnostics, "");
    EXPECT_EQ(run.status, 0);
}

TEST(Run, OutputThatCannotBeWrittenFailsTheRun) {
    for (const int argument_count : {1, 2}) {
        const InMemoryRun run = run_in_memory(argument_count, {"lfnsum", "readme.txt"},
                                              "readme.txt\n", std::fopen("/dev/full", "w"));
        EXPECT_EQ(run.diagnostics, "lfnsum: write error: No space left on device\n");
        EXPECT_EQ(run.status, 1);
    }
}

}  // namespace
