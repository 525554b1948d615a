// The study library: recognition by samples, files byte for byte as Save Data writes
// them, edits that survive a reopen, refusal of files that are not ours, several
// writers at once, and cached figures that follow the event rule.
#include "library/StudyLibrary.h"
#include "analysis/ClinicalMetrics.h"
#include "files/CsvRecording.h"
#include "files/DataFile.h"
#include "files/SaveData.h"
#include "library/LibrarySchema.h"
#include "library/Sha256.h"
#include "model/RecordingModel.h"

#include "TestSupport.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kestrova;

namespace {

std::unique_ptr<StudyLibrary> openOrFail(const std::string& dir) {
    auto lib = StudyLibrary::open(dir);
    EXPECT_TRUE(lib) << (lib ? "" : lib.error().text());
    return lib ? std::move(*lib) : nullptr;
}

PatientRecord patientNamed(int id, const char* name) {
    PatientRecord p;
    p.id = id;
    std::strncpy(p.name, name, sizeof p.name);
    return p;
}

NewStudy studyOf(const std::vector<SampleRecord>& samples, const PatientRecord& patient = {},
                 const std::string& title = "ReportTitle") {
    NewStudy s;
    s.samples = samples;
    s.patient = patient;
    s.title = title;
    return s;
}

std::string pragma(const std::string& dbPath, const char* sql) {
    auto db = library::Database::open(dbPath, false);
    if (!db) return "cannot open";
    auto q = (*db)->prepare(sql);
    if (!q || !q->step()) return "no row";
    return q->text(0);
}

std::size_t filesIn(const std::string& dir) {
    std::error_code ec;
    std::size_t n = 0;
    for (auto it = std::filesystem::directory_iterator(dir, ec); !ec && it != std::filesystem::directory_iterator();
         ++it)
        ++n;
    return n;
}

} // namespace

TEST(Sha256, MatchesTheStandardsTestVectors) {
    EXPECT_EQ(Sha256::hex(Sha256::of("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256::hex(Sha256::of("")), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256::hex(Sha256::of("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    // Fed in uneven pieces, the digest is that of the whole.
    const std::string million(1000000, 'a');
    Sha256 h;
    for (std::size_t at = 0, step = 1; at < million.size(); at += step, step = step % 97 + 1)
        h.update(million.data() + at, std::min(step, million.size() - at));
    EXPECT_EQ(Sha256::hex(h.finish()), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(StudyLibrary, TheSameSamplesAreOneStudyWhateverTheTitleOrPatient) {
    test::TempDir dir;
    auto lib = openOrFail(dir.path());
    ASSERT_TRUE(lib);
    const auto night = test::night(3, 3600);
    auto first = lib->add(studyOf(night, patientNamed(3, "Jane Doe")));
    ASSERT_TRUE(first) << first.error().text();
    EXPECT_FALSE(first->alreadyPresent);

    auto again = lib->add(studyOf(night, patientNamed(7, "Someone Else"), "Another title"));
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->alreadyPresent);
    EXPECT_EQ(again->id, first->id);
    EXPECT_EQ(lib->get(first->id)->summary.title, "ReportTitle"); // nothing changed

    auto found = lib->find(night);
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, std::optional<StudyId>(first->id));

    // One reading different, or one missing: another night.
    auto other = night;
    other[1800].spo2 = static_cast<std::uint8_t>(other[1800].spo2 - 1);
    EXPECT_EQ(*lib->find(other), std::nullopt);
    auto second = lib->add(studyOf(other));
    ASSERT_TRUE(second);
    EXPECT_FALSE(second->alreadyPresent);
    EXPECT_NE(second->id, first->id);
    const std::vector<SampleRecord> shorter(night.begin(), night.end() - 1);
    EXPECT_EQ(*lib->find(shorter), std::nullopt);

    auto all = lib->list();
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 2u);
    EXPECT_EQ(filesIn(dir.file("recordings")), 2u);
    auto samples = lib->samples(first->id);
    ASSERT_TRUE(samples);
    EXPECT_EQ(*samples, night);

    // Nothing to keep in an empty recording.
    EXPECT_FALSE(lib->add(studyOf({})));
}

TEST(StudyLibrary, ADigestThatMatchesNeverMergesTwoNights) {
    test::TempDir dir;
    const auto a = test::night(6, 900), b = test::night(8, 900);
    StudyId first = 0;
    {
        auto lib = openOrFail(dir.path());
        ASSERT_TRUE(lib);
        auto added = lib->add(studyOf(a));
        ASSERT_TRUE(added);
        first = added->id;
    }
    {
        // As if a and b shared their digest.
        const PreparedStudy pb = prepareStudy(b, {}, "ReportTitle");
        auto db = library::Database::open(dir.file("studies.sqlite"), false);
        ASSERT_TRUE(db);
        auto q = (*db)->prepare("UPDATE studies SET digest = ?1");
        ASSERT_TRUE(q);
        q->bindBlob(1, pb.digest.data(), pb.digest.size());
        q->step();
        ASSERT_FALSE(q->failed());
    }
    auto lib = openOrFail(dir.path());
    ASSERT_TRUE(lib);
    EXPECT_EQ(*lib->find(b), std::nullopt);
    auto second = lib->add(studyOf(b));
    ASSERT_TRUE(second);
    EXPECT_FALSE(second->alreadyPresent);
    EXPECT_NE(second->id, first);
    EXPECT_EQ(*lib->samples(first), a);
    EXPECT_EQ(*lib->samples(second->id), b);
    EXPECT_EQ(*lib->find(b), std::optional<StudyId>(second->id));
}

TEST(StudyLibrary, AStudysFileIsWhatSaveDataWrites) {
    test::TempDir dir;
    auto lib = openOrFail(dir.file("lib"));
    ASSERT_TRUE(lib);
    RecordingModel model;
    auto night = test::night(12, 2000);
    ASSERT_TRUE(model.replaceCurrent(std::vector<SampleRecord>(night)));
    model.setReportTitle("Nacht \xc3\xbc"
                         "ber");
    model.setCurrentPatient(patientNamed(12, "Ana Lima"));
    ASSERT_TRUE(saveCurrentRecording(dir.file("saved.dat"), model));

    auto added = lib->add(studyOf(night, model.currentPatient(), model.reportTitle()));
    ASSERT_TRUE(added);
    auto study = lib->get(added->id);
    ASSERT_TRUE(study);
    EXPECT_EQ(test::readFile(study->datPath), test::readFile(dir.file("saved.dat")));
    EXPECT_EQ(study->datPath.rfind(dir.file("lib/recordings/"), 0), 0u) << study->datPath;

    const StudyFigures expected = studyFiguresOf(computeClinicalMetrics(night));
    const StudySummary& s = study->summary;
    EXPECT_EQ(s.sampleCount, 2000);
    EXPECT_EQ(s.start, isoTime(night[0]));
    EXPECT_EQ(s.patient.id, 12);
    EXPECT_EQ(fieldBytes(s.patient.name), "Ana Lima");
    EXPECT_EQ(s.figures.recordedSeconds, expected.recordedSeconds);
    EXPECT_EQ(s.figures.validSeconds, expected.validSeconds);
    EXPECT_DOUBLE_EQ(s.figures.odi3, expected.odi3);
    EXPECT_DOUBLE_EQ(s.figures.odi4, expected.odi4);
    EXPECT_DOUBLE_EQ(s.figures.t90Percent, expected.t90Percent);
    EXPECT_EQ(s.figures.nadir, expected.nadir);
    EXPECT_GT(s.figures.nadir, 0);
}

TEST(StudyLibrary, ItsFoldersAndFilesAreForTheUserAlone) {
    // Under the usual umask a new library would otherwise be readable by everyone.
    const mode_t umaskBefore = ::umask(022);
    auto modeOf = [](const std::string& path) {
        struct stat st {};
        EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
        return st.st_mode & 07777;
    };
    test::TempDir dir;
    const std::string home = dir.file("home"), root = home + "/library";
    {
        auto lib = openOrFail(root);
        ASSERT_TRUE(lib);
        auto added = lib->add(studyOf(test::night(4, 300), patientNamed(4, "Ana Lima"), "Night"));
        ASSERT_TRUE(added) << added.error().text();
        auto study = lib->get(added->id);
        ASSERT_TRUE(study);
        for (const std::string& d : {home, root, root + "/recordings", root + "/trash"})
            EXPECT_EQ(modeOf(d), 0700u) << d;
        EXPECT_EQ(modeOf(root + "/studies.sqlite"), 0600u);
        EXPECT_EQ(modeOf(root + "/studies.sqlite-wal"), 0600u);
        EXPECT_EQ(modeOf(study->datPath), 0600u) << study->datPath;
    }
    // A library its owner opened up keeps the modes it was given.
    ::chmod(root.c_str(), 0750);
    ::chmod((root + "/studies.sqlite").c_str(), 0640);
    EXPECT_TRUE(openOrFail(root));
    EXPECT_EQ(modeOf(root), 0750u);
    EXPECT_EQ(modeOf(root + "/studies.sqlite"), 0640u);
    ::umask(umaskBefore);
}

TEST(StudyLibrary, EditsSurviveAReopenAndTheTitleReachesTheFile) {
    test::TempDir dir;
    StudyId id = 0;
    const auto night = test::night(4, 1200);
    {
        auto lib = openOrFail(dir.path());
        ASSERT_TRUE(lib);
        auto added = lib->add(studyOf(night, patientNamed(4, "Proposed Name")));
        ASSERT_TRUE(added);
        id = added->id;
        EXPECT_FALSE(lib->get(id)->summary.patientConfirmed);
        PatientRecord confirmed = patientNamed(4, "Confirmed Name");
        confirmed.age = 61;
        std::strcpy(confirmed.physician, "Dr. Sousa");
        EXPECT_TRUE(lib->setPatient(id, confirmed, true));
        EXPECT_TRUE(lib->setTitle(id, "Follow-up night"));
        EXPECT_TRUE(lib->setInterpretation(id, "Mild desaturations, \xe2\x80\x9cpositional\xe2\x80\x9d."));
        EXPECT_EQ(lib->setInterpretation(id + 100, "x").status(), Status::NotFound);
        EXPECT_EQ(lib->setPatient(id + 100, confirmed, true).status(), Status::NotFound);
        EXPECT_EQ(lib->setTitle(id + 100, "x").status(), Status::NotFound);
    }
    auto lib = openOrFail(dir.path());
    ASSERT_TRUE(lib);
    auto study = lib->get(id);
    ASSERT_TRUE(study);
    EXPECT_TRUE(study->summary.patientConfirmed);
    EXPECT_EQ(fieldBytes(study->summary.patient.name), "Confirmed Name");
    EXPECT_EQ(study->summary.patient.age, 61);
    EXPECT_EQ(fieldBytes(study->summary.patient.physician), "Dr. Sousa");
    EXPECT_EQ(study->summary.title, "Follow-up night");
    EXPECT_TRUE(study->summary.hasInterpretation);
    EXPECT_EQ(study->interpretation, "Mild desaturations, \xe2\x80\x9cpositional\xe2\x80\x9d.");
    EXPECT_EQ(test::readFile(study->datPath), encodeDataFile(4, night, "Follow-up night"));
    // The search finds the confirmed name, not the proposed one, and the ID and date.
    EXPECT_EQ(lib->list({"confirmed"})->size(), 1u);
    EXPECT_EQ(lib->list({"Proposed"})->size(), 0u);
    EXPECT_EQ(lib->list({"4"})->size(), 1u);
    EXPECT_EQ(lib->list({"5"})->size(), 0u);
    EXPECT_EQ(lib->list({study->summary.start.substr(0, 10)})->size(), 1u);
}

TEST(StudyLibrary, RemoveMovesTheFileToTrash) {
    test::TempDir dir;
    auto lib = openOrFail(dir.path());
    ASSERT_TRUE(lib);
    const auto a = test::night(1, 600), b = test::night(2, 600);
    auto first = lib->add(studyOf(a));
    auto second = lib->add(studyOf(b));
    ASSERT_TRUE(first && second);
    const std::string path = lib->get(first->id)->datPath;
    const std::string bytes = test::readFile(path);
    ASSERT_TRUE(lib->remove(first->id));
    EXPECT_EQ(test::fileSize(path), -1);
    const std::string trashed = dir.file("trash/") + std::filesystem::path(path).filename().string();
    EXPECT_EQ(test::readFile(trashed), bytes);
    EXPECT_EQ(lib->get(first->id).status(), Status::NotFound);
    EXPECT_EQ(lib->remove(first->id).status(), Status::NotFound);
    EXPECT_EQ(lib->list()->size(), 1u);
    EXPECT_EQ(lib->find(a)->has_value(), false);

    // Stored again, removed again: the earlier copy in trash stays.
    auto again = lib->add(studyOf(a));
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->alreadyPresent);
    ASSERT_TRUE(lib->remove(again->id));
    EXPECT_EQ(test::readFile(trashed), bytes);
    EXPECT_EQ(filesIn(dir.file("trash")), 2u);
}

TEST(StudyLibrary, AFileWithoutItsRowIsClearedAwayOnOpen) {
    test::TempDir dir;
    {
        auto lib = openOrFail(dir.path());
        ASSERT_TRUE(lib);
        ASSERT_TRUE(lib->add(studyOf(test::night(5, 300))));
    }
    // What an add killed between its file and its row leaves.
    test::writeFile(dir.file("recordings/0123456789abcdef0123456789abcdef.dat"), encodeDataFile(1, {}, "x"));
    auto lib = openOrFail(dir.path());
    ASSERT_TRUE(lib);
    EXPECT_EQ(filesIn(dir.file("recordings")), 1u);
    EXPECT_EQ(test::readFile(dir.file("trash/0123456789abcdef0123456789abcdef.dat")), encodeDataFile(1, {}, "x"));
    auto list = lib->list();
    ASSERT_EQ(list->size(), 1u);
    EXPECT_TRUE(lib->samples(list->front().id));
}

TEST(StudyLibrary, RefusesFilesThatAreNotItsOwnAndLeavesThemAlone) {
    test::TempDir dir;
    const std::string text = "patient notes, not a database\n";
    test::runCommand("mkdir " + dir.file("text") + " " + dir.file("foreign") + " " + dir.file("newer"));
    test::writeFile(dir.file("text/studies.sqlite"), text);
    auto r = StudyLibrary::open(dir.file("text"));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().text(), dir.file("text/studies.sqlite") + ": not a Kestrova study library");
    EXPECT_EQ(test::readFile(dir.file("text/studies.sqlite")), text);

    {
        auto db = library::Database::open(dir.file("foreign/studies.sqlite"), false);
        ASSERT_TRUE(db);
        ASSERT_TRUE((*db)->exec("CREATE TABLE contacts (name TEXT); INSERT INTO contacts VALUES ('x')"));
    }
    const std::string foreign = test::readFile(dir.file("foreign/studies.sqlite"));
    r = StudyLibrary::open(dir.file("foreign"));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().text(), dir.file("foreign/studies.sqlite") + ": not a Kestrova study library");
    EXPECT_EQ(test::readFile(dir.file("foreign/studies.sqlite")), foreign);

    {
        auto lib = openOrFail(dir.file("newer"));
        ASSERT_TRUE(lib);
        ASSERT_TRUE(lib->add(studyOf(test::night(2, 100))));
    }
    {
        auto db = library::Database::open(dir.file("newer/studies.sqlite"), false);
        ASSERT_TRUE(db);
        ASSERT_TRUE((*db)->exec("PRAGMA user_version = 3"));
    }
    const std::string newer = test::readFile(dir.file("newer/studies.sqlite"));
    r = StudyLibrary::open(dir.file("newer"));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().text(), dir.file("newer/studies.sqlite") +
                                    ": made by a newer Kestrova (library version 3); this program reads up to 1");
    EXPECT_EQ(test::readFile(dir.file("newer/studies.sqlite")), newer);
    EXPECT_EQ(test::fileSize(dir.file("newer/studies.sqlite-wal")), -1);
}

TEST(StudyLibrary, TwoProcessesWritingAtOnceLoseNothing) {
    test::TempDir dir;
    ASSERT_TRUE(openOrFail(dir.path()));
    constexpr int kOwn = 12, kShared = 4;
    auto writer = [&](int first) {
        auto lib = StudyLibrary::open(dir.path());
        if (!lib) return 10;
        int failures = 0;
        for (int i = 0; i < kOwn + kShared; ++i) {
            // Both processes add the shared nights too, interleaved with their own.
            const int seed = i % 4 == 0 ? 1000 + i / 4 : first + i;
            if (!(*lib)->add(studyOf(test::night(seed, 400)))) ++failures;
        }
        return failures;
    };
    std::vector<pid_t> children;
    for (int first : {1, 100}) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) _exit(writer(first));
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    auto lib = openOrFail(dir.path());
    ASSERT_TRUE(lib);
    auto list = lib->list();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->size(), static_cast<std::size_t>(2 * (kOwn + kShared) - kShared));
    EXPECT_EQ(filesIn(dir.file("recordings")), list->size());
    for (const StudySummary& s : *list) {
        auto samples = lib->samples(s.id);
        ASSERT_TRUE(samples);
        EXPECT_EQ(static_cast<std::int64_t>(samples->size()), s.sampleCount);
    }
    EXPECT_EQ(pragma(dir.file("studies.sqlite"), "PRAGMA integrity_check"), "ok");
}

TEST(StudyLibrary, FiguresOfAnOlderRuleAreRecomputed) {
    test::TempDir dir;
    const auto night = test::night(9, 4 * 3600);
    StudyId id = 0;
    {
        auto lib = openOrFail(dir.path());
        ASSERT_TRUE(lib);
        auto added = lib->add(studyOf(night));
        ASSERT_TRUE(added);
        id = added->id;
    }
    {
        auto db = library::Database::open(dir.file("studies.sqlite"), false);
        ASSERT_TRUE(db);
        ASSERT_TRUE((*db)->exec("UPDATE studies SET rule_revision = rule_revision - 1, odi3 = -1, odi4 = -1, "
                                "t90_percent = -1, nadir = -1, valid_seconds = -1"));
    }
    auto lib = openOrFail(dir.path());
    ASSERT_TRUE(lib);
    const StudyFigures expected = studyFiguresOf(computeClinicalMetrics(night));
    const StudyFigures f = lib->get(id)->summary.figures;
    EXPECT_DOUBLE_EQ(f.odi3, expected.odi3);
    EXPECT_DOUBLE_EQ(f.odi4, expected.odi4);
    EXPECT_DOUBLE_EQ(f.t90Percent, expected.t90Percent);
    EXPECT_EQ(f.nadir, expected.nadir);
    EXPECT_EQ(f.validSeconds, expected.validSeconds);
    EXPECT_EQ(pragma(dir.file("studies.sqlite"), "SELECT min(rule_revision) FROM studies"),
              std::to_string(clinical::kEventRuleRevision));
}

TEST(StudyLibrary, ADownloadIsStoredPerIdInTimeOrderWithoutDisturbingTheModel) {
    test::TempDir dir;
    auto lib = openOrFail(dir.path());
    ASSERT_TRUE(lib);
    constexpr std::int32_t kNewestFirst = 11;
    ASSERT_TRUE(RecordingModel::storesNewestFirst(kNewestFirst));
    RecordingModel model;
    model.setDeviceType(kNewestFirst);
    const auto three = test::night(3, 500), twelve = test::night(12, 300);
    for (auto it = three.rbegin(); it != three.rend(); ++it) model.appendSample(3, *it, 800);
    for (auto it = twelve.rbegin(); it != twelve.rend(); ++it) model.appendSample(12, *it, 800);
    const auto current = test::night(40, 50);
    ASSERT_TRUE(model.replaceCurrent(std::vector<SampleRecord>(current)));

    const auto proposals = [](int id) { return patientNamed(id, id == 3 ? "Jane Doe" : "Max Mustermann"); };
    auto stored = storeDownload(*lib, model, kNewestFirst, 12, proposals);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].patientId, 3);
    EXPECT_EQ(stored[1].patientId, 12);
    ASSERT_TRUE(stored[0].stored && stored[1].stored);
    EXPECT_EQ(std::vector<SampleRecord>(model.currentSamples().begin(), model.currentSamples().end()), current);

    auto a = lib->get(stored[0].stored->id), b = lib->get(stored[1].stored->id);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(*lib->samples(a->summary.id), three);
    EXPECT_EQ(*lib->samples(b->summary.id), twelve);
    EXPECT_EQ(fieldBytes(a->summary.patient.name), "Jane Doe");
    EXPECT_FALSE(a->summary.patientConfirmed);
    EXPECT_EQ(a->summary.origin, StudyOrigin::Download);
    EXPECT_EQ(a->summary.deviceType, kNewestFirst);
    EXPECT_FALSE(a->summary.partial);
    EXPECT_TRUE(b->summary.partial);
    // What Save Data writes after choosing the ID.
    model.makeCurrent(3);
    EXPECT_EQ(test::readFile(a->datPath), encodeDataFile(3, model.currentSamples(), model.reportTitle()));

    // Downloaded once more: the same studies.
    auto twice = storeDownload(*lib, model, kNewestFirst, 0, proposals);
    ASSERT_EQ(twice.size(), 2u);
    EXPECT_TRUE(twice[0].stored->alreadyPresent);
    EXPECT_EQ(twice[0].stored->id, a->summary.id);
    EXPECT_EQ(lib->list()->size(), 2u);
}

TEST(StudyLibrary, ImportReadsEveryFormatKeepsOrderAndSaysWhatWasThere) {
    test::TempDir dir;
    auto lib = openOrFail(dir.file("lib"));
    ASSERT_TRUE(lib);
    std::vector<std::string> paths;
    std::vector<std::vector<SampleRecord>> nights;
    for (int i = 0; i < 9; ++i) {
        nights.push_back(test::night(i + 1, 900 + 60 * i));
        paths.push_back(dir.file("n" + std::to_string(i) + ".dat"));
        ASSERT_TRUE(writeDataFile(paths.back(), static_cast<std::uint8_t>(i + 1), nights.back(), "T"));
    }
    nights.push_back(test::night(20, 700));
    paths.push_back(dir.file("n.csv"));
    ASSERT_TRUE(writeCsvRecording(paths.back(), nights.back()));
    for (SampleRecord& s : nights.back()) s.aux = 0; // CSV has no column for it
    paths.push_back(dir.file("broken.dat"));
    test::writeFile(paths.back(), "\x01\xff\xff");
    paths.push_back(dir.file("copy.dat"));
    ASSERT_TRUE(writeDataFile(paths.back(), 3, nights[2], "Copy"));

    const auto proposals = [](int id) { return patientNamed(id, ("Patient " + std::to_string(id)).c_str()); };
    auto imported = importRecordingFiles(*lib, paths, proposals);
    ASSERT_EQ(imported.size(), paths.size());
    for (std::size_t i = 0; i < nights.size(); ++i) {
        EXPECT_EQ(imported[i].path, paths[i]);
        ASSERT_TRUE(imported[i].stored) << imported[i].stored.error().text();
        EXPECT_FALSE(imported[i].stored->alreadyPresent);
        auto study = lib->get(imported[i].stored->id);
        ASSERT_TRUE(study);
        EXPECT_EQ(*lib->samples(study->summary.id), nights[i]) << paths[i];
        EXPECT_EQ(study->summary.sourceFile, paths[i]);
        EXPECT_EQ(study->summary.origin, StudyOrigin::Import);
        EXPECT_EQ(fieldBytes(study->summary.patient.name), "Patient " + std::to_string(nights[i][0].id));
    }
    const auto& broken = imported[nights.size()];
    ASSERT_FALSE(broken.stored);
    EXPECT_NE(broken.stored.error().text().find(dir.file("broken.dat")), std::string::npos)
        << broken.stored.error().text();
    const auto& copy = imported[nights.size() + 1];
    ASSERT_TRUE(copy.stored);
    EXPECT_TRUE(copy.stored->alreadyPresent);
    EXPECT_EQ(copy.stored->id, imported[2].stored->id);
    EXPECT_EQ(lib->list()->size(), nights.size());
}

TEST(StudyLibrary, ACancelledImportKeepsWhatItStoredAndSaysTheRestWasNot) {
    test::TempDir dir;
    auto lib = openOrFail(dir.file("lib"));
    ASSERT_TRUE(lib);
    std::vector<std::string> paths;
    for (int i = 0; i < 20; ++i) {
        paths.push_back(dir.file("n" + std::to_string(i) + ".dat"));
        ASSERT_TRUE(writeDataFile(paths.back(), 1, test::night(i + 1, 300), "T"));
    }
    std::size_t calls = 0;
    auto imported = importRecordingFiles(*lib, paths, {}, [&](std::size_t done, std::size_t total) {
        ++calls;
        EXPECT_EQ(total, paths.size());
        EXPECT_EQ(done, calls);
        return done < 5;
    });
    ASSERT_EQ(imported.size(), paths.size());
    EXPECT_EQ(calls, 5u);
    for (std::size_t i = 0; i < paths.size(); ++i) EXPECT_EQ(imported[i].stored.ok(), i < 5) << i;
    EXPECT_EQ(imported[7].stored.status(), Status::Cancelled);
    EXPECT_EQ(lib->list()->size(), 5u);
}

TEST(StudyLibrary, TheDefaultDirectoryIsUnderKestrovaHome) {
    const char* home = std::getenv("KESTROVA_HOME");
    ASSERT_NE(home, nullptr); // the hermetic runner sets it
    EXPECT_EQ(StudyLibrary::defaultDirectory(), std::string(home) + "/library");
}
