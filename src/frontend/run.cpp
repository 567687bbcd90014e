// run.cpp: chooses the mode and turns a failed write into the exit status.
#include "frontend/run.hpp"

#include <cstring>

namespace lfnsum {

int run_lfnsum(int argument_count, char** arguments, std::FILE* input, std::FILE* output,
               std::FILE* diagnostics) {
    Console console{input, output};
    // A count of 0 (no program name at all) has no argument either.
    if (argument_count >= 2) {
        run_argument_mode(console, arguments[1], argument_count);
    } else {
        run_dialogue(console);
    }
    flush_output(console);
    if (console.write_error != 0) {
        std::fprintf(diagnostics, "lfnsum: write error: %s\n", std::strerror(console.write_error));
        return 1;
    }
    return 0;
}

}  // namespace lfnsum
