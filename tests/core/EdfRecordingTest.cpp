// EDF+ recordings: written by EDFlib and read back by it, with every annotation; other
// EDF files' signals found by their labels and reduced to one sample per second.
#include "files/EdfRecording.h"
#include "analysis/ClinicalMetrics.h"
#include "files/CsvRecording.h"
#include "files/DataFile.h"
#include "files/PatientDatabase.h"
#include "files/SaveData.h"
#include "model/RecordingModel.h"
#include "model/RecordingTime.h"
#include "model/SyntheticRecording.h"

#include "TestSupport.h"

#include <cstring>
#include <edflib.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace kestrova;

TEST(EdfRecording, RoundTripWithAnnotationsEdflibReadsBack) {
    test::TempDir dir;
    auto night = test::night(3, 4000);
    for (int i = 2000; i < 2005; ++i) night[static_cast<std::size_t>(i)].spo2 = 0; // an artefact run of 5 s
    night[3000].spo2 = 127;
    // The device's clock set back by an hour at sample 3500: the samples stay in order.
    for (std::size_t i = 3500; i < night.size(); ++i) setStamp(night[i], stampSeconds(night[i]) - 3600 + 946684800);
    PatientRecord patient;
    patient.id = 3;
    std::strcpy(patient.name, "Jos\xc3\xa9 \xc3\x85sa"); // UTF-8
    patient.gender = 1;
    ASSERT_TRUE(writeEdfRecording(dir.file("n.edf"), night, patient, "").ok());

    // EDFlib's own check on reading, and every annotation with its onset and duration.
    edf_hdr_struct hdr{};
    ASSERT_EQ(edfopen_file_readonly(dir.file("n.edf").c_str(), &hdr, EDFLIB_READ_ALL_ANNOTATIONS), 0);
    EXPECT_EQ(hdr.filetype, EDFLIB_FILETYPE_EDFPLUS);
    EXPECT_EQ(hdr.edfsignals, 2);
    // Records of 60 s, the last one padded.
    EXPECT_EQ(hdr.datarecords_in_file, (4000 + 59) / 60);
    EXPECT_EQ(hdr.datarecord_duration, 60 * EDFLIB_TIME_DIMENSION);
    EXPECT_STREQ(hdr.patientcode, "3");
    EXPECT_STREQ(hdr.patient_name, "Jose Asa");
    EXPECT_STREQ(hdr.gender, "Female");
    EXPECT_NE(std::string(hdr.equipment).find("Kestrova"), std::string::npos);
    std::vector<std::pair<std::string, std::pair<long long, long long>>> annotations;
    for (long long a = 0; a < hdr.annotations_in_file; ++a) {
        edf_annotation_struct an{};
        ASSERT_EQ(edf_get_annotation(hdr.handle, static_cast<int>(a), &an), 0);
        annotations.push_back({an.annotation, {an.onset, an.duration_l}});
    }
    edfclose_file(hdr.handle);
    const auto events = findDesaturations(night, 3);
    ASSERT_FALSE(events.empty());
    std::size_t desaturations = 0;
    bool artefact = false, jump = false;
    for (const auto& [text, time] : annotations) {
        if (text.rfind("Desaturation -", 0) == 0) {
            const auto& e = events[desaturations++];
            EXPECT_EQ(text, "Desaturation -" + std::to_string(e.depth()) + "%");
            EXPECT_EQ(time.first, e.start * EDFLIB_TIME_DIMENSION);
            EXPECT_EQ(time.second, e.duration() * EDFLIB_TIME_DIMENSION);
        }
        if (text == "Artefact" && time.first == 2000 * EDFLIB_TIME_DIMENSION) {
            artefact = true;
            EXPECT_EQ(time.second, 5 * EDFLIB_TIME_DIMENSION);
        }
        if (text == "Clock set back by 3600 s") {
            jump = true;
            EXPECT_EQ(time.first, 3500 * EDFLIB_TIME_DIMENSION);
        }
    }
    EXPECT_EQ(desaturations, events.size());
    EXPECT_TRUE(artefact);
    EXPECT_TRUE(jump);

    // Opened like a data file: the same values (SpO2 above 127 written as 127), the
    // patient ID from the patient code, the title from the name.
    RecordingModel model;
    ASSERT_TRUE(openSavedData(dir.file("n.edf"), model, PatientDatabase(dir.path() + "/"))) << "not opened";
    ASSERT_EQ(model.currentCount(), 4000);
    EXPECT_EQ(model.currentPatient().id, 3);
    EXPECT_EQ(model.reportTitle(), "n");
    for (std::size_t i = 0; i < night.size(); ++i) {
        const auto& a = night[i];
        const auto& b = model.currentSamples()[i];
        ASSERT_TRUE(std::min<int>(a.spo2, 127) == b.spo2 && a.pulseRate == b.pulseRate && a.hour == b.hour &&
                    a.minute == b.minute && a.second == b.second && a.day == b.day)
            << i;
    }
}

TEST(EdfRecording, OtherFilesAreReducedToSecondsOrRefused) {
    test::TempDir dir;
    // A 4 Hz SpO2 and a 2 Hz pulse over 3 s, labelled as other software labels them.
    auto write = [&](const std::string& name, int spo2Rate, const char* spo2Label, const char* code) {
        const int h = edfopen_file_writeonly(dir.file(name).c_str(), EDFLIB_FILETYPE_EDFPLUS, 2);
        EXPECT_GE(h, 0);
        const int rates[] = {spo2Rate, 2};
        const char* labels[] = {spo2Label, "HR"};
        for (int s = 0; s < 2; ++s) {
            edf_set_samplefrequency(h, s, rates[s]);
            edf_set_physical_minimum(h, s, 0);
            edf_set_physical_maximum(h, s, 300);
            edf_set_digital_minimum(h, s, 0);
            edf_set_digital_maximum(h, s, 3000);
            edf_set_label(h, s, labels[s]);
        }
        edf_set_startdatetime(h, 2024, 12, 31, 23, 59, 59);
        edf_set_patientcode(h, code);
        for (int second = 0; second < 3; ++second) {
            std::vector<double> spo2(static_cast<std::size_t>(spo2Rate));
            for (int k = 0; k < spo2Rate; ++k) spo2[static_cast<std::size_t>(k)] = 90 + second + k * 0.2;
            if (second == 2) spo2.back() = 0; // a dropout at the end of a second
            double pulse[2] = {60.4 + second, 61.6 + second};
            edfwrite_physical_samples(h, spo2.data());
            edfwrite_physical_samples(h, pulse);
        }
        edfclose_file(h);
    };
    write("fast.edf", 4, "SaO2", "patient 7");
    const auto r = readEdfRecording(dir.file("fast.edf"));
    ASSERT_TRUE(r.ok()) << r.error().text();
    ASSERT_EQ(r->samples.size(), 3u);
    // Each second is the median of its valid readings: 90, 90.2, 90.4, 90.6 give 90.3;
    // one invalid reading does not make a second artefact.
    EXPECT_EQ(r->samples[0].spo2, 90);
    EXPECT_EQ(r->samples[0].pulseRate, 61); // of 60.4 and 61.6
    EXPECT_EQ(r->samples[2].spo2, 92);      // of 92, 92.2, 92.4 and a 0
    EXPECT_EQ(r->sourceInterval, 0.25);
    EXPECT_EQ(r->samples[1].year, 25); // across the new year
    EXPECT_EQ(r->samples[1].month, 1);
    EXPECT_EQ(r->samples[1].hour, 0);
    EXPECT_EQ(r->patientId, 0); // "patient 7" is no numeric code

    write("nolabel.edf", 1, "EEG Fp1", "7");
    EXPECT_EQ(readEdfRecording(dir.file("nolabel.edf")).error().text(),
              dir.file("nolabel.edf") + ": no SpO2 (or SaO2) signal");
    test::writeFile(dir.file("junk.edf"), std::string(300, 'x'));
    EXPECT_NE(readEdfRecording(dir.file("junk.edf")).error().text().find("not an EDF"), std::string::npos);
}

namespace {
std::string headerField(const std::string& bytes, std::size_t at, std::size_t width) {
    std::string f = bytes.substr(at, width);
    while (!f.empty() && f.back() == ' ') f.pop_back();
    return f;
}

// A plain EDF header of two 1-sample signals ("SpO2", "HR") with the given fields.
std::string plainHeader(const std::string& date, const std::string& records, const std::string& duration) {
    std::string h;
    auto put = [&](const std::string& v, std::size_t w) { h += v + std::string(w - v.size(), ' '); };
    put("0", 8);
    put("X", 80);
    put("X", 80);
    put(date, 8);
    put("22.00.00", 8);
    put("768", 8);
    put("", 44);
    put(records, 8);
    put(duration, 8);
    put("2", 4);
    for (const char* l : {"SpO2", "HR"}) put(l, 16);
    for (int s = 0; s < 2; ++s) put("", 80);
    for (int s = 0; s < 2; ++s) put("", 8);
    for (int s = 0; s < 2; ++s) put("0", 8);
    for (int s = 0; s < 2; ++s) put("255", 8);
    for (int s = 0; s < 2; ++s) put("0", 8);
    for (int s = 0; s < 2; ++s) put("255", 8);
    for (int s = 0; s < 2; ++s) put("", 80);
    for (int s = 0; s < 2; ++s) put("1", 8);
    for (int s = 0; s < 2; ++s) put("", 32);
    return h;
}

bool sparseFile(const std::string& path, const std::string& head, long long size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) return false;
    const bool ok =
        ::write(fd, head.data(), head.size()) == static_cast<ssize_t>(head.size()) && ::ftruncate(fd, size) == 0;
    ::close(fd);
    return ok;
}
} // namespace

TEST(EdfRecording, HeaderFieldsKeepIdTitleAndTheYearOutsideTheTwoDigitRange) {
    auto night = test::night(3, 150);
    for (auto& s : night) s.year = 90; // 2090
    PatientRecord patient;
    patient.id = 200;
    std::strcpy(patient.name, "Ana Lima");
    patient.gender = 1;
    patient.age = 40;
    const std::string bytes = edfRecordingBytes(night, patient, "Night of June 19");
    EXPECT_EQ(headerField(bytes, 0, 8), "0");
    EXPECT_EQ(headerField(bytes, 8, 80), "200 F X Ana_Lima");
    char date[32];
    static const char* months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    std::snprintf(date, sizeof date, "%02d-%s-2090", night[0].day, months[night[0].month - 1]);
    const std::string recording = headerField(bytes, 88, 80);
    EXPECT_EQ(recording.substr(0, 35), std::string("Startdate ") + date + " X X Kestrova_") << recording;
    EXPECT_TRUE(recording.ends_with(" Night of June 19")) << recording;
    std::snprintf(date, sizeof date, "%02d.%02d.yy", night[0].day, night[0].month);
    EXPECT_EQ(headerField(bytes, 168, 8), date); // after 2084 only the recording field has the year
    EXPECT_EQ(headerField(bytes, 192, 44), "EDF+C");
    EXPECT_EQ(headerField(bytes, 236, 8), "3"); // 150 s: two records and a padded one
    EXPECT_EQ(headerField(bytes, 244, 8), "60");
    EXPECT_EQ(headerField(bytes, 252, 4), "3");

    test::TempDir dir;
    test::writeFile(dir.file("n.edf"), bytes);
    const auto r = readEdfRecording(dir.file("n.edf"));
    ASSERT_TRUE(r.ok()) << r.error().text();
    EXPECT_EQ(r->patientId, 200);
    EXPECT_EQ(r->patientName, "Ana Lima");
    EXPECT_EQ(r->title, "Night of June 19");
    ASSERT_EQ(r->samples.size(), night.size()); // the padding is no part of it
    for (std::size_t i = 0; i < night.size(); ++i)
        ASSERT_TRUE(stampSeconds(r->samples[i]) == stampSeconds(night[i]) && r->samples[i].spo2 == night[i].spo2 &&
                    r->samples[i].pulseRate == night[i].pulseRate)
            << i;

    // A title that is no plain ASCII or too long for the field is kept in an annotation.
    const std::string wide = "Nacht vom 19. Juni \xc3\xbc" + std::string(60, 'x');
    test::writeFile(dir.file("w.edf"), edfRecordingBytes(night, patient, wide));
    EXPECT_EQ(readEdfRecording(dir.file("w.edf"))->title, wide);
}

TEST(EdfRecording, YearsFollowTheClippingRuleAndTheRecordingField) {
    test::TempDir dir;
    std::string body(2 * 2, '\0');
    body[0] = 97, body[2] = 60;
    test::writeFile(dir.file("99.edf"), plainHeader("31.12.99", "2", "1") + body + body);
    EXPECT_EQ(readEdfRecording(dir.file("99.edf")).error().text(),
              dir.file("99.edf") + ": the recording starts in 1999; Kestrova keeps recordings from 2000 to 2255");
    test::writeFile(dir.file("84.edf"), plainHeader("31.12.84", "2", "1") + body + body);
    const auto r84 = readEdfRecording(dir.file("84.edf"));
    ASSERT_TRUE(r84.ok()) << r84.error().text();
    EXPECT_EQ(r84->samples[0].year, 84);
    EXPECT_EQ(r84->samples[1].spo2, 97);
    EXPECT_EQ(r84->layout.substr(0, 4), "EDF,");
    test::writeFile(dir.file("yy.edf"), plainHeader("31.12.yy", "2", "1") + body + body);
    EXPECT_NE(readEdfRecording(dir.file("yy.edf")).error().text().find("\"yy\""), std::string::npos);
}

// What the header promises is checked before the data is read: a sparse file claiming
// 99 999 999 records of 0.1 ms, one of 40 GB, and one shorter than its header says.
TEST(EdfRecording, HostileHeadersAreRefusedBeforeAnyDataIsRead) {
    test::TempDir dir;
    const std::string head = plainHeader("19.06.26", "99999999", "0.0001");
    ASSERT_TRUE(sparseFile(dir.file("sparse.edf"), head, 768 + 99999999LL * 4));
    EdfReadStats stats;
    auto r = readEdfRecording(dir.file("sparse.edf"), &stats);
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.error().text().find("holds 99999999 samples; Kestrova reads at most"), std::string::npos)
        << r.error().text();
    EXPECT_EQ(stats.bytesRead, 768);

    if (sparseFile(dir.file("huge.edf"), plainHeader("19.06.26", "-1", "1"), 40LL << 30)) {
        r = readEdfRecording(dir.file("huge.edf"), &stats);
        ASSERT_FALSE(r.ok());
        EXPECT_NE(r.error().text().find("is not a recording this program can open: it holds"), std::string::npos)
            << r.error().text();
        EXPECT_EQ(stats.bytesRead, 768);
    }

    test::writeFile(dir.file("cut.edf"), plainHeader("19.06.26", "1000", "1") + std::string(12 * 4, '\x60'));
    r = readEdfRecording(dir.file("cut.edf"), &stats);
    EXPECT_EQ(r.error().text(), dir.file("cut.edf") + ": the header says 1000 data records, the file holds 12");
    EXPECT_EQ(stats.bytesRead, 768);
}

namespace {
// A night with its clock as `change` leaves it, through .dat, .csv, .edf and back to .dat.
void expectRoundTrip(const char* what, std::vector<SampleRecord> night) {
    SCOPED_TRACE(what);
    test::TempDir dir;
    const PatientDatabase db(dir.path() + "/");
    ASSERT_TRUE(writeDataFile(dir.file("a.dat"), night[0].id, night, "Night of the 19th").ok());
    RecordingModel dat, csv, edf;
    ASSERT_TRUE(openSavedData(dir.file("a.dat"), dat, db));
    ASSERT_TRUE(writeCsvRecording(dir.file("b.csv"), dat.currentSamples(), dat.reportTitle()).ok());
    ASSERT_TRUE(openSavedData(dir.file("b.csv"), csv, db));
    ASSERT_TRUE(
        writeEdfRecording(dir.file("c.edf"), csv.currentSamples(), csv.currentPatient(), csv.reportTitle()).ok());
    ASSERT_TRUE(openSavedData(dir.file("c.edf"), edf, db));
    ASSERT_TRUE(saveCurrentRecording(dir.file("d.dat"), edf).ok());
    const auto back = readDataFile(dir.file("d.dat"));
    ASSERT_TRUE(back.ok()) << back.error().text();
    EXPECT_EQ(back->patientId, night[0].id);
    EXPECT_EQ(back->title, "Night of the 19th");
    ASSERT_EQ(back->samples.size(), night.size());
    for (std::size_t i = 0; i < night.size(); ++i) {
        const auto &a = night[i], &b = back->samples[i];
        ASSERT_TRUE(a.id == b.id && stampSeconds(a) == stampSeconds(b) && a.spo2 == b.spo2 &&
                    a.pulseRate == b.pulseRate)
            << i;
    }
    const ClinicalMetrics m1 = computeClinicalMetrics(night), m2 = computeClinicalMetrics(back->samples);
    EXPECT_EQ(m1.odi3.events, m2.odi3.events);
    EXPECT_EQ(m1.odi4.events, m2.odi4.events);
    EXPECT_EQ(std::vector<double>({m1.odi3.perHour, m1.t90.percent, m1.spo2.mean, m1.pulse.mean,
                                   m1.desaturationAreaPerHour, static_cast<double>(m1.validSeconds)}),
              std::vector<double>({m2.odi3.perHour, m2.t90.percent, m2.spo2.mean, m2.pulse.mean,
                                   m2.desaturationAreaPerHour, static_cast<double>(m2.validSeconds)}));
}

std::vector<SampleRecord> shifted(std::vector<SampleRecord> night, std::size_t from, std::int64_t by) {
    for (std::size_t i = from; i < night.size(); ++i) setStamp(night[i], stampSeconds(night[i]) + by + 946684800);
    return night;
}
} // namespace

TEST(EdfRecording, DatCsvEdfDatKeepsSamplesTimesIdTitleAndFigures) {
    SyntheticNight plan;
    plan.id = 7;
    plan.seconds = 3 * 3600;
    plan.desaturationsPerHour = 15;
    const auto night = makeSyntheticNight(plan);
    expectRoundTrip("as recorded", night);
    expectRoundTrip("clock set forward by 20 minutes", shifted(night, 5000, 1200));
    expectRoundTrip("clock set forward by 7 s", shifted(night, 5000, 7));
    expectRoundTrip("clock set back by an hour", shifted(night, 5000, -3600));
    auto late = night;
    for (auto& s : late) s.year = 90;
    expectRoundTrip("starting in 2090", late);
}

TEST(EdfRecording, ForwardJumpsAreDiscontinuousAndTheFileStaysSmall) {
    SyntheticNight plan;
    plan.seconds = RecordingModel::kCurrentCapacity;
    const auto night = makeSyntheticNight(plan);
    PatientRecord patient;
    const std::string bytes = edfRecordingBytes(night, patient, "t");
    const std::size_t header = 256 * 4, sampleBytes = night.size() * 2 * 2;
    EXPECT_EQ(headerField(bytes, 192, 44), "EDF+C");
    EXPECT_LE(static_cast<double>(bytes.size()), 1.2 * static_cast<double>(sampleBytes) + header);
    const std::string jumped = edfRecordingBytes(shifted(night, 1000, 90), patient, "t");
    EXPECT_EQ(headerField(jumped, 192, 44), "EDF+D");
    // EDFlib knows the file for what it is (it reads no discontinuous files).
    test::TempDir dir;
    test::writeFile(dir.file("d.edf"), jumped);
    edf_hdr_struct hdr{};
    EXPECT_EQ(edfopen_file_readonly(dir.file("d.edf").c_str(), &hdr, EDFLIB_READ_ALL_ANNOTATIONS), -1);
    EXPECT_EQ(hdr.filetype, EDFLIB_FILE_IS_DISCONTINUOUS);
}
