#include "files/DownloadStore.h"
#include "text/Translate.h"

#include "files/DataFile.h"
#include "files/InputFile.h"
#include "model/RecordingModel.h"

#include <cerrno>
#include <cstdio>

namespace kestrova {
namespace {

// True when `path` exists and holds exactly `bytes`.
bool holdsSameBytes(const std::string& path, const std::string& bytes) {
    const auto existing = readRegularFile(path, static_cast<long long>(bytes.size()));
    return existing && *existing == bytes;
}

std::string stampOf(std::span<const SampleRecord> samples) {
    if (samples.empty()) return "empty";
    const SampleRecord& s = samples.front();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d-%02d%02d%02d", 2000 + s.year, s.month, s.day, s.hour, s.minute,
                  s.second);
    return buf;
}

} // namespace

SavedRecording saveDownloadedRecording(const std::string& dir, int id, std::span<const SampleRecord> samples,
                                       bool complete, bool overwrite) {
    const std::string bytes =
        encodeDataFile(static_cast<std::uint8_t>(id), samples, RecordingModel::kDefaultReportTitle);
    const std::string base = dir + "/ID" + std::to_string(id);
    if (overwrite && complete) {
        const std::string path = base + ".dat";
        return {writeFileAtomically(path, bytes), path};
    }
    // An incomplete download never replaces anything either: an earlier partial one
    // may hold what this one lacks.
    const std::string suffix = complete ? ".dat" : ".partial.dat";
    const std::string stamped = base + "-" + stampOf(samples);
    for (int k = 0; k < 10000; ++k) {
        const std::string path = k == 0   ? base + suffix
                                 : k == 1 ? stamped + suffix
                                          : stamped + "-" + std::to_string(k) + suffix;
        if (holdsSameBytes(path, bytes)) return {WriteStatus{}, path};
        WriteStatus written = writeFileAtomically(path, bytes, AtomicFile::Mode::CreateNew);
        if (written || written.error().errorNumber != EEXIST) return {written, path}; // taken: try the next name
    }
    return {Error{Status::Exists, base, ktr("DownloadStore", "no free file name")}, base + suffix};
}

} // namespace kestrova
