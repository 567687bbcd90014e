// checksum_trace.hpp: the checksum of a short name, printed, and taught step by step.
#pragma once

#include <cstdint>

#include "checksum/console.hpp"

namespace lfnsum {

// Prints the step trace (only in the interactive mode, that is, with an argument count below
// 2), then the result line and the credit line, and returns the checksum. `name` is a
// terminated text of at least 11 bytes: the first 11 are summed, the whole text is quoted.
std::uint8_t checksum_trace(Console& console, const unsigned char* name, int argument_count);

}  // namespace lfnsum
