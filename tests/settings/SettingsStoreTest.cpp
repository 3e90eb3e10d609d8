#include "settings/SettingsStore.h"

#include "tests/CaseName.h"
#include "tests/settings/IniStore.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

const QString AppDir = u"/opt/q"_s;

struct Program {
    explicit Program(const QByteArray& iniText = {}) : ini(iniText) {}
    IniStore ini;
    ScriptedDialogs dialogs;
    SettingsStore settings{ini.registry(), dialogs, AppDir};
};

// The choices the store owns.
struct Choices {
    bool includeSubfolders = false;
    bool outputToCustomDir = false;
    bool gridLinesShown = false;
    QString customOutputDir;
    friend bool operator==(const Choices&, const Choices&) = default;
    friend void PrintTo(const Choices& c, std::ostream* out) {
        *out << c.includeSubfolders << c.outputToCustomDir << c.gridLinesShown << " "
             << c.customOutputDir.toStdString();
    }
};

Choices choicesOf(const SettingsStore& settings) {
    return {settings.includeSubfolders(), settings.outputToCustomDir(), settings.gridLinesShown(),
            settings.customOutputDir()};
}

// Subfolders, custom output and grid lines as 0/1, then the custom folder.
Choices menu(const char* checks, const QString& customDir) {
    const auto on = [&](int i) {
        return checks[i] == '1';
    };
    return {on(0), on(1), on(2), customDir};
}

struct StartupCase {
    const char* name;
    QByteArray ini;
    QString after;
    Choices menu;
    bool tip;
};

class SettingsStoreStartupTest : public testing::TestWithParam<StartupCase> {};

TEST_P(SettingsStoreStartupTest, AppliesAndWritesBackEachSetting) {
    Program program(GetParam().ini);
    program.settings.applyStartupSettings([] {});
    EXPECT_EQ(program.ini.dump(), GetParam().after);
    EXPECT_EQ(choicesOf(program.settings), GetParam().menu);
    EXPECT_EQ(program.settings.showTipOfTheDay(), GetParam().tip);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, SettingsStoreStartupTest,
    testing::Values(
        StartupCase{"EmptyStore", "",
                    u"OutputCustomDirPath=/opt/q; RecurseDir=RecurseY; StartupDir=/opt/q; "
                    "grid=1; outDir=wfile"_s,
                    menu("101", AppDir), true},
        StartupCase{"StoredChoicesKept",
                    "[General]\nStartupDir=/gone/\nRecurseDir=RecurseN\n"
                    "OutputCustomDirPath=/srv\noutDir=custom\ngrid=0\nShowTod=0\n",
                    u"OutputCustomDirPath=/srv; RecurseDir=RecurseN; ShowTod=0; "
                    "StartupDir=/gone/; grid=0; outDir=custom"_s,
                    menu("010", u"/srv"_s), false},
        StartupCase{"UnrecognisedTextsAndListsTakeTheDefaults",
                    "[General]\nStartupDir=/a, /b\nRecurseDir=recursen\noutDir=Custom\n"
                    "grid=yes\nShowTod=no\n",
                    u"OutputCustomDirPath=/opt/q; RecurseDir=RecurseY; ShowTod=no; "
                    "StartupDir=/opt/q; grid=1; outDir=wfile"_s,
                    menu("101", AppDir), true}),
    CaseName());

TEST(SettingsStoreTest, RepairsTheFiltersAfterTheOutputAndBeforeTheGrid) {
    Program program;
    QString seen;
    program.settings.applyStartupSettings([&] { seen = program.ini.dump(); });
    EXPECT_TRUE(seen.contains(u"outDir=wfile"_s));
    EXPECT_FALSE(seen.contains(u"grid"_s));
}

TEST(SettingsStoreTest, GridMenuTogglesFromItsCheckMark) {
    Program program;
    program.settings.applyStartupSettings([] {});
    program.settings.ShowGridMnu_Click();
    EXPECT_EQ(choicesOf(program.settings), menu("100", AppDir));
    EXPECT_TRUE(program.ini.dump().contains(u"grid=0"_s));
    program.settings.ShowGridMnu_Click();
    EXPECT_EQ(choicesOf(program.settings), menu("101", AppDir));
    EXPECT_TRUE(program.ini.dump().contains(u"grid=1"_s));
}

struct BrowseCase {
    const char* name;
    QString current;
    bool fromPreferences;
    std::optional<QString> chosen;
    QString titleFolder;
    CustomDirChoice choice;
    QString customDir; // afterwards, in memory, menu and store
    QString pending;
};

class SettingsStoreBrowseTest : public testing::TestWithParam<BrowseCase> {};

TEST_P(SettingsStoreBrowseTest, KeepsTheChosenFolder) {
    const BrowseCase& c = GetParam();
    Program program("[General]\nOutputCustomDirPath=" + c.current.toUtf8() + "\n");
    program.settings.applyStartupSettings([] {});
    program.settings.setBrowseFromPreferences(c.fromPreferences);
    program.dialogs.answerFolder(c.chosen);

    EXPECT_EQ(program.settings.OutputCustomDirMnu_Click(), c.choice);
    const FolderRequest asked{u"Save rename files to "_s + c.titleFolder,
                              c.fromPreferences ? DialogOwner::Preferences
                                                : DialogOwner::MainWindow};
    EXPECT_EQ(program.dialogs.requests(), QList<ScriptedDialogs::Request>{asked});
    EXPECT_EQ(program.settings.customOutputDir(), c.customDir);
    EXPECT_EQ(program.settings.PendingCustomDir(), c.pending);
    const bool applied = c.choice == CustomDirChoice::Applied;
    EXPECT_EQ(choicesOf(program.settings), menu(applied ? "111" : "101", c.customDir));
    EXPECT_TRUE(program.ini.dump().startsWith(u"OutputCustomDirPath="_s + c.customDir + u"; "_s));
    EXPECT_TRUE(program.ini.dump().endsWith(applied ? u"outDir=custom"_s : u"outDir=wfile"_s));
}

const QString Sep = QDir::separator();
const QString WithNul = QStringView(u"/new/\0/junk", 11).toString();
const QString NulFirst = QStringView(u"\0/new", 5).toString();
const auto Applied = CustomDirChoice::Applied;
const auto Cancelled = CustomDirChoice::Cancelled;

INSTANTIATE_TEST_SUITE_P(
    Choices, SettingsStoreBrowseTest,
    testing::Values(BrowseCase{"Cancel", u"/srv"_s, false, std::nullopt, u"/srv"_s, Cancelled,
                               u"/srv"_s, AppDir},
                    BrowseCase{"TrailingSeparatorDropped", u"/srv"_s, false, u"/home/u/"_s,
                               u"/srv"_s, Applied, u"/home/u"_s, AppDir},
                    BrowseCase{"RootKeepsItsSeparator", u"/srv"_s, false, u"/"_s, u"/srv"_s,
                               Applied, u"/"_s, AppDir},
                    BrowseCase{"BackslashIsPartOfAName", u"/srv"_s, false, u"/home/odd\\"_s,
                               u"/srv"_s, Applied, u"/home/odd\\"_s, AppDir},
                    BrowseCase{"SeveralSeparatorsDropped", u"/srv"_s, false, u"/home/u//"_s,
                               u"/srv"_s, Applied, u"/home/u"_s, AppDir},
                    BrowseCase{"DriveRootWithSlash", u"/srv"_s, false, u"D:/"_s, u"/srv"_s, Applied,
                               u"D:"_s, AppDir},
                    BrowseCase{"CutAtNulFirst", u"/srv"_s, false, WithNul, u"/srv"_s, Applied,
                               u"/new"_s, AppDir},
                    BrowseCase{"EmptyChoiceIsNoChoice", u"/srv"_s, false, NulFirst, u"/srv"_s,
                               Cancelled, u"/srv"_s, AppDir},
                    BrowseCase{"BareDriveTitle", u"C:"_s, false, std::nullopt, u"C:"_s + Sep,
                               Cancelled, u"C:"_s, AppDir},
                    BrowseCase{"ShortFolderTitle", u"/a"_s, false, std::nullopt, u"/a"_s, Cancelled,
                               u"/a"_s, AppDir},
                    BrowseCase{"FromPreferencesOnlyPending", u"/srv"_s, true, u"/new/"_s, u"/srv"_s,
                               CustomDirChoice::Pending, u"/srv"_s, u"/new"_s}),
    CaseName());

} // namespace
} // namespace quillane
