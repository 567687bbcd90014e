// process.cpp: posix_spawn with pipes, fed and drained together so no side can block the other.
#include "process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "expected_output.hpp"

extern char** environ;

namespace lfnsum_test {
namespace {

struct Pipe {
    int read_end = -1;
    int write_end = -1;
};

Pipe make_pipe() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe2 failed");
    }
    return {ends[0], ends[1]};
}

void close_if_open(int& descriptor) {
    if (descriptor >= 0) {
        close(descriptor);
        descriptor = -1;
    }
}

}  // namespace

std::vector<char*> argument_vector(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    return argv;
}

ProcessResult run_process(const std::vector<std::string>& command, const ProcessOptions& options) {
    signal(SIGPIPE, SIG_IGN);  // a program that stops reading early must not end the test
    Pipe input = make_pipe();
    Pipe output = make_pipe();
    Pipe diagnostics = make_pipe();

    char output_template[] = "/tmp/lfnsum_output_XXXXXX";
    std::string output_file;
    if (options.output == OutputTarget::file) {
        const int descriptor = mkstemp(output_template);
        if (descriptor < 0) {
            throw std::runtime_error("mkstemp failed");
        }
        close(descriptor);
        output_file = output_template;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (options.close_input) {
        posix_spawn_file_actions_addclose(&actions, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, input.read_end, 0);
    }
    switch (options.output) {
        case OutputTarget::pipe:
            posix_spawn_file_actions_adddup2(&actions, output.write_end, 1);
            break;
        case OutputTarget::file:
            posix_spawn_file_actions_addopen(&actions, 1, output_file.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0600);
            break;
        case OutputTarget::full_device:
            posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
            break;
        case OutputTarget::closed:
            posix_spawn_file_actions_addclose(&actions, 1);
            break;
    }
    posix_spawn_file_actions_adddup2(&actions, diagnostics.write_end, 2);

    std::vector<char*> argv = argument_vector(command);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close_if_open(input.read_end);
    close_if_open(output.write_end);
    close_if_open(diagnostics.write_end);
    if (spawned != 0) {
        close_if_open(input.write_end);
        close_if_open(output.read_end);
        close_if_open(diagnostics.read_end);
        throw std::runtime_error("cannot start " + command[0]);
    }

    ProcessResult result;
    std::size_t written = 0;
    if (options.input.empty()) {
        close_if_open(input.write_end);
    } else {
        fcntl(input.write_end, F_SETFL, O_NONBLOCK);
    }
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(options.timeout_seconds);
    char buffer[65536];
    while (output.read_end >= 0 || diagnostics.read_end >= 0) {
        pollfd watched[3] = {{output.read_end, POLLIN, 0},
                             {diagnostics.read_end, POLLIN, 0},
                             {input.write_end, POLLOUT, 0}};
        if (poll(watched, 3, 1000) < 0 && errno != EINTR) {
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            break;
        }
        if (watched[2].revents != 0) {
            const ssize_t count = write(input.write_end, options.input.data() + written,
                                        options.input.size() - written);
            if (count > 0) {
                written += static_cast<std::size_t>(count);
            }
            if ((count < 0 && errno != EAGAIN) || written == options.input.size()) {
                close_if_open(input.write_end);  // all given, or the program stopped reading
            }
        }
        std::string* sinks[2] = {&result.output, &result.diagnostics};
        int* sources[2] = {&output.read_end, &diagnostics.read_end};
        for (int i = 0; i < 2; ++i) {
            if (watched[i].revents == 0) {
                continue;
            }
            const ssize_t count = read(*sources[i], buffer, sizeof buffer);
            if (count > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(count));
            } else if (count == 0 || errno != EINTR) {
                close_if_open(*sources[i]);
            }
        }
    }
    close_if_open(input.write_end);
    close_if_open(output.read_end);
    close_if_open(diagnostics.read_end);
    int status = 0;
    waitpid(child, &status, 0);
    result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (!output_file.empty()) {
        std::ifstream file(output_file, std::ios::binary);
        result.output.assign(std::istreambuf_iterator<char>(file),
                             std::istreambuf_iterator<char>());
        unlink(output_file.c_str());
    }
    return result;
}

std::vector<std::string> tool_command(const std::vector<std::string>& arguments) {
    std::vector<std::string> command;
    if (const char* windows_build = std::getenv("LFNSUM_WINDOWS_EXECUTABLE")) {
        setenv("WINEDEBUG", "-all", 0);  // Wine's own notes would mix with the tool's output
        setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 0);  // and a console tool needs no .NET
        command = {"wine", windows_build};
    } else if (const char* executable = std::getenv("LFNSUM_EXECUTABLE")) {
        command = {executable};
    } else {
        throw std::runtime_error("neither LFNSUM_EXECUTABLE nor LFNSUM_WINDOWS_EXECUTABLE is set");
    }
    command.insert(command.end(), arguments.begin(), arguments.end());
    return command;
}

bool arrives_unchanged(std::string_view argument) {
    return !testing_windows_build() || std::all_of(argument.begin(), argument.end(), [](char byte) {
        return static_cast<unsigned char>(byte) < 0x80;
    });
}

}  // namespace lfnsum_test
