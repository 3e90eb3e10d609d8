#include "platform/PosixFileSystem.h"
#include "startup/DisplayProfile.h"
#include "startup/Manifest.h"
#include "tests/CaseName.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

struct ProfileCase {
    const char* name;
    DisplaySettings settings;
    bool manifestWrites;
    DisplayProfile expected;
    bool manifestAsked;
};

class DisplayProfileTest : public testing::TestWithParam<ProfileCase> {};

TEST_P(DisplayProfileTest, FollowsTheDisplay) {
    const ProfileCase& c = GetParam();
    bool asked = false;
    const DisplayProfile profile = computeDisplayProfile(c.settings, [&] {
        asked = true;
        return c.manifestWrites;
    });
    EXPECT_EQ(profile, c.expected);
    EXPECT_EQ(asked, c.manifestAsked);
}

const PlatformVersion NotNt{false, 4, 10};
const PlatformVersion Xp{true, 5, 1};
const PlatformVersion Nt6{true, 6, 0};

DisplaySettings xp(const QString& themeActive, const QString& sizeName, const QString& scheme) {
    return {u"96"_s, 0, Xp, themeActive, sizeName, scheme};
}

// NormalDpi, IsWindowsXP, ManifestWritten, WidthExtra, HeightExtra, ListButtonsShift,
// ListButtonsRaise, ClearButtonShift, ThemedButtonShift.
INSTANTIATE_TEST_SUITE_P(Displays, DisplayProfileTest,
                         testing::Values(ProfileCase{"NotNtFamily",
                                                     {u""_s, 96, NotNt, {}, {}, {}},
                                                     true,
                                                     {true, false, false, 100, -50, 0, 0, 0, 0},
                                                     false},
                                         ProfileCase{"OtherNtVersion",
                                                     {u"120"_s, 96, Nt6, {}, {}, {}},
                                                     true,
                                                     {false, false, false, 100, -140, 0, 0, 0, 0},
                                                     false},
                                         ProfileCase{"DpiFromLogPixelsWhenNoText",
                                                     {u""_s, 97, NotNt, {}, {}, {}},
                                                     true,
                                                     {false, false, false, 100, -50, 0, 0, 0, 0},
                                                     false},
                                         ProfileCase{"DpiWithAFraction",
                                                     {u"96.5"_s, 0, NotNt, {}, {}, {}},
                                                     true,
                                                     {false, false, false, 100, -50, 0, 0, 0, 0},
                                                     false},
                                         ProfileCase{"DpiWithASign",
                                                     {u" +120"_s, 0, NotNt, {}, {}, {}},
                                                     true,
                                                     {false, false, false, 100, -50, 0, 0, 0, 0},
                                                     false},
                                         ProfileCase{"NoDpiAtAll",
                                                     {u""_s, 0, NotNt, {}, {}, {}},
                                                     true,
                                                     {true, false, false, 100, -50, 0, 0, 0, 0},
                                                     false},
                                         ProfileCase{"ClassicStandard",
                                                     xp(u"0"_s, {}, u"Windows Standard"_s),
                                                     true,
                                                     {true, true, false, 0, -50, 0, 0, 0, 0},
                                                     false},
                                         ProfileCase{"ClassicLarge",
                                                     xp({}, {}, u"Windows Standard (large)"_s),
                                                     true,
                                                     {true, true, false, 850, 0, 0, 0, 10, 0},
                                                     false},
                                         ProfileCase{"ClassicLargeCaseMatters",
                                                     xp({}, {}, u"Windows Standard (Large)"_s),
                                                     true,
                                                     {true, true, false, 0, 0, 0, 0, 0, 0},
                                                     false},
                                         ProfileCase{
                                             "ClassicExtraLarge",
                                             xp({}, {}, u"Windows Standard (extra large)"_s),
                                             true,
                                             {true, true, false, 2250, 90, 0, 0, 0, 0},
                                             false},
                                         ProfileCase{"StylesNormal",
                                                     xp(u"1"_s, u"NormalSize"_s, {}),
                                                     true,
                                                     {true, true, true, 0, 0, 40, 50, 10, 10},
                                                     true},
                                         ProfileCase{"StylesNormalNoManifest",
                                                     xp(u"1"_s, u"NormalSize"_s, {}),
                                                     false,
                                                     {true, true, false, 0, 0, 0, 0, 0, 0},
                                                     true},
                                         ProfileCase{"StylesLarge",
                                                     xp(u"1"_s, u"LargeFonts"_s, {}),
                                                     true,
                                                     {true, true, true, 850, 60, 40, 50, 0, 10},
                                                     true},
                                         ProfileCase{"StylesLargeNoManifest",
                                                     xp(u"1"_s, u"LargeFonts"_s, {}),
                                                     false,
                                                     {true, true, false, 850, 60, -5, 0, 0, 0},
                                                     true},
                                         ProfileCase{"StylesExtraLarge",
                                                     xp(u"1"_s, u"ExtraLargeFonts"_s, {}),
                                                     true,
                                                     {true, true, true, 2250, 200, 40, 50, 0, 10},
                                                     true},
                                         ProfileCase{"StylesOtherSize",
                                                     xp(u"1"_s, u"Huge"_s, {}),
                                                     true,
                                                     {true, true, true, 0, 0, 0, 0, 0, 10},
                                                     true}),
                         CaseName());

TEST(ManifestTest, IsWrittenByteForByteAndReplacesAReadOnlyCopy) {
    const QTemporaryDir dir;
    PosixFileSystem files;
    const QString path = dir.filePath(u"Quillane.exe.manifest"_s);
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    ASSERT_TRUE(files.setAttributes(path, Attribute::ReadOnly).ok());
    ASSERT_TRUE(SaveManifest(dir.path(), files));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\r\n"
        "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
        "    <assemblyIdentity \r\n"
        "        version=\"1.0.0.0\" \r\n"
        "        processorArchitecture=\"X86\" \r\n"
        "        name=\"Kestrova Brellow\" \r\n"
        "        type=\"win32\" />\r\n"
        "    <description>Tornvale Brellow Des</description>\r\n"
        "    <dependency>\r\n"
        "        <dependentAssembly>\r\n"
        "            <assemblyIdentity \r\n"
        "                type=\"win32\" \r\n"
        "                name=\"Microsoft.Windows.Common-Controls\" \r\n"
        "                version=\"6.0.0.0\" \r\n"
        "                processorArchitecture=\"X86\" \r\n"
        "                publicKeyToken=\"6595b64144ccf1df\" \r\n"
        "                language=\"*\" />\r\n"
        "        </dependentAssembly>\r\n"
        "    </dependency>\r\n"
        "</assembly>\r\n";
    EXPECT_EQ(written.readAll(), expected);
    // The manifest that replaced the read-only copy is a normal file.
    EXPECT_EQ(files.attributes(path).attributes, 0);

    EXPECT_FALSE(SaveManifest(dir.filePath(u"missing"_s), files));
}

TEST(ManifestTest, AppDirKeepsOnlyTheRootsSeparator) {
    EXPECT_EQ(appDirFrom(u"/opt/quillane/"_s), u"/opt/quillane"_s);
    EXPECT_EQ(appDirFrom(u"/opt/quillane"_s), u"/opt/quillane"_s);
    EXPECT_EQ(appDirFrom(u"/"_s), u"/"_s);
}

} // namespace
} // namespace quillane
