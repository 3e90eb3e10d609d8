#include "startup/StartupChecks.h"

#include "icons/LoadOpenFileICO.h"
#include "platform/HostSystemQueries.h"
#include "tests/icons/IconFileWriter.h"
#include "tests/support/ScriptedDialogs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(StartupChecksTest, ASecondCopyIsToldAndEnds) {
    const QTemporaryDir dir;
    HostSystemQueries first(dir.filePath(u"lock"_s));
    HostSystemQueries second(dir.filePath(u"lock"_s));
    ScriptedDialogs dialogs;
    EXPECT_FALSE(refuseSecondInstance(first, dialogs));
    dialogs.answerMessage(MessageAnswer::Ok);
    EXPECT_TRUE(refuseSecondInstance(second, dialogs));
    const MessageRequest told{u"Kestrova Quillane"_s,   u"This program is already running!"_s,
                              MessageIcon::Exclamation, MessageButtons::Ok,
                              MessageAnswer::Ok,        false,
                              DialogOwner::MainWindow};
    EXPECT_EQ(dialogs.messages(), QList<MessageRequest>{told});
}

TEST(StartupChecksTest, TheMailIconLoadsOnlyAfterTheProductIcon) {
    const QTemporaryDir dir;
    ScriptedDialogs dialogs;
    writeFile(dir.filePath(u"Amail.ir"_s), iconFile({{16, 8}}));
    dialogs.answerMessage(MessageAnswer::Ok);
    AboutIcons icons = prepareAboutIcons(dir.path(), Qt::white, dialogs);
    EXPECT_FALSE(icons.product.has_value());
    EXPECT_FALSE(icons.mail.has_value()); // never tried after the product icon failed

    writeFile(dir.filePath(u"Quillane.ir"_s), iconFile({{32, 4}}));
    icons = prepareAboutIcons(dir.path(), Qt::white, dialogs);
    ASSERT_TRUE(icons.product && icons.mail);
    EXPECT_EQ(icons.product->size(), QSize(32, 32));
    EXPECT_EQ(icons.mail->size(), QSize(16, 16));
}

TEST(LoadOpenFileICOTest, OnlyRegularFilesAreRead) {
    const QTemporaryDir dir;
    const QString pipe = dir.filePath(u"Tod.ir"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ScriptedDialogs dialogs;
    dialogs.answerMessage(MessageAnswer::Ok);
    dialogs.answerMessage(MessageAnswer::Ok);
    EXPECT_FALSE(LoadOpenFileICO(pipe, Qt::white, dialogs));           // would block if opened
    EXPECT_FALSE(LoadOpenFileICO(u"/dev/zero"_s, Qt::white, dialogs)); // would never end
    EXPECT_EQ(dialogs.messages().size(), 2);
}

TEST(LoadOpenFileICOTest, EachFailureHasItsMessage) {
    const QTemporaryDir dir;
    ScriptedDialogs dialogs;
    const QString big = dir.filePath(u"big.ir"_s);
    const QString cut = dir.filePath(u"cut.ir"_s);
    writeFile(big, iconFile({{48, 32}}));
    writeFile(cut, iconFile({{32, 8}}).first(200));
    for (int i = 0; i < 3; ++i)
        dialogs.answerMessage(MessageAnswer::Ok);
    EXPECT_FALSE(prepareAboutIcons(dir.path(), Qt::white, dialogs).product); // no file at all
    EXPECT_FALSE(LoadOpenFileICO(big, Qt::white, dialogs));
    EXPECT_FALSE(LoadOpenFileICO(cut, Qt::white, dialogs));
    const QString invalid = u"Invalid icon file or file does not contain 32x32 or 16x16 icon"_s;
    ASSERT_EQ(dialogs.messages().size(), 3);
    EXPECT_EQ(dialogs.messages()[0].text, invalid);
    EXPECT_EQ(dialogs.messages()[1].text, invalid);
    EXPECT_EQ(dialogs.messages()[2].text, cut + u"\r\nFailed to load this file"_s);
    EXPECT_EQ(dialogs.messages()[2].icon, MessageIcon::None);
}

} // namespace
} // namespace quillane
