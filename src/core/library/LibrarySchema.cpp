#include "library/LibrarySchema.h"
#include "text/Translate.h"

#include <cstdio>
#include <sqlite3.h>
#include <sys/stat.h>

namespace kestrova::library {
namespace {

// What a person can act on, rather than SQLite's code.
Error sqliteError(const std::string& path, int code, std::string_view what) {
    std::string reason;
    Status status = Status::IoError;
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        status = Status::Busy;
        reason = ktr("LibrarySchema", "another Kestrova kept the library busy for too long; try again");
        break;
    case SQLITE_FULL:
        status = Status::NoSpace;
        reason = ktr("LibrarySchema", "the disk is full");
        break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        status = Status::Forbidden;
        reason = ktr("LibrarySchema", "the library cannot be written here (no permission)");
        break;
    case SQLITE_CANTOPEN:
        status = Status::Forbidden;
        reason = ktr("LibrarySchema", "the library file cannot be opened");
        break;
    case SQLITE_NOTADB:
        status = Status::Invalid;
        reason = ktr("LibrarySchema", "not a Kestrova study library");
        break;
    case SQLITE_CORRUPT:
        status = Status::Invalid;
        reason = ktr("LibrarySchema", "the library file is damaged");
        break;
    case SQLITE_NOMEM:
        status = Status::TooLarge;
        reason = ktr("LibrarySchema", "out of memory");
        break;
    default:
        reason = text::arg(ktr("LibrarySchema", "the library file could not be read or written (%1)"),
                           {sqlite3_errstr(code)});
    }
    if (!what.empty()) reason = std::string(what) + ": " + reason;
    return Error{status, path, reason};
}

constexpr const char* kSchemaV1 = R"sql(
CREATE TABLE studies (
    id INTEGER PRIMARY KEY,
    digest BLOB NOT NULL,             -- SHA-256 of the samples' 11-byte records
    sample_count INTEGER NOT NULL,
    dat_name TEXT NOT NULL UNIQUE,    -- in recordings/
    patient BLOB NOT NULL,            -- the 288-byte record confirmed for this night
    patient_confirmed INTEGER NOT NULL,
    patient_name TEXT NOT NULL,       -- the record's name bytes, for the search
    patient_id INTEGER NOT NULL,
    title BLOB NOT NULL,
    device_type INTEGER NOT NULL,
    origin INTEGER NOT NULL,          -- 0 download, 1 import
    added_at INTEGER NOT NULL,
    source_file TEXT NOT NULL,
    partial INTEGER NOT NULL,
    start TEXT NOT NULL,
    interpretation TEXT NOT NULL DEFAULT '',
    rule_revision INTEGER NOT NULL,   -- kEventRuleRevision the figures were computed with
    recorded_seconds INTEGER NOT NULL,
    valid_seconds INTEGER NOT NULL,
    odi3 REAL NOT NULL,
    odi4 REAL NOT NULL,
    t90_percent REAL NOT NULL,
    nadir INTEGER NOT NULL,
    mean_spo2 REAL NOT NULL
);
CREATE INDEX studies_by_digest ON studies(digest);
)sql";

// Each step takes the schema from version (index) to version (index + 1).
constexpr const char* kMigrations[] = {kSchemaV1};
static_assert(std::size(kMigrations) == kSchemaVersion);

} // namespace

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_stmt = other.m_stmt;
        other.m_stmt = nullptr;
    }
    return *this;
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

Statement& Statement::bind(int index, std::int64_t value) {
    sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

Statement& Statement::bind(int index, double value) {
    sqlite3_bind_double(m_stmt, index, value);
    return *this;
}

Statement& Statement::bindText(int index, std::string_view text) {
    sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::bindBlob(int index, const void* data, std::size_t size) {
    sqlite3_bind_blob(m_stmt, index, size ? data : "", static_cast<int>(size), SQLITE_TRANSIENT);
    return *this;
}

bool Statement::step() {
    m_code = sqlite3_step(m_stmt);
    if (m_code == SQLITE_ROW) return true;
    m_failed = m_code != SQLITE_DONE;
    return false;
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    m_failed = false;
    m_code = 0;
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::real(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

std::string Statement::text(int column) const {
    const void* p = sqlite3_column_blob(m_stmt, column);
    const int n = sqlite3_column_bytes(m_stmt, column);
    return p ? std::string(static_cast<const char*>(p), static_cast<std::size_t>(n)) : std::string();
}

std::size_t Statement::bytes(int column) const {
    return static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column));
}

const void* Statement::blob(int column) const {
    return sqlite3_column_blob(m_stmt, column);
}

Result<std::unique_ptr<Database>> Database::open(const std::string& path, bool readOnly) {
    sqlite3* db = nullptr;
    // Read-only means immutable: not even a -wal or -shm file appears beside it. What
    // only a WAL would hold is seen again by the migration, before anything is written.
    std::string name = path;
    if (readOnly) {
        name = "file:";
        for (const char c : path) {
            if (c == '%' || c == '?' || c == '#') {
                char buf[4];
                std::snprintf(buf, sizeof buf, "%%%02X", static_cast<unsigned char>(c));
                name += buf;
            } else {
                name += c;
            }
        }
        name += "?immutable=1";
    }
    const int flags = readOnly ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int code = sqlite3_open_v2(name.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        sqlite3_close(db);
        return sqliteError(path, code, {});
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return std::unique_ptr<Database>(new Database(db, path));
}

Database::~Database() {
    sqlite3_close_v2(m_db);
}

Outcome Database::exec(const char* sql) {
    const int code = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) return sqliteError(m_path, code, {});
    return {};
}

Result<Statement> Database::prepare(const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    const int code = sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr);
    if (code != SQLITE_OK) return sqliteError(m_path, code, {});
    return Statement(stmt);
}

Error Database::error(std::string_view what) const {
    return sqliteError(m_path, sqlite3_extended_errcode(m_db), what);
}

std::int64_t Database::lastInsertId() const {
    return sqlite3_last_insert_rowid(m_db);
}

int Database::changes() const {
    return sqlite3_changes(m_db);
}

Outcome checkLibraryFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {}; // none yet: open creates it
    if (!S_ISREG(st.st_mode))
        return Error{Status::Invalid, path, ktr("LibrarySchema", "not a Kestrova study library (not a file)")};
    if (st.st_size == 0) return {};
    auto db = Database::open(path, true);
    if (!db) return db.error();
    auto header = (*db)->prepare("PRAGMA application_id");
    if (!header) return Error{Status::Invalid, path, ktr("LibrarySchema", "not a Kestrova study library")};
    const bool row = header->step();
    if (header->failed()) {
        const int code = header->code() & 0xFF;
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            return Error{Status::Invalid, path, ktr("LibrarySchema", "not a Kestrova study library")};
        return (*db)->error(ktr("LibrarySchema", "cannot read the library"));
    }
    const std::int64_t applicationId = row ? header->integer(0) : 0;
    auto version = (*db)->prepare("PRAGMA user_version");
    if (!version || !version->step()) return (*db)->error(ktr("LibrarySchema", "cannot read the library"));
    const std::int64_t userVersion = version->integer(0);
    if (applicationId == 0 && userVersion == 0) {
        // An SQLite file without our mark: ours only while it holds nothing at all.
        auto tables = (*db)->prepare("SELECT count(*) FROM sqlite_master");
        if (!tables || !tables->step()) return (*db)->error(ktr("LibrarySchema", "cannot read the library"));
        if (tables->integer(0) == 0) return {};
        return Error{Status::Invalid, path, ktr("LibrarySchema", "not a Kestrova study library")};
    }
    if (applicationId != kApplicationId)
        return Error{Status::Invalid, path, ktr("LibrarySchema", "not a Kestrova study library")};
    if (userVersion > kSchemaVersion)
        return Error{Status::Unsupported, path,
                     text::arg(ktr("LibrarySchema",
                                   "made by a newer Kestrova (library version %1); this program reads up to %2"),
                               {std::to_string(userVersion), std::to_string(kSchemaVersion)})};
    return {};
}

Outcome migrate(Database& db) {
    if (Outcome begun = db.exec("BEGIN IMMEDIATE"); !begun) return begun;
    auto version = db.prepare("PRAGMA user_version");
    if (!version || !version->step()) {
        (void)db.exec("ROLLBACK");
        return db.error(ktr("LibrarySchema", "cannot read the library"));
    }
    const int from = static_cast<int>(version->integer(0));
    version = Statement();
    if (from > kSchemaVersion) { // another process upgraded it since the check
        (void)db.exec("ROLLBACK");
        return Error{Status::Unsupported, db.path(),
                     text::arg(ktr("LibrarySchema",
                                   "made by a newer Kestrova (library version %1); this program reads up to %2"),
                               {std::to_string(from), std::to_string(kSchemaVersion)})};
    }
    for (int v = from; v < kSchemaVersion; ++v) {
        if (Outcome step = db.exec(kMigrations[v]); !step) {
            (void)db.exec("ROLLBACK");
            return step;
        }
    }
    if (from < kSchemaVersion) {
        const std::string mark = "PRAGMA application_id = " + std::to_string(kApplicationId) +
                                 "; PRAGMA user_version = " + std::to_string(kSchemaVersion);
        if (Outcome marked = db.exec(mark.c_str()); !marked) {
            (void)db.exec("ROLLBACK");
            return marked;
        }
    }
    return db.exec("COMMIT");
}

} // namespace kestrova::library
