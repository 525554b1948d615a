#include "model/RecordingModel.h"

#include <algorithm>
#include <new>

namespace kestrova {

RecordingModel& RecordingModel::instance() {
    static RecordingModel model;
    return model;
}

RecordingModel::RecordingModel() {
    m_current.reserve(kCurrentCapacity);
}

bool RecordingModel::storesNewestFirst(std::int32_t type) {
    return type == 1 || type == 3 || type == 4 || type == 11;
}

void RecordingModel::clearAllRecordings() {
    for (auto& slot : m_slots) {
        std::vector<SampleRecord>().swap(slot.samples); // release, not just empty
        slot.capacity = 0;
        slot.lost = 0;
        slot.patientInfoSaved = 0;
    }
    m_current.clear();
    m_currentPatient.clear();
    m_lastAppendedId = 0;
}

RecordingModel::AppendResult RecordingModel::appendSample(int id, const SampleRecord& record, int framePayloadLength) {
    if (!validId(id)) return AppendResult::IdOutOfRange;
    IdSlot& slot = m_slots[id];
    m_lastAppendedId = id;
    if (slot.capacity == 0) {
        const std::int32_t cap = kIdCapacity - framePayloadLength / 8;
        slot.capacity = cap > 0 ? cap : kMinIdCapacity;
    }
    auto& v = slot.samples;
    if (static_cast<std::int32_t>(v.size()) >= slot.capacity) {
        ++slot.lost;
        return AppendResult::CapacityReached;
    }
    if (v.size() == v.capacity()) {
        // Grow geometrically but never beyond the ID's capacity, so a full ID costs
        // exactly its capacity and 127 small IDs cost next to nothing.
        const std::size_t want = std::max<std::size_t>(4096, v.size() * 2);
        try {
            v.reserve(std::min<std::size_t>(want, static_cast<std::size_t>(slot.capacity)));
        } catch (const std::bad_alloc&) {
            return AppendResult::OutOfMemory;
        }
    }
    v.push_back(record);
    return AppendResult::Stored;
}

bool RecordingModel::makeCurrent(int id) {
    if (!validId(id)) return false;
    const auto& src = m_slots[id].samples;
    m_current.assign(src.begin(), src.end());
    if (storesNewestFirst(m_deviceType)) std::reverse(m_current.begin(), m_current.end());
    m_currentPatient.id = id;
    return true;
}

bool RecordingModel::replaceCurrent(std::vector<SampleRecord>&& samples) {
    if (samples.size() > static_cast<std::size_t>(kCurrentCapacity)) return false;
    m_current.clear();
    m_current.insert(m_current.end(), samples.begin(), samples.end());
    samples.clear();
    return true;
}

const SampleRecord* RecordingModel::idSamples(int id) const {
    if (!validId(id) || m_slots[id].capacity == 0) return nullptr;
    return m_slots[id].samples.data();
}

std::int32_t RecordingModel::idSampleCount(int id) const {
    return validId(id) ? static_cast<std::int32_t>(m_slots[id].samples.size()) : 0;
}

std::int32_t RecordingModel::idCapacity(int id) const {
    return validId(id) ? m_slots[id].capacity : 0;
}

std::int64_t RecordingModel::idLostSamples(int id) const {
    return validId(id) ? m_slots[id].lost : 0;
}

std::int64_t RecordingModel::totalLostSamples() const {
    std::int64_t total = 0;
    for (const auto& slot : m_slots) total += slot.lost;
    return total;
}

bool RecordingModel::patientInfoSaved(int id) const {
    return validId(id) && m_slots[id].patientInfoSaved != 0;
}

void RecordingModel::setPatientInfoSaved(int id) {
    if (validId(id)) m_slots[id].patientInfoSaved = 1;
}

} // namespace kestrova
