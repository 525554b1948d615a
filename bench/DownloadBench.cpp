// Download efficiency over a pseudo-terminal against the simulated oximeter emulating
// the wire at its line rate: efficiency = (bytes on the wire both ways x 10 / rate)
// / measured download time. The simulator runs in a child process, so the CPU time
// reported is the host's alone.
#include "CaptureSession.h"
#include "DeviceLink.h"
#include "DeviceSimulator.h"
#include "model/RecordingModel.h"
#include "model/SyntheticRecording.h"
#include "settings/Settings.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kestrova;

namespace {

double cpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Starts the simulator in a child process; returns its pid and port name.
pid_t startSimulator(std::uint32_t rate, std::string& port) {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        SimulatorOptions o;
        o.lineRate = rate;
        o.paced = true;
        o.payloadSize = 4192;
        DeviceSimulator sim(o);
        SyntheticNight night;
        night.id = 5;
        night.seconds = 20000;
        sim.addRecording(makeSyntheticNight(night));
        if (!sim.start()) ::_exit(1);
        const std::string name = sim.portName() + "\n";
        [[maybe_unused]] auto n = ::write(fds[1], name.data(), name.size());
        ::close(fds[1]);
        ::pause();
        ::_exit(0);
    }
    ::close(fds[1]);
    char buf[64] = {};
    const ssize_t n = ::read(fds[0], buf, sizeof buf - 1);
    ::close(fds[0]);
    port.assign(buf, n > 0 ? static_cast<std::size_t>(n - 1) : 0);
    return pid;
}

void BM_Download(benchmark::State& state) {
    const auto rate = static_cast<std::uint32_t>(state.range(0));
    std::string port;
    const pid_t sim = startSimulator(rate, port);
    const auto ini = std::filesystem::temp_directory_path() / ("kestrova-bench-" + std::to_string(::getpid()) + ".ini");
    double efficiency = 0, cpuShare = 0;
    for (auto _ : state) {
        Settings settings(ini.string());
        DeviceLink link(settings);
        ProbeOrder order;
        order.remembered = port;
        order.sweep = false;
        link.useSerial(order);
        RecordingModel model;
        CaptureSession session(model, link, {});
        if (session.connect() != DeviceStatus::Ok) {
            state.SkipWithError("no simulated device");
            break;
        }
        const double cpu0 = cpuSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        session.startDownload();
        session.waitUntilFinished();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const double cpu = cpuSeconds() - cpu0;
        state.SetIterationTime(seconds);
        efficiency = static_cast<double>(session.wireBytes()) * 10.0 / rate / seconds;
        cpuShare = cpu / seconds;
        if (model.idSampleCount(5) != 20000) state.SkipWithError("incomplete download");
        session.stop();
    }
    state.counters["efficiency_pct"] = 100.0 * efficiency;
    state.counters["cpu_pct"] = 100.0 * cpuShare;
    ::kill(sim, SIGTERM);
    ::waitpid(sim, nullptr, 0);
    std::filesystem::remove(ini);
}
BENCHMARK(BM_Download)->Arg(115200)->Arg(921600)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
