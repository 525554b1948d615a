// kestrova-sim: a simulated oximeter on a pseudo-terminal. Prints the port name
// (for --port, or to put in DefaultCOM) and answers until interrupted.
#include "DeviceSimulator.h"
#include "files/DataFile.h"
#include "model/SyntheticRecording.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t g_stop = 0;
void onSignal(int) {
    g_stop = 1;
}
} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Simulated pulse oximeter on a pseudo-terminal"};
    app.set_version_flag("--version", "kestrova-sim " KESTROVA_VERSION);
    kestrova::SimulatorOptions o;
    std::vector<int> ids{3, 9};
    int seconds = 3600;
    std::vector<std::string> files;
    app.add_option("--ids", ids, "Patient IDs with generated recordings")->delimiter(',')->capture_default_str();
    app.add_option("--seconds", seconds, "Length of each generated recording")->capture_default_str();
    app.add_option("--dat", files, "Recordings from saved data files instead");
    app.add_option("--type", o.deviceType, "Device type (1, 3, 4: reversed bytes; 1, 3, 4, 11: newest first)")
        ->capture_default_str();
    app.add_option("--model", o.modelCode, "Model code (the program accepts 30)")->capture_default_str();
    app.add_option("--rate", o.lineRate, "Line rate the device reports")->capture_default_str();
    app.add_option("--payload", o.payloadSize, "Payload bytes per data frame (up to 4192)")->capture_default_str();
    app.add_flag("--paced", o.paced, "Emulate the wire at the reported rate");
    app.add_option("--stray-before", o.strayBeforeFrame, "Fault: junk bytes before this frame");
    app.add_option("--stray-count", o.strayCount, "How many junk bytes")->capture_default_str();
    app.add_option("--lose", o.loseFrame, "Fault: ignore the first request for this frame");
    app.add_option("--corrupt-length", o.corruptLengthFrame, "Fault: garble this frame's length once");
    app.add_option("--silent-after", o.silentAfterFrame, "Fault: answer nothing after this frame");
    app.add_option("--vanish-after", o.vanishAfterFrame, "Fault: the port disappears after this frame");
    app.add_flag("--no-data", o.zeroTotal, "Fault: announce a total of 0");
    app.add_flag("--frames-in-n2", o.framesOnlyInN2, "Fault: N1 = 0, the frames counted in N2");
    CLI11_PARSE(app, argc, argv);

    kestrova::DeviceSimulator sim(o);
    if (!files.empty()) {
        for (const auto& f : files) {
            const auto r = kestrova::readDataFile(f);
            if (!r) {
                std::fprintf(stderr, "%s\n", r.error().text().c_str());
                return 1;
            }
            sim.addRecording(r->samples);
        }
    } else {
        for (int id : ids) {
            kestrova::SyntheticNight night;
            night.id = id;
            night.seconds = seconds;
            night.seed = static_cast<std::uint64_t>(id);
            sim.addRecording(kestrova::makeSyntheticNight(night));
        }
    }
    if (!sim.start()) {
        std::fprintf(stderr, "No pseudo-terminal available.\n");
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::printf("%s\n", sim.portName().c_str());
    std::fflush(stdout);
    while (!g_stop) ::pause();
    sim.stop();
    return 0;
}
