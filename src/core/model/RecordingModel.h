// The program's in-memory store of readings: one sample array per patient ID, filled
// by a download, and the single current recording that every view, export and file
// works on, with its patient record.
//
// Threading: during a download exactly one worker thread calls appendSample() while the
// UI thread leaves the per-ID store alone; the UI reads it only once the download has
// ended or been stopped. Everything else is UI-thread only. No lock is taken.
#pragma once

#include "model/PatientId.h"
#include "model/PatientRecord.h"
#include "model/SampleRecord.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kestrova {

class RecordingModel {
public:
    static constexpr int kIdSlots = patient_id::kLastSlot; // IDs 1..128
    static constexpr std::int32_t kCurrentCapacity = 518400;
    static constexpr std::int32_t kIdCapacity = 259200; // 72 hours at one sample per second
    static constexpr std::int32_t kMinIdCapacity = 256;
    static constexpr const char* kDefaultReportTitle = "ReportTitle";

    enum class AppendResult { Stored, IdOutOfRange, CapacityReached, OutOfMemory };

    // The one program-wide model. Tests make their own instances.
    static RecordingModel& instance();

    RecordingModel();

    // Empties everything: per-ID arrays, counts, flags, the current recording and
    // patient. The report title survives.
    void clearAllRecordings();

    // Appends one decoded sample to its ID's array. The array's capacity is fixed by
    // the payload length of the frame that carried the ID's first sample:
    // kIdCapacity - payloadLength/8, or kMinIdCapacity when that is not positive.
    // Samples beyond the capacity are counted as lost, never stored.
    AppendResult appendSample(int id, const SampleRecord& record, int framePayloadLength);

    // Copies the samples of `id` into the current recording (reversed for the device
    // types that store newest first) and sets the current patient's id.
    // Returns false for an ID outside 1..128; nothing changes then.
    bool makeCurrent(int id);

    // Replaces the current recording wholesale (a data file that was read completely).
    // Refuses (returns false, changes nothing) more than kCurrentCapacity samples.
    bool replaceCurrent(std::vector<SampleRecord>&& samples);

    // Per-ID store, IDs 1..128; other IDs read as empty.
    const SampleRecord* idSamples(int id) const;
    std::int32_t idSampleCount(int id) const;
    std::int32_t idCapacity(int id) const;    // 0 until the ID's first sample
    std::int64_t idLostSamples(int id) const; // samples refused at the capacity
    std::int64_t totalLostSamples() const;
    // The ID of the sample appended last (0 before any): the one a broken download
    // was receiving.
    int lastAppendedId() const { return m_lastAppendedId; }
    bool patientInfoSaved(int id) const;
    void setPatientInfoSaved(int id);

    // Current recording, in chronological order.
    std::span<const SampleRecord> currentSamples() const { return m_current; }
    std::int32_t currentCount() const { return static_cast<std::int32_t>(m_current.size()); }

    // The current recording's patient, title (stored bytes, as saved in data files)
    // and the device type of the identification reply it was downloaded after. In the
    // GUI only the recording document changes them, and announces it.
    const PatientRecord& currentPatient() const { return m_currentPatient; }
    void setCurrentPatient(const PatientRecord& patient) { m_currentPatient = patient; }
    const std::string& reportTitle() const { return m_reportTitle; }
    void setReportTitle(std::string title) { m_reportTitle = std::move(title); }
    std::int32_t deviceType() const { return m_deviceType; }
    void setDeviceType(std::int32_t type) { m_deviceType = type; }

    // Device types whose samples arrive newest first.
    static bool storesNewestFirst(std::int32_t deviceType);

private:
    struct IdSlot {
        std::vector<SampleRecord> samples;
        std::int32_t capacity = 0;
        std::int64_t lost = 0;
        std::int32_t patientInfoSaved = 0;
    };
    static bool validId(int id) { return patient_id::isSlot(id); }

    std::array<IdSlot, kIdSlots + 1> m_slots; // index 0 unused
    std::vector<SampleRecord> m_current;
    int m_lastAppendedId = 0;
    PatientRecord m_currentPatient;
    std::int32_t m_deviceType = 0;
    std::string m_reportTitle = kDefaultReportTitle;
};

} // namespace kestrova
