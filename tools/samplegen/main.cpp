// Writes the bundled sample recordings (res/samples/*.dat). Run it after changing the
// generator and commit the result:  build/tools/kestrova-samplegen res/samples
// With --full FILE it writes one recording of the full 518400 samples (for measuring).
#include "files/DataFile.h"
#include "model/SyntheticRecording.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--full") {
        kestrova::SyntheticNight night;
        night.id = 9;
        night.seconds = 518400;
        return kestrova::writeDataFile(argv[2], 9, kestrova::makeSyntheticNight(night), "ReportTitle") ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR | --full FILE\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    struct Sample {
        int id;
        std::int32_t seconds;
        std::uint64_t seed;
        int desats;
    };
    const Sample samples[] = {{3, 2 * 3600, 3, 8}, {7, 3600, 7, 4}, {12, 45 * 60, 12, 10}};
    for (const auto& s : samples) {
        kestrova::SyntheticNight night;
        night.id = s.id;
        night.seconds = s.seconds;
        night.seed = s.seed;
        night.desaturationsPerHour = s.desats;
        const auto recording = kestrova::makeSyntheticNight(night);
        const std::string path = dir + "/ID" + std::to_string(s.id) + ".dat";
        if (!kestrova::writeDataFile(path, static_cast<std::uint8_t>(s.id), recording, "ReportTitle")) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %zu samples\n", path.c_str(), recording.size());
    }
    return 0;
}
