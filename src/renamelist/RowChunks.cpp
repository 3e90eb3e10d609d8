#include "renamelist/RowChunks.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace quillane {

namespace {

// Below this a chunk takes about as long as starting the thread for it.
constexpr qint32 RowsPerChunk = 16'384;

// Once: a list cut into chunks twice must be cut the same way, even if a core goes offline.
qint32 cores() {
    static const auto count =
        static_cast<qint32>(std::max(1U, std::thread::hardware_concurrency()));
    return count;
}

} // namespace

qint32 rowChunkCount(qint32 count) {
    return std::clamp(count / RowsPerChunk, 1, cores());
}

void forRowChunks(qint32 count, const std::function<void(qint32 first, qint32 end)>& work) {
    forRowChunks(count, [&](qint32, qint32 first, qint32 end) { work(first, end); });
}

void forRowChunks(qint32 count,
                  const std::function<void(qint32 chunk, qint32 first, qint32 end)>& work) {
    const qint32 chunks = rowChunkCount(count);
    if (chunks == 1) {
        work(0, 0, count);
        return;
    }
    const auto boundary = [&](qint32 chunk) {
        return static_cast<qint32>(static_cast<qint64>(count) * chunk / chunks);
    };
    std::vector<std::thread> helpers;
    helpers.reserve(static_cast<std::size_t>(chunks - 1));
    for (qint32 chunk = 1; chunk < chunks; ++chunk)
        helpers.emplace_back(work, chunk, boundary(chunk), boundary(chunk + 1));
    work(0, 0, boundary(1));
    for (std::thread& helper : helpers)
        helper.join();
}

void alongside(qint32 count, const std::function<void()>& first,
               const std::function<void()>& second) {
    if (count < 2 * RowsPerChunk || cores() == 1) {
        first();
        second();
        return;
    }
    std::thread helper(second);
    first();
    helper.join();
}

} // namespace quillane
