// run.hpp: one whole run of the tool, over whatever streams it is given.
#pragma once

#include <cstdio>

#include "checksum/console.hpp"

namespace lfnsum {

// With a name argument, prints its checksum; without one, asks for the name and teaches the
// computation. Returns the exit status: 0, or 1 when the output could not be written (then the
// reason is on `diagnostics`). The first argument is upper-cased in place.
int run_lfnsum(int argument_count, char** arguments, std::FILE* input, std::FILE* output,
               std::FILE* diagnostics);

// The argument mode: `argument` (upper-cased in place) is a name, or a field already.
void run_argument_mode(Console& console, char* argument, int argument_count);

// The interactive mode: the prompt, the typed name, a pause, then the step trace.
void run_dialogue(Console& console);

}  // namespace lfnsum
