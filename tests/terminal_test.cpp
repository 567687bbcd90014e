// terminal_test.cpp: a conversation with the tool, on a terminal and on pipes: every prompt is
// out before the tool waits, and the pause half-way through the trace really waits.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>

#include "expected_output.hpp"
#include "process.hpp"

extern char** environ;

namespace {

using namespace std::chrono_literals;

struct Conversation {
    pid_t child = -1;
    int to_child = -1;
    int from_child = -1;
    std::string seen;
};

// On a terminal the tool's standard streams are all the terminal. It is put in raw mode, so
// what the test reads is exactly what the tool wrote, with no echo and no CR added.
Conversation start_conversation(bool on_terminal) {
    Conversation talk;
    int child_input = -1;
    int child_output = -1;
    if (on_terminal) {
        termios raw{};
        cfmakeraw(&raw);
        int terminal = -1;
        if (openpty(&talk.to_child, &terminal, nullptr, &raw, nullptr) != 0) {
            ADD_FAILURE() << "no pseudo-terminal";
            return talk;
        }
        talk.from_child = talk.to_child;
        child_input = child_output = terminal;
    } else {
        int input[2];
        int output[2];
        if (pipe(input) != 0 || pipe(output) != 0) {
            ADD_FAILURE() << "no pipes";
            return talk;
        }
        child_input = input[0];
        talk.to_child = input[1];
        talk.from_child = output[0];
        child_output = output[1];
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, child_input, 0);
    posix_spawn_file_actions_adddup2(&actions, child_output, 1);
    posix_spawn_file_actions_adddup2(&actions, child_output, 2);
    posix_spawn_file_actions_addclose(&actions, talk.to_child);
    if (talk.from_child != talk.to_child) {
        posix_spawn_file_actions_addclose(&actions, talk.from_child);
    }
    const std::vector<std::string> command = lfnsum_test::tool_command({});
    std::vector<char*> argv = lfnsum_test::argument_vector(command);
    signal(SIGPIPE, SIG_IGN);
    if (posix_spawnp(&talk.child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        ADD_FAILURE() << "cannot start " << argv[0];
    }
    posix_spawn_file_actions_destroy(&actions);
    close(child_input);
    if (child_output != child_input) {
        close(child_output);
    }
    return talk;
}

// Reads whatever arrives within `limit`; false once the tool has closed its side.
bool read_for(Conversation& talk, std::chrono::milliseconds limit) {
    pollfd watched{talk.from_child, POLLIN, 0};
    if (poll(&watched, 1, static_cast<int>(limit.count())) <= 0) {
        return true;
    }
    char buffer[4096];
    const ssize_t count = read(talk.from_child, buffer, sizeof buffer);
    if (count <= 0) {
        return false;  // a terminal says EIO once the tool has gone, a pipe says end of file
    }
    talk.seen.append(buffer, static_cast<std::size_t>(count));
    return true;
}

bool wait_for_text(Conversation& talk, std::string_view expected) {
    const std::string text = lfnsum_test::as_platform_text(expected);
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (talk.seen.find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() > deadline || !read_for(talk, 100ms)) {
            return false;
        }
    }
    return true;
}

// The tool waits for input: it prints nothing more and is still running.
bool waits_quietly(Conversation& talk) {
    const std::size_t before = talk.seen.size();
    const auto until = std::chrono::steady_clock::now() + 500ms;
    while (std::chrono::steady_clock::now() < until) {
        if (!read_for(talk, 50ms)) {
            return false;
        }
    }
    int status = 0;
    return talk.seen.size() == before && waitpid(talk.child, &status, WNOHANG) == 0;
}

void send(Conversation& talk, std::string_view text) {
    ASSERT_EQ(write(talk.to_child, text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

// Reads all the tool writes until it closes its side, then collects its exit status.
int finish(Conversation& talk) {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (read_for(talk, 100ms)) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(talk.child, SIGKILL);
            break;
        }
    }
    int status = 0;
    waitpid(talk.child, &status, 0);
    close(talk.to_child);
    if (talk.from_child != talk.to_child) {
        close(talk.from_child);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Conversations : public testing::TestWithParam<bool> {};

TEST_P(Conversations, EveryPromptShowsBeforeTheToolWaits) {
    Conversation talk = start_conversation(GetParam());
    ASSERT_GT(talk.child, 0);
    ASSERT_TRUE(wait_for_text(talk, "Unless filename is less than 8 characters\n")) << talk.seen;
    EXPECT_TRUE(waits_quietly(talk)) << "the tool must wait for the name";

    send(talk, "readme.txt\n");
    ASSERT_TRUE(wait_for_text(talk, "     Hit return to continue")) << talk.seen;
    EXPECT_TRUE(waits_quietly(talk)) << "the pause half-way must wait for a key";
    EXPECT_NE(talk.seen.find(lfnsum_test::as_platform_text("\n\aHit return to see results")),
              std::string::npos);

    send(talk, "\n");
    EXPECT_EQ(finish(talk), 0);
    EXPECT_EQ(talk.seen, lfnsum_test::as_platform_text(lfnsum_test::readme_transcript));
}

INSTANTIATE_TEST_SUITE_P(Transports, Conversations, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& transport) {
                             return transport.param ? "Terminal" : "Pipes";
                         });

}  // namespace
