#include "journal/RunJournal.h"

#include "platform/PathText.h"
#include "renamelist/RenameRun.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

constexpr int SchemaVersion = 1;
// Rename runs kept to undo; older ones and their undos are forgotten.
constexpr int KeptRuns = 20;

// Large pages take a run's record in fewer writes; the size holds only for a journal made anew.
const char* const Schema = R"(
PRAGMA page_size=16384;
PRAGMA journal_mode=WAL;
PRAGMA synchronous=FULL;
CREATE TABLE IF NOT EXISTS runs(
  id INTEGER PRIMARY KEY,
  kind INTEGER NOT NULL,
  undoes INTEGER,
  started INTEGER NOT NULL,
  ended INTEGER,
  undone INTEGER NOT NULL DEFAULT 0,
  new_attributes INTEGER,
  renamed INTEGER NOT NULL DEFAULT 0,
  folders TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS moves(
  run INTEGER NOT NULL,
  row INTEGER NOT NULL,
  source TEXT NOT NULL,
  temporary TEXT NOT NULL,
  target TEXT NOT NULL,
  device INTEGER, inode INTEGER, size INTEGER, modified INTEGER,
  attributes INTEGER,
  copy_path TEXT, copy_device INTEGER, copy_inode INTEGER,
  aside TEXT,
  final INTEGER,
  PRIMARY KEY(run, row)) WITHOUT ROWID;
)";

const char* const RunColumns =
    "SELECT id, kind, undoes, started, ended, new_attributes, renamed, folders FROM runs ";

std::optional<qint64> asInteger(std::optional<int> value) {
    return value ? std::optional<qint64>(*value) : std::nullopt;
}

std::optional<int> asInt(std::optional<qint64> value) {
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

JournalRun readRun(const SqliteStatement& query) {
    JournalRun run;
    run.id = query.integer(0);
    run.kind =
        query.integer(1) == static_cast<qint64>(RunKind::Undo) ? RunKind::Undo : RunKind::Rename;
    run.undoes = query.optionalInteger(2).value_or(0);
    run.started = QDateTime::fromMSecsSinceEpoch(query.integer(3));
    run.ended = query.optionalInteger(4).has_value();
    run.newAttributes = asInt(query.optionalInteger(5));
    run.renamed = static_cast<qint32>(query.integer(6));
    run.folders = query.text(7).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

FileResult failure(const QString& why) {
    return {FileOutcome::Failed, why, FailureCause::Other};
}

// What every record of a run shares: its rows as the journal numbers them, and the steps the run
// tells before taking them, each made lasting at once.
class JournalRecorder : public RunRecorder {
public:
    explicit JournalRecorder(RunJournal& journal) : m_journal(journal) {}

    FileResult temporaryChanged(qint32 row, const QString& temporary) override {
        return update("UPDATE moves SET temporary=?3 WHERE run=?1 AND row=?2", row, temporary,
                      [&](JournalMove& move) { move.temporary = temporary; });
    }
    FileResult setAside(qint32 row, const QString& path) override {
        return update("UPDATE moves SET aside=?3 WHERE run=?1 AND row=?2", row, path,
                      [&](JournalMove& move) { move.aside = path; });
    }
    FileResult copying(qint32 row, const QString& copyPath, const FileIdentity& copy) override {
        const std::lock_guard lock(m_databaseUse);
        QString why;
        SqliteDatabase* db = m_journal.database(why);
        if (db == nullptr)
            return failure(why);
        SqliteStatement statement = db->prepare(
            "UPDATE moves SET copy_path=?3, copy_device=?4, copy_inode=?5 WHERE run=?1 AND row=?2");
        statement.bind(1, m_run)
            .bind(2, static_cast<qint64>(journalRow(row)))
            .bind(3, copyPath)
            .bind(4, static_cast<qint64>(copy.device))
            .bind(5, static_cast<qint64>(copy.inode));
        if (!statement.run())
            return failure(db->error());
        JournalMove& move = m_moves[static_cast<std::size_t>(row)];
        move.copyPath = copyPath;
        move.copy = copy;
        if (move.identity) {
            move.copy->size = move.identity->size;
            move.copy->modifiedNs = move.identity->modifiedNs;
        }
        return FileResult::success();
    }

    FileResult ended(const RunResult& result, const std::vector<QString>& finalPaths) override {
        planWritten();
        const std::lock_guard lock(m_databaseUse);
        QString why;
        SqliteDatabase* db = beginWrite(why);
        if (db == nullptr)
            return failure(why);
        // Most files reach their targets: those are marked at once, the others one by one.
        SqliteStatement reached = db->prepare("UPDATE moves SET final=3 WHERE run=?1");
        reached.bind(1, m_run).run();
        SqliteStatement place = db->prepare("UPDATE moves SET final=?3 WHERE run=?1 AND row=?2");
        qint32 renamed = 0;
        const auto record = [&](qint32 journalRow, FinalPlace where) {
            renamed += where == FinalPlace::Target ? 1 : 0;
            if (where != FinalPlace::Target)
                place.bind(1, m_run)
                    .bind(2, static_cast<qint64>(journalRow))
                    .bind(3, static_cast<qint64>(where))
                    .run();
        };
        std::vector<FinalPlace> places = m_known;
        for (std::size_t row = 0; row < finalPaths.size() && row < m_moves.size(); ++row) {
            const FinalPlace where = m_moves[row].placeOf(finalPaths[row]);
            if (m_rows.empty())
                record(static_cast<qint32>(row), where);
            else
                places[static_cast<std::size_t>(m_rows[row])] = where;
        }
        for (std::size_t row = 0; row < places.size(); ++row)
            record(static_cast<qint32>(row), places[row]);

        // Finishing or putting back what a crash left, stopped or cut short, leaves the run open
        // while a file of it is still under a temporary name: the next start offers it again.
        const bool stillStranded =
            std::find(places.begin(), places.end(), FinalPlace::Temporary) != places.end();
        SqliteStatement end = db->prepare("UPDATE runs SET ended=?2, renamed=?3 WHERE id=?1");
        end.bind(1, m_run)
            .bind(2, stillStranded ? std::nullopt
                                   : std::optional<qint64>(QDateTime::currentMSecsSinceEpoch()))
            .bind(3, static_cast<qint64>(renamed))
            .run();
        // An undo that went through, also one finished after a crash, takes its run off the list
        // to undo; a stopped one leaves it there, and the files already back are passed over
        // next time.
        if (result.completed && !result.stopped) {
            SqliteStatement undone = db->prepare("UPDATE runs SET undone=1 WHERE id=(SELECT undoes "
                                                 "FROM runs WHERE id=?1 AND kind=1)");
            undone.bind(1, m_run).run();
        }
        forgetOldRuns(*db);
        if (reached.failed() || place.failed() || end.failed() || !db->execute("COMMIT")) {
            const QString error = db->error();
            db->execute("ROLLBACK");
            return failure(error);
        }
        return FileResult::success();
    }

protected:
    // Waits until the whole plan is on record.
    virtual void planWritten() {}

    // The database inside a transaction that takes the write lock at once; null when it cannot.
    SqliteDatabase* beginWrite(QString& why) {
        SqliteDatabase* db = m_journal.database(why);
        if (db != nullptr && !db->execute("BEGIN IMMEDIATE")) {
            why = db->error();
            return nullptr;
        }
        return db;
    }

    qint32 journalRow(qint32 row) const {
        return m_rows.empty() ? row : m_rows[static_cast<std::size_t>(row)];
    }

    RunJournal& m_journal;
    qint64 m_run = 0;
    // Empty for a run of its own: its rows are the journal's.
    std::vector<qint32> m_rows;
    std::vector<FinalPlace> m_known;
    // The run's rows as recorded, in the run's order.
    std::vector<JournalMove> m_moves;
    // Held by whoever uses the database: the run, or the writer of the rest of its plan.
    std::mutex m_databaseUse;

private:
    template <typename Change>
    FileResult update(const char* sql, qint32 row, const QString& text, Change change) {
        const std::lock_guard lock(m_databaseUse);
        QString why;
        SqliteDatabase* db = m_journal.database(why);
        if (db == nullptr)
            return failure(why);
        SqliteStatement statement = db->prepare(sql);
        statement.bind(1, m_run).bind(2, static_cast<qint64>(journalRow(row))).bind(3, text);
        if (!statement.run())
            return failure(db->error());
        change(m_moves[static_cast<std::size_t>(row)]);
        return FileResult::success();
    }

    static void forgetOldRuns(SqliteDatabase& db) {
        const QByteArray forget =
            "DELETE FROM runs WHERE ended IS NOT NULL AND kind=0 AND id NOT IN "
            "(SELECT id FROM runs WHERE kind=0 ORDER BY id DESC LIMIT " +
            QByteArray::number(KeptRuns) +
            ");"
            "DELETE FROM runs WHERE kind=1 AND ended IS NOT NULL AND undoes NOT IN "
            "(SELECT id FROM runs);"
            // The runs that have moves, found by seeking from one to the next in the key, so
            // that a long history is not read row by row on every run.
            "WITH RECURSIVE recorded(run) AS (SELECT min(run) FROM moves UNION ALL "
            "SELECT (SELECT min(run) FROM moves WHERE run > recorded.run) FROM recorded "
            "WHERE recorded.run IS NOT NULL) "
            "DELETE FROM moves WHERE run IN (SELECT run FROM recorded WHERE run IS NOT NULL AND "
            "run NOT IN (SELECT id FROM runs));";
        db.execute(forget.constData());
    }
};

class NewRunRecorder final : public JournalRecorder {
public:
    NewRunRecorder(RunJournal& journal, RunKind kind, qint64 undoes,
                   std::optional<int> newAttributes)
        : JournalRecorder(journal), m_kind(kind), m_undoes(undoes), m_newAttributes(newAttributes) {
    }

    FileResult starting(const QStringList& folders) override {
        QString why;
        SqliteDatabase* db = m_journal.database(why);
        if (db == nullptr)
            return failure(why);
        SqliteStatement run = db->prepare("INSERT INTO runs(kind, undoes, started, new_attributes, "
                                          "folders) VALUES(?1, ?2, ?3, ?4, ?5)");
        run.bind(1, static_cast<qint64>(m_kind))
            .bind(2, m_undoes > 0 ? std::optional<qint64>(m_undoes) : std::nullopt)
            .bind(3, QDateTime::currentMSecsSinceEpoch())
            .bind(4, asInteger(m_newAttributes))
            .bind(5, folders.join(u'\n'));
        if (!run.run())
            return failure(db->error());
        m_run = db->lastInsertId();
        return FileResult::success();
    }

    ~NewRunRecorder() override {
        m_stopWriting = true;
        planWritten();
    }

    FileResult planned(std::vector<PlannedMove> moves) override {
        m_plan = std::move(moves);
        m_moves.clear();
        m_moves.reserve(m_plan.size());
        for (std::size_t at = 0; at < m_plan.size(); ++at) {
            const PlannedMove& move = m_plan[at];
            m_moves.push_back({static_cast<qint32>(at), move.source, move.temporary, move.target,
                               move.identity, move.attributes});
        }
        // A journal that cannot take the plan is told before any file moves.
        const auto count = static_cast<qint32>(m_plan.size());
        const qint32 first = std::min(count, RunJournal::RowsRecordedFirst);
        if (FileResult written = writePlan(0, first); !written.ok())
            return written;
        m_lasting = first;
        if (first < count)
            m_writer = std::thread([this] { writeRestOfPlan(); });
        return FileResult::success();
    }

    FileResult recorded(qint32 row) override {
        if (row < m_lasting.load(std::memory_order_acquire))
            return FileResult::success();
        std::unique_lock lock(m_progress);
        m_progressed.wait(lock, [&] { return row < m_lasting || !m_writeError.isEmpty(); });
        return row < m_lasting ? FileResult::success() : failure(m_writeError);
    }

protected:
    void planWritten() override {
        if (m_writer.joinable())
            m_writer.join();
    }

private:
    void writeRestOfPlan() {
        const auto count = static_cast<qint32>(m_plan.size());
        for (qint32 from = m_lasting; from < count && !m_stopWriting;) {
            const qint32 to =
                from + std::min({from, RunJournal::LargestRecordedPart, count - from});
            const FileResult written = writePlan(from, to);
            {
                const std::lock_guard lock(m_progress);
                if (written.ok())
                    m_lasting = to;
                else
                    m_writeError = written.message;
            }
            m_progressed.notify_all();
            if (!written.ok())
                return;
            from = to;
        }
    }

    FileResult writePlan(qint32 first, qint32 end) {
        const std::lock_guard lock(m_databaseUse);
        QString why;
        SqliteDatabase* db = beginWrite(why);
        if (db == nullptr)
            return failure(why);
        SqliteStatement row = db->prepare(
            "INSERT INTO moves(run, row, source, temporary, target, device, inode, size, "
            "modified, attributes) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
        for (qint32 at = first; at < end; ++at) {
            const PlannedMove& move = m_plan[static_cast<std::size_t>(at)];
            row.bind(1, m_run)
                .bind(2, static_cast<qint64>(at))
                .bind(3, move.source)
                .bind(4, move.temporary)
                .bind(5, move.target)
                .bind(10, asInteger(move.attributes));
            if (move.identity)
                row.bind(6, static_cast<qint64>(move.identity->device))
                    .bind(7, static_cast<qint64>(move.identity->inode))
                    .bind(8, move.identity->size)
                    .bind(9, move.identity->modifiedNs);
            if (!row.run())
                break;
        }
        if (row.failed() || !db->execute("COMMIT")) {
            const QString error = db->error();
            db->execute("ROLLBACK");
            return failure(error);
        }
        return FileResult::success();
    }

    RunKind m_kind;
    qint64 m_undoes;
    std::optional<int> m_newAttributes;
    // Read by the writer only: the run changes its own rows in `m_moves`.
    std::vector<PlannedMove> m_plan;
    std::thread m_writer;
    std::atomic<bool> m_stopWriting = false;
    // The rows before this one are on record.
    std::atomic<qint32> m_lasting = 0;
    std::mutex m_progress;
    std::condition_variable m_progressed;
    QString m_writeError;
};

class ContinuedRunRecorder final : public JournalRecorder {
public:
    ContinuedRunRecorder(RunJournal& journal, qint64 run, std::vector<qint32> rows,
                         std::vector<FinalPlace> known)
        : JournalRecorder(journal) {
        m_run = run;
        m_rows = std::move(rows);
        m_known = std::move(known);
    }

    FileResult starting(const QStringList& /*folders*/) override { return FileResult::success(); }

    FileResult planned(std::vector<PlannedMove> moves) override {
        const std::vector<JournalMove> recorded = m_journal.moves(m_run);
        m_moves.clear();
        m_moves.reserve(m_rows.size());
        for (const qint32 row : m_rows)
            m_moves.push_back(recorded[static_cast<std::size_t>(row)]);
        // A file still under its old name may get another temporary name than the one recorded;
        // one already under a temporary name keeps it.
        for (std::size_t at = 0; at < moves.size() && at < m_moves.size(); ++at) {
            const QString& temporary = moves[at].temporary;
            if (temporary == m_moves[at].temporary || temporary.isEmpty())
                continue;
            if (FileResult changed = temporaryChanged(static_cast<qint32>(at), temporary);
                !changed.ok())
                return changed;
        }
        return FileResult::success();
    }
};

} // namespace

bool JournalMove::isFile(const std::optional<FileIdentity>& found) const {
    if (!found || !identity)
        return false;
    return found->sameFile(*identity) || (copy && found->sameFile(*copy));
}

FinalPlace JournalMove::placeOf(const QString& path) const {
    if (path == target && !target.isEmpty())
        return FinalPlace::Target;
    if (path == source)
        return FinalPlace::Source;
    if (path == temporary)
        return FinalPlace::Temporary;
    if (path == aside && !aside.isEmpty())
        return FinalPlace::Aside;
    return FinalPlace::Unknown;
}

RunJournal::RunJournal(QString path) : m_path(std::move(path)) {}

QString RunJournal::defaultPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative path there is not to be used, as the desktop base directories say.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + u"/.local/state"_s;
    return pathIn(pathIn(pathIn(state, u"Kestrova"_s), u"Quillane"_s), u"journal.sqlite3"_s);
}

SqliteDatabase* RunJournal::database(QString& why) {
    if (m_db.isOpen())
        return &m_db;
    const QString folder = folderOf(m_path);
    if (!QDir().mkpath(folder)) {
        why = u"'"_s + folder + u"' cannot be made."_s;
        return nullptr;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!m_db.open(m_path) || !m_db.execute(Schema)) {
        why = m_db.error();
        m_db.close();
        return nullptr;
    }
    SqliteStatement version = m_db.prepare("PRAGMA user_version");
    const qint64 found = version.step() ? version.integer(0) : -1;
    if (found == 0)
        m_db.execute("PRAGMA user_version=1");
    else if (found != SchemaVersion) {
        why = u"'"_s + m_path + u"' was written by another version of this program."_s;
        m_db.close();
        return nullptr;
    }
    return &m_db;
}

std::unique_ptr<RunRecorder> RunJournal::recordRun(RunKind kind, qint64 undoes,
                                                   std::optional<int> newAttributes) {
    return std::make_unique<NewRunRecorder>(*this, kind, undoes, newAttributes);
}

std::unique_ptr<RunRecorder> RunJournal::continueRun(qint64 run, std::vector<qint32> rows,
                                                     std::vector<FinalPlace> known) {
    return std::make_unique<ContinuedRunRecorder>(*this, run, std::move(rows), std::move(known));
}

std::optional<JournalRun> RunJournal::newestRun(const char* sql) {
    QString why;
    SqliteDatabase* db = database(why);
    if (db == nullptr)
        return std::nullopt;
    const QByteArray query = QByteArray(RunColumns) + sql;
    SqliteStatement statement = db->prepare(query.constData());
    if (!statement.step())
        return std::nullopt;
    return readRun(statement);
}

std::optional<JournalRun> RunJournal::openRun() {
    return newestRun("WHERE ended IS NULL ORDER BY id DESC LIMIT 1");
}

std::optional<JournalRun> RunJournal::runToUndo() {
    return newestRun("WHERE kind=0 AND ended IS NOT NULL AND undone=0 AND (renamed > 0 OR "
                     "EXISTS(SELECT 1 FROM moves WHERE run=runs.id AND final=4)) ORDER BY id DESC "
                     "LIMIT 1");
}

std::vector<JournalMove> RunJournal::moves(qint64 run) {
    std::vector<JournalMove> moves;
    QString why;
    SqliteDatabase* db = database(why);
    if (db == nullptr)
        return moves;
    SqliteStatement query = db->prepare(
        "SELECT row, source, temporary, target, device, inode, size, modified, attributes, "
        "copy_path, copy_device, copy_inode, aside, final FROM moves WHERE run=?1 ORDER BY row");
    query.bind(1, run);
    while (query.step()) {
        JournalMove move;
        move.row = static_cast<qint32>(query.integer(0));
        move.source = query.text(1);
        move.temporary = query.text(2);
        move.target = query.text(3);
        if (query.optionalInteger(5))
            move.identity = FileIdentity{static_cast<quint64>(query.integer(4)),
                                         static_cast<quint64>(query.integer(5)), query.integer(6),
                                         query.integer(7)};
        move.attributes = asInt(query.optionalInteger(8));
        move.copyPath = query.text(9);
        // A whole copy has the size and time of the file it copies.
        if (query.optionalInteger(11) && move.identity)
            move.copy = FileIdentity{static_cast<quint64>(query.integer(10)),
                                     static_cast<quint64>(query.integer(11)), move.identity->size,
                                     move.identity->modifiedNs};
        move.aside = query.text(12);
        move.finalPlace = static_cast<FinalPlace>(
            query.optionalInteger(13).value_or(static_cast<qint64>(FinalPlace::Source)));
        moves.push_back(std::move(move));
    }
    return moves;
}

} // namespace quillane
