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
    bool manifestWrites; // whether writing the manifest, if asked, succeeds
    bool manifestAsked;
    DisplayProfile expected;
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

const PlatformVersion NotNt{.ntFamily = false, .major = 4, .minor = 10};
const PlatformVersion Xp{.ntFamily = true, .major = 5, .minor = 1};
const PlatformVersion Nt6{.ntFamily = true, .major = 6, .minor = 0};

DisplaySettings dpi(const QString& dpiLogicalX, qint32 logPixels, PlatformVersion version) {
    return {dpiLogicalX, logPixels, version, {}, {}, {}};
}

DisplaySettings xp(const QString& themeActive, const QString& sizeName, const QString& scheme) {
    return {u"96"_s, 0, Xp, themeActive, sizeName, scheme};
}

INSTANTIATE_TEST_SUITE_P(
    Displays, DisplayProfileTest,
    testing::Values(
        ProfileCase{"NotNtFamily", dpi(u""_s, 96, NotNt), true, false,
                    DisplayProfile{.NormalDpi = true, .WidthExtra = 100, .HeightExtra = -50}},
        ProfileCase{"OtherNtVersion", dpi(u"120"_s, 96, Nt6), true, false,
                    DisplayProfile{.WidthExtra = 100, .HeightExtra = -140}},
        ProfileCase{"DpiFromLogPixelsWhenNoText", dpi(u""_s, 97, NotNt), true, false,
                    DisplayProfile{.WidthExtra = 100, .HeightExtra = -50}},
        ProfileCase{"DpiWithAFraction", dpi(u"96.5"_s, 0, NotNt), true, false,
                    DisplayProfile{.WidthExtra = 100, .HeightExtra = -50}},
        ProfileCase{"DpiWithASign", dpi(u" +120"_s, 0, NotNt), true, false,
                    DisplayProfile{.WidthExtra = 100, .HeightExtra = -50}},
        ProfileCase{"NoDpiAtAll", dpi(u""_s, 0, NotNt), true, false,
                    DisplayProfile{.NormalDpi = true, .WidthExtra = 100, .HeightExtra = -50}},
        ProfileCase{"ClassicStandard", xp(u"0"_s, {}, u"Windows Standard"_s), true, false,
                    DisplayProfile{.NormalDpi = true, .IsWindowsXP = true, .HeightExtra = -50}},
        ProfileCase{
            "ClassicLarge", xp({}, {}, u"Windows Standard (large)"_s), true, false,
            DisplayProfile{
                .NormalDpi = true, .IsWindowsXP = true, .WidthExtra = 850, .ClearButtonShift = 10}},
        ProfileCase{"ClassicLargeCaseMatters", xp({}, {}, u"Windows Standard (Large)"_s), true,
                    false, DisplayProfile{.NormalDpi = true, .IsWindowsXP = true}},
        ProfileCase{
            "ClassicExtraLarge", xp({}, {}, u"Windows Standard (extra large)"_s), true, false,
            DisplayProfile{
                .NormalDpi = true, .IsWindowsXP = true, .WidthExtra = 2250, .HeightExtra = 90}},
        ProfileCase{"StylesNormal", xp(u"1"_s, u"NormalSize"_s, {}), true, true,
                    DisplayProfile{.NormalDpi = true,
                                   .IsWindowsXP = true,
                                   .ManifestWritten = true,
                                   .ListButtonsShift = 40,
                                   .ListButtonsRaise = 50,
                                   .ClearButtonShift = 10,
                                   .ThemedButtonShift = 10}},
        ProfileCase{"StylesNormalNoManifest", xp(u"1"_s, u"NormalSize"_s, {}), false, true,
                    DisplayProfile{.NormalDpi = true, .IsWindowsXP = true}},
        ProfileCase{"StylesLarge", xp(u"1"_s, u"LargeFonts"_s, {}), true, true,
                    DisplayProfile{.NormalDpi = true,
                                   .IsWindowsXP = true,
                                   .ManifestWritten = true,
                                   .WidthExtra = 850,
                                   .HeightExtra = 60,
                                   .ListButtonsShift = 40,
                                   .ListButtonsRaise = 50,
                                   .ThemedButtonShift = 10}},
        ProfileCase{"StylesLargeNoManifest", xp(u"1"_s, u"LargeFonts"_s, {}), false, true,
                    DisplayProfile{.NormalDpi = true,
                                   .IsWindowsXP = true,
                                   .WidthExtra = 850,
                                   .HeightExtra = 60,
                                   .ListButtonsShift = -5}},
        ProfileCase{"StylesExtraLarge", xp(u"1"_s, u"ExtraLargeFonts"_s, {}), true, true,
                    DisplayProfile{.NormalDpi = true,
                                   .IsWindowsXP = true,
                                   .ManifestWritten = true,
                                   .WidthExtra = 2250,
                                   .HeightExtra = 200,
                                   .ListButtonsShift = 40,
                                   .ListButtonsRaise = 50,
                                   .ThemedButtonShift = 10}},
        ProfileCase{"StylesOtherSize", xp(u"1"_s, u"Huge"_s, {}), true, true,
                    DisplayProfile{.NormalDpi = true,
                                   .IsWindowsXP = true,
                                   .ManifestWritten = true,
                                   .ThemedButtonShift = 10}}),
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

} // namespace
} // namespace quillane
