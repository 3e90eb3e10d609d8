#pragma once

namespace quillane {

// The C library gives large freed blocks back to the system at once, so each command on a long
// list would take every page of its working memory from the system again. From this call on,
// freed memory is kept for the next command, by every thread in one store.
void keepFreedMemory();
// Gives the memory kept that way back to the system, for when the program is idle.
void returnFreedMemory();

} // namespace quillane
