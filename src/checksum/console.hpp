// console.hpp: the standard streams a run talks through, and the one failure it can meet.
#pragma once

#include <cstdio>

namespace lfnsum {

struct Console {
    std::FILE* input;
    std::FILE* output;
    // errno of the first output that could not be written; 0 while everything got through.
    int write_error = 0;
};

// One byte of input, or EOF. The tool has one thread, so it reads without the stream's lock,
// where the platform offers that: a long typed word is read many times faster.
inline int read_byte(std::FILE* input) {
#if defined(_MSC_VER)
    return _getc_nolock(input);
#elif defined(__unix__) || defined(__APPLE__)
    return getc_unlocked(input);
#else
    return std::getc(input);
#endif
}

// Pushes out all that was printed, so a prompt is on screen before the read that follows it.
void flush_output(Console& console);

// A pause: shows what was printed, then takes one byte of input. Any byte ends the pause, and
// so does the end of input; nothing before it is discarded.
void wait_for_key(Console& console);

}  // namespace lfnsum
