#pragma once

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "renamelist/RenameList.h"
#include "renamelist/RenamePlan.h"
#include "renamelist/RunRecorder.h"

#include <QHash>
#include <QString>

#include <functional>
#include <optional>
#include <unordered_set>
#include <vector>

namespace quillane {

// Told the bar's maximum once, then its value after each entry; asked between entries whether
// the user wants the run to stop. Told before the run asks the user anything, so that a bar drawn
// only now and then shows the last value by then.
struct RunProgress {
    std::function<void(qint32 maximum)> start;
    std::function<void(qint32 value)> value;
    std::function<bool()> stopAsked;
    std::function<void()> beforeAsking{};
};

// A file the run could not rename, or the failure that ended it.
struct RunProblem {
    QString path;
    QString why;
    friend bool operator==(const RunProblem&, const RunProblem&) = default;
};

struct RunResult {
    RunKind kind = RunKind::Rename;
    qint32 total = 0;
    qint32 renamed = 0;    // files now under their new names
    qint32 skipped = 0;    // entries passed over: answered so, left alone or not renamed
    bool stopped = false;  // the user stopped the run
    bool completed = true; // false: a failure ended the run at `endedAtRow`
    qint32 endedAtRow = -1;
    // In the order met; when a failure ended the run, it comes last.
    QList<RunProblem> problems;
};

// How a run ended, for the status bar: "Renamed 4,998 of 5,000 files; 2 skipped".
QString runSummary(const RunResult& result);

// Renames every listed file to the name in its renout cell, each through a temporary name of its
// own. Files that leave names other entries want go first, so swaps, shifts and cycles complete;
// the user is asked only about files really in the way and about missing files. Every file ends
// under its old name, its new name, or a name the result tells. With a recorder, the plan is on
// record before the first file moves, and so is every step the plan alone cannot tell.
class RenameRun {
public:
    RenameRun(RenameList& list, FileSystem& files, Dialogs& dialogs, RunSettings settings,
              RunProgress progress, RunRecorder* recorder = nullptr);

    RunResult run();

private:
    enum class EntryEnd { Next, EndRun };
    // A file moved to its temporary name.
    struct Parked {
        QString temporary;
        // Read only where the run may write them at the target.
        std::optional<int> savedAttributes;
        QString attributesReadAt;
        // An earlier run cleared its attributes: they go back wherever the file ends.
        bool cleared = false;

        std::optional<int> toRestore() const { return cleared ? savedAttributes : std::nullopt; }
    };

    // The folders the run names files in.
    QStringList runFolders() const;
    // Every row's temporary name, and the plan on record; false when the user would rather not
    // run without a record.
    bool prepare(const QStringList& folders);
    // Whether the run goes on after a step of its record: it did, or the user would rather run
    // without a record than not at all.
    bool recordingAllowed(const FileResult& recorded);
    quint32 newTemporaryNumber();
    static QString temporaryName(const QString& directory, quint32 number);
    void chooseTemporary(qint32 row);
    // Whether the run may write the file's attributes at its target: only then are they read.
    bool attributesMayChange(qint32 row, const QString& from, const QString& target) const;
    // The entry, after the moving files that hold its target; a cycle of them is opened by
    // parking this entry's file first.
    EntryEnd process(qint32 row);
    EntryEnd renameEntry(qint32 row);
    // Nothing when the entry is finished without reaching its temporary name.
    std::optional<Parked> park(qint32 row, EntryEnd& end);
    EntryEnd place(qint32 row, const Parked& parked);

    // Moves from `from` to `to`, asking about a missing file until it appears or is skipped.
    // Returns the final result; SourceMissing means the user chose to skip.
    FileResult moveAskingWhenMissing(const QString& from, const QString& to,
                                     const QString& missingPath, const CopyNotice& notice = {});
    // Whether the file at the target may be one to ask about overwriting: never a listed file the
    // run did not mean to replace.
    bool mayOverwrite(qint32 row, const QString& target) const;
    bool overwriteAnswer(const QString& target);
    MessageAnswer ask(const MessageRequest& request);
    void giveAttributes(const QString& path, int attributes);
    // Puts the file back under its old name where it can, attributes as they were; the row names
    // wherever it ends up, which is returned.
    QString returnToOldName(qint32 row, const QString& temporary,
                            std::optional<int> savedAttributes);
    // A failure after the file left its name: back it goes, and the run goes on when the cause is
    // one that other files may share, or ends.
    EntryEnd putBack(qint32 row, const QString& temporary, std::optional<int> savedAttributes,
                     const QString& failedTarget, const FileResult& failure);
    // A failure before the file left its name.
    EntryEnd notMoved(const QString& source, const QString& target, const FileResult& failure);
    // Back to the old name where it can; told where it stays under its temporary name.
    void unpark(qint32 row, const Parked& parked);
    // A file that was not moved as planned, not asked about: reported, and back where it was.
    EntryEnd leave(qint32 row, const Parked& parked, const QString& why);
    // Before the file goes to its old name in the output folder; false when that cannot be
    // recorded.
    bool recordSetAside(qint32 row, const QString& path);
    void problem(const QString& path, const QString& why);
    // Where the row's file goes back to: the row's own path, or for a file an earlier run left
    // under a temporary name, the name it had before.
    QString oldPathOf(qint32 row) const;
    // The row's cells name the file at `path`.
    void nameRow(qint32 row, const QString& path);
    void finishEntry(bool renamed);
    bool stopAsked() const { return m_progress.stopAsked && m_progress.stopAsked(); }

    RenameList& m_list;
    FileSystem& m_files;
    Dialogs& m_dialogs;
    RunSettings m_settings;
    RunProgress m_progress;
    RunRecorder* m_recorder;
    RenamePlan m_plan;
    // Each row's temporary name, chosen before the plan is recorded.
    std::vector<QString> m_temporaries;
    // The numbers of the temporary names chosen in this run, so that no two rows share one.
    std::unordered_set<quint32> m_chosen;
    // The attributes read for the record before the run, by row; -1 where none were.
    std::vector<int> m_plannedAttributes;
    std::vector<bool> m_done;
    // The paths this run put files at, and which row's.
    QHash<QString, qint32> m_filled;
    qint32 m_finished = 0;
    RunResult m_result;
    std::optional<bool> m_overwriteAll;
    std::optional<bool> m_skipAll;
};

} // namespace quillane
