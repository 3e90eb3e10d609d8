#include "platform/PosixFileSystem.h"

#include "platform/PosixMoves.h"
#include "tests/CaseName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <functional>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

// System calls that fail where a test asks. The definitions at the end of this file take the place
// of the C library's in this executable, the library under test being linked in statically, and
// pass every call on to the C library unless a fault is armed for it.
enum class Call { Renameat2, Link, Chmod, Fchmod, Futimens, Removexattr, Write, Fsync, Count };

struct Fault {
    Call call;
    int error;
    int after = 0; // calls that pass before the first that fails
};
using Faults = std::vector<Fault>;

struct ArmedFault {
    int error = 0;
    int after = 0;
    int calls = 0;
};

std::array<ArmedFault, static_cast<size_t>(Call::Count)> armed;
// Runs before each write and flush, to look at the target while a copy is under way; it must
// neither write nor flush itself.
std::function<void()> duringCopy;

void arm(const Faults& faults) {
    for (const Fault& fault : faults)
        armed[static_cast<size_t>(fault.call)] = {fault.error, fault.after, 0};
}

void disarm() {
    armed = {};
    duringCopy = nullptr;
}

bool fails(Call call) {
    ArmedFault& fault = armed[static_cast<size_t>(call)];
    if (fault.error == 0 || fault.calls++ < fault.after)
        return false;
    errno = fault.error;
    return true;
}

bool copyStepFails(Call call) {
    if (duringCopy)
        duringCopy();
    return fails(call);
}

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

ino_t inode(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

bool userAttributesWork(const QString& directory) {
    const QByteArray probe = QFile::encodeName(directory + u"/.xattr-probe"_s);
    QFile(QFile::decodeName(probe)).open(QIODevice::WriteOnly);
    const bool works = ::setxattr(probe.constData(), "user.probe", "1", 1, 0) == 0;
    ::unlink(probe.constData());
    return works;
}

class PosixFileSystemTest : public testing::Test {
protected:
    void TearDown() override { disarm(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    PosixFileSystem fs;
};

TEST_F(PosixFileSystemTest, MoveRenamesWithinAFolderAndIntoAnother) {
    writeFile(path(u"a.txt"_s), "alpha");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"sub"_s));
    EXPECT_TRUE(fs.move(path(u"a.txt"_s), path(u"b.txt"_s)).ok());
    EXPECT_TRUE(fs.move(path(u"b.txt"_s), path(u"sub/c.txt"_s)).ok());
    EXPECT_FALSE(QFile::exists(path(u"a.txt"_s)));
    EXPECT_EQ(contents(path(u"sub/c.txt"_s)), "alpha");
}

// Each way a move goes on one file system, forced by what that file system refuses.
struct MoveWayCase {
    const char* name;
    Faults faults;
    bool copies;       // through moveByCopying; the others must keep the file itself
    bool held = false; // within a folder the file system holds open
};

class MoveWayTest : public PosixFileSystemTest, public testing::WithParamInterface<MoveWayCase> {
protected:
    FileResult move(const QString& from, const QString& to) {
        return GetParam().copies
                   ? posix::moveByCopying(QFile::encodeName(from), QFile::encodeName(to))
                   : fs.move(from, to);
    }
};

TEST_P(MoveWayTest, MovesButNeverReplaces) {
    writeFile(path(u"a.txt"_s), "alpha");
    writeFile(path(u"b.txt"_s), "beta");
    const ino_t file = inode(path(u"a.txt"_s));
    if (GetParam().held)
        fs.holdFolders({dir.path()});
    arm(GetParam().faults);
    EXPECT_EQ(move(path(u"a.txt"_s), path(u"b.txt"_s)).outcome, FileOutcome::TargetExists);
    EXPECT_EQ(contents(path(u"a.txt"_s)), "alpha");
    EXPECT_EQ(contents(path(u"b.txt"_s)), "beta");
    EXPECT_EQ(move(path(u"none.txt"_s), path(u"c.txt"_s)).outcome, FileOutcome::SourceMissing);
    const FileResult noFolder = move(path(u"a.txt"_s), path(u"nofolder/a.txt"_s));
    EXPECT_EQ(noFolder.outcome, FileOutcome::Failed);
    EXPECT_FALSE(noFolder.message.isEmpty());
    ASSERT_TRUE(move(path(u"a.txt"_s), path(u"c.txt"_s)).ok());
    disarm();
    EXPECT_FALSE(QFile::exists(path(u"a.txt"_s)));
    EXPECT_EQ(contents(path(u"c.txt"_s)), "alpha");
    EXPECT_EQ(inode(path(u"c.txt"_s)) == file, !GetParam().copies);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({u"b.txt"_s, u"c.txt"_s}));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MoveWayTest,
    testing::Values(
        MoveWayCase{"NoReplaceRename", {}, false},
        MoveWayCase{"NoReplaceRenameInAHeldFolder", {}, false, true},
        MoveWayCase{"LinkInAHeldFolder", Faults{{Call::Renameat2, EINVAL}}, false, true},
        MoveWayCase{"RenameInAHeldFolder", Faults{{Call::Renameat2, EINVAL}, {Call::Link, EPERM}},
                    false, true},
        MoveWayCase{"LinkWhereNoReplaceIsUnsupported", Faults{{Call::Renameat2, EINVAL}}, false},
        MoveWayCase{"RenameWhereLinksAreRefused",
                    Faults{{Call::Renameat2, EINVAL}, {Call::Link, EPERM}}, false},
        MoveWayCase{"RenameWithoutRenameat2OrLinks",
                    {{Call::Renameat2, ENOSYS}, {Call::Link, EOPNOTSUPP}},
                    false},
        MoveWayCase{"Copy", {}, true},
        MoveWayCase{"CopyNamedByRename", Faults{{Call::Renameat2, EINVAL}, {Call::Link, EPERM}},
                    true}),
    CaseName());

int openDescriptors() {
    return static_cast<int>(QDir(u"/proc/self/fd"_s)
                                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                                .size());
}

TEST_F(PosixFileSystemTest, HeldFoldersServeTheirFilesAndAreClosedWhenLetGo) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"sub"_s));
    writeFile(path(u"a.txt"_s), "alpha");
    const int before = openDescriptors();
    // The way a run names its folders, the root and a missing one among them.
    fs.holdFolders({dir.path() + u"/"_s, path(u"sub"_s), path(u"gone"_s), u"/"_s});
    EXPECT_EQ(openDescriptors(), before + 3);

    const std::optional<FileIdentity> found = fs.identity(path(u"a.txt"_s));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->inode, inode(path(u"a.txt"_s)));
    EXPECT_FALSE(fs.identity(path(u"sub/none.txt"_s)).has_value());
    EXPECT_TRUE(fs.exists(path(u"sub"_s)));
    EXPECT_FALSE(fs.exists(u"/quillane-surely-not-here"_s));
    EXPECT_TRUE(fs.move(path(u"a.txt"_s), path(u"sub/b.txt"_s)).ok());
    EXPECT_EQ(fs.move(path(u"sub/b.txt"_s), path(u"gone/b.txt"_s)).outcome, FileOutcome::Failed);
    EXPECT_EQ(contents(path(u"sub/b.txt"_s)), "alpha");

    // Holding again lets the earlier ones go first.
    fs.holdFolders({dir.path()});
    EXPECT_EQ(openDescriptors(), before + 1);
    fs.letFoldersGo();
    EXPECT_EQ(openDescriptors(), before);
    EXPECT_TRUE(fs.move(path(u"sub/b.txt"_s), path(u"c.txt"_s)).ok());
}

class CrossFileSystemMoveTest : public PosixFileSystemTest {
protected:
    void SetUp() override {
        if (!QFileInfo(u"/dev/shm"_s).isWritable())
            GTEST_SKIP() << "/dev/shm, a second file system, is not writable here";
        ASSERT_TRUE(shm.isValid());
        struct stat here {};
        struct stat there {};
        ASSERT_EQ(::stat(QFile::encodeName(dir.path()).constData(), &here), 0);
        ASSERT_EQ(::stat(QFile::encodeName(shm.path()).constData(), &there), 0);
        if (here.st_dev == there.st_dev)
            GTEST_SKIP() << "the temporary folder is on the file system of /dev/shm";
    }

    QStringList leftParts() const {
        return QDir(shm.path()).entryList({u"ren*.part"_s}, QDir::Files | QDir::Hidden);
    }

    QTemporaryDir shm{u"/dev/shm/quillane-test-XXXXXX"_s};
};

TEST_F(CrossFileSystemMoveTest, KeepsContentsPermissionsTimesAndAttributes) {
    const QString source = path(u"photo.jpg"_s);
    writeFile(source, QByteArray(300'000, 'x'));
    ASSERT_EQ(::chmod(QFile::encodeName(source).constData(), 0640), 0);
    const bool attributes = userAttributesWork(dir.path()) && userAttributesWork(shm.path());
    if (attributes) {
        ASSERT_TRUE(fs.setAttributes(source, Attribute::Hidden | Attribute::Archive).ok());
    }
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(source).constData(), &before), 0);

    const QString target = shm.filePath(u"moved.jpg"_s);
    ASSERT_TRUE(fs.move(source, target).ok());
    EXPECT_FALSE(QFile::exists(source));
    EXPECT_EQ(contents(target), QByteArray(300'000, 'x'));
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    if (attributes) {
        EXPECT_EQ(fs.attributes(target).attributes, Attribute::Hidden | Attribute::Archive);
    }
    EXPECT_EQ(leftParts(), QStringList());
}

// The target's name is given only to a whole copy, whatever fails or is refused on the way.
struct CopyCase {
    const char* name;
    Faults faults;
    FileOutcome outcome;
    bool nameTakenMeanwhile = false;
};

class CrossFileSystemCopyTest : public CrossFileSystemMoveTest,
                                public testing::WithParamInterface<CopyCase> {};

TEST_P(CrossFileSystemCopyTest, NeverNamesAPartialCopy) {
    const CopyCase& c = GetParam();
    QByteArray data(1 << 20, '\0');
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i % 251);
    const QString source = path(u"big.bin"_s);
    writeFile(source, data);
    const QByteArray target = QFile::encodeName(shm.filePath(u"big.bin"_s));

    bool partialSeen = false;
    duringCopy = [&] {
        struct stat st {};
        if (c.nameTakenMeanwhile) {
            ::close(::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        } else if (::lstat(target.constData(), &st) == 0 && st.st_size != data.size()) {
            partialSeen = true;
        }
    };
    arm(c.faults);
    const FileResult moved = fs.move(source, QFile::decodeName(target));
    disarm();

    EXPECT_EQ(moved.outcome, c.outcome) << moved.message.toStdString();
    EXPECT_FALSE(partialSeen);
    if (c.outcome == FileOutcome::Ok) {
        EXPECT_FALSE(QFile::exists(source));
        EXPECT_EQ(contents(QFile::decodeName(target)), data);
    } else {
        EXPECT_EQ(contents(source), data);
        EXPECT_EQ(contents(QFile::decodeName(target)),
                  c.nameTakenMeanwhile ? QByteArray() : QByteArray("<missing>"));
    }
    EXPECT_EQ(leftParts(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CrossFileSystemCopyTest,
    testing::Values(
        CopyCase{"Whole", {}, FileOutcome::Ok},
        CopyCase{"ModeAndTimesUnsupported",
                 Faults{{Call::Fchmod, ENOSYS}, {Call::Futimens, ENOSYS}}, FileOutcome::Ok},
        CopyCase{"ModeRefusedTimesUnsupported",
                 Faults{{Call::Fchmod, EPERM}, {Call::Futimens, EOPNOTSUPP}}, FileOutcome::Ok},
        CopyCase{"ModeFails", Faults{{Call::Fchmod, EIO}}, FileOutcome::Failed},
        CopyCase{"WriteFailsMidway", Faults{{Call::Write, ENOSPC, 3}}, FileOutcome::Failed},
        CopyCase{"FlushFails", Faults{{Call::Fsync, EIO}}, FileOutcome::Failed},
        CopyCase{"NameTakenMeanwhile", {}, FileOutcome::TargetExists, true},
        CopyCase{"NameTakenMeanwhileWithoutNoReplace",
                 Faults{{Call::Renameat2, EINVAL}, {Call::Link, EPERM}}, FileOutcome::TargetExists,
                 true}),
    CaseName());

TEST_F(CrossFileSystemMoveTest, NeverReplacesATargetOnTheOtherSide) {
    writeFile(path(u"a.txt"_s), "alpha");
    writeFile(shm.filePath(u"a.txt"_s), "other");
    EXPECT_EQ(fs.move(path(u"a.txt"_s), shm.filePath(u"a.txt"_s)).outcome,
              FileOutcome::TargetExists);
    EXPECT_EQ(contents(path(u"a.txt"_s)), "alpha");
    EXPECT_EQ(contents(shm.filePath(u"a.txt"_s)), "other");
}

TEST_F(CrossFileSystemMoveTest, MovesALinkAsALink) {
    writeFile(path(u"real.txt"_s), "alpha");
    ASSERT_TRUE(QFile::link(path(u"real.txt"_s), path(u"link.txt"_s)));
    ASSERT_TRUE(fs.move(path(u"link.txt"_s), shm.filePath(u"link.txt"_s)).ok());
    EXPECT_EQ(QFileInfo(shm.filePath(u"link.txt"_s)).symLinkTarget(), path(u"real.txt"_s));
    EXPECT_FALSE(QFileInfo::exists(path(u"link.txt"_s)));
}

// Each value is set over hidden and read-only ones; only read-only needs no extended attributes.
TEST_F(PosixFileSystemTest, AttributesReadBackAsTheyWereSet) {
    const bool extended = userAttributesWork(dir.path());
    const QString file = path(u"file.txt"_s);
    writeFile(file, "x");
    for (const int value : {0, 1, 2, 4, 32, 39, 33}) {
        if (value > Attribute::ReadOnly && !extended)
            continue;
        SCOPED_TRACE(value);
        ASSERT_TRUE(fs.setAttributes(file, Attribute::Hidden | Attribute::ReadOnly).ok() ||
                    !extended);
        ASSERT_TRUE(fs.setAttributes(file, value).ok());
        EXPECT_EQ(fs.attributes(file).attributes, value);
    }
}

TEST_F(PosixFileSystemTest, ReadOnlyIsTheMissingWritePermission) {
    writeFile(path(u"file.txt"_s), "x");
    ASSERT_TRUE(fs.setAttributes(path(u"file.txt"_s), Attribute::ReadOnly).ok());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path(u"file.txt"_s)).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0222, 0u);
    EXPECT_EQ(fs.attributes(path(u".hidden"_s)).result.outcome, FileOutcome::SourceMissing);
    writeFile(path(u".hidden"_s), "x");
    EXPECT_EQ(fs.attributes(path(u".hidden"_s)).attributes, Attribute::Hidden);
}

TEST_F(PosixFileSystemTest, AttributesAreNeverSetThroughALink) {
    writeFile(path(u"real.txt"_s), "x");
    ASSERT_TRUE(QFile::link(path(u"real.txt"_s), path(u"link.txt"_s)));
    EXPECT_EQ(fs.setAttributes(path(u"link.txt"_s), Attribute::ReadOnly).outcome,
              FileOutcome::Failed);
    EXPECT_EQ(fs.attributes(path(u"real.txt"_s)).attributes, 0);
    EXPECT_EQ(fs.attributes(path(u"link.txt"_s)).attributes, 0);
}

// Clearing succeeds where there is nothing the file system could clear; what a file keeps against
// the request is told.
struct UnsupportedAttributeCase {
    const char* name;
    Faults faults;
    mode_t mode;
    bool holdsDosAttribute;
    int value;
    bool succeeds;
};

class UnsupportedAttributeTest : public PosixFileSystemTest,
                                 public testing::WithParamInterface<UnsupportedAttributeCase> {};

TEST_P(UnsupportedAttributeTest, ClearsWhatCanBeClearedAndTellsTheRest) {
    const UnsupportedAttributeCase& c = GetParam();
    if (c.holdsDosAttribute && !userAttributesWork(dir.path()))
        GTEST_SKIP() << "this file system refuses user extended attributes";
    const QString file = path(u"file.txt"_s);
    writeFile(file, "x");
    if (c.holdsDosAttribute) {
        ASSERT_TRUE(fs.setAttributes(file, Attribute::Archive).ok());
    }
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), c.mode), 0);
    arm(c.faults);
    const FileResult set = fs.setAttributes(file, c.value);
    disarm();
    EXPECT_EQ(set.ok(), c.succeeds) << set.message.toStdString();
    EXPECT_EQ(set.message.isEmpty(), c.succeeds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnsupportedAttributeTest,
    testing::Values(
        UnsupportedAttributeCase{"ClearWithoutExtendedAttributesOrChmod",
                                 Faults{{Call::Removexattr, ENOSYS}, {Call::Chmod, ENOSYS}}, 0644,
                                 false, 0, true},
        UnsupportedAttributeCase{"ClearWhereRemovalIsRefusedAndNothingIsHeld",
                                 Faults{{Call::Removexattr, EPERM}}, 0644, false, 0, true},
        UnsupportedAttributeCase{"ClearWhereAHeldValueCannotGo", Faults{{Call::Removexattr, EPERM}},
                                 0644, true, 0, false},
        UnsupportedAttributeCase{"ReadOnlyWithoutChmod", Faults{{Call::Chmod, ENOSYS}}, 0644, false,
                                 Attribute::ReadOnly, false},
        UnsupportedAttributeCase{"ClearReadOnlyWithoutChmod", Faults{{Call::Chmod, ENOSYS}}, 0444,
                                 false, 0, false}),
    CaseName());

// The run writes no attributes where the file system says a rename keeps them: that must never be
// wrong, dot-files included, and is said for every rename that does not hide or show a file.
TEST_F(PosixFileSystemTest, SaysWhenARenameKeepsTheAttributesAsTheyRead) {
    const std::pair<QString, QString> renames[] = {
        {u"a"_s, u"b"_s}, {u"a"_s, u".b"_s}, {u".a"_s, u"b"_s}, {u".a"_s, u".b"_s}};
    for (const int value : {0, Attribute::ReadOnly | Attribute::Archive,
                            Attribute::Hidden | Attribute::System, Attribute::Hidden}) {
        for (const auto& [from, to] : renames) {
            SCOPED_TRACE(
                (from + u" to "_s + to + u" with "_s + QString::number(value)).toStdString());
            writeFile(path(from), "x");
            ASSERT_TRUE(fs.setAttributes(path(from), value).ok());
            const int before = fs.attributes(path(from)).attributes;
            ASSERT_TRUE(fs.move(path(from), path(to)).ok());
            const bool kept = fs.attributes(path(to)).attributes == before;
            const bool keeps = fs.renameKeepsAttributes(path(from), path(to));
            EXPECT_TRUE(kept || !keeps);
            EXPECT_EQ(keeps, from.startsWith(u'.') == to.startsWith(u'.'));
            ASSERT_TRUE(fs.setAttributes(path(to), 0).ok());
            ASSERT_TRUE(fs.remove(path(to)).ok());
        }
    }
}

TEST_F(PosixFileSystemTest, ListsMatchingEntriesWithTheirKindsAndEveryNameOfTheFolder) {
    writeFile(path(u"README"_s), "x");
    writeFile(path(u"A.JPG"_s), "x");
    writeFile(path(u"caf\u00E9.jpg"_s), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder"_s));
    ASSERT_TRUE(QFile::link(path(u"folder"_s), path(u"folderlink"_s)));
    const QByteArray badName = QFile::encodeName(dir.path()) + "/bad\xff.jpg";
    ::close(::open(badName.constData(), O_CREAT | O_WRONLY, 0600));

    const auto all = fs.list(dir.path(), u"*.*"_s);
    ASSERT_TRUE(all.has_value());
    QStringList names;
    for (const DirectoryEntry& e : all->entries)
        names.append(all->nameOf(e).toString());
    EXPECT_TRUE(names.contains(u"README"_s));
    EXPECT_TRUE(names.contains(u"caf\u00E9.jpg"_s));
    EXPECT_FALSE(names.contains(u"."_s));
    EXPECT_FALSE(names.contains(u".."_s));
    for (const DirectoryEntry& e : all->entries) {
        if (all->nameOf(e) == u"folder"_s) {
            EXPECT_TRUE(e.isDirectory && !e.isSymbolicLink);
        } else if (all->nameOf(e) == u"folderlink"_s) {
            EXPECT_TRUE(e.isDirectory && e.isSymbolicLink);
        } else if (all->nameOf(e) == u"README"_s || all->nameOf(e) == u"caf\u00E9.jpg"_s) {
            EXPECT_TRUE(!e.isDirectory && e.nameDecodes);
        }
    }

    const auto jpegs = fs.list(dir.path(), u"*.jpg"_s);
    ASSERT_TRUE(jpegs.has_value());
    ASSERT_EQ(jpegs->entries.size(), 3);
    int undecodable = 0;
    for (const DirectoryEntry& e : jpegs->entries)
        undecodable += e.nameDecodes ? 0 : 1;
    EXPECT_EQ(undecodable, 1);
    // The names of everything in the folder, not only of what matched, as a listing of the
    // names alone gives them.
    const std::optional<FolderNameListing> alone = fs.folderNames(dir.path());
    ASSERT_TRUE(alone.has_value());
    const auto sortedNames = [](const QString& listed) {
        QStringList split = listed.split(QChar(u'\0'));
        split.sort();
        return split;
    };
    EXPECT_EQ(sortedNames(jpegs->names.names), sortedNames(alone->names));
    EXPECT_EQ(jpegs->names.names.count(QChar(u'\0')), 6);
    EXPECT_EQ(jpegs->names.stamp, alone->stamp);

    EXPECT_FALSE(fs.list(path(u"missing"_s), u"*"_s).has_value());
    EXPECT_TRUE(fs.exists(path(u"README"_s)));
    EXPECT_FALSE(fs.isDirectory(path(u"README"_s)));
    EXPECT_TRUE(fs.isDirectory(path(u"folderlink"_s)));
    EXPECT_FALSE(fs.exists(path(u"nothing"_s)));
}

TEST_F(PosixFileSystemTest, TextFilesUseTheWesternCodePage) {
    const QString text = u"caf\u00E9 \u20AC 100"_s;
    ASSERT_TRUE(fs.writeTextFile(path(u"tips.txt"_s), text).ok());
    EXPECT_EQ(contents(path(u"tips.txt"_s)), QByteArray("caf\xE9 \x80 100"));
    const TextFileResult read = fs.readTextFile(path(u"tips.txt"_s));
    ASSERT_TRUE(read.result.ok());
    EXPECT_EQ(read.text, text);

    EXPECT_EQ(fs.readTextFile(path(u"none.txt"_s)).result.outcome, FileOutcome::SourceMissing);
    const TextFileResult folder = fs.readTextFile(dir.path());
    EXPECT_EQ(folder.result.outcome, FileOutcome::Failed);
    EXPECT_FALSE(folder.result.message.isEmpty());
}

} // namespace
} // namespace quillane

// The C library's calls, failing where a test armed a fault.

extern "C" int renameat2(int fromDirectory, const char* from, int toDirectory, const char* to,
                         unsigned int flags) noexcept {
    static const auto real = quillane::next<decltype(&::renameat2)>("renameat2");
    return quillane::fails(quillane::Call::Renameat2)
               ? -1
               : real(fromDirectory, from, toDirectory, to, flags);
}

extern "C" int linkat(int fromDirectory, const char* from, int toDirectory, const char* to,
                      int flags) noexcept {
    static const auto real = quillane::next<decltype(&::linkat)>("linkat");
    return quillane::fails(quillane::Call::Link)
               ? -1
               : real(fromDirectory, from, toDirectory, to, flags);
}

extern "C" int chmod(const char* path, mode_t mode) noexcept {
    static const auto real = quillane::next<decltype(&::chmod)>("chmod");
    return quillane::fails(quillane::Call::Chmod) ? -1 : real(path, mode);
}

extern "C" int fchmod(int fd, mode_t mode) noexcept {
    static const auto real = quillane::next<decltype(&::fchmod)>("fchmod");
    return quillane::fails(quillane::Call::Fchmod) ? -1 : real(fd, mode);
}

extern "C" int futimens(int fd, const timespec times[2]) noexcept {
    static const auto real = quillane::next<decltype(&::futimens)>("futimens");
    return quillane::fails(quillane::Call::Futimens) ? -1 : real(fd, times);
}

extern "C" int removexattr(const char* path, const char* name) noexcept {
    static const auto real = quillane::next<decltype(&::removexattr)>("removexattr");
    return quillane::fails(quillane::Call::Removexattr) ? -1 : real(path, name);
}

// Only files: the test's own output goes on.
extern "C" ssize_t write(int fd, const void* data, size_t size) {
    static const auto real = quillane::next<decltype(&::write)>("write");
    return fd > 2 && quillane::copyStepFails(quillane::Call::Write) ? -1 : real(fd, data, size);
}

extern "C" int fsync(int fd) {
    static const auto real = quillane::next<decltype(&::fsync)>("fsync");
    return quillane::copyStepFails(quillane::Call::Fsync) ? -1 : real(fd);
}
