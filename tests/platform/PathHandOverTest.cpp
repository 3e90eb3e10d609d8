#include "platform/PathHandOver.h"

#include "platform/HostSystemQueries.h"
#include "tests/support/EventLoopApplication.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

using State = HandOverRead::State;

QByteArray lengthThen(quint32 length, const QByteArray& body) {
    QByteArray message(4, '\0');
    qToBigEndian(length, message.data());
    return message + body;
}

TEST(PathHandOverTest, MessagesAreReadWholeOrNotAtAll) {
    const QStringList paths{u"/home/ann/café menu.pdf"_s, u"/srv/line\nbreak"_s, u"/"_s};
    const QByteArray whole = handOverMessage(paths);
    const struct {
        const char* name;
        QByteArray buffer;
        State state;
        QStringList paths;
        qsizetype used;
    } cases[] = {
        {"whole", whole, State::Whole, paths, whole.size()},
        {"followed by the next", whole + handOverMessage({}), State::Whole, paths, whole.size()},
        {"no paths", handOverMessage({}), State::Whole, {}, 4},
        {"length unfinished", whole.first(3), State::Incomplete, {}, 0},
        {"body unfinished", whole.chopped(1), State::Incomplete, {}, 0},
        {"last path without its end", lengthThen(2, "/a"), State::Malformed, {}, 0},
        {"empty paths passed over", lengthThen(5, QByteArray("/a\0\0\0", 5)), State::Whole,
         QStringList{u"/a"_s}, 9},
        {"longer than any command line", lengthThen(0xFFFFFFFF, "/a"), State::Malformed, {}, 0},
    };
    for (const auto& c : cases) {
        const HandOverRead read = readHandOverMessage(c.buffer);
        EXPECT_EQ(read.state, c.state) << c.name;
        EXPECT_EQ(read.paths, c.paths) << c.name;
        EXPECT_EQ(read.used, c.used) << c.name;
    }
}

// The later start blocks while it waits for the answer, as the real one does; the running copy
// answers from its event loop.
TEST(PathHandOverTest, ALaterStartsPathsReachTheCopyHoldingTheLock) {
    const EventLoopApplication application;
    const QTemporaryDir runtime;
    const QString lock = runtime.filePath(u"quillane.lock"_s);
    // A socket file a copy that died left behind is no obstacle.
    QFile stale(runtime.filePath(u"quillane.socket"_s));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    HostSystemQueries running(lock);
    ASSERT_FALSE(running.earlierInstanceRunning());
    QStringList taken;
    running.takePathsFromLaterStarts([&](const QStringList& paths) { taken += paths; });

    const QStringList paths{u"/photos/a.jpg"_s, u"/photos/trip"_s};
    std::atomic<bool> done = false;
    bool handedOver = false;
    std::thread later([&] {
        HostSystemQueries second(lock);
        handedOver = second.earlierInstanceRunning() && second.handPathsToEarlierInstance(paths);
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 30000));
    later.join();
    EXPECT_TRUE(handedOver);
    EXPECT_EQ(taken, paths);
}

TEST(PathHandOverTest, WithNobodyListeningThePathsAreNotTaken) {
    const QTemporaryDir runtime;
    EXPECT_FALSE(handPathsOver(runtime.filePath(u"quillane.socket"_s), {u"/a"_s}));

    // Only the lock's holder listens: one that could not take the lock leaves the name alone.
    const QString lock = runtime.filePath(u"quillane.lock"_s);
    HostSystemQueries holder(lock);
    ASSERT_FALSE(holder.earlierInstanceRunning());
    HostSystemQueries other(lock);
    ASSERT_TRUE(other.earlierInstanceRunning());
    other.takePathsFromLaterStarts([](const QStringList&) { FAIL() << "not the lock's holder"; });
    EXPECT_FALSE(QFile::exists(runtime.filePath(u"quillane.socket"_s)));
}

} // namespace
} // namespace quillane
