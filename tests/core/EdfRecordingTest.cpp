// EDF+ recordings: written by EDFlib and read back by it, with every annotation; other
// EDF files' signals found by their labels and reduced to one sample per second.
#include "files/EdfRecording.h"
#include "analysis/ClinicalMetrics.h"
#include "files/DataFile.h"
#include "files/PatientDatabase.h"
#include "files/SaveData.h"
#include "model/RecordingModel.h"

#include "TestSupport.h"

#include <cstring>
#include <edflib.h>
#include <gtest/gtest.h>

using namespace kestrova;

TEST(EdfRecording, RoundTripWithAnnotationsEdflibReadsBack) {
    test::TempDir dir;
    auto night = test::night(3, 4000);
    for (int i = 2000; i < 2005; ++i) night[static_cast<std::size_t>(i)].spo2 = 0; // an artefact run of 5 s
    night[3000].spo2 = 127;
    // A jump in the clock at sample 3500 (the device's clock was set).
    for (std::size_t i = 3500; i < night.size(); ++i)
        night[i].hour = static_cast<std::uint8_t>((night[i].hour + 1) % 24);
    PatientRecord patient;
    patient.id = 3;
    std::strcpy(patient.name, "Jos\xc3\xa9 \xc3\x85sa"); // UTF-8
    patient.gender = 1;
    ASSERT_TRUE(writeEdfRecording(dir.file("n.edf"), night, patient).ok());

    // EDFlib's own check on reading, and every annotation with its onset and duration.
    edf_hdr_struct hdr{};
    ASSERT_EQ(edfopen_file_readonly(dir.file("n.edf").c_str(), &hdr, EDFLIB_READ_ALL_ANNOTATIONS), 0);
    EXPECT_EQ(hdr.filetype, EDFLIB_FILETYPE_EDFPLUS);
    EXPECT_EQ(hdr.edfsignals, 2);
    EXPECT_EQ(hdr.datarecords_in_file, 4000);
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
        if (text == "Time discontinuity") {
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
    for (std::size_t i = 0; i < 3500; ++i) {
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
