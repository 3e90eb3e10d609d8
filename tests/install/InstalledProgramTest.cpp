#include "forms/agreefrm/agreefrm.h"
#include "platform/ExifFileDates.h"
#include "platform/HostSystemQueries.h"
#include "platform/PosixFileSystem.h"
#include "tests/QtPrinters.h"
#include "tests/rules/FixedClock.h"
#include "tests/settings/IniStore.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

const QStringList ShippedFiles{u"Amail.ir"_s,      u"Busy.ir"_s, u"Idle.ir"_s, u"Quillane.ir"_s,
                               u"Quillane.html"_s, u"Tod.ir"_s,  u"tod.ctd"_s};
// What any start of the program reads, in name order: the about box's icons, and the tip
// window's on a first start.
const QStringList ReadAtStart{u"Amail.ir"_s, u"Quillane.ir"_s, u"Tod.ir"_s, u"tod.ctd"_s};

struct Finished {
    int code = -1;
    QString out;
};

Finished run(const QString& program, const QStringList& arguments,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(300000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput())};
}

// A user who has never run the program, with nothing of the test run's own.
QProcessEnvironment freshUser(const QTemporaryDir& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home.path());
    environment.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
    environment.insert(u"XDG_STATE_HOME"_s, home.filePath(u"state"_s));
    environment.insert(u"XDG_RUNTIME_DIR"_s, home.path());      // private, as a runtime folder is
    environment.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=0"_s); // it is killed, not ended
    return environment;
}

// Starts the program at `program` as a user would, on the offscreen platform, and tells which
// of the files in `dataFolder` it opened, in name order, before it had read every file a start
// reads, or a minute went by.
QStringList filesOpenedAtStart(const QString& program, const QString& dataFolder) {
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch < 0 ||
        inotify_add_watch(watch, QFile::encodeName(dataFolder).constData(), IN_OPEN) < 0)
        return {};
    const QTemporaryDir home;
    QProcessEnvironment environment = freshUser(home);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, {});
    QSet<QString> opened;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            alignas(inotify_event) char events[4096];
            for (ssize_t got = 0; (got = ::read(watch, events, sizeof events)) > 0;) {
                for (ssize_t at = 0; at < got;) {
                    const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                    if (event->len > 0)
                        opened.insert(QFile::decodeName(event->name));
                    at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                }
            }
            return opened.contains(QSet<QString>(ReadAtStart.begin(), ReadAtStart.end())) ||
                   process.state() == QProcess::NotRunning;
        },
        60000));
    process.kill();
    process.waitForFinished();
    ::close(watch);
    QStringList names(opened.begin(), opened.end());
    names.sort();
    return names;
}

QStringList desktopFiles() {
    QStringList files{u"share/applications/example.kestrova.Quillane.desktop"_s,
                      u"share/metainfo/example.kestrova.Quillane.metainfo.xml"_s,
                      u"share/icons/hicolor/scalable/apps/example.kestrova.Quillane.svg"_s,
                      u"share/man/man1/quillane.1.gz"_s, u"share/doc/quillane/copyright"_s};
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        files.append(u"share/icons/hicolor/%1x%1/apps/example.kestrova.Quillane.png"_s.arg(size));
    return files;
}

// The build installed under /usr into a temporary root, once for every test here.
class InstalledProgramTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        root = new QTemporaryDir;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DESTDIR"_s, root->path());
        installed =
            run(QStringLiteral(QUILLANE_CMAKE),
                {u"--install"_s, QStringLiteral(QUILLANE_BUILD_DIR), u"--prefix"_s, u"/usr"_s},
                environment)
                .code == 0;
    }
    static void TearDownTestSuite() { delete root; }
    void SetUp() override { ASSERT_TRUE(installed); }

    static QString usr(const QString& path) { return root->filePath(u"usr/"_s + path); }

    static inline QTemporaryDir* root = nullptr;
    static inline bool installed = false;
};

TEST_F(InstalledProgramTest, EveryFileLandsWhereTheDesktopLooksForIt) {
    EXPECT_TRUE(QFileInfo(usr(u"bin/quillane"_s)).isExecutable());
    for (const QString& name : ShippedFiles)
        EXPECT_TRUE(QFileInfo::exists(usr(u"share/quillane/"_s + name))) << name.toStdString();
    for (const QString& file : desktopFiles())
        EXPECT_TRUE(QFileInfo::exists(usr(file))) << file.toStdString();
}

TEST_F(InstalledProgramTest, HelpAndVersionArePrintedWithoutADisplayOrAWindow) {
    QProcessEnvironment console = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        console.remove(name);
    const Finished version = run(usr(u"bin/quillane"_s), {u"--version"_s}, console);
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, u"Quillane 2.0.0\n"_s);
    const Finished help = run(usr(u"bin/quillane"_s), {u"--help"_s}, console);
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains(u"[options] [path...]"_s)) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(u"--version"_s));
    // An option it does not know is told before any window opens.
    console.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    EXPECT_EQ(run(usr(u"bin/quillane"_s), {u"--no-such-option"_s}, console).code, 1);
}

TEST_F(InstalledProgramTest, TheInstalledProgramReadsItsFilesFromTheDataFolder) {
    EXPECT_EQ(filesOpenedAtStart(usr(u"bin/quillane"_s), usr(u"share/quillane"_s)), ReadAtStart);
}

// The windows of the program started from the installed folder find the tips, the icons and
// the manual there.
TEST_F(InstalledProgramTest, TheWindowsFindTheTipsTheIconsAndTheManualInstalled) {
    IniStore store;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    PosixFileSystem files;
    const QTemporaryDir state;
    RunJournal journal{state.filePath(u"journal.sqlite3"_s)};
    FixedClock clock{{QDate(2026, 12, 7), QTime(9, 0)}};
    const DateTimeStamper stamper{clock, TimeNotation{}};
    const ExifFileDates fileDates;
    HostSystemQueries system(state.filePath(u"quillane.lock"_s));
    agreefrm startup({system, dialogs, shell, files, journal, store.registry(), stamper, fileDates,
                      usr(u"bin"_s), 96, nullptr, QStringList()});

    ASSERT_TRUE(startup.load());
    EXPECT_EQ(startup.AppDir(), usr(u"bin"_s));
    EXPECT_EQ(startup.shippedDir(), usr(u"share/quillane"_s));
    EXPECT_TRUE(startup.aboutIcons().product.has_value());
    EXPECT_TRUE(startup.aboutIcons().mail.has_value());
    const auto* tip = startup.mainWindow()->findChild<QLabel*>(u"lblTipText"_s);
    ASSERT_NE(tip, nullptr);
    EXPECT_FALSE(tip->text().contains(u"not found"_s)) << tip->text().toStdString();
    startup.mainWindow()->HelpTopicsMnu_Click();
    EXPECT_EQ(shell.opened, QStringList{usr(u"share/quillane/Quillane.html"_s)});
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// The package as a user installs it: built by CPack from the same rules, unpacked into a root.
TEST(PackageTest, HoldsTheInstallAndItsProgramRunsUnpacked) {
    const QTemporaryDir work;
    ASSERT_EQ(run(QStringLiteral(QUILLANE_CPACK),
                  {u"--config"_s, QStringLiteral(QUILLANE_BUILD_DIR "/CPackConfig.cmake"), u"-B"_s,
                   work.path()})
                  .code,
              0);
    const QStringList packages = QDir(work.path()).entryList({u"quillane_2.0.0_*.deb"_s});
    ASSERT_EQ(packages.size(), 1);
    const QString package = work.filePath(packages.front());

    const QString contents = run(u"dpkg-deb"_s, {u"-c"_s, package}).out;
    QStringList expected{u"./usr/bin/quillane"_s};
    for (const QString& name : ShippedFiles)
        expected.append(u"./usr/share/quillane/"_s + name);
    for (const QString& file : desktopFiles())
        expected.append(u"./usr/"_s + file);
    for (const QString& path : expected)
        EXPECT_TRUE(contents.contains(
            QRegularExpression(u" "_s + QRegularExpression::escape(path) + u"\n"_s)))
            << path.toStdString();
    const QString depends = run(u"dpkg-deb"_s, {u"-f"_s, package, u"Depends"_s}).out;
    for (const QString& library :
         {u"libqt6widgets6"_s, u"libqt6network6"_s, u"libsqlite3-0"_s, u"qt6-qpa-plugins"_s})
        EXPECT_TRUE(depends.contains(library)) << depends.toStdString();
    EXPECT_EQ(run(u"dpkg-deb"_s, {u"-f"_s, package, u"Version"_s}).out, u"2.0.0\n"_s);

    const QString unpacked = work.filePath(u"root"_s);
    ASSERT_EQ(run(u"dpkg-deb"_s, {u"-x"_s, package, unpacked}).code, 0);
    const QString program = unpacked + u"/usr/bin/quillane"_s;
    EXPECT_EQ(run(program, {u"--version"_s}).out, u"Quillane 2.0.0\n"_s);
    EXPECT_EQ(filesOpenedAtStart(program, unpacked + u"/usr/share/quillane"_s), ReadAtStart);
}

} // namespace
} // namespace quillane
