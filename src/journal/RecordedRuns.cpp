#include "journal/RecordedRuns.h"

#include "platform/PathText.h"

#include <QLocale>
#include <QSet>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

QString quoted(const QString& path) {
    return u"'"_s + path + u"'"_s;
}

QString noLongerRenamed() {
    return u"the file this run renamed is no longer here, so nothing was moved."_s;
}

// A row that goes from `from` to `to`, in the list and its settings.
void addRow(RecordedRunSetup& setup, const QString& from, const QString& to, RowTarget target) {
    setup.list.append(directoryCellForm(folderOf(from)), fileNameOf(from));
    const qint32 row = setup.list.count() - 1;
    setup.list.setCell(row, ListColumn::Renout, fileNameOf(to));
    target.directory = directoryCellForm(folderOf(to));
    setup.settings.rowTargets.push_back(std::move(target));
    setup.formerPaths.push_back(from);
}

// Where the row's file is now, told by its identity at each of its places. What lies under the
// row's temporary name is its file whatever its identity: the name was made for this row alone,
// and the file may have been missing when the plan was read, or replaced since.
FinalPlace placeOnDisk(const JournalMove& move, FileSystem& files) {
    if (move.temporary.isEmpty())
        return FinalPlace::Source;
    if (!move.target.isEmpty() && move.isFile(files.identity(move.target)))
        return FinalPlace::Target;
    if (files.identity(move.temporary))
        return FinalPlace::Temporary;
    if (!move.aside.isEmpty() && move.isFile(files.identity(move.aside)))
        return FinalPlace::Aside;
    // A file the run never took, or never saw, stays where it was.
    return !move.identity || move.isFile(files.identity(move.source)) ? FinalPlace::Source
                                                                      : FinalPlace::Unknown;
}

} // namespace

RunRecovery::RunRecovery(RunJournal& journal, FileSystem& files, JournalRun run)
    : m_journal(&journal), m_files(&files), m_run(std::move(run)),
      m_moves(journal.moves(m_run.id)) {
    m_places.reserve(m_moves.size());
    for (const JournalMove& move : m_moves) {
        const FinalPlace place = placeOnDisk(move, files);
        m_places.push_back(place);
        if (place == FinalPlace::Target)
            m_renamedTo.insert(move.target, static_cast<qint32>(m_places.size() - 1));
    }
}

std::optional<RunRecovery> RunRecovery::find(RunJournal& journal, FileSystem& files) {
    std::optional<JournalRun> open = journal.openRun();
    if (!open)
        return std::nullopt;
    return RunRecovery(journal, files, std::move(*open));
}

qint32 RunRecovery::stranded() const {
    return static_cast<qint32>(std::count(m_places.begin(), m_places.end(), FinalPlace::Temporary));
}

qint32 RunRecovery::renamedTo(const QString& path) const {
    return m_renamedTo.value(path, -1);
}

QStringList RunRecovery::blocked() const {
    QStringList lines;
    for (std::size_t at = 0; at < m_moves.size(); ++at) {
        const JournalMove& move = m_moves[at];
        // A file of the run under that name now goes back first, and the file's own second name
        // goes; only another file is in the way.
        if (m_places[at] == FinalPlace::Temporary && m_files->exists(move.source) &&
            renamedTo(move.source) < 0 && !move.isFile(m_files->identity(move.source)))
            lines.append(quoted(move.temporary) + u" stays: its old name "_s + quoted(move.source) +
                         u" is taken now."_s);
    }
    return lines;
}

void RunRecovery::cleanUp() {
    removeStrayReservations();
    const auto holds = [this](const std::optional<FileIdentity>& file, const QString& path) {
        return file && !path.isEmpty() &&
               file->sameFile(m_files->identity(path).value_or(FileIdentity()));
    };
    for (std::size_t at = 0; at < m_moves.size(); ++at) {
        const JournalMove& move = m_moves[at];
        if (m_places[at] == FinalPlace::Target) {
            // A second name a kill left beside the whole file: the source of a copy to another
            // file system, or of a move made as a link and an unlink.
            if (holds(move.identity, move.temporary))
                (void)m_files->remove(move.temporary);
            if (holds(move.copy, move.copyPath))
                (void)m_files->remove(move.copyPath);
            restoreAttributes(move);
        } else if (m_places[at] == FinalPlace::Temporary) {
            // The copy is the part; the file is still whole under its temporary name.
            if (holds(move.copy, move.copyPath))
                (void)m_files->remove(move.copyPath);
            if (holds(move.identity, move.source))
                (void)m_files->remove(move.source);
        }
    }
}

void RunRecovery::restoreAttributes(const JournalMove& move) {
    // A kill between the new name and its attributes leaves the ones the file had, or cleared,
    // as earlier versions of the run left them.
    const std::optional<int> wanted = m_run.newAttributes ? m_run.newAttributes : move.attributes;
    if (!wanted)
        return;
    const AttributeResult now = m_files->attributes(move.target);
    if (now.result.ok() && now.attributes != *wanted &&
        (now.attributes == 0 || now.attributes == move.attributes))
        (void)m_files->setAttributes(move.target, *wanted);
}

void RunRecovery::removeStrayReservations() {
    // A kill between making a copy and recording it, or in a run of an earlier version between
    // making a file to reserve a name and removing it, leaves it empty under a name of the run's
    // own form, made since the run started, and held by no row.
    QSet<QString> held;
    for (std::size_t at = 0; at < m_moves.size(); ++at) {
        if (m_places[at] == FinalPlace::Temporary)
            held.insert(m_moves[at].temporary);
    }
    const qint64 startedNs = (m_run.started.toMSecsSinceEpoch() - 1000) * 1'000'000;
    for (const QString& folder : m_run.folders) {
        QStringList found;
        for (const QString& pattern : {u"ren*.tmp"_s, u"ren*.part"_s}) {
            const std::optional<FolderListing> listing = m_files->list(folder, pattern);
            if (!listing)
                continue;
            for (const DirectoryEntry& entry : listing->entries) {
                if (!entry.isDirectory && !entry.isSymbolicLink)
                    found.append(pathIn(folder, listing->nameOf(entry)));
            }
        }
        for (const QString& path : std::as_const(found)) {
            const std::optional<FileIdentity> identity = m_files->identity(path);
            if (held.contains(path) || !identity || identity->size != 0 ||
                identity->modifiedNs < startedNs)
                continue;
            (void)m_files->remove(path);
        }
    }
}

RecordedRunSetup RunRecovery::setUp(RunKind way) {
    cleanUp();
    RecordedRunSetup setup;
    setup.settings.kind = way;
    // A file the run was taking back is never put over another one.
    setup.settings.asks = way == RunKind::Finish && m_run.kind != RunKind::Undo;
    // A file put back gets the attributes it had.
    setup.settings.newAttributesOn = way == RunKind::Finish && m_run.newAttributes.has_value();
    setup.settings.newAttributeValue = m_run.newAttributes.value_or(0);
    // Putting a file back may need its old name from a file of the run that already reached it
    // (a swap, a shift): that one goes back too, and so on down the line.
    std::vector<bool> goesBack(m_moves.size());
    for (std::size_t at = 0; way == RunKind::PutBack && at < m_moves.size(); ++at) {
        if (m_places[at] != FinalPlace::Temporary)
            continue;
        goesBack[at] = true;
        for (qint32 holder = renamedTo(m_moves[at].source);
             holder >= 0 && !goesBack[static_cast<std::size_t>(holder)];
             holder = renamedTo(m_moves[static_cast<std::size_t>(holder)].source))
            goesBack[static_cast<std::size_t>(holder)] = true;
    }
    std::vector<qint32> rows;
    for (std::size_t at = 0; at < m_moves.size(); ++at) {
        const JournalMove& move = m_moves[at];
        const FinalPlace place = m_places[at];
        RowTarget target;
        if (place == FinalPlace::Target && goesBack[at]) {
            target.attributesAtTarget = move.attributes;
            addRow(setup, move.target, move.source, std::move(target));
        } else if (place == FinalPlace::Temporary) {
            target.parked = true;
            target.oldPath = move.source;
            target.savedAttributes = move.attributes;
            addRow(setup, move.temporary, way == RunKind::Finish ? move.target : move.source,
                   std::move(target));
        } else if (way == RunKind::Finish && place == FinalPlace::Source &&
                   !move.target.isEmpty() && move.target != move.source) {
            addRow(setup, move.source, move.target, std::move(target));
        } else {
            continue;
        }
        rows.push_back(move.row);
    }
    setup.recorder = m_journal->continueRun(m_run.id, std::move(rows), m_places);
    return setup;
}

FileResult RunRecovery::close() {
    cleanUp();
    // Closed as it lies, an undo has not gone through.
    RunResult result;
    result.kind = m_run.kind;
    result.completed = false;
    return m_journal->continueRun(m_run.id, {}, m_places)->ended(result, {});
}

RecordedRunSetup setUpUndo(RunJournal& journal, FileSystem& files, const JournalRun& run) {
    RecordedRunSetup setup;
    setup.settings.kind = RunKind::Undo;
    setup.settings.asks = false;
    for (const JournalMove& move : journal.moves(run.id)) {
        if (move.finalPlace != FinalPlace::Target && move.finalPlace != FinalPlace::Aside)
            continue;
        const QString& newPath = move.finalPlace == FinalPlace::Target ? move.target : move.aside;
        // Back already, by a stopped undo or by hand: nothing to do or to tell.
        if (move.isFile(files.identity(move.source)))
            continue;
        if (!move.isFile(files.identity(newPath))) {
            setup.leftOut.append({newPath, noLongerRenamed()});
            continue;
        }
        RowTarget target;
        target.attributesAtTarget = move.attributes;
        addRow(setup, newPath, move.source, std::move(target));
    }
    setup.recorder = journal.recordRun(RunKind::Undo, run.id, std::nullopt);
    return setup;
}

QString runTime(const QDateTime& started) {
    return QLocale(QLocale::English).toString(started, u"d MMM yyyy HH:mm"_s);
}

QString undoDescription(const JournalRun& run) {
    return u"Undo renaming %1 %2 of %3"_s.arg(run.renamed)
        .arg(run.renamed == 1 ? u"file"_s : u"files"_s, runTime(run.started));
}

} // namespace quillane
