#pragma once

#include "journal/SqliteDatabase.h"
#include "platform/FileSystem.h"
#include "renamelist/RenamePlan.h"
#include "renamelist/RunRecorder.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace quillane {

// Where a row's file lay when its run ended.
enum class FinalPlace { Unknown = 0, Source = 1, Temporary = 2, Target = 3, Aside = 4 };

// A run as its record holds it.
struct JournalRun {
    qint64 id = 0;
    RunKind kind = RunKind::Rename; // Rename or Undo: what the run was started as
    qint64 undoes = 0;              // for an undo, the run it takes back
    QDateTime started;
    bool ended = false;
    std::optional<int> newAttributes; // the attribute value the run gave, when it gave one
    qint32 renamed = 0;               // files it left under their new names
    QStringList folders;              // where its temporary names were reserved
};

// One row of a recorded run.
struct JournalMove {
    qint32 row = 0;
    QString source;
    QString temporary;
    QString target;
    std::optional<FileIdentity> identity;
    std::optional<int> attributes;
    QString copyPath{}; // a copy to another file system, once started
    std::optional<FileIdentity> copy{};
    QString aside{}; // the old name in the output folder, after a No
    FinalPlace finalPlace = FinalPlace::Unknown;

    // Whether the file found is this row's, before or after a copy to another file system.
    bool isFile(const std::optional<FileIdentity>& found) const;
    // Which of the row's places the path is.
    FinalPlace placeOf(const QString& path) const;
};

// The record of every rename run, in one SQLite database: each run's plan before its first file
// moves, the steps the plan alone cannot tell, and how it ended. The last twenty rename runs are
// kept, and the newest not taken back is the one to undo.
class RunJournal {
public:
    explicit RunJournal(QString path);

    // The user's state folder: $XDG_STATE_HOME, or ~/.local/state, then Kestrova/Quillane.
    static QString defaultPath();
    // Rows of a run's plan on record before its first file moves; the others follow while those
    // move, in parts that grow to the largest.
    static constexpr qint32 RowsRecordedFirst = 1024;
    static constexpr qint32 LargestRecordedPart = 8192;
    const QString& path() const { return m_path; }

    // Records a new run; nothing is written before its plan.
    std::unique_ptr<RunRecorder> recordRun(RunKind kind, qint64 undoes,
                                           std::optional<int> newAttributes);
    // Goes on with an open run whose rows, in order, are `rows` of it; `known` says where each of
    // its files lay before, for the rows this run leaves alone.
    std::unique_ptr<RunRecorder> continueRun(qint64 run, std::vector<qint32> rows,
                                             std::vector<FinalPlace> known);

    // The newest run without an end; nothing when there is none or no record can be read.
    std::optional<JournalRun> openRun();
    // The newest finished rename run not taken back that left a file under a new name.
    std::optional<JournalRun> runToUndo();
    std::vector<JournalMove> moves(qint64 run);

    // For the recorders.
    SqliteDatabase* database(QString& why);

private:
    std::optional<JournalRun> newestRun(const char* sql);

    QString m_path;
    SqliteDatabase m_db;
};

} // namespace quillane
