#include "renamelist/RenameRun.h"

#include "platform/PathText.h"
#include "renamelist/GroupedNumber.h"
#include "renamelist/RowChunks.h"

#include <QRandomGenerator>
#include <QSet>
#include <QStringBuilder>

#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

const QString TemporaryPrefix = u"ren"_s;
const QString TemporarySuffix = u".tmp"_s;
// A move to a temporary name that another file took is tried with this many others.
constexpr int TemporaryNameTries = 8;
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

QString notRenamed(const QString& target, const QString& why) {
    return u"could not be renamed to "_s + quoted(target) + u": "_s + why;
}

QString runStopped(const QString& target, const QString& why, const QString& whereNow) {
    return notRenamed(target, why) + u". The file is now "_s + quoted(whereNow) +
           u". The rename run stopped here."_s;
}

QString attributesNotSet(const QString& why) {
    return u"its attributes could not be set: "_s + why;
}

QString leftUnderTemporaryName(const QString& oldName) {
    return quoted(oldName) + u" is taken, so the file stays under this temporary name."_s;
}

QString cannotNameAFile(const QString& name) {
    return u"its new name "_s + quoted(name) + u" cannot name a file. The file keeps its name."_s;
}

QString noLongerThere() {
    return u"the file is no longer here, so it was left alone."_s;
}

QString takenNow(const QString& target) {
    return quoted(target) + u" is taken now and is not overwritten. The file stays here."_s;
}

QString notRecorded(const QString& why) {
    return why +
           u"\r\nWithout its record, a crash during this run could leave files under temporary "
           "names that nothing tells of. Go on anyway?"_s;
}

QString filledByTheRun() {
    return u"another file of this run now has this name, so this row is left alone."_s;
}

QString stillHeld(const QString& target) {
    return quoted(target) +
           u" is held by another listed file, which the run does not overwrite. The file keeps its "
           "name."_s;
}

// Causes that other files of the run may share: told together at the end, and the run goes on.
bool sharedCause(const FileResult& failure) {
    return failure.cause == FailureCause::NoPermission ||
           failure.cause == FailureCause::FolderMissing;
}

} // namespace

QString runSummary(const RunResult& result) {
    static const std::array<QString, 4> verbs{u"Renamed"_s, u"Renamed back"_s,
                                              u"Finished renaming"_s, u"Put back"_s};
    QString text = u"%1 %2 of %3 %4"_s.arg(verbs[static_cast<std::size_t>(result.kind)],
                                           grouped(result.renamed), grouped(result.total),
                                           result.total == 1 ? u"file"_s : u"files"_s);
    if (result.skipped > 0)
        text += u"; %1 skipped"_s.arg(grouped(result.skipped));
    const qint32 notReached = result.total - result.renamed - result.skipped;
    if (result.stopped)
        text += u"; stopped, %1 not reached"_s.arg(grouped(notReached));
    else if (!result.completed)
        text += u"; ended by an error, %1 not reached"_s.arg(grouped(notReached));
    return text;
}

RenameRun::RenameRun(RenameList& list, FileSystem& files, Dialogs& dialogs, RunSettings settings,
                     RunProgress progress, RunRecorder* recorder)
    : m_list(list), m_files(files), m_dialogs(dialogs), m_settings(std::move(settings)),
      m_progress(std::move(progress)), m_recorder(recorder) {
    // So that paths of one folder compare equal.
    m_settings.customOutputDir = outputFolderForm(m_settings.customOutputDir);
}

RunResult RenameRun::run() {
    const qint32 count = m_list.count();
    m_result = RunResult();
    m_result.kind = m_settings.kind;
    m_result.total = count;
    FolderNames listings(m_files);
    m_plan = RenamePlan::make(m_list, m_settings, listings);
    m_done.assign(static_cast<std::size_t>(count), false);
    m_filled.clear();
    const QStringList folders = runFolders();
    const HeldFolders held(m_files, folders);
    if (!prepare(folders)) {
        m_result.stopped = true;
        return m_result;
    }
    if (m_progress.start)
        m_progress.start(count);
    m_finished = 0;
    for (qint32 row = 0; row < count; ++row) {
        if (m_done[static_cast<std::size_t>(row)])
            continue;
        if (stopAsked())
            m_result.stopped = true;
        if (m_result.stopped)
            break;
        if (process(row) == EntryEnd::EndRun) {
            m_result.completed = false;
            m_result.endedAtRow = row;
            break;
        }
    }
    if (m_recorder) {
        std::vector<QString> finalPaths;
        finalPaths.reserve(static_cast<std::size_t>(count));
        for (qint32 row = 0; row < count; ++row)
            finalPaths.push_back(m_list.pathOf(row));
        // Should the end not reach the record, the next start finds the run open and checks
        // its files: nothing is lost but a line in the history.
        if (const FileResult recorded = m_recorder->ended(m_result, finalPaths); !recorded.ok())
            problem(QString(), recorded.message);
    }
    return m_result;
}

bool RenameRun::recordingAllowed(const FileResult& recorded) {
    if (recorded.ok())
        return true;
    const MessageAnswer answer =
        ask({ApplicationTitle, notRecorded(recorded.message), MessageIcon::Exclamation,
             MessageButtons::YesNo, MessageAnswer::No, false, DialogOwner::MainWindow});
    if (answer != MessageAnswer::Yes)
        return false;
    m_recorder = nullptr;
    return true;
}

QStringList RenameRun::runFolders() const {
    QSet<QString> seen;
    QStringList folders;
    // Temporary names are made in the files' folders, copies to other file systems in the target
    // folders.
    for (qint32 row = 0; row < m_list.count(); ++row) {
        const RenameEntry& entry = m_list.at(row);
        for (const QString& folder : {entry.directory, m_settings.targetDirectory(row, entry)}) {
            if (!folder.isEmpty() && !seen.contains(folder)) {
                seen.insert(folder);
                folders.append(folder);
            }
        }
    }
    return folders;
}

bool RenameRun::prepare(const QStringList& folders) {
    const qint32 count = m_list.count();
    m_temporaries.assign(static_cast<std::size_t>(count), QString());
    m_chosen.clear();
    m_chosen.reserve(static_cast<std::size_t>(count));
    m_plannedAttributes.assign(m_recorder ? static_cast<std::size_t>(count) : 0, -1);
    if (m_recorder && !recordingAllowed(m_recorder->starting(folders)))
        return false;
    std::vector<PlannedMove> moves(m_recorder ? static_cast<std::size_t>(count) : 0);
    // Drawn here, as only one thread can keep them apart; a row that needs none leaves its
    // number unused.
    std::vector<quint32> numbers(static_cast<std::size_t>(count));
    for (quint32& number : numbers)
        number = newTemporaryNumber();
    // Each row writes only its own; the file system is asked from several threads only where it
    // says it may be. What is read for the record is kept for the run itself.
    const auto plan = [&](qint32 first, qint32 end) {
        for (qint32 row = first; row < end; ++row) {
            const auto at = static_cast<std::size_t>(row);
            const RenameEntry& entry = m_list.at(row);
            QString source = m_list.pathOf(row);
            const QString& targetDirectory = m_settings.targetDirectory(row, entry);
            const bool named = namesAFile(m_list.renout(row)) && !targetDirectory.isEmpty();
            if (m_settings.parked(row))
                m_temporaries[at] = source;
            else if (named)
                m_temporaries[at] = temporaryName(entry.directory, numbers[at]);
            if (!m_recorder)
                continue;
            PlannedMove& move = moves[at];
            move.temporary = m_temporaries[at];
            // Attributes only where the run may write them; elsewhere the identity is enough.
            bool readAttributes = false;
            if (named) {
                move.target = pathIn(targetDirectory, m_list.renout(row));
                readAttributes = attributesMayChange(row, source, move.target);
            }
            move.source = std::move(source);
            if (!readAttributes) {
                move.identity = m_files.identity(move.source);
            } else if (const AttributeResult found = m_files.attributes(move.source);
                       found.result.ok()) {
                move.identity = found.identity;
                move.attributes = found.attributes;
                m_plannedAttributes[at] = found.attributes;
            }
        }
    };
    if (m_files.readsFromAnyThread())
        forRowChunks(count, plan);
    else
        plan(0, count);
    if (!m_recorder)
        return true;
    return recordingAllowed(m_recorder->planned(std::move(moves)));
}

bool RenameRun::attributesMayChange(qint32 row, const QString& from, const QString& target) const {
    const RowTarget* own = m_settings.rowTarget(row);
    return m_settings.newAttributesOn ||
           (own && (own->attributesAtTarget || own->savedAttributes)) ||
           !m_files.renameKeepsAttributes(from, target);
}

quint32 RenameRun::newTemporaryNumber() {
    // No two rows of the run get the same number, so none get the same name.
    quint32 number = 0;
    do {
        number = QRandomGenerator::global()->generate();
    } while (!m_chosen.insert(number).second);
    return number;
}

QString RenameRun::temporaryName(const QString& directory, quint32 number) {
    constexpr int Digits = 8;
    char16_t digits[Digits];
    for (int at = Digits - 1; at >= 0; --at, number >>= 4)
        digits[at] = static_cast<char16_t>(u"0123456789ABCDEF"[number & 0xF]);
    const QString name = TemporaryPrefix % QStringView(digits, Digits) % TemporarySuffix;
    return pathIn(directory, name);
}

void RenameRun::chooseTemporary(qint32 row) {
    // Only a name: the move to it takes it, and a move that finds it taken is tried with another.
    m_temporaries[static_cast<std::size_t>(row)] =
        temporaryName(m_list.at(row).directory, newTemporaryNumber());
}

RenameRun::EntryEnd RenameRun::process(qint32 row) {
    const auto pendingHolder = [this](qint32 of) {
        const qint32 holder = m_plan.holderOfTarget(of);
        return holder >= 0 && !m_done[static_cast<std::size_t>(holder)] ? holder : -1;
    };
    std::vector<qint32> chain{row};
    bool cycle = false;
    for (qint32 next = pendingHolder(row); next >= 0; next = pendingHolder(next)) {
        cycle = next == row;
        // Each file holds the target of one entry at most, so the chain ends or comes back.
        if (cycle || chain.size() >= m_done.size())
            break;
        chain.push_back(next);
    }
    if (!cycle) {
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            // Between two entries of a shift every file is under its old or its new name.
            if (it != chain.rbegin() && stopAsked()) {
                m_result.stopped = true;
                return EntryEnd::Next;
            }
            if (renameEntry(*it) == EntryEnd::EndRun)
                return EntryEnd::EndRun;
        }
        return EntryEnd::Next;
    }

    // A cycle: with this file parked the others can each reach their targets, and then this one
    // takes the name the last of them left. No stop is taken while it is parked.
    m_done[static_cast<std::size_t>(row)] = true;
    EntryEnd end = EntryEnd::Next;
    const std::optional<Parked> parked = park(row, end);
    if (end == EntryEnd::EndRun)
        return end;
    for (std::size_t i = chain.size() - 1; i > 0; --i) {
        if (renameEntry(chain[i]) == EntryEnd::EndRun) {
            if (parked) {
                // The failure that ended the run stays the report's last line.
                const RunProblem ending = m_result.problems.takeLast();
                unpark(row, *parked);
                m_result.problems.append(ending);
                finishEntry(false);
            }
            return EntryEnd::EndRun;
        }
    }
    return parked ? place(row, *parked) : EntryEnd::Next;
}

void RenameRun::unpark(qint32 row, const Parked& parked) {
    const QString oldName = fileNameOf(oldPathOf(row));
    if (returnToOldName(row, parked.temporary, parked.toRestore()) == parked.temporary)
        problem(parked.temporary, leftUnderTemporaryName(oldName));
}

RenameRun::EntryEnd RenameRun::leave(qint32 row, const Parked& parked, const QString& why) {
    const QString whereNow = returnToOldName(row, parked.temporary, parked.toRestore());
    problem(whereNow, why);
    finishEntry(false);
    return EntryEnd::Next;
}

bool RenameRun::recordSetAside(qint32 row, const QString& path) {
    return !m_recorder || m_recorder->setAside(row, path).ok();
}

QString RenameRun::oldPathOf(qint32 row) const {
    if (const RowTarget* own = m_settings.rowTarget(row); own && own->parked)
        return own->oldPath;
    return m_list.pathOf(row);
}

void RenameRun::nameRow(qint32 row, const QString& path) {
    // The folder's text is kept as the row has it wherever the file stayed in that folder.
    const RenameEntry& entry = m_list.at(row);
    if (pathIn(entry.directory, fileNameOf(path)) != path)
        m_list.setCell(row, ListColumn::Directory, folderOf(path));
    m_list.setCell(row, ListColumn::Filename, fileNameOf(path));
}

void RenameRun::problem(const QString& path, const QString& why) {
    m_result.problems.append({path, why});
}

void RenameRun::finishEntry(bool renamed) {
    if (m_progress.value)
        m_progress.value(m_finished);
    ++m_finished;
    ++(renamed ? m_result.renamed : m_result.skipped);
}

FileResult RenameRun::moveAskingWhenMissing(const QString& from, const QString& to,
                                            const QString& missingPath, const CopyNotice& notice) {
    // After No to All a missing file is tried once more unasked; should it still be missing the
    // question comes, as a run that retried for ever would never end.
    bool triedUnasked = false;
    for (;;) {
        FileResult moved = m_files.move(from, to, notice);
        if (moved.outcome != FileOutcome::SourceMissing || m_skipAll == true)
            return moved;
        if (!m_settings.asks) {
            problem(from, noLongerThere());
            return moved;
        }
        if (m_skipAll == false && !triedUnasked) {
            triedUnasked = true;
            continue;
        }
        const MessageAnswer skip =
            ask({ApplicationTitle, cannotBeFound(missingPath), MessageIcon::Exclamation,
                 MessageButtons::YesNoToAll, MessageAnswer::Yes, false, DialogOwner::MainWindow});
        if (skip == MessageAnswer::YesToAll || skip == MessageAnswer::NoToAll)
            m_skipAll = skip == MessageAnswer::YesToAll;
        if (skip == MessageAnswer::Yes || skip == MessageAnswer::YesToAll)
            return moved;
    }
}

bool RenameRun::mayOverwrite(qint32 row, const QString& target) const {
    // What the run put there is a listed file, unless another of this row's duplicates put it
    // there: the one case where the run asks.
    if (const auto filled = m_filled.constFind(target); filled != m_filled.cend()) {
        const qint32 by = filled.value();
        const qint32 first = m_plan.duplicateOf(row);
        return first >= 0 && (by == first || m_plan.duplicateOf(by) == first);
    }
    return m_plan.holderOfTarget(row) < 0 && !m_plan.heldByListed(row);
}

bool RenameRun::overwriteAnswer(const QString& target) {
    if (m_overwriteAll)
        return *m_overwriteAll;
    const MessageAnswer answer =
        ask({ApplicationTitle, alreadyExists(target), MessageIcon::Exclamation,
             MessageButtons::YesNoToAll, MessageAnswer::No, false, DialogOwner::MainWindow});
    if (answer == MessageAnswer::YesToAll || answer == MessageAnswer::NoToAll)
        m_overwriteAll = answer == MessageAnswer::YesToAll;
    return answer == MessageAnswer::Yes || answer == MessageAnswer::YesToAll;
}

MessageAnswer RenameRun::ask(const MessageRequest& request) {
    if (m_progress.beforeAsking)
        m_progress.beforeAsking();
    return m_dialogs.showMessage(request);
}

void RenameRun::giveAttributes(const QString& path, int attributes) {
    if (const FileResult given = m_files.setAttributes(path, attributes); !given.ok())
        problem(path, attributesNotSet(given.message));
}

QString RenameRun::returnToOldName(qint32 row, const QString& temporary,
                                   std::optional<int> savedAttributes) {
    const QString source = oldPathOf(row);
    QString whereNow = m_files.move(temporary, source).ok() ? source : temporary;
    // Attributes go back only where they were cleared.
    if (savedAttributes)
        giveAttributes(whereNow, *savedAttributes);
    nameRow(row, whereNow);
    return whereNow;
}

RenameRun::EntryEnd RenameRun::putBack(qint32 row, const QString& temporary,
                                       std::optional<int> savedAttributes,
                                       const QString& failedTarget, const FileResult& failure) {
    const QString source = oldPathOf(row);
    const QString whereNow = returnToOldName(row, temporary, savedAttributes);
    if (!sharedCause(failure)) {
        problem(source, runStopped(failedTarget, failure.message, whereNow));
        return EntryEnd::EndRun;
    }
    problem(source, notRenamed(failedTarget, failure.message) +
                        (whereNow == source ? u". The file keeps its name."_s
                                            : u". The file is now "_s + quoted(whereNow)));
    finishEntry(false);
    return EntryEnd::Next;
}

RenameRun::EntryEnd RenameRun::notMoved(const QString& source, const QString& target,
                                        const FileResult& failure) {
    if (!sharedCause(failure)) {
        problem(source, runStopped(target, failure.message, source));
        return EntryEnd::EndRun;
    }
    problem(source, notRenamed(target, failure.message) + u". The file keeps its name."_s);
    finishEntry(false);
    return EntryEnd::Next;
}

RenameRun::EntryEnd RenameRun::renameEntry(qint32 row) {
    m_done[static_cast<std::size_t>(row)] = true;
    if (const QStringView renout = m_list.renout(row); !namesAFile(renout)) {
        problem(m_list.pathOf(row), cannotNameAFile(renout.toString()));
        finishEntry(false);
        return EntryEnd::Next;
    }
    EntryEnd end = EntryEnd::Next;
    const std::optional<Parked> parked = park(row, end);
    return parked ? place(row, *parked) : end;
}

std::optional<RenameRun::Parked> RenameRun::park(qint32 row, EntryEnd& end) {
    const RenameEntry entry = m_list.at(row);
    const QString source = m_list.pathOf(row);
    const QString& targetDirectory = m_settings.targetDirectory(row, entry);
    const QString target = pathIn(targetDirectory, m_list.renout(row));
    if (targetDirectory.isEmpty()) {
        problem(source, runStopped(target, NoOutputFolder, source));
        end = EntryEnd::EndRun;
        return std::nullopt;
    }
    // The run itself put another file under this row's name: this row's own file is gone from
    // it (missing, or listed twice and renamed already), and the other one is not its to move.
    if (m_filled.contains(source)) {
        problem(source, filledByTheRun());
        finishEntry(false);
        return std::nullopt;
    }

    if (m_recorder) {
        if (const FileResult recorded = m_recorder->recorded(row); !recorded.ok()) {
            end = notMoved(source, target, recorded);
            return std::nullopt;
        }
    }

    const RowTarget* own = m_settings.rowTarget(row);
    if (own && own->parked) {
        Parked parked;
        parked.temporary = source;
        if (own->savedAttributes) {
            parked.savedAttributes = *own->savedAttributes;
            parked.cleared = true;
            if (const FileResult cleared = m_files.setAttributes(source, 0);
                !cleared.ok() && cleared.outcome != FileOutcome::SourceMissing) {
                end = putBack(row, source, own->savedAttributes, target, cleared);
                return std::nullopt;
            }
            return parked;
        }
    }

    Parked parked;
    parked.temporary = m_temporaries[static_cast<std::size_t>(row)];
    FileResult moved = parked.temporary == source
                           ? FileResult::success()
                           : moveAskingWhenMissing(source, parked.temporary, target);
    for (int tried = 1; moved.outcome == FileOutcome::TargetExists && tried < TemporaryNameTries;
         ++tried) {
        // Another file has the name by now: another one, on record before the file goes.
        chooseTemporary(row);
        parked.temporary = m_temporaries[static_cast<std::size_t>(row)];
        if (m_recorder) {
            if (const FileResult recorded = m_recorder->temporaryChanged(row, parked.temporary);
                !recorded.ok()) {
                end = notMoved(source, target, recorded);
                return std::nullopt;
            }
        }
        moved = moveAskingWhenMissing(source, parked.temporary, target);
    }
    if (moved.outcome == FileOutcome::SourceMissing) {
        finishEntry(false);
        return std::nullopt;
    }
    if (!moved.ok()) {
        end = notMoved(source, target, moved);
        return std::nullopt;
    }

    // A rename keeps the attributes: they are read to be given at the target only where they
    // would not be the ones wanted there.
    const int planned = static_cast<std::size_t>(row) < m_plannedAttributes.size()
                            ? m_plannedAttributes[static_cast<std::size_t>(row)]
                            : -1;
    if (planned >= 0) {
        parked.savedAttributes = planned;
        parked.attributesReadAt = source;
    } else if (attributesMayChange(row, source, target)) {
        const AttributeResult saved = m_files.attributes(parked.temporary);
        if (!saved.result.ok()) {
            end = putBack(row, parked.temporary, std::nullopt, target, saved.result);
            return std::nullopt;
        }
        parked.savedAttributes = saved.attributes;
        parked.attributesReadAt = parked.temporary;
    }
    return parked;
}

RenameRun::EntryEnd RenameRun::place(qint32 row, const Parked& parked) {
    const RenameEntry entry = m_list.at(row);
    const QString source = oldPathOf(row);
    const QString& targetDirectory = m_settings.targetDirectory(row, entry);
    const QString target = pathIn(targetDirectory, m_list.renout(row));
    const QString& temporary = parked.temporary;
    const CopyNotice recordCopy = [this, row](const QString& copy, const FileIdentity& identity) {
        return !m_recorder || m_recorder->copying(row, copy, identity).ok();
    };
    FileResult moved;
    for (;;) {
        moved = moveAskingWhenMissing(temporary, target, target, recordCopy);
        if (moved.outcome != FileOutcome::TargetExists)
            break;
        if (!mayOverwrite(row, target)) {
            unpark(row, parked);
            problem(source, stillHeld(target));
            finishEntry(false);
            return EntryEnd::Next;
        }
        if (!m_settings.asks)
            return leave(row, parked, takenNow(target));
        if (overwriteAnswer(target)) {
            // Deleting needs no attribute change here, and the other file's are not ours to write.
            const FileResult removed = m_files.remove(target);
            if (!removed.ok() && removed.outcome != FileOutcome::SourceMissing)
                return putBack(row, temporary, parked.toRestore(), target, removed);
            continue;
        }
        // No: the file goes back under its old name, in the target folder; a file an earlier run
        // left under a temporary name goes back where it was.
        if (m_progress.value)
            m_progress.value(m_finished + 1);
        const QString oldNameThere =
            m_settings.parked(row) ? source : pathIn(targetDirectory, fileNameOf(source));
        if (oldNameThere != source && !recordSetAside(row, oldNameThere)) {
            unpark(row, parked);
            finishEntry(false);
            return EntryEnd::Next;
        }
        if (m_files.move(temporary, oldNameThere, recordCopy).ok()) {
            if (oldNameThere != source)
                m_filled.insert(oldNameThere, row);
            if (const std::optional<int> restore = parked.toRestore())
                giveAttributes(oldNameThere, *restore);
            nameRow(row, oldNameThere);
        } else {
            if (const std::optional<int> restore = parked.toRestore())
                giveAttributes(temporary, *restore);
            m_list.setCell(row, ListColumn::Filename, fileNameOf(temporary));
            problem(temporary, leftUnderTemporaryName(oldNameThere));
        }
        finishEntry(false);
        return EntryEnd::Next;
    }
    if (moved.outcome == FileOutcome::SourceMissing) {
        // Skipped; should the file still be there after all, it does not stay unnamed.
        if (m_files.exists(temporary) &&
            returnToOldName(row, temporary, parked.toRestore()) == temporary)
            problem(temporary, leftUnderTemporaryName(source));
        finishEntry(false);
        return EntryEnd::Next;
    }
    if (!moved.ok())
        return putBack(row, temporary, parked.toRestore(), target, moved);

    // The file has its new name; attributes that cannot be set are told, and the run goes on.
    m_filled.insert(target, row);
    if (const std::optional<int> saved = parked.savedAttributes) {
        const RowTarget* own = m_settings.rowTarget(row);
        const int wanted = own && own->attributesAtTarget ? *own->attributesAtTarget
                           : m_settings.newAttributesOn   ? m_settings.newAttributeValue
                                                          : *saved;
        if (parked.cleared || wanted != *saved ||
            !m_files.renameKeepsAttributes(parked.attributesReadAt, target))
            giveAttributes(target, wanted);
    }
    m_list.setCell(row, ListColumn::Filename, m_list.cell(row, ListColumn::Renout));
    m_list.setCell(row, ListColumn::Directory, targetDirectory);
    finishEntry(true);
    return EntryEnd::Next;
}

} // namespace quillane
