#pragma once

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "renamelist/RenameList.h"

#include <QString>

#include <functional>
#include <optional>

namespace quillane {

// Where renamed files go and which attributes they get.
struct RunSettings {
    bool outputWhereFileIs = true;
    QString customOutputDir;
    bool newAttributesOn = false;
    int newAttributeValue = 0;
};

// Told the bar's maximum once, then its value after each entry.
struct RunProgress {
    std::function<void(qint32 maximum)> start;
    std::function<void(qint32 value)> value;
};

struct RunResult {
    bool completed = true; // false: a failure ended the run at `endedAtRow`
    qint32 endedAtRow = -1;
    // Rows left alone because their new name cannot name a file (empty, "." or "..", a path
    // separator or a NUL inside).
    QList<qint32> invalidNames;
};

// Renames every listed file to the name in its renout cell, in list order, each through a
// temporary name of its own, asking about taken names and missing files. Every file ends under
// its old name, its new name, or a name the user is told.
class RenameRun {
public:
    RenameRun(RenameList& list, FileSystem& files, Dialogs& dialogs, RunSettings settings,
              RunProgress progress);

    RunResult run();

private:
    enum class EntryEnd { Next, EndRun };

    EntryEnd renameEntry(qint32 row);
    // Moves from `from` to `to`, asking about a missing file until it appears or is skipped.
    // Returns the final result; SourceMissing means the user chose to skip.
    FileResult moveAskingWhenMissing(const QString& from, const QString& to,
                                     const QString& missingPath);
    void giveAttributes(const QString& path, int attributes);
    // Puts the file back under its old name where it can, attributes as they were; the row names
    // wherever it ends up, which is returned.
    QString returnToOldName(qint32 row, const QString& temporary,
                            std::optional<int> savedAttributes);
    EntryEnd putBack(qint32 row, const QString& temporary, std::optional<int> savedAttributes,
                     const QString& failedTarget, const FileResult& failure);
    void tell(const QString& text);
    void finishEntry();

    RenameList& m_list;
    FileSystem& m_files;
    Dialogs& m_dialogs;
    RunSettings m_settings;
    RunProgress m_progress;
    qint32 m_finished = 0;
};

} // namespace quillane
