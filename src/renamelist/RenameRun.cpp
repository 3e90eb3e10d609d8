#include "renamelist/RenameRun.h"

#include "platform/PathText.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

const QString TemporaryPrefix = u"ren"_s;
const QString NoOutputFolder = u"no output folder is set"_s;

QString quoted(const QString& path) {
    return u"'"_s + path + u"'"_s;
}

QString alreadyExists(const QString& target) {
    return quoted(target) + u" already exists. Overwrite?"_s;
}

QString cannotBeFound(const QString& target) {
    return quoted(target) + u" cannot be found!\r\nSkip this file?"_s;
}

QString runStopped(const QString& source, const QString& target, const QString& why,
                   const QString& whereNow) {
    return quoted(source) + u" could not be renamed to "_s + quoted(target) + u": "_s + why +
           u"\r\nThe file is now "_s + quoted(whereNow) + u". The rename run stops here."_s;
}

QString noTemporaryName(const QString& source, const QString& why) {
    return u"No temporary name could be made for "_s + quoted(source) + u": "_s + why +
           u"\r\nThe file keeps its name."_s;
}

QString reservationLeft(const QString& temporary) {
    return u"\r\nThe empty file "_s + quoted(temporary) +
           u" made to reserve a temporary name could not be removed."_s;
}

QString attributesNotSet(const QString& path, const QString& why) {
    return u"The attributes of "_s + quoted(path) + u" could not be set: "_s + why;
}

QString leftUnderTemporaryName(const QString& oldName, const QString& temporary) {
    return quoted(oldName) + u" is taken, so the file stays under the temporary name "_s +
           quoted(temporary) + u"."_s;
}

// A name that would reach another folder, or none, is never used as a target.
bool namesAFile(const QString& name) {
    if (name.isEmpty() || name == u"."_s || name == u".."_s)
        return false;
    for (const QChar c : name) {
        if (isPathSeparator(c) || c == QChar(u'\0'))
            return false;
    }
    return true;
}

} // namespace

RenameRun::RenameRun(RenameList& list, FileSystem& files, Dialogs& dialogs, RunSettings settings,
                     RunProgress progress)
    : m_list(list), m_files(files), m_dialogs(dialogs), m_settings(std::move(settings)),
      m_progress(std::move(progress)) {}

RunResult RenameRun::run() {
    RunResult result;
    const qint32 count = m_list.count();
    if (m_progress.start)
        m_progress.start(count);
    m_finished = 0;
    for (qint32 row = 0; row < count; ++row) {
        if (!namesAFile(m_list.at(row).renout)) {
            result.invalidNames.append(row);
            finishEntry();
            continue;
        }
        if (renameEntry(row) == EntryEnd::EndRun) {
            result.completed = false;
            result.endedAtRow = row;
            break;
        }
    }
    return result;
}

void RenameRun::tell(const QString& text) {
    m_dialogs.showMessage({ApplicationTitle, text, MessageIcon::Exclamation, MessageButtons::Ok,
                           MessageAnswer::Ok, false, DialogOwner::MainWindow});
}

void RenameRun::finishEntry() {
    if (m_progress.value)
        m_progress.value(m_finished);
    ++m_finished;
}

FileResult RenameRun::moveAskingWhenMissing(const QString& from, const QString& to,
                                            const QString& missingPath) {
    for (;;) {
        FileResult moved = m_files.move(from, to);
        if (moved.outcome != FileOutcome::SourceMissing)
            return moved;
        const MessageAnswer skip = m_dialogs.showMessage(
            {ApplicationTitle, cannotBeFound(missingPath), MessageIcon::Exclamation,
             MessageButtons::YesNo, MessageAnswer::Yes, false, DialogOwner::MainWindow});
        if (skip == MessageAnswer::Yes)
            return moved;
    }
}

void RenameRun::giveAttributes(const QString& path, int attributes) {
    if (const FileResult given = m_files.setAttributes(path, attributes); !given.ok())
        tell(attributesNotSet(path, given.message));
}

QString RenameRun::returnToOldName(qint32 row, const QString& temporary,
                                   std::optional<int> savedAttributes) {
    const RenameEntry& entry = m_list.at(row);
    const QString source = pathIn(entry.directory, entry.filename);
    QString whereNow = m_files.move(temporary, source).ok() ? source : temporary;
    // Attributes go back only where they were cleared.
    if (savedAttributes)
        giveAttributes(whereNow, *savedAttributes);
    // The temporary names are made in the entry's own folder, so the name alone places them.
    if (whereNow == temporary)
        m_list.setCell(row, ListColumn::Filename, fileNameOf(temporary));
    return whereNow;
}

// After a failure of any other kind: the file goes back under its old name where it can, the
// user learns where it is, and the run ends.
RenameRun::EntryEnd RenameRun::putBack(qint32 row, const QString& temporary,
                                       std::optional<int> savedAttributes,
                                       const QString& failedTarget, const FileResult& failure) {
    const RenameEntry& entry = m_list.at(row);
    const QString source = pathIn(entry.directory, entry.filename);
    const QString whereNow = returnToOldName(row, temporary, savedAttributes);
    tell(runStopped(source, failedTarget, failure.message, whereNow));
    return EntryEnd::EndRun;
}

RenameRun::EntryEnd RenameRun::renameEntry(qint32 row) {
    const RenameEntry entry = m_list.at(row);
    const QString source = pathIn(entry.directory, entry.filename);
    const QString targetDirectory =
        m_settings.outputWhereFileIs ? entry.directory : m_settings.customOutputDir;
    const QString target = pathIn(targetDirectory, entry.renout);
    if (targetDirectory.isEmpty()) {
        tell(runStopped(source, target, NoOutputFolder, source));
        return EntryEnd::EndRun;
    }

    // A name of its own: made by the platform, then freed for the move.
    const TempFileResult made = m_files.createTempFile(entry.directory, TemporaryPrefix);
    const FileResult freed = made.result.ok() ? m_files.remove(made.path) : made.result;
    if (!freed.ok()) {
        // The reserving file is empty, but it is still a stray file the user should hear of.
        const bool left = made.result.ok() && m_files.exists(made.path);
        tell(noTemporaryName(source, freed.message) +
             (left ? reservationLeft(made.path) : QString()));
        finishEntry();
        return EntryEnd::Next;
    }
    const QString temporary = made.path;

    FileResult moved = moveAskingWhenMissing(source, temporary, target);
    if (moved.outcome == FileOutcome::SourceMissing) {
        finishEntry();
        return EntryEnd::Next;
    }
    if (!moved.ok()) {
        tell(runStopped(source, target, moved.message, source));
        return EntryEnd::EndRun;
    }

    const AttributeResult saved = m_files.attributes(temporary);
    if (!saved.result.ok())
        return putBack(row, temporary, std::nullopt, target, saved.result);
    if (const FileResult cleared = m_files.setAttributes(temporary, 0); !cleared.ok())
        return putBack(row, temporary, saved.attributes, target, cleared);

    for (;;) {
        moved = moveAskingWhenMissing(temporary, target, target);
        if (moved.outcome != FileOutcome::TargetExists)
            break;
        const MessageAnswer overwrite = m_dialogs.showMessage(
            {ApplicationTitle, alreadyExists(target), MessageIcon::Exclamation,
             MessageButtons::YesNo, MessageAnswer::No, false, DialogOwner::MainWindow});
        if (overwrite == MessageAnswer::Yes) {
            // Deleting needs no attribute change here, and the other file's are not ours to write.
            const FileResult removed = m_files.remove(target);
            if (!removed.ok() && removed.outcome != FileOutcome::SourceMissing)
                return putBack(row, temporary, saved.attributes, target, removed);
            continue;
        }
        // No: the file goes back under its old name, in the target folder.
        if (m_progress.value)
            m_progress.value(m_finished + 1);
        const QString oldNameThere = pathIn(targetDirectory, entry.filename);
        if (m_files.move(temporary, oldNameThere).ok()) {
            giveAttributes(oldNameThere, saved.attributes);
            m_list.setCell(row, ListColumn::Directory, targetDirectory);
        } else {
            giveAttributes(temporary, saved.attributes);
            m_list.setCell(row, ListColumn::Filename, fileNameOf(temporary));
            tell(leftUnderTemporaryName(oldNameThere, temporary));
        }
        finishEntry();
        return EntryEnd::Next;
    }
    if (moved.outcome == FileOutcome::SourceMissing) {
        // Skipped; should the file still be there after all, it does not stay unnamed.
        if (m_files.exists(temporary) &&
            returnToOldName(row, temporary, saved.attributes) == temporary)
            tell(leftUnderTemporaryName(source, temporary));
        finishEntry();
        return EntryEnd::Next;
    }
    if (!moved.ok())
        return putBack(row, temporary, saved.attributes, target, moved);

    // The file has its new name; attributes that cannot be set are told, and the run goes on.
    giveAttributes(target,
                   m_settings.newAttributesOn ? m_settings.newAttributeValue : saved.attributes);
    m_list.setCell(row, ListColumn::Filename, entry.renout);
    m_list.setCell(row, ListColumn::Directory, targetDirectory);
    finishEntry();
    return EntryEnd::Next;
}

} // namespace quillane
