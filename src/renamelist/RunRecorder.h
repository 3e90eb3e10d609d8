#pragma once

#include "platform/FileSystem.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace quillane {

struct RunResult;

// One file of a run as planned: where it is, the temporary name it passes through, where it goes.
struct PlannedMove {
    QString source;
    QString temporary;
    QString target;
    std::optional<FileIdentity> identity; // nothing when the file is not there now
    std::optional<int> attributes;        // as read before the run cleared them
};

// Where a run keeps its record, so that a crash at any instant leaves a record that, with the
// disk, tells where every file is. The calls that say "before" are lasting when they return; a
// failed one is told as the system's words, and the run then does not take the step.
class RunRecorder {
public:
    virtual ~RunRecorder() = default;

    // Before the first temporary name is reserved: the folders where the run makes files of its
    // own (temporary names, copies), so that an empty one a crash leaves can be found.
    virtual FileResult starting(const QStringList& folders) = 0;
    // Before the first file moves; one move per row of the run. The rows may be made lasting
    // later, in their order, while the first ones move: see `recorded`.
    virtual FileResult planned(std::vector<PlannedMove> moves) = 0;
    // Before a row's file is first touched: waits until the row of the plan is lasting.
    virtual FileResult recorded(qint32 /*row*/) { return FileResult::success(); }
    // Before a row's file moves to another temporary name than the planned one.
    virtual FileResult temporaryChanged(qint32 row, const QString& temporary) = 0;
    // Before a row's file goes to a place the plan does not name (its old name in the output
    // folder).
    virtual FileResult setAside(qint32 row, const QString& path) = 0;
    // Before a copy to another file system gets any content: the copy's own name and identity.
    virtual FileResult copying(qint32 row, const QString& copyPath, const FileIdentity& copy) = 0;
    // The run is over, whatever way; `finalPaths` says where each row's file lies now.
    virtual FileResult ended(const RunResult& result, const std::vector<QString>& finalPaths) = 0;
};

} // namespace quillane
