#include "model/RecordingModel.h"
#include "model/SyntheticRecording.h"

#include <gtest/gtest.h>

using namespace kestrova;

namespace {
SampleRecord sample(int id, int second, int spo2 = 95) {
    SampleRecord s;
    s.id = static_cast<std::uint8_t>(id);
    s.year = 10;
    s.month = 5;
    s.day = 5;
    s.hour = 8;
    s.minute = 7;
    s.second = static_cast<std::uint8_t>(second);
    s.spo2 = static_cast<std::uint8_t>(spo2);
    s.pulseRate = 63;
    s.aux = 0x1A5;
    return s;
}
} // namespace

TEST(RecordingModel, OnlyIdsThatReceivedSamplesHoldData) {
    RecordingModel m;
    m.appendSample(3, sample(3, 0), 4192);
    m.appendSample(9, sample(9, 0), 4192);
    m.appendSample(3, sample(3, 1), 4192);
    for (int id = 1; id <= 128; ++id) {
        if (id == 3 || id == 9) continue;
        EXPECT_EQ(m.idSamples(id), nullptr) << id;
        EXPECT_EQ(m.idSampleCount(id), 0) << id;
    }
    EXPECT_EQ(m.idSampleCount(3), 2);
    EXPECT_EQ(m.idSampleCount(9), 1);
    EXPECT_EQ(m.idSamples(3)[1], sample(3, 1));
}

TEST(RecordingModel, IdsOutsideTheTableAreNotStored) {
    RecordingModel m;
    EXPECT_EQ(m.appendSample(0, sample(0, 0), 8), RecordingModel::AppendResult::IdOutOfRange);
    EXPECT_EQ(m.appendSample(129, sample(1, 0), 8), RecordingModel::AppendResult::IdOutOfRange);
    for (int id = 0; id <= 130; ++id) EXPECT_EQ(m.idSampleCount(id), 0);
    EXPECT_FALSE(m.makeCurrent(0));
}

TEST(RecordingModel, MakeCurrentReversesForNewestFirstDeviceTypes) {
    for (int type : {1, 2, 3, 4, 11, 30}) {
        RecordingModel m;
        m.setDeviceType(type);
        for (int k = 0; k < 3; ++k) m.appendSample(5, sample(5, k), 16);
        ASSERT_TRUE(m.makeCurrent(5));
        ASSERT_EQ(m.currentCount(), 3);
        EXPECT_EQ(m.currentPatient().id, 5);
        const bool reversed = type == 1 || type == 3 || type == 4 || type == 11;
        for (int k = 0; k < 3; ++k) EXPECT_EQ(m.currentSamples()[k].second, reversed ? 2 - k : k) << "type " << type;
    }
}

TEST(RecordingModel, ClearAllRecordingsEmptiesEverythingButTheTitle) {
    RecordingModel m;
    m.appendSample(4, sample(4, 0), 16);
    m.makeCurrent(4);
    m.setCurrentPatient(PatientRecord{.id = 4, .age = 40});
    m.setPatientInfoSaved(4);
    m.setReportTitle("Night of 5 May");
    m.clearAllRecordings();
    EXPECT_EQ(m.currentCount(), 0);
    EXPECT_EQ(m.currentPatient().id, 0);
    EXPECT_EQ(m.currentPatient().age, 0);
    EXPECT_EQ(m.reportTitle(), "Night of 5 May");
    for (int id = 1; id <= 128; ++id) {
        EXPECT_EQ(m.idSamples(id), nullptr);
        EXPECT_EQ(m.idSampleCount(id), 0);
        EXPECT_FALSE(m.patientInfoSaved(id));
    }
}

TEST(RecordingModel, CapacityIsFixedByTheFirstFrameAndExcessIsCountedAsLost) {
    RecordingModel m;
    m.appendSample(2, sample(2, 0), 4192);
    EXPECT_EQ(m.idCapacity(2), 259200 - 4192 / 8);
    m.appendSample(2, sample(2, 1), 8); // later frames do not change it
    EXPECT_EQ(m.idCapacity(2), 259200 - 4192 / 8);

    // A payload so large that the formula gives nothing: 256 records.
    m.appendSample(6, sample(6, 0), 259200 * 8);
    ASSERT_EQ(m.idCapacity(6), 256);
    for (int k = 1; k < 300; ++k) m.appendSample(6, sample(6, k % 60), 8);
    EXPECT_EQ(m.idSampleCount(6), 256);
    EXPECT_EQ(m.idLostSamples(6), 300 - 256);
    EXPECT_EQ(m.totalLostSamples(), 300 - 256);
}

TEST(RecordingModel, AFullIdFitsTheCurrentRecording) {
    RecordingModel m;
    const SampleRecord s = sample(1, 0);
    for (int k = 0; k < RecordingModel::kIdCapacity; ++k) m.appendSample(1, s, 0);
    EXPECT_EQ(m.appendSample(1, s, 0), RecordingModel::AppendResult::CapacityReached);
    ASSERT_TRUE(m.makeCurrent(1));
    EXPECT_EQ(m.currentCount(), RecordingModel::kIdCapacity);
}

TEST(RecordingModel, ReplaceCurrentRefusesMoreThanTheCapacity) {
    RecordingModel m;
    m.appendSample(1, sample(1, 0), 0);
    m.makeCurrent(1);
    std::vector<SampleRecord> tooMany(RecordingModel::kCurrentCapacity + 1);
    EXPECT_FALSE(m.replaceCurrent(std::move(tooMany)));
    EXPECT_EQ(m.currentCount(), 1);
}

TEST(SyntheticRecording, TimestampsAdvanceAcrossMonthAndYearEnds) {
    SampleRecord s = sample(1, 59);
    s.year = 23;
    s.month = 12;
    s.day = 31;
    s.hour = 23;
    s.minute = 59;
    advanceOneSecond(s);
    EXPECT_EQ((std::array<int, 6>{s.year, s.month, s.day, s.hour, s.minute, s.second}),
              (std::array<int, 6>{24, 1, 1, 0, 0, 0}));
    s.month = 2;
    s.day = 28;
    s.hour = 23;
    s.minute = 59;
    s.second = 59; // 2024 is a leap year
    advanceOneSecond(s);
    EXPECT_EQ(s.day, 29);
}

TEST(SyntheticRecording, NightsAreDeterministicPlausibleAndDipping) {
    SyntheticNight night;
    night.id = 8;
    night.seconds = 3600;
    const auto a = makeSyntheticNight(night);
    const auto b = makeSyntheticNight(night);
    ASSERT_EQ(a.size(), 3600u);
    EXPECT_EQ(a, b);
    int minSpo2 = 100;
    for (const auto& s : a) {
        EXPECT_EQ(s.id, 8);
        EXPECT_LE(s.spo2, 100);
        EXPECT_LE(s.aux, 511);
        minSpo2 = std::min<int>(minSpo2, s.spo2);
    }
    EXPECT_LT(minSpo2, 92); // at least one real desaturation
}
