#pragma once

#include "journal/RecordedRuns.h"
#include "journal/RunJournal.h"
#include "platform/PathText.h"
#include "platform/PosixFileSystem.h"
#include "renamelist/RenameRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QString>

#include <chrono>
#include <functional>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// What the crash test and the soak share: a run of many files in a child process, and the count
// of what a kill and the recovery after it left wrong.
namespace quillane::crash {

// The run renames "f0001" to "f0002" and so on (a shift), swaps "s1" and "s2", takes "q" onto the
// name of a file outside the list, and moves "big".
inline QString newNameFor(const QString& old) {
    if (old.startsWith(u'f'))
        return QStringLiteral("f%1").arg(old.mid(1).toInt() + 1, 5, 10, QChar(u'0'));
    if (old == u"s1")
        return QStringLiteral("s2");
    if (old == u"s2")
        return QStringLiteral("s1");
    if (old == u"q")
        return QStringLiteral("outside");
    return old + QStringLiteral(".moved");
}

inline QByteArray contentOf(const QString& name) {
    return "content of " + name.toUtf8() + '\n';
}

// The files of a run of `count` shifted files, with "big" as large as asked (0: none) and "q"
// with a file outside the list in its way when `blocked`.
inline void makeFiles(const QString& folder, int count, qint64 bigBytes, bool blocked) {
    QStringList names{QStringLiteral("s1"), QStringLiteral("s2")};
    for (int n = 0; n < count; ++n)
        names.append(QStringLiteral("f%1").arg(n, 5, 10, QChar(u'0')));
    if (blocked)
        names.append(QStringLiteral("q"));
    for (const QString& name : names) {
        QFile file(pathIn(folder, name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot make test files");
        file.write(contentOf(name));
    }
    if (blocked) {
        QFile outside(pathIn(folder, QStringLiteral("outside")));
        if (!outside.open(QIODevice::WriteOnly))
            qFatal("cannot make test files");
        outside.write(contentOf(QStringLiteral("outside")));
    }
    if (bigBytes > 0) {
        QFile big(pathIn(folder, QStringLiteral("big")));
        if (!big.open(QIODevice::WriteOnly))
            qFatal("cannot make test files");
        big.write(contentOf(QStringLiteral("big")));
        big.resize(bigBytes);
    }
}

// The list of the run: "big" first, so that a move to another file system starts at once.
inline RenameList listOf(const QString& folder) {
    RenameList list;
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    names.removeAll(QStringLiteral("outside"));
    if (names.removeAll(QStringLiteral("big")) > 0)
        names.prepend(QStringLiteral("big"));
    for (const QString& name : names) {
        list.append(folder, name);
        list.setCell(list.count() - 1, ListColumn::Renout, newNameFor(name));
    }
    return list;
}

// Every question answered No: keep what is in the way.
class AnswerNo final : public Dialogs {
public:
    MessageAnswer showMessage(const MessageRequest&) override { return MessageAnswer::No; }
    void showReport(const ReportRequest&) override {}
    int choose(const ChoiceRequest& request) override { return request.escapeButton; }
    std::optional<OpenFilesResult> openFiles(const OpenFilesRequest&) override { return {}; }
    std::optional<QString> browseForFolder(const FolderRequest&) override { return {}; }
    std::optional<QString> askText(const TextRequest&) override { return {}; }
};

// Finishes or puts back what an unfinished run left, as the start-up box does; false when no
// run was left open.
inline bool recover(const QString& journalPath, RunKind way) {
    RunJournal journal(journalPath);
    PosixFileSystem files;
    std::optional<RunRecovery> recovery = RunRecovery::find(journal, files);
    if (!recovery)
        return false;
    if (recovery->stranded() == 0) {
        (void)recovery->close();
        return true;
    }
    RecordedRunSetup setup = recovery->setUp(way);
    AnswerNo dialogs;
    (void)RenameRun(setup.list, files, dialogs, setup.settings, {}, setup.recorder.get()).run();
    return true;
}

// What the disk shows after a recovery.
struct Tally {
    int stranded = 0;   // files under temporary names
    int lost = 0;       // contents found nowhere
    int duplicated = 0; // contents found twice
    int misplaced = 0;  // contents under a name that is neither their old nor their new one
    int partial = 0;    // files of the wrong size
    bool clean() const { return stranded + lost + duplicated + misplaced + partial == 0; }
};

inline Tally tally(const QString& folder, const QString& output, int count, qint64 bigBytes,
                   bool blocked) {
    QStringList olds{QStringLiteral("s1"), QStringLiteral("s2")};
    for (int n = 0; n < count; ++n)
        olds.append(QStringLiteral("f%1").arg(n, 5, 10, QChar(u'0')));
    if (blocked)
        olds << QStringLiteral("q") << QStringLiteral("outside");
    if (bigBytes > 0)
        olds.append(QStringLiteral("big"));
    QHash<QByteArray, QString> oldNameOf;
    for (const QString& name : olds)
        oldNameOf.insert(contentOf(name), name);

    Tally found;
    QHash<QString, int> seen;
    QStringList places{folder};
    if (!output.isEmpty() && output != folder)
        places.append(output);
    for (const QString& place : places) {
        for (const QString& name : QDir(place).entryList(QDir::Files | QDir::Hidden)) {
            if (name.startsWith(u"ren") && (name.endsWith(u".tmp") || name.endsWith(u".part"))) {
                ++found.stranded;
                continue;
            }
            QFile file(pathIn(place, name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString old = oldNameOf.value(file.readLine());
            if (old.isEmpty()) {
                ++found.misplaced;
                continue;
            }
            ++seen[old];
            // Asked about and answered No, a file keeps its old name, in its folder or the output.
            if (name != old && name != newNameFor(old))
                ++found.misplaced;
            if (old == u"big" && file.size() != bigBytes)
                ++found.partial;
        }
    }
    for (const QString& old : olds) {
        const int times = seen.value(old);
        found.lost += times == 0 ? 1 : 0;
        found.duplicated += times > 1 ? times - 1 : 0;
    }
    return found;
}

// Where the runs' files are made: in memory where it can be, as thousands are made for each
// kill.
inline QString scratchBase() {
    const QString memory = QStringLiteral("/dev/shm");
    return QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
}

// Starts the child run; its arguments as CrashChild.cpp reads them.
inline pid_t startChild(const char* program, const QStringList& arguments) {
    std::vector<QByteArray> bytes;
    for (const QString& argument : arguments)
        bytes.push_back(QFile::encodeName(argument));
    std::vector<char*> argv{const_cast<char*>(program)};
    for (QByteArray& argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(program, argv.data());
        ::_exit(127);
    }
    return child;
}

// Waits for the child to end; true when a SIGKILL ended it.
inline bool killedBySigkill(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// Polls until `ready` holds or the child ends; true when it holds while the child still runs.
inline bool waitUntil(pid_t child, const std::function<bool()>& ready) {
    for (int tries = 0; tries < 60'000; ++tries) {
        if (ready())
            return true;
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

} // namespace quillane::crash
