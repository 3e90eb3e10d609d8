#include "startup/CommandLine.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

TEST(CommandLineTest, OnlyTheHelpAndTheVersionAreTextOnly) {
    const struct {
        QStringList arguments;
        bool textOnly;
    } cases[] = {
        {{u"quillane"_s, u"--help"_s}, true},
        {{u"quillane"_s, u"-h"_s}, true},
        {{u"quillane"_s, u"--help-all"_s}, true},
        {{u"quillane"_s, u"--version"_s}, true},
        {{u"quillane"_s, u"-v"_s}, true},
        // Qt's own options are unknown before there is a window; they do not hide the question.
        {{u"quillane"_s, u"-platform"_s, u"offscreen"_s, u"--version"_s}, true},
        {{u"quillane"_s}, false},
        {{u"quillane"_s, u"photo.jpg"_s}, false},
        // After "--" a name is a name, even one that looks like an option.
        {{u"quillane"_s, u"--"_s, u"--help"_s}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(asksOnlyForText(c.arguments), c.textOnly) << c.arguments.join(u' ').toStdString();
}

TEST(CommandLineTest, PathsAreMadeAbsoluteFromTheStartFolderInTheirOrder) {
    QCommandLineParser parser;
    describeCommandLine(parser);
    ASSERT_TRUE(parser.parse({u"quillane"_s, u"b.txt"_s, u"/srv/a.txt"_s, u"trip/"_s,
                              u"../shared/./x.png"_s, u"--"_s, u"-odd name"_s}));
    EXPECT_EQ(pathsFromCommandLine(parser, u"/home/ann/work"_s),
              (QStringList{u"/home/ann/work/b.txt"_s, u"/srv/a.txt"_s, u"/home/ann/work/trip"_s,
                           u"/home/ann/shared/x.png"_s, u"/home/ann/work/-odd name"_s}));
}

} // namespace
} // namespace quillane
