#pragma once

#include <QString>

#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace quillane {

// One prepared statement: bind from 1, step, read the columns from 0.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool valid() const { return m_statement != nullptr; }
    SqliteStatement& bind(int index, qint64 value);
    SqliteStatement& bind(int index, const QString& text);
    SqliteStatement& bind(int index, std::optional<qint64> value);
    // True while there is a row to read; false at the end or on an error (see `failed`).
    bool step();
    // Runs a statement that returns no rows; false on an error.
    bool run();
    void reset();
    bool failed() const { return m_failed; }

    qint64 integer(int column) const;
    std::optional<qint64> optionalInteger(int column) const;
    QString text(int column) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
    bool m_failed = false;
};

// An SQLite database file, opened for reading and writing.
class SqliteDatabase {
public:
    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // False when the file cannot be opened or made; `error()` says why.
    bool open(const QString& path);
    bool isOpen() const { return m_db != nullptr; }
    void close();
    // Runs statements that return nothing; false on an error.
    bool execute(const char* sql);
    SqliteStatement prepare(const char* sql) { return {m_db, sql}; }
    // The system's words for the last failure, with the file's name.
    QString error() const;
    qint64 lastInsertId() const;

private:
    sqlite3* m_db = nullptr;
    QString m_path;
    QString m_openError;
};

} // namespace quillane
