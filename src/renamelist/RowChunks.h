#pragma once

#include <QtGlobal>

#include <functional>

namespace quillane {

// Runs `work(first, end)` over the rows [0, count) in contiguous chunks, one per core, when the
// list is long enough to pay for starting threads, and in one call on this thread otherwise.
// `work` must touch only its own rows and what no other chunk writes.
void forRowChunks(qint32 count, const std::function<void(qint32 first, qint32 end)>& work);

} // namespace quillane
