// Reading a descriptor through a stream.
#include "platform/read_buffer.h"

#include "platform/platform.h"

#include <cerrno>

// The next block is read only once the last one has been used up.
ReadBuffer::int_type ReadBuffer::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    const long got = readBytes(file, block, sizeof block);
    if (got <= 0) {
        if (got < 0) {
            error = errno;
        }
        return traits_type::eof();
    }
    setg(block, block, block + got);
    return traits_type::to_int_type(*gptr());
}

// A regular file gives its first block whole, so a prefix shorter than a
// block is all there once the first block is in.
void ReadBuffer::skipPrefix(std::string_view prefix) {
    sgetc();
    const std::string_view start(gptr(), static_cast<std::size_t>(egptr() - gptr()));
    if (start.starts_with(prefix)) {
        gbump(static_cast<int>(prefix.size()));
    }
}
