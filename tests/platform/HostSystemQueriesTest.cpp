#include "platform/HostSystemQueries.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(HostSystemQueriesTest, OnlyTheFirstCopyRuns) {
    const QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("quillane.lock"));
    auto first = std::make_unique<HostSystemQueries>(lock);
    HostSystemQueries second(lock);
    EXPECT_FALSE(first->earlierInstanceRunning());
    EXPECT_FALSE(first->earlierInstanceRunning()); // asking again is not a second copy
    EXPECT_TRUE(second.earlierInstanceRunning());
    first.reset();
    EXPECT_FALSE(second.earlierInstanceRunning());
}

} // namespace
} // namespace quillane
