#pragma once

#include "journal/RecordedRuns.h"
#include "journal/RunJournal.h"
#include "platform/PosixFileSystem.h"
#include "renamelist/RenameRun.h"
#include "tests/renamelist/RunFolder.h"
#include "tests/support/ScriptedDialogs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace quillane {

// A journal of its own beside real files, and the runs the program makes with it.
class JournalFixture : public testing::Test {
protected:
    QString journalPath() const { return state.filePath(QStringLiteral("journal.sqlite3")); }

    RunResult rename(RenameList& list, RunSettings settings = {}, FileSystem* through = nullptr) {
        const std::unique_ptr<RunRecorder> recorder = journal.recordRun(
            RunKind::Rename, 0,
            settings.newAttributesOn ? std::optional<int>(settings.newAttributeValue)
                                     : std::nullopt);
        return RenameRun(list, through ? *through : files, dialogs, std::move(settings), {},
                         recorder.get())
            .run();
    }
    RunResult run(RecordedRunSetup& setup, RunProgress progress = {}) {
        return RenameRun(setup.list, files, dialogs, setup.settings, std::move(progress),
                         setup.recorder.get())
            .run();
    }
    RunResult undoLast() {
        const std::optional<JournalRun> last = journal.runToUndo();
        EXPECT_TRUE(last.has_value());
        if (!last)
            return {};
        RecordedRunSetup setup = setUpUndo(journal, files, *last);
        RunResult result = run(setup);
        result.problems = setup.leftOut + result.problems;
        return result;
    }

    QTemporaryDir state;
    RunJournal journal{journalPath()};
    PosixFileSystem files;
    ScriptedDialogs dialogs;
};

} // namespace quillane
