// launch_without_arguments.cpp: starts a program with an empty argument vector, not even its
// own name. Linux since 5.18 hands such a program one empty argument instead; other systems
// pass the count of 0 through.
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: launch_without_arguments PROGRAM\n", stderr);
        return 2;
    }
    char* no_arguments[] = {nullptr};
    execv(argv[1], no_arguments);
    std::perror("execv");
    return 127;
}
