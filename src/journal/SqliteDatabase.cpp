#include "journal/SqliteDatabase.h"

#include <QFile>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace quillane {

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) : m_db(db) {
    if (m_db == nullptr || sqlite3_prepare_v2(m_db, sql, -1, &m_statement, nullptr) != SQLITE_OK) {
        m_statement = nullptr;
        m_failed = true;
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_statement);
}

SqliteStatement& SqliteStatement::bind(int index, qint64 value) {
    if (m_statement != nullptr && sqlite3_bind_int64(m_statement, index, value) != SQLITE_OK)
        m_failed = true;
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (m_statement != nullptr &&
        sqlite3_bind_text(m_statement, index, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        m_failed = true;
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::optional<qint64> value) {
    if (value)
        return bind(index, *value);
    if (m_statement != nullptr && sqlite3_bind_null(m_statement, index) != SQLITE_OK)
        m_failed = true;
    return *this;
}

bool SqliteStatement::step() {
    if (m_statement == nullptr || m_failed)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        m_failed = true;
    return false;
}

bool SqliteStatement::run() {
    step();
    const bool ok = !m_failed;
    reset();
    return ok;
}

void SqliteStatement::reset() {
    if (m_statement != nullptr) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
}

qint64 SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

std::optional<qint64> SqliteStatement::optionalInteger(int column) const {
    if (sqlite3_column_type(m_statement, column) == SQLITE_NULL)
        return std::nullopt;
    return integer(column);
}

QString SqliteStatement::text(int column) const {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
    return QString::fromUtf8(bytes, sqlite3_column_bytes(m_statement, column));
}

SqliteDatabase::~SqliteDatabase() {
    close();
}

bool SqliteDatabase::open(const QString& path) {
    close();
    m_path = path;
    const QByteArray name = QFile::encodeName(path);
    sqlite3* db = nullptr;
    const int result =
        sqlite3_open_v2(name.constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW, nullptr);
    if (result != SQLITE_OK) {
        m_openError =
            QString::fromUtf8(db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(result));
        sqlite3_close(db);
        return false;
    }
    m_db = db;
    // A second program reading the history waits a little instead of failing at once.
    sqlite3_busy_timeout(m_db, 2000);
    return true;
}

void SqliteDatabase::close() {
    sqlite3_close(m_db);
    m_db = nullptr;
}

bool SqliteDatabase::execute(const char* sql) {
    return m_db != nullptr && sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

QString SqliteDatabase::error() const {
    const QString why = m_db != nullptr ? QString::fromUtf8(sqlite3_errmsg(m_db)) : m_openError;
    return u"'"_s + m_path + u"': "_s + why;
}

qint64 SqliteDatabase::lastInsertId() const {
    return sqlite3_last_insert_rowid(m_db);
}

} // namespace quillane
