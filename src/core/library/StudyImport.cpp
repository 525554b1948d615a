// Filling the library from a finished download and from recording files. An import
// reads, encodes and analyses files on every core while the calling thread writes
// them into the library in the order given, a bounded window ahead of it so a
// thousand nights never sit in memory at once.
#include "files/RecordingFile.h"
#include "library/StudyLibrary.h"
#include "model/RecordingModel.h"
#include "text/Translate.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

namespace kestrova {

std::vector<DownloadedStudy> storeDownload(StudyLibrary& library, const RecordingModel& model, std::int32_t deviceType,
                                           int partialId, const std::function<PatientRecord(int id)>& proposals) {
    std::vector<DownloadedStudy> out;
    for (int id = 1; id <= RecordingModel::kIdSlots; ++id) {
        const std::int32_t count = model.idSampleCount(id);
        if (count == 0) continue;
        // The order makeCurrent gives, without touching the model's current recording.
        std::vector<SampleRecord> samples(model.idSamples(id), model.idSamples(id) + count);
        if (RecordingModel::storesNewestFirst(deviceType)) std::reverse(samples.begin(), samples.end());
        NewStudy study;
        study.samples = samples;
        if (proposals) study.patient = proposals(id);
        study.patient.id = id;
        study.patientConfirmed = false;
        study.title = model.reportTitle();
        study.deviceType = deviceType;
        study.origin = StudyOrigin::Download;
        study.partial = id == partialId;
        out.push_back({id, library.add(study)});
    }
    return out;
}

namespace {

struct ReadFile {
    bool ready = false;
    Result<DataFileContents> contents = Error{};
    PreparedStudy prepared;
};

std::string absolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

} // namespace

std::vector<ImportedFile> importRecordingFiles(StudyLibrary& library, const std::vector<std::string>& paths,
                                               const std::function<PatientRecord(int id)>& proposals,
                                               const ImportProgress& progress, unsigned workerCount) {
    const std::size_t total = paths.size();
    std::vector<ImportedFile> out;
    out.reserve(total);
    if (total == 0) return out;
    const unsigned wanted = workerCount ? workerCount : std::max(1u, std::thread::hardware_concurrency());
    const std::size_t workers = std::min<std::size_t>(wanted, total);
    const std::size_t window = workers * 2; // files read ahead of the writes

    std::vector<ReadFile> slots(total);
    std::mutex mutex;
    std::condition_variable readyChanged, windowMoved;
    std::size_t next = 0, written = 0;
    bool cancelled = false;

    auto work = [&] {
        for (;;) {
            std::size_t index;
            {
                std::unique_lock lock(mutex);
                windowMoved.wait(lock, [&] { return cancelled || next >= total || next < written + window; });
                if (cancelled || next >= total) return;
                index = next++;
            }
            ReadFile r;
            r.contents = readRecordingFile(paths[index]);
            if (r.contents) {
                PatientRecord patient;
                patient.id = r.contents->patientId;
                r.prepared = prepareStudy(r.contents->samples, patient, r.contents->title);
            }
            r.ready = true;
            {
                std::lock_guard lock(mutex);
                slots[index] = std::move(r);
            }
            readyChanged.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < workers; ++i) threads.emplace_back(work);

    for (std::size_t i = 0; i < total; ++i) {
        ReadFile r;
        {
            std::unique_lock lock(mutex);
            readyChanged.wait(lock, [&] { return slots[i].ready; });
            r = std::move(slots[i]);
            slots[i] = ReadFile{};
        }
        if (!r.contents) {
            out.push_back({paths[i], r.contents.error()});
        } else {
            NewStudy study;
            study.samples = r.contents->samples;
            study.patient = proposals ? proposals(r.contents->patientId) : PatientRecord{};
            study.patient.id = r.contents->patientId;
            study.title = r.contents->title;
            study.origin = StudyOrigin::Import;
            study.sourceFile = absolutePath(paths[i]);
            auto stored = library.add(study, r.prepared);
            if (!stored && stored.error().subject.empty()) {
                Error e = stored.error();
                e.subject = paths[i];
                stored = e;
            }
            out.push_back({paths[i], std::move(stored)});
        }
        const bool goOn = !progress || progress(i + 1, total);
        {
            std::lock_guard lock(mutex);
            written = i + 1;
            if (!goOn) cancelled = true;
        }
        windowMoved.notify_all();
        if (!goOn) break;
    }
    for (auto& t : threads) t.join();
    for (std::size_t i = out.size(); i < total; ++i)
        out.push_back({paths[i], Error{Status::Cancelled, paths[i], ktr("StudyImport", "the import was stopped")}});
    return out;
}

} // namespace kestrova
