// Any program of the same user can write to the running copy's socket.
#include "platform/PathHandOver.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace quillane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView received(data, static_cast<qsizetype>(size));
    const HandOverRead read = readHandOverMessage(received);
    // A whole message never claims more than arrived, and a message made of its paths is read
    // back as them.
    if (read.used > received.size())
        std::abort();
    if (read.state == HandOverRead::State::Whole &&
        readHandOverMessage(handOverMessage(read.paths)).paths != read.paths)
        std::abort();
    return 0;
}
