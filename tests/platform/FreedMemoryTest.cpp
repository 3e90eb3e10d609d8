#include "platform/FreedMemory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

namespace quillane {
namespace {

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576;
}

// Blocks of the size a plan of a million rows uses: kept once freed, and given back on request.
TEST(FreedMemoryTest, LargeFreedBlocksStayUntilGivenBack) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps memory its own way";
#endif
    keepFreedMemory();
    const double before = residentMegabytes();
    double held = 0;
    {
        std::vector<std::unique_ptr<char[]>> blocks;
        for (int i = 0; i < 16; ++i) {
            blocks.emplace_back(new char[8 * 1024 * 1024]);
            std::memset(blocks.back().get(), 1, 8 * 1024 * 1024);
        }
        held = residentMegabytes();
    }
    ASSERT_GT(held - before, 120);
    EXPECT_GT(residentMegabytes() - before, 120) << "freed blocks went back to the system at once";
    returnFreedMemory();
    EXPECT_LT(residentMegabytes() - before, 28);
}

} // namespace
} // namespace quillane
