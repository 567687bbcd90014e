// console.cpp: checked flushing and the one-byte pause.
#include "checksum/console.hpp"

#include <cerrno>

namespace lfnsum {

void flush_output(Console& console) {
    const bool failed = std::fflush(console.output) != 0 || std::ferror(console.output) != 0;
    if (failed && console.write_error == 0) {
        // When the failed write happened inside an earlier print, errno still holds its
        // reason: nothing that succeeds afterwards sets errno.
        console.write_error = errno != 0 ? errno : EIO;
    }
}

void wait_for_key(Console& console) {
    flush_output(console);
    (void)read_byte(console.input);
}

}  // namespace lfnsum
