#include "platform/PathText.h"

#include "tests/CaseName.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

struct TrailingCase {
    const char* name;
    QString path;
    QString withSlash;
    QString withoutTrailing;
};

class TrailingSeparatorTest : public testing::TestWithParam<TrailingCase> {};

TEST_P(TrailingSeparatorTest, IsAddedOnceAndDroppedDownToTheRoot) {
    EXPECT_EQ(AddSlash(GetParam().path), GetParam().withSlash);
    EXPECT_EQ(withoutTrailingSeparators(GetParam().path), GetParam().withoutTrailing);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TrailingSeparatorTest,
    testing::Values(TrailingCase{"Root", u"/"_s, u"/"_s, u"/"_s},
                    TrailingCase{"DoubledRoot", u"//"_s, u"//"_s, u"/"_s},
                    TrailingCase{"Folder", u"/a"_s, u"/a/"_s, u"/a"_s},
                    TrailingCase{"FolderWithSeparator", u"/a/"_s, u"/a/"_s, u"/a"_s},
                    TrailingCase{"SeveralSeparators", u"/a//"_s, u"/a//"_s, u"/a"_s},
                    TrailingCase{"Empty", u""_s, u"/"_s, u""_s},
                    TrailingCase{"DriveRootBecomesTheDrive", u"C:/"_s, u"C:/"_s, u"C:"_s},
                    TrailingCase{"BackslashIsPartOfAName", u"/a\\"_s, u"/a\\/"_s, u"/a\\"_s}),
    CaseName());

TEST(PathTextTest, APathInAFolderHasOneSeparatorBetween) {
    EXPECT_EQ(pathIn(u"/"_s, u"x"_s), u"/x"_s);
    EXPECT_EQ(pathIn(u"/a"_s, u"x"_s), u"/a/x"_s);
    EXPECT_EQ(pathIn(u"/a/"_s, u"x"_s), u"/a/x"_s);
}

struct SplitCase {
    const char* name;
    QString path;
    QString folder;
    QString fileName;
};

class PathSplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(PathSplitTest, AtTheLastSeparator) {
    EXPECT_EQ(folderOf(GetParam().path), GetParam().folder);
    EXPECT_EQ(fileNameOf(GetParam().path), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(Paths, PathSplitTest,
                         testing::Values(SplitCase{"InAFolder", u"/a/b.txt"_s, u"/a"_s, u"b.txt"_s},
                                         SplitCase{"InTheRoot", u"/b.txt"_s, u"/"_s, u"b.txt"_s},
                                         SplitCase{"Deep", u"/a/b/c"_s, u"/a/b"_s, u"c"_s},
                                         SplitCase{"DotName", u"/a/.x"_s, u"/a"_s, u".x"_s},
                                         SplitCase{"EndsWithSeparator", u"/a/"_s, u"/a"_s, u""_s}),
                         CaseName());

TEST(PathTextTest, TextIsCutAtItsFirstNul) {
    EXPECT_EQ(TrimAtNul(u"ab"_s + QChar(u'\0') + u"c"_s + QChar(u'\0')), u"ab"_s);
    EXPECT_EQ(TrimAtNul(QChar(u'\0') + u"c"_s), u""_s);
    EXPECT_EQ(TrimAtNul(u"abc"_s), u"abc"_s);
}

TEST(PathTextTest, ABareDriveIsAnAsciiLetterAndAColon) {
    EXPECT_TRUE(isBareDrive(u"C:"_s));
    EXPECT_TRUE(isBareDrive(u"d:"_s));
    EXPECT_FALSE(isBareDrive(u"C:/"_s));
    EXPECT_FALSE(isBareDrive(u"1:"_s));
    EXPECT_FALSE(isBareDrive(u"\u00E9:"_s));
    EXPECT_FALSE(isBareDrive(u"/a"_s));
}

} // namespace
} // namespace quillane
