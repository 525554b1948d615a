// The index and the files of the study library. A change runs inside one SQLite
// write transaction that also covers its file work: an add writes the .dat first and
// inserts the row last, so a kill at any moment leaves the study whole or absent
// (an unreferenced .dat is moved to trash/ when the library is next opened, under the
// same lock, so no process ever sees or sweeps another's half-done add).
#include "library/StudyLibrary.h"
#include "text/Translate.h"

#include "files/DataFile.h"
#include "files/ProgramDirectory.h"
#include "library/LibrarySchema.h"
#include "library/Sha256.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova {

using library::Database;
using library::Statement;

StudyFigures studyFiguresOf(const ClinicalMetrics& metrics) {
    StudyFigures f;
    f.recordedSeconds = metrics.recordedSeconds;
    f.validSeconds = metrics.validSeconds;
    f.odi3 = metrics.odi3.perHour;
    f.odi4 = metrics.odi4.perHour;
    f.t90Percent = metrics.t90.percent;
    f.nadir = metrics.validSeconds > 0 ? metrics.spo2.min : 0;
    f.meanSpo2 = metrics.validSeconds > 0 ? metrics.spo2.mean : 0;
    return f;
}

namespace {

// The ID byte Save Data writes: the first sample's, the patient's for an empty recording.
std::uint8_t idByteOf(std::span<const SampleRecord> samples, const PatientRecord& patient) {
    return samples.empty() ? static_cast<std::uint8_t>(patient.id) : samples[0].id;
}

constexpr std::size_t kHeaderBytes = 5; // ID byte and sample count before the samples

std::string_view sampleBytes(std::string_view datBytes, std::int64_t count) {
    const std::size_t n = static_cast<std::size_t>(count) * kSampleBytes;
    if (datBytes.size() < kHeaderBytes + n) return {};
    return datBytes.substr(kHeaderBytes, n);
}

// Whether the .dat at `path` holds exactly these sample bytes (count included).
bool holdsSamples(const std::string& path, std::string_view datBytes, std::int64_t count) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    const std::size_t want = kHeaderBytes + static_cast<std::size_t>(count) * kSampleBytes;
    std::string head(want, '\0');
    const std::size_t got = std::fread(head.data(), 1, want, f);
    std::fclose(f);
    if (got != want) return false;
    return std::memcmp(head.data() + 1, datBytes.data() + 1, want - 1) == 0;
}

const char* const kSummaryColumns =
    "id, patient, patient_confirmed, title, device_type, origin, added_at, source_file, partial, start, "
    "sample_count, interpretation <> '', recorded_seconds, valid_seconds, odi3, odi4, t90_percent, nadir, "
    "mean_spo2, interpretation, dat_name";

StudySummary summaryOf(const Statement& row) {
    StudySummary s;
    s.id = row.integer(0);
    if (row.bytes(1) == PatientRecord::kSize) std::memcpy(&s.patient, row.blob(1), PatientRecord::kSize);
    s.patientConfirmed = row.integer(2) != 0;
    s.title = row.text(3);
    s.deviceType = static_cast<std::int32_t>(row.integer(4));
    s.origin = row.integer(5) == 0 ? StudyOrigin::Download : StudyOrigin::Import;
    s.addedAt = row.integer(6);
    s.sourceFile = row.text(7);
    s.partial = row.integer(8) != 0;
    s.start = row.text(9);
    s.sampleCount = row.integer(10);
    s.hasInterpretation = row.integer(11) != 0;
    s.figures.recordedSeconds = row.integer(12);
    s.figures.validSeconds = row.integer(13);
    s.figures.odi3 = row.real(14);
    s.figures.odi4 = row.real(15);
    s.figures.t90Percent = row.real(16);
    s.figures.nadir = static_cast<int>(row.integer(17));
    s.figures.meanSpo2 = row.real(18);
    return s;
}

std::string notFoundText(StudyId id) {
    return text::arg(ktr("StudyLibrary", "no study %1 in the library"), {std::to_string(id)});
}

// A name in `dir` for `name` that no file holds yet.
std::string freeName(const std::string& dir, const std::string& name) {
    std::string candidate = name;
    struct stat st {};
    for (int k = 2; ::lstat((dir + "/" + candidate).c_str(), &st) == 0; ++k) {
        const std::size_t dot = name.rfind('.');
        candidate = name.substr(0, dot) + "-" + std::to_string(k) + (dot == std::string::npos ? "" : name.substr(dot));
    }
    return candidate;
}

} // namespace

PreparedStudy prepareStudy(std::span<const SampleRecord> samples, const PatientRecord& patient,
                           const std::string& title) {
    PreparedStudy p;
    p.datBytes = encodeDataFile(idByteOf(samples, patient), samples, title);
    p.sampleCount = static_cast<std::int64_t>(samples.size());
    const Sha256::Digest d = Sha256::of(sampleBytes(p.datBytes, p.sampleCount));
    p.digest.assign(reinterpret_cast<const char*>(d.data()), d.size());
    if (!samples.empty()) p.start = isoTime(samples[0]);
    p.figures = studyFiguresOf(computeClinicalMetrics(samples));
    return p;
}

struct StudyLibrary::Impl {
    std::string directory;
    std::string recordings, trash;
    std::unique_ptr<Database> db;

    std::string datPath(const std::string& name) const { return recordings + "/" + name; }

    // A write transaction; rolled back unless committed.
    class Transaction {
    public:
        explicit Transaction(Database& db) : m_db(db) { m_begun = db.exec("BEGIN IMMEDIATE"); }
        ~Transaction() {
            if (m_begun && !m_done) (void)m_db.exec("ROLLBACK");
        }
        const Outcome& begun() const { return m_begun; }
        Outcome commit() {
            m_done = true;
            Outcome c = m_db.exec("COMMIT");
            if (!c) (void)m_db.exec("ROLLBACK");
            return c;
        }

    private:
        Database& m_db;
        Outcome m_begun;
        bool m_done = false;
    };

    Result<std::string> datNameOf(StudyId id) {
        auto q = db->prepare("SELECT dat_name FROM studies WHERE id = ?1");
        if (!q) return q.error();
        q->bind(1, static_cast<std::int64_t>(id));
        if (q->step()) return q->text(0);
        if (q->failed()) return db->error(ktr("StudyLibrary", "cannot read the library"));
        return Error{Status::NotFound, db->path(), notFoundText(id)};
    }

    // Moves `name` from recordings/ to trash/ (a name already taken there gets a suffix).
    Outcome moveToTrash(const std::string& name) {
        const std::string target = trash + "/" + freeName(trash, name);
        if (std::rename(datPath(name).c_str(), target.c_str()) != 0 && errno != ENOENT)
            return systemError(datPath(name), errno);
        return {};
    }

    // Files in recordings/ that no row names: what a killed add or remove left behind.
    Outcome sweepOrphans() {
        Transaction t(*db);
        if (!t.begun()) return t.begun();
        std::set<std::string> known;
        auto q = db->prepare("SELECT dat_name FROM studies");
        if (!q) return q.error();
        while (q->step()) known.insert(q->text(0));
        if (q->failed()) return db->error(ktr("StudyLibrary", "cannot read the library"));
        std::error_code ec;
        std::vector<std::string> orphans;
        for (const auto& entry : std::filesystem::directory_iterator(recordings, ec)) {
            const std::string name = entry.path().filename().string();
            if (!known.count(name)) orphans.push_back(name);
        }
        for (const std::string& name : orphans)
            if (Outcome moved = moveToTrash(name); !moved) return moved;
        return t.commit();
    }
};

StudyLibrary::StudyLibrary(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
StudyLibrary::~StudyLibrary() = default;

std::string StudyLibrary::defaultDirectory() {
    if (const char* home = std::getenv("KESTROVA_HOME"); home && *home) return std::string(home) + "/library";
    return userDataDirectory() + "library";
}

Result<std::unique_ptr<StudyLibrary>> StudyLibrary::open(const std::string& directory) {
    auto impl = std::make_unique<Impl>();
    impl->directory = directory;
    impl->recordings = directory + "/recordings";
    impl->trash = directory + "/trash";
    const std::string file = directory + "/studies.sqlite";
    // Checked read-only first: a file that is not ours, or is newer, is never written.
    if (Outcome usable = library::checkLibraryFile(file); !usable) return usable.error();
    for (const std::string& dir : {directory, impl->recordings, impl->trash}) {
        if (const std::error_code ec = createPrivateDirectories(dir)) return systemError(dir, ec.value());
    }
    // Made here rather than by SQLite so that it, and the -wal and -shm files SQLite
    // gives the same mode, are for this user alone (an empty file is an empty database).
    if (const int made = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600); made >= 0) ::close(made);
    auto db = Database::open(file, false);
    if (!db) return db.error();
    impl->db = std::move(*db);
    if (Outcome wal = impl->db->exec("PRAGMA journal_mode = WAL"); !wal) return wal.error();
    if (Outcome sync = impl->db->exec("PRAGMA synchronous = NORMAL"); !sync) return sync.error();
    if (Outcome migrated = library::migrate(*impl->db); !migrated) return migrated.error();
    if (Outcome swept = impl->sweepOrphans(); !swept) return swept.error();
    std::unique_ptr<StudyLibrary> lib(new StudyLibrary(std::move(impl)));
    if (Outcome refreshed = lib->refreshFigures(); !refreshed) return refreshed.error();
    return lib;
}

const std::string& StudyLibrary::directory() const {
    return m_impl->directory;
}

Result<AddedStudy> StudyLibrary::add(const NewStudy& study) {
    return add(study, prepareStudy(study.samples, study.patient, study.title));
}

Result<AddedStudy> StudyLibrary::add(const NewStudy& study, const PreparedStudy& prepared) {
    if (prepared.sampleCount == 0)
        return Error{Status::NoData, study.sourceFile, ktr("StudyLibrary", "the recording holds no samples")};
    Database& db = *m_impl->db;
    Impl::Transaction t(db);
    if (!t.begun()) return t.begun().error();

    // Recognised by the samples alone: a digest match is confirmed byte for byte.
    auto same = db.prepare("SELECT id, dat_name FROM studies WHERE digest = ?1 AND sample_count = ?2");
    if (!same) return same.error();
    same->bindBlob(1, prepared.digest.data(), prepared.digest.size()).bind(2, prepared.sampleCount);
    std::set<std::string> takenNames;
    while (same->step()) {
        const std::string name = same->text(1);
        if (holdsSamples(m_impl->datPath(name), prepared.datBytes, prepared.sampleCount))
            return AddedStudy{same->integer(0), true};
        takenNames.insert(name);
    }
    if (same->failed()) return db.error(ktr("StudyLibrary", "cannot read the library"));

    const Sha256::Digest digest = [&] {
        Sha256::Digest d{};
        std::memcpy(d.data(), prepared.digest.data(), d.size());
        return d;
    }();
    // Named by the identity; another night with the same digest gets a suffix.
    std::string name = Sha256::hex(digest).substr(0, 32) + ".dat";
    for (int k = 2; takenNames.count(name); ++k)
        name = Sha256::hex(digest).substr(0, 32) + "-" + std::to_string(k) + ".dat";
    const std::string path = m_impl->datPath(name);
    if (WriteStatus written = writeFileAtomically(path, prepared.datBytes); !written) return written.error();

    auto insert = db.prepare(
        "INSERT INTO studies (digest, sample_count, dat_name, patient, patient_confirmed, patient_name, patient_id, "
        "title, device_type, origin, added_at, source_file, partial, start, interpretation, rule_revision, "
        "recorded_seconds, valid_seconds, odi3, odi4, t90_percent, nadir, mean_spo2) VALUES (?1, ?2, ?3, ?4, ?5, "
        "?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, '', ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22)");
    if (!insert) {
        ::unlink(path.c_str());
        return insert.error();
    }
    const StudyFigures& f = prepared.figures;
    insert->bindBlob(1, prepared.digest.data(), prepared.digest.size())
        .bind(2, prepared.sampleCount)
        .bindText(3, name)
        .bindBlob(4, &study.patient, PatientRecord::kSize)
        .bind(5, std::int64_t{study.patientConfirmed})
        .bindText(6, fieldBytes(study.patient.name))
        .bind(7, std::int64_t{static_cast<std::uint8_t>(prepared.datBytes[0])})
        .bindBlob(8, study.title.data(), study.title.size())
        .bind(9, std::int64_t{study.deviceType})
        .bind(10, std::int64_t{study.origin == StudyOrigin::Download ? 0 : 1})
        .bind(11, static_cast<std::int64_t>(std::time(nullptr)))
        .bindText(12, study.sourceFile)
        .bind(13, std::int64_t{study.partial})
        .bindText(14, prepared.start)
        .bind(15, std::int64_t{clinical::kEventRuleRevision})
        .bind(16, f.recordedSeconds)
        .bind(17, f.validSeconds)
        .bind(18, f.odi3)
        .bind(19, f.odi4)
        .bind(20, f.t90Percent)
        .bind(21, std::int64_t{f.nadir})
        .bind(22, f.meanSpo2);
    insert->step();
    if (insert->failed()) {
        const Error e = db.error(ktr("StudyLibrary", "cannot add the study"));
        ::unlink(path.c_str()); // never referenced: nothing but this add knew it
        return e;
    }
    const StudyId id = db.lastInsertId();
    if (Outcome committed = t.commit(); !committed) {
        ::unlink(path.c_str());
        return committed.error();
    }
    return AddedStudy{id, false};
}

Result<std::optional<StudyId>> StudyLibrary::find(std::span<const SampleRecord> samples) {
    if (samples.empty()) return std::optional<StudyId>{};
    const std::string bytes = encodeDataFile(samples[0].id, samples, {});
    const std::int64_t count = static_cast<std::int64_t>(samples.size());
    const Sha256::Digest d = Sha256::of(sampleBytes(bytes, count));
    auto q = m_impl->db->prepare("SELECT id, dat_name FROM studies WHERE digest = ?1 AND sample_count = ?2");
    if (!q) return q.error();
    q->bindBlob(1, d.data(), d.size()).bind(2, count);
    while (q->step())
        if (holdsSamples(m_impl->datPath(q->text(1)), bytes, count)) return std::optional<StudyId>{q->integer(0)};
    if (q->failed()) return m_impl->db->error(ktr("StudyLibrary", "cannot read the library"));
    return std::optional<StudyId>{};
}

Result<std::vector<StudySummary>> StudyLibrary::list(const StudyFilter& filter) {
    std::string sql = std::string("SELECT ") + kSummaryColumns + " FROM studies";
    if (!filter.text.empty())
        sql += " WHERE instr(lower(patient_name), lower(?1)) > 0 OR CAST(patient_id AS TEXT) = ?1 OR "
               "instr(start, ?1) > 0";
    sql += " ORDER BY start, id";
    auto q = m_impl->db->prepare(sql.c_str());
    if (!q) return q.error();
    if (!filter.text.empty()) q->bindText(1, filter.text);
    std::vector<StudySummary> out;
    while (q->step()) out.push_back(summaryOf(*q));
    if (q->failed()) return m_impl->db->error(ktr("StudyLibrary", "cannot read the library"));
    return out;
}

Result<Study> StudyLibrary::get(StudyId id) {
    auto q = m_impl->db->prepare((std::string("SELECT ") + kSummaryColumns + " FROM studies WHERE id = ?1").c_str());
    if (!q) return q.error();
    q->bind(1, static_cast<std::int64_t>(id));
    if (!q->step()) {
        if (q->failed()) return m_impl->db->error(ktr("StudyLibrary", "cannot read the library"));
        return Error{Status::NotFound, m_impl->db->path(), notFoundText(id)};
    }
    Study s;
    s.summary = summaryOf(*q);
    s.interpretation = q->text(19);
    s.datPath = m_impl->datPath(q->text(20));
    return s;
}

Result<std::vector<SampleRecord>> StudyLibrary::samples(StudyId id) {
    auto name = m_impl->datNameOf(id);
    if (!name) return name.error();
    auto file = readDataFile(m_impl->datPath(*name));
    if (!file) return file.error();
    return std::move(file->samples);
}

Outcome StudyLibrary::setPatient(StudyId id, const PatientRecord& patient, bool confirmed) {
    auto q =
        m_impl->db->prepare("UPDATE studies SET patient = ?1, patient_confirmed = ?2, patient_name = ?3 WHERE id = ?4");
    if (!q) return q.error();
    q->bindBlob(1, &patient, PatientRecord::kSize)
        .bind(2, std::int64_t{confirmed})
        .bindText(3, fieldBytes(patient.name))
        .bind(4, static_cast<std::int64_t>(id));
    q->step();
    if (q->failed()) return m_impl->db->error(ktr("StudyLibrary", "cannot change the study"));
    if (m_impl->db->changes() == 0) return Error{Status::NotFound, m_impl->db->path(), notFoundText(id)};
    return {};
}

Outcome StudyLibrary::setTitle(StudyId id, const std::string& title) {
    Impl::Transaction t(*m_impl->db);
    if (!t.begun()) return t.begun();
    auto name = m_impl->datNameOf(id);
    if (!name) return name.error();
    const std::string path = m_impl->datPath(*name);
    auto file = readDataFile(path);
    if (!file) return file.error();
    if (WriteStatus w = writeDataFile(path, file->patientId, file->samples, title); !w) return w;
    auto q = m_impl->db->prepare("UPDATE studies SET title = ?1 WHERE id = ?2");
    if (!q) return q.error();
    q->bindBlob(1, title.data(), title.size()).bind(2, static_cast<std::int64_t>(id));
    q->step();
    if (q->failed()) return m_impl->db->error(ktr("StudyLibrary", "cannot change the study"));
    return t.commit();
}

Outcome StudyLibrary::setInterpretation(StudyId id, const std::string& text) {
    auto q = m_impl->db->prepare("UPDATE studies SET interpretation = ?1 WHERE id = ?2");
    if (!q) return q.error();
    q->bindText(1, text).bind(2, static_cast<std::int64_t>(id));
    q->step();
    if (q->failed()) return m_impl->db->error(ktr("StudyLibrary", "cannot change the study"));
    if (m_impl->db->changes() == 0) return Error{Status::NotFound, m_impl->db->path(), notFoundText(id)};
    return {};
}

Outcome StudyLibrary::remove(StudyId id) {
    // The row goes first: a kill before the move leaves an unreferenced file, which the
    // next open moves to trash/; the other order could leave a row without its file.
    std::string name;
    {
        Impl::Transaction t(*m_impl->db);
        if (!t.begun()) return t.begun();
        auto n = m_impl->datNameOf(id);
        if (!n) return n.error();
        name = *n;
        auto q = m_impl->db->prepare("DELETE FROM studies WHERE id = ?1");
        if (!q) return q.error();
        q->bind(1, static_cast<std::int64_t>(id));
        q->step();
        if (q->failed()) return m_impl->db->error(ktr("StudyLibrary", "cannot delete the study"));
        if (Outcome c = t.commit(); !c) return c;
    }
    return m_impl->moveToTrash(name);
}

Outcome StudyLibrary::refreshFigures() {
    Database& db = *m_impl->db;
    auto stale = db.prepare("SELECT id, dat_name FROM studies WHERE rule_revision < ?1");
    if (!stale) return stale.error();
    stale->bind(1, std::int64_t{clinical::kEventRuleRevision});
    std::vector<std::pair<StudyId, std::string>> rows;
    while (stale->step()) rows.emplace_back(stale->integer(0), stale->text(1));
    if (stale->failed()) return db.error(ktr("StudyLibrary", "cannot read the library"));
    stale = Statement();
    auto update = db.prepare("UPDATE studies SET rule_revision = ?1, recorded_seconds = ?2, valid_seconds = ?3, "
                             "odi3 = ?4, odi4 = ?5, t90_percent = ?6, nadir = ?7, mean_spo2 = ?8 "
                             "WHERE id = ?9 AND rule_revision < ?1");
    if (!update) return update.error();
    for (const auto& [id, name] : rows) {
        // A file that cannot be read keeps its figures; samples() names the problem.
        auto file = readDataFile(m_impl->datPath(name));
        if (!file) continue;
        const StudyFigures f = studyFiguresOf(computeClinicalMetrics(file->samples));
        update->reset();
        update->bind(1, std::int64_t{clinical::kEventRuleRevision})
            .bind(2, f.recordedSeconds)
            .bind(3, f.validSeconds)
            .bind(4, f.odi3)
            .bind(5, f.odi4)
            .bind(6, f.t90Percent)
            .bind(7, std::int64_t{f.nadir})
            .bind(8, f.meanSpo2)
            .bind(9, static_cast<std::int64_t>(id));
        update->step();
        if (update->failed()) return db.error(ktr("StudyLibrary", "cannot update the study's figures"));
    }
    return {};
}

} // namespace kestrova
