#include "files/DataFile.h"
#include "files/AtomicFile.h"
#include "files/PatientDatabase.h"
#include "files/SaveData.h"
#include "model/RecordingModel.h"
#include "model/SyntheticRecording.h"
#include "text/Translate.h"

#include "TestSupport.h"

#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kestrova;

namespace {
std::string header(std::uint8_t id, std::int32_t n) {
    std::string h(1, static_cast<char>(id));
    h.append(reinterpret_cast<const char*>(&n), 4);
    return h;
}
} // namespace

TEST(DataFile, EmptyRecordingWithDefaultTitleIs17Bytes) {
    test::TempDir dir;
    ASSERT_TRUE(writeDataFile(dir.file("e.dat"), 4, {}, "ReportTitle"));
    EXPECT_EQ(test::readFile(dir.file("e.dat")), header(4, 0) + "\x0bReportTitle");
}

TEST(DataFile, EverySampleFieldAndTheTitleRoundTrip) {
    test::TempDir dir;
    const auto samples = test::night(12, 600);
    ASSERT_TRUE(writeDataFile(dir.file("r.dat"), 12, samples, "Sleep lab 3"));
    EXPECT_EQ(test::fileSize(dir.file("r.dat")), 5 + 11 * 600 + 1 + 11);
    const auto r = readDataFile(dir.file("r.dat"));
    ASSERT_TRUE(r.ok()) << r.error().text();
    EXPECT_EQ(r->patientId, 12);
    EXPECT_EQ(r->samples, samples);
    EXPECT_EQ(r->title, "Sleep lab 3");
}

TEST(DataFile, SampleBytesAreTheNineFieldsThenAuxLowByteFirst) {
    SampleRecord s{9, 10, 5, 5, 8, 7, 6, 97, 63, 0x1A5};
    const std::string bytes = encodeDataFile(9, std::span(&s, 1), "");
    EXPECT_EQ(bytes.substr(5, 11), std::string("\x09\x0a\x05\x05\x08\x07\x06\x61\x3f\xa5\x01", 11));
}

TEST(DataFile, TitleLengthTakesItsThreeForms) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {{0, std::string(1, '\0')},
                          {254, "\xfe"},
                          {255, std::string("\xff\xff\x00", 3)},
                          {65533, "\xff\xfd\xff"},
                          {65534, std::string("\xff\xff\xff\xfe\xff\x00\x00", 7)},
                          {70000, std::string("\xff\xff\xff\x70\x11\x01\x00", 7)}};
    test::TempDir dir;
    for (const auto& c : cases) {
        const std::string title(c.length, 'T');
        const std::string encoded = encodeTitle(title);
        EXPECT_EQ(encoded.substr(0, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(encoded.size(), c.prefix.size() + c.length);
        ASSERT_TRUE(writeDataFile(dir.file("t.dat"), 1, {}, title));
        const auto r = readDataFile(dir.file("t.dat"));
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r->title, title);
    }
}

TEST(DataFile, WideTitlesAreReadAsText) {
    test::TempDir dir;
    // 0xFF 0xFFFE marks 16-bit characters; then the usual length prefix.
    std::string file = header(2, 0) + std::string("\xff\xfe\xff\x03", 4);
    for (char16_t c : std::u16string(u"Wé€")) file.append(reinterpret_cast<const char*>(&c), 2);
    test::writeFile(dir.file("w.dat"), file);
    const auto r = readDataFile(dir.file("w.dat"));
    ASSERT_TRUE(r.ok()) << r.error().text();
    EXPECT_EQ(r->title, "W\xc3\xa9\xe2\x82\xac");
}

TEST(DataFile, BadFilesAreRefusedWithTheirMessage) {
    test::TempDir dir;
    const std::string good = encodeDataFile(3, test::night(3, 10), "ReportTitle");
    const std::string path = dir.file("bad.dat");
    const std::string pastEnd = "Attempted to access " + path + " past its end.";

    for (std::size_t cut : {0ul, 3ul, 5ul + 11 * 4, good.size() - 1}) {
        test::writeFile(path, good.substr(0, cut));
        const auto r = readDataFile(path);
        EXPECT_FALSE(r.ok()) << cut;
        EXPECT_EQ(r.error().text(), pastEnd) << cut;
    }
    // A huge title length must not be believed.
    test::writeFile(path, header(3, 0) + std::string("\xff\xff\xff\xff\xff\xff\x7f", 7) + "x");
    EXPECT_EQ(readDataFile(path).error().text(), pastEnd);

    for (std::int32_t n : {-1, 518401}) {
        test::writeFile(path, header(3, n) + std::string(64, '\0'));
        const auto r = readDataFile(path);
        EXPECT_FALSE(r.ok());
        EXPECT_NE(r.error().text().find(std::to_string(n)), std::string::npos) << r.error().text();
    }
    EXPECT_EQ(readDataFile(dir.file("missing.dat")).error().text(),
              "can't open the file: " + dir.file("missing.dat") + ": No such file or directory");
    // Devices and FIFOs are refused before a byte is read: nothing hangs or exhausts memory.
    EXPECT_EQ(readDataFile("/dev/zero").error().text(), "can't open the file: /dev/zero: not a regular file");
    const std::string fifo = dir.file("fifo.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(readDataFile(fifo).ok());
}

TEST(DataFile, AFileFarLargerThanAnyRecordingIsRefusedUnread) {
    test::TempDir dir;
    const std::string path = dir.file("huge.dat");
    const std::string pastEnd = "Attempted to access " + path + " past its end.";
    // The most samples a recording holds, claimed by a file that cannot hold them.
    test::writeFile(path, header(3, 518400) + std::string(11 * 1000, '\0'));
    EXPECT_EQ(readDataFile(path).error().text(), pastEnd);

    // 40 GB of nothing (sparse: no disk is used), once with an honest-looking header and
    // once with a header of zeros that would read as an empty recording.
    constexpr off_t kSize = off_t{40} << 30;
    for (const std::string& start : {header(3, 518400), header(0, 0)}) {
        test::writeFile(path, start);
        {
            const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
            ASSERT_GE(fd, 0);
            ASSERT_EQ(::ftruncate(fd, kSize), 0);
            ::close(fd);
        }
        const auto r = readDataFile(path);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error().status, Status::TooLarge);
        const std::string text = r.error().text();
        EXPECT_EQ(text.rfind("The file " + path + " is not a recording this program can open: it is " +
                                 std::to_string(kSize) + " bytes long (a recording is at most ",
                             0),
                  0u)
            << text;
    }
    // The largest recording itself still opens.
    std::vector<SampleRecord> most(518400, test::night(3, 1).front());
    test::writeFile(path, encodeDataFile(3, most, "T"));
    const auto largest = readDataFile(path);
    ASSERT_TRUE(largest.ok()) << largest.error().text();
    EXPECT_EQ(largest->samples.size(), most.size());
}

namespace {
// A language that words the reader's refusals its own way, its values reordered.
std::string reordering(const char* context, const char* source) {
    const std::string_view c = context, s = source;
    if (c != "DataFile") return {};
    if (s.starts_with("Attempted to access")) return "Zugriff hinter das Ende von %1.";
    if (s.find("declares %2 samples") != std::string_view::npos) return "%2 Werte (erlaubt 0 bis %3): %1";
    return {};
}
} // namespace

TEST(DataFile, RefusalsAreWordedInTheChosenLanguage) {
    test::TempDir dir;
    const std::string path = dir.file("bad.dat");
    text::setTranslator(reordering);
    test::writeFile(path, header(3, 0).substr(0, 3));
    const std::string pastEnd = readDataFile(path).error().text();
    test::writeFile(path, header(3, 518401) + std::string(64, '\0'));
    const std::string declared = readDataFile(path).error().text();
    text::setTranslator(nullptr);
    EXPECT_EQ(pastEnd, "Zugriff hinter das Ende von " + path + ".");
    EXPECT_EQ(declared, "518401 Werte (erlaubt 0 bis 518400): " + path);
    // Without a translator the classic text is back.
    EXPECT_EQ(readDataFile(path).error().text().rfind("The file " + path + " is not a recording", 0), 0u);
}

TEST(DataFile, OpeningAFailedFileLeavesTheCurrentRecordingAlone) {
    test::TempDir dir;
    const PatientDatabase db(dir.path() + "/");
    RecordingModel m;
    for (const auto& s : test::night(5, 20)) m.appendSample(5, s, 0);
    m.makeCurrent(5);
    m.setReportTitle("Mine");
    const std::string good = encodeDataFile(8, test::night(8, 30), "Theirs");
    test::writeFile(dir.file("cut.dat"), good.substr(0, good.size() - 2));
    EXPECT_FALSE(openSavedData(dir.file("cut.dat"), m, db));
    EXPECT_EQ(m.currentCount(), 20);
    EXPECT_EQ(m.currentPatient().id, 5);
    EXPECT_EQ(m.reportTitle(), "Mine");
}

TEST(DataFile, OpeningAFileBringsBackItsPatientRecord) {
    test::TempDir dir;
    const PatientDatabase db(dir.path() + "/");
    PatientRecord p;
    p.id = 8;
    p.age = 52;
    ASSERT_TRUE(db.storePatientRecord(8, p));
    ASSERT_TRUE(writeDataFile(dir.file("r.dat"), 8, test::night(8, 30), "Theirs"));
    RecordingModel m;
    ASSERT_TRUE(openSavedData(dir.file("r.dat"), m, db)) << "not opened";
    EXPECT_EQ(m.currentCount(), 30);
    EXPECT_EQ(m.currentPatient().id, 8);
    EXPECT_EQ(m.currentPatient().age, 52);
    EXPECT_EQ(m.reportTitle(), "Theirs");

    // ID byte 0: opens, and the patient record keeps ID 0.
    ASSERT_TRUE(writeDataFile(dir.file("zero.dat"), 0, test::night(1, 3), "t"));
    ASSERT_TRUE(openSavedData(dir.file("zero.dat"), m, db));
    EXPECT_EQ(m.currentPatient().id, 0);
}

TEST(DataFile, SavingStoresThePatientOnlyForValidIds) {
    test::TempDir dir;
    const PatientDatabase db(dir.path() + "/");
    RecordingModel m;
    auto samples = test::night(200, 5);
    for (auto& s : samples) s.id = 200;
    m.replaceCurrent(std::vector(samples));
    EXPECT_EQ(saveCurrentRecording(dir.file("a.dat"), m).value(), 200); // an ID without a slot: the caller says so
    EXPECT_EQ(test::fileSize(dir.file("a.dat")), 5 + 55 + 12);          // written all the same

    for (auto& s : samples) s.id = 6;
    m.replaceCurrent(std::vector(samples));
    m.setCurrentPatient(PatientRecord{.id = 6, .age = 33});
    EXPECT_EQ(saveCurrentRecording(dir.file("b.dat"), m).value(), 6);
    EXPECT_TRUE(finishSaveData(m, db));
    EXPECT_TRUE(m.patientInfoSaved(6));
    PatientRecord back;
    db.loadPatientRecord(5, back);
    EXPECT_EQ(back.age, 33);

    EXPECT_EQ(saveCurrentRecording(dir.path() + "/no/such/dir/c.dat", m).status(), Status::NotFound);
}

TEST(DataFile, AFailedSaveKeepsThePreviousFile) {
    test::TempDir dir;
    const std::string path = dir.file("keep.dat");
    test::writeFile(path, "previous");
    {
        AtomicFile f(path);
        ASSERT_TRUE(f.isOpen());
        f.write("half of a new fi");
        // abandoned before commit, as when a write fails midway
    }
    EXPECT_EQ(test::readFile(path), "previous");
    // Only the target remains: the temporary file is gone.
    EXPECT_EQ(test::runCommand("ls " + dir.path()).out, "keep.dat\n");
}
