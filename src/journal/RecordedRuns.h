#pragma once

#include "journal/RunJournal.h"
#include "renamelist/RenameList.h"
#include "renamelist/RenamePlan.h"
#include "renamelist/RenameRun.h"

#include <QHash>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace quillane {

// A run over the files of a recorded run: the rows it goes through, how, and where it records.
struct RecordedRunSetup {
    RenameList list;
    RunSettings settings;
    std::unique_ptr<RunRecorder> recorder;
    // Files left out of the run, and why; told with the run's own report.
    QList<RunProblem> leftOut;
    // Each row's file where it lay before the run, by which the window's rows are found.
    std::vector<QString> formerPaths;
};

// What a run that did not finish left, as its record and the disk together tell.
class RunRecovery {
public:
    // Nothing when every recorded run has an end.
    static std::optional<RunRecovery> find(RunJournal& journal, FileSystem& files);

    const JournalRun& run() const { return m_run; }
    // Files still under temporary names.
    qint32 stranded() const;
    // Files under temporary names whose old names are taken now, each with both paths.
    QStringList blocked() const;
    // First removes what a copy to another file system left beside a whole file, then gives the
    // run that finishes the recorded one or puts its files back, with the files of the run that
    // took their old names since.
    RecordedRunSetup setUp(RunKind way);
    // For a run that left nothing under a temporary name: it ends as it lies.
    FileResult close();

private:
    RunRecovery(RunJournal& journal, FileSystem& files, JournalRun run);
    void cleanUp();
    void removeStrayReservations();
    void restoreAttributes(const JournalMove& move);
    // The row whose file reached this path as its target, or -1.
    qint32 renamedTo(const QString& path) const;

    RunJournal* m_journal;
    FileSystem* m_files;
    JournalRun m_run;
    std::vector<JournalMove> m_moves;
    std::vector<FinalPlace> m_places;
    QHash<QString, qint32> m_renamedTo;
};

// The run that takes the files of a finished run back to their old names, never overwriting:
// a file no longer at its new path, or whose old path is taken, stays where it is and is told.
RecordedRunSetup setUpUndo(RunJournal& journal, FileSystem& files, const JournalRun& run);

// How the undo command names a run: "Undo renaming 300 files of 6 Dec 2026 21:40".
QString undoDescription(const JournalRun& run);
// A run's start as the boxes write it: "6 Dec 2026 21:40".
QString runTime(const QDateTime& started);

} // namespace quillane
