// process.hpp: runs a program with given arguments and input, and collects what it printed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lfnsum_test {

// Where the program's standard output goes. A file's content is read back into the result.
enum class OutputTarget { pipe, file, full_device, closed };

struct ProcessOptions {
    std::string input;
    bool close_input = false;  // start the program with no standard input at all
    OutputTarget output = OutputTarget::pipe;
    int timeout_seconds = 60;
};

struct ProcessResult {
    std::string output;
    std::string diagnostics;
    int exit_status = -1;  // -1 when the program did not exit normally
};

// `command` as posix_spawn wants it: pointers to its words, then a null pointer. The words must
// outlive the result.
std::vector<char*> argument_vector(const std::vector<std::string>& command);

// The first word of `command` is the program; it is looked up on PATH when it has no slash.
ProcessResult run_process(const std::vector<std::string>& command, const ProcessOptions& options);

// The command that starts the tool under test with `arguments`: LFNSUM_EXECUTABLE, or a Windows
// build named by LFNSUM_WINDOWS_EXECUTABLE, under Wine.
std::vector<std::string> tool_command(const std::vector<std::string>& arguments);

// On Windows the command line reaches the tool through the ANSI code page, and under Wine from a
// Unix locale too: bytes over 0x7F may arrive as other bytes, so only ASCII arguments are
// compared there. Typed input has no such conversion and is compared whole on both.
bool arrives_unchanged(std::string_view argument);

}  // namespace lfnsum_test
