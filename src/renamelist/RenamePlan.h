#pragma once

#include "renamelist/FolderNames.h"
#include "renamelist/RenameList.h"

#include <QString>

#include <optional>
#include <stop_token>
#include <vector>

namespace quillane {

// What a run does: renames the list, or takes the files of an earlier run back or on.
enum class RunKind { Rename, Undo, Finish, PutBack };

// A row of a run over the files of an earlier run, each going to a folder of its own.
struct RowTarget {
    QString directory;
    // The row already names the file under a temporary name of its own; it goes on from there,
    // and back to `oldPath`, with these attributes as the ones to restore (read from the file
    // when not known).
    bool parked = false;
    QString oldPath;
    std::optional<int> savedAttributes;
    // The attributes the file gets at its target, instead of the run's own choice.
    std::optional<int> attributesAtTarget;
};

// Where renamed files go and which attributes they get.
struct RunSettings {
    bool outputWhereFileIs = true;
    QString customOutputDir;
    bool newAttributesOn = false;
    int newAttributeValue = 0;
    RunKind kind = RunKind::Rename;
    // One per row, or none: the rows go where the two choices above say.
    std::vector<RowTarget> rowTargets{};
    // False: a file in the way or a missing file is reported instead of asked about, and
    // nothing is overwritten.
    bool asks = true;

    const QString& targetDirectory(qint32 row, const RenameEntry& entry) const {
        if (!rowTargets.empty())
            return rowTargets[static_cast<std::size_t>(row)].directory;
        return outputWhereFileIs ? entry.directory : customOutputDir;
    }
    const RowTarget* rowTarget(qint32 row) const {
        return rowTargets.empty() ? nullptr : &rowTargets[static_cast<std::size_t>(row)];
    }
    bool parked(qint32 row) const {
        const RowTarget* target = rowTarget(row);
        return target != nullptr && target->parked;
    }
};

// The status column's texts, empty for Ready.
const QString& statusText(EntryStatus status);
// Whether the status is a problem the user should look at before a run.
bool needsCheck(EntryStatus status);
// The custom output folder in the form the rows hold theirs ("sub/." and "sub/" as "sub"), so
// that one folder is never taken for two.
QString outputFolderForm(const QString& folder);
// Whether a new name can name a file in its folder: not empty, "." or "..", and holding no path
// separator or NUL. Any other name would reach another folder, or none.
bool namesAFile(QStringView name);

// What a run would do with every entry, as the list and the disk stand now: each entry's status,
// and for the files that leave names other entries want, which must go first.
class RenamePlan {
public:
    // Looks at every folder involved once through `folders`; lists none that it has seen
    // unchanged. Once `stop` is asked it ends early, with a plan only fit to be thrown away.
    static RenamePlan make(const RenameList& list, const RunSettings& settings,
                           FolderNames& folders, const std::stop_token& stop = {});

    EntryStatus status(qint32 row) const { return m_rows[static_cast<std::size_t>(row)].status; }
    // Entries showing a status that needs a check.
    qint32 toCheck() const { return m_toCheck; }
    // The file gets its new name in the run, with nothing but other moving files in the way.
    bool moves(qint32 row) const { return m_rows[static_cast<std::size_t>(row)].moves; }
    // The listed entry whose file holds this entry's target now and is to leave it first, whether
    // or not it can; -1 for none. Such a file is never one to overwrite.
    qint32 holderOfTarget(qint32 row) const { return m_rows[static_cast<std::size_t>(row)].holder; }
    // A listed file that does not move in this run holds the target: never one to overwrite.
    bool heldByListed(qint32 row) const {
        return m_rows[static_cast<std::size_t>(row)].heldByListed;
    }
    // For the second and later entries wanting one target, the first of them; -1 otherwise.
    qint32 duplicateOf(qint32 row) const {
        return m_rows[static_cast<std::size_t>(row)].duplicateOf;
    }

private:
    struct Row {
        EntryStatus status = EntryStatus::Ready;
        bool moves = false;
        bool heldByListed = false;
        qint32 holder = -1;
        qint32 duplicateOf = -1;
    };

    std::vector<Row> m_rows;
    qint32 m_toCheck = 0;
};

} // namespace quillane
