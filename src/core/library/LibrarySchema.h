// The study library's SQLite file: a thin owner of the connection and its
// statements, the check that a file is a Kestrova library this program may write,
// and the user_version migrations. Used by StudyLibrary only.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kestrova::library {

// 'KSTV': written into the database header, so the program knows its own file.
inline constexpr std::int32_t kApplicationId = 0x4B535456;
// The schema this program writes; a file with a higher user_version is refused.
inline constexpr int kSchemaVersion = 1;
// How long a writer waits for another process's transaction.
inline constexpr int kBusyTimeoutMs = 10000;

class Statement {
public:
    Statement() = default;
    Statement(sqlite3_stmt* stmt) : m_stmt(stmt) {}
    Statement(Statement&& other) noexcept : m_stmt(other.m_stmt) { other.m_stmt = nullptr; }
    Statement& operator=(Statement&& other) noexcept;
    ~Statement();

    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, double value);
    Statement& bindText(int index, std::string_view text);
    Statement& bindBlob(int index, const void* data, std::size_t size);

    // SQLITE_ROW: true; SQLITE_DONE: false; an error: false with `failed` set.
    bool step();
    bool failed() const { return m_failed; }
    int code() const { return m_code; }
    void reset();

    std::int64_t integer(int column) const;
    double real(int column) const;
    std::string text(int column) const; // text or blob bytes
    std::size_t bytes(int column) const;
    const void* blob(int column) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
    bool m_failed = false;
    int m_code = 0;
};

class Database {
public:
    // Opens `path`; `readOnly` never creates or changes anything.
    static Result<std::unique_ptr<Database>> open(const std::string& path, bool readOnly);
    ~Database();

    const std::string& path() const { return m_path; }
    Outcome exec(const char* sql);
    Result<Statement> prepare(const char* sql);
    // The reason of the last failure, as an Error naming the library file.
    Error error(std::string_view what) const;
    std::int64_t lastInsertId() const;
    int changes() const; // rows the last statement changed

private:
    Database(sqlite3* db, std::string path) : m_db(db), m_path(std::move(path)) {}
    sqlite3* m_db;
    std::string m_path;
};

// Checks, through a read-only connection, that `path` is a Kestrova library of a
// version this program reads (or an empty file or none at all, which becomes one).
Outcome checkLibraryFile(const std::string& path);

// Brings the schema up to kSchemaVersion, in one transaction.
Outcome migrate(Database& db);

} // namespace kestrova::library
