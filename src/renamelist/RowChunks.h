#pragma once

#include <QtGlobal>

#include <functional>

namespace quillane {

// Runs `work(first, end)` over the rows [0, count) in contiguous chunks, one per core, when the
// list is long enough to pay for starting threads, and in one call on this thread otherwise.
// `work` must touch only its own rows and what no other chunk writes.
void forRowChunks(qint32 count, const std::function<void(qint32 first, qint32 end)>& work);
// The same, telling each chunk which of them it is, counted from 0: a list of the same length is
// cut into the same chunks each time.
void forRowChunks(qint32 count,
                  const std::function<void(qint32 chunk, qint32 first, qint32 end)>& work);
qint32 rowChunkCount(qint32 count);

// Runs two passes over the rows [0, count), `second` on another core when there is one and the
// list is long enough to pay for starting a thread. Neither may touch what the other writes.
void alongside(qint32 count, const std::function<void()>& first,
               const std::function<void()>& second);

} // namespace quillane
