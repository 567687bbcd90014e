// argument_mode.cpp: the checksum of the name given on the command line.
#include <cstring>
#include <span>

#include "checksum/checksum_trace.hpp"
#include "frontend/run.hpp"
#include "frontend/short_name.hpp"

namespace lfnsum {

void run_argument_mode(Console& console, char* argument, int argument_count) {
    auto* name = reinterpret_cast<unsigned char*>(argument);
    const std::size_t length = std::strlen(argument);
    to_upper_ascii(std::span{name, length});
    // A dot never stands in a short-name field, so a dotted argument is a name to lay out,
    // whatever its length. Without a dot, 11 bytes or more are taken as the field itself.
    const bool is_field = length >= short_name_length && std::memchr(name, '.', length) == nullptr;
    if (is_field) {
        checksum_trace(console, name, argument_count);
        return;
    }
    const ShortName field = format_short_name(std::span<const unsigned char>{name, length});
    checksum_trace(console, field.data(), argument_count);
}

}  // namespace lfnsum
