// kestrova-cli download, set-clock and delete: the device operations of the capture
// dialog without windows, on a port given by name or found by probing.
#include "CliCommon.h"

#include "BluetoothLink.h"
#include "CaptureSession.h"
#include "DeviceCommands.h"
#include "DeviceLink.h"
#include "WireTrace.h"
#include "files/DownloadStore.h"
#include "files/PatientDatabase.h"
#include "files/ProgramDirectory.h"
#include "library/StudyLibrary.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"
#include "text/StringTable.h"
#include "text/Translate.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>

namespace kestrova::cli {
namespace {

struct LinkOptions {
    std::string port;      // probe only this port
    std::string bluetooth; // connect to this address instead
    int channel = 1;
    std::string trace;
};

void addLinkOptions(CLI::App& sub, LinkOptions& o) {
    sub.add_option("--port", o.port, ktr("DeviceCommands", "Probe only this serial port (ttyUSB0, pts/3, or a path)"));
    sub.add_option("--bluetooth", o.bluetooth,
                   ktr("DeviceCommands", "Use the Bluetooth device with this address instead"));
    sub.add_option("--channel", o.channel, ktr("DeviceCommands", "RFCOMM channel of the Bluetooth device"))
        ->capture_default_str();
    sub.add_option("--trace", o.trace,
                   ktr("DeviceCommands", "Log every byte on the wire to this file (like KESTROVA_TRACE)"));
}

// The device's waits and retries: the defaults, or what KESTROVA_DEVICE_TIMING
// changes ("idlePolls=20,identifyPause=20", see DeviceTiming), which lets the tests
// run against the simulated device without waiting for a real one's pauses.
DeviceTiming deviceTiming() {
    const char* text = std::getenv("KESTROVA_DEVICE_TIMING");
    if (!text || !*text) return {};
    const Result<DeviceTiming> timing = DeviceTiming::parse(text);
    if (!timing) {
        std::cerr << "KESTROVA_DEVICE_TIMING: " << terminalSafe(timing.error().text()) << '\n';
        throw CLI::RuntimeError(1);
    }
    return *timing;
}

// Sets up the link as the options ask. Returns false (message printed) when a
// Bluetooth connection cannot be made.
bool prepareLink(const LinkOptions& o, const Settings& settings, DeviceLink& link, BluetoothLink& bt) {
    if (!o.trace.empty() && !WireTrace::instance().open(o.trace)) {
        std::cerr << terminalSafe(text::arg(ktr("DeviceCommands", "Cannot write the trace file %1"), {o.trace}))
                  << '\n';
        return false;
    }
    if (!o.bluetooth.empty()) {
        if (const Outcome connected = bt.connectTo(o.bluetooth, o.channel); !connected) {
            std::cerr << connectionFailureText(connected.error()) << '\n';
            return false;
        }
        link.useBluetooth(&bt);
        return true;
    }
    ProbeOrder order;
    if (!o.port.empty()) {
        order.remembered = o.port; // nothing else is opened
        order.sweep = false;
    } else {
        order.remembered = settings.defaultCom();
        order.lists = enumeratePorts();
        order.sweepNames = sweepPortNames();
    }
    link.useSerial(order);
    return true;
}

// After "no device": why, when a port could not be opened (permission, busy) or the
// port given by name does not exist.
void explainNoDevice(const LinkOptions& o, const DeviceLink& link, DeviceStatus status) {
    if (isPortProblem(status)) {
        std::cerr << terminalSafe(describe(status, link.problemPort())) << '\n';
        return;
    }
    if (status != DeviceStatus::NoDevice || o.port.empty() || !o.bluetooth.empty()) return;
    CCOM probe;
    if (const Outcome opened = probe.Open(o.port, 4800); !opened)
        std::cerr << terminalSafe(describe(opened.status(), opened.error().subject)) << '\n';
}

bool isNoDevice(DeviceStatus s) {
    return s == DeviceStatus::NoDevice || isPortProblem(s);
}

void printMessage(int id) {
    if (id != 0) std::cerr << tr(id) << '\n';
}

struct OperationResult {
    DeviceStatus status;
    int message; // string ID, 0 for none
};

// Runs one device operation as set-clock and delete do: the outcome text on stdout
// when it succeeded, else on stderr with exit status 1.
template <typename Operation> void runDeviceOperation(const LinkOptions& o, Operation operation) {
    const Settings& settings = cli::settings();
    DeviceLink link(settings, deviceTiming());
    BluetoothLink bt;
    if (!prepareLink(o, settings, link, bt)) throw CLI::RuntimeError(1);
    RecordingModel model;
    CaptureSession session(model, link, {});
    const OperationResult r = operation(link, session);
    if (r.status == DeviceStatus::Ok) {
        std::printf("%s\n", tr(r.message).c_str());
        return;
    }
    printMessage(r.message);
    if (isNoDevice(r.status)) explainNoDevice(o, link, r.status);
    throw CLI::RuntimeError(1);
}

// Every downloaded ID becomes a study (the one that broke marked partial), its
// details proposed from the patient list. Says on stderr what could not be stored.
void storeInLibrary(const std::string& directory, const RecordingModel& model, int partialId) {
    auto library = StudyLibrary::open(directory.empty() ? StudyLibrary::defaultDirectory() : directory);
    if (!library) {
        std::cerr << terminalSafe(text::arg(ktr("DeviceCommands", "The study library was not updated: %1"),
                                            {library.error().text()}))
                  << '\n';
        return;
    }
    const PatientDatabase db(programDirectory());
    const auto proposals = [&db](int id) { return db.proposedPatient(id); };
    for (const DownloadedStudy& d : storeDownload(**library, model, model.deviceType(), partialId, proposals)) {
        if (d.stored) continue;
        std::cerr << terminalSafe(text::arg(ktr("DeviceCommands", "ID %1 was not stored in the study library: %2"),
                                            {std::to_string(d.patientId), d.stored.error().text()}))
                  << '\n';
    }
}

} // namespace

void addDeviceCommands(CLI::App& app) {
    // download
    {
        auto o = std::make_shared<LinkOptions>();
        auto out = std::make_shared<std::string>(".");
        auto overwrite = std::make_shared<bool>(false);
        auto noLibrary = std::make_shared<bool>(false);
        auto libraryDir = std::make_shared<std::string>();
        auto* sub = app.add_subcommand(
            "download", ktr("DeviceCommands", "Download every recording from the oximeter into DIR/ID<n>.dat"));
        addLinkOptions(*sub, *o);
        sub->add_option("--out", *out, ktr("DeviceCommands", "Directory for the recordings"))->capture_default_str();
        sub->add_flag(
            "--overwrite", *overwrite,
            ktr("DeviceCommands", "Replace DIR/ID<n>.dat instead of keeping an earlier recording beside the new one"));
        sub->add_flag("--no-library", *noLibrary,
                      ktr("DeviceCommands", "Do not store the recordings in the study library"));
        sub->add_option("--library", *libraryDir,
                        ktr("DeviceCommands", "Study library directory (default: KESTROVA_HOME/library)"));
        sub->callback([o, out, overwrite, noLibrary, libraryDir] {
            const Settings& settings = cli::settings();
            DeviceLink link(settings, deviceTiming());
            BluetoothLink bt;
            if (!prepareLink(*o, settings, link, bt)) throw CLI::RuntimeError(1);
            auto model = std::make_unique<RecordingModel>();
            // Messages are printed as they come, as the dialog shows them.
            CaptureSession session(*model, link, {{}, {}, [](int id) { printMessage(id); }});
            const auto connected = session.connect();
            if (!link.settingsProblem().empty()) std::cerr << terminalSafe(link.settingsProblem()) << '\n';
            if (isNoDevice(connected)) {
                printMessage(str::NoDevice);
                explainNoDevice(*o, link, connected);
                throw CLI::RuntimeError(1);
            }
            if (connected == DeviceStatus::NoData) {
                printMessage(str::NoData);
                session.stop();
                throw CLI::RuntimeError(2);
            }
            if (connected != DeviceStatus::Ok) {
                printMessage(str::SynchronizationError);
                throw CLI::RuntimeError(1);
            }
            std::printf("%s %u %s\n", tr(str::ConnectSucceedTotal).c_str(), session.totals().total(),
                        tr(str::Frames).c_str());
            std::fflush(stdout);
            session.startDownload();
            session.waitUntilFinished();
            // Any fault, whether it ended the download or only lost part of it, makes
            // the ID that was arriving incomplete and the exit status 3.
            const bool failed = !session.downloadOutcome();
            session.stop();
            std::error_code ec;
            std::filesystem::create_directories(*out, ec);
            // After a break, the ID that was arriving is incomplete; the IDs before it
            // arrived whole.
            const int partialId = failed ? model->lastAppendedId() : 0;
            bool writeFailed = false;
            for (int id = 1; id <= RecordingModel::kIdSlots; ++id) {
                if (model->idSampleCount(id) == 0) continue;
                std::printf("ID %3d     %s %10d %s\n", id, tr(str::Total).c_str(), model->idSampleCount(id),
                            tr(str::Groups).c_str());
                model->makeCurrent(id);
                const bool complete = id != partialId;
                const SavedRecording saved =
                    saveDownloadedRecording(*out, id, model->currentSamples(), complete, *overwrite);
                if (!saved.status) {
                    std::cerr << terminalSafe(tr(str::CantCreateFile) + ": " + saved.status.error().text()) << '\n';
                    writeFailed = true;
                    continue;
                }
                std::printf("%s\n", terminalSafe(saved.path).c_str());
                if (!complete)
                    std::cerr << terminalSafe(text::arg(
                                     ktr("DeviceCommands",
                                         "The download broke while ID %1 was arriving; what arrived is in %2"),
                                     {std::to_string(id), saved.path}))
                              << '\n';
            }
            if (model->totalLostSamples() > 0)
                std::cerr << text::arg(ktr("DeviceCommands", "%1 samples beyond an ID's capacity were not stored."),
                                       {std::to_string(model->totalLostSamples())})
                          << '\n';
            // The files are the download's result; a library that cannot take it (not
            // writable, not ours) is said on stderr and leaves the exit status alone.
            if (!*noLibrary) storeInLibrary(*libraryDir, *model, partialId);
            if (failed) throw CLI::RuntimeError(3);
            if (writeFailed) throw CLI::RuntimeError(1);
        });
    }
    // set-clock
    {
        auto o = std::make_shared<LinkOptions>();
        auto when = std::make_shared<std::string>();
        auto* sub = app.add_subcommand("set-clock", ktr("DeviceCommands", "Set the oximeter's clock"));
        addLinkOptions(*sub, *o);
        sub->add_option("--time", *when, ktr("DeviceCommands", "\"YYYY-MM-DD HH:MM:SS\" (default: now)"));
        sub->callback([o, when] {
            DeviceDateTime t;
            if (when->empty()) {
                const std::time_t now = std::time(nullptr);
                std::tm local{};
                ::localtime_r(&now, &local);
                t = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
            } else if (std::sscanf(when->c_str(), "%d-%d-%d %d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                                   &t.second) != 6 ||
                       t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour < 0 || t.hour > 23 ||
                       t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59 || t.year < 2000) {
                throw CLI::RuntimeError(
                    usageError(ktr("DeviceCommands", "--time must be \"YYYY-MM-DD HH:MM:SS\" (year 2000 or later).")));
            }
            runDeviceOperation(*o, [&](DeviceLink& link, CaptureSession& session) {
                const DeviceStatus r = setDeviceClock(link, session, t);
                return OperationResult{r, clockMessage(r, link.bluetooth())};
            });
        });
    }
    // delete
    {
        auto o = std::make_shared<LinkOptions>();
        auto id = std::make_shared<int>(0);
        auto type = std::make_shared<std::string>("all");
        auto* sub = app.add_subcommand("delete", ktr("DeviceCommands", "Delete recordings in the oximeter's memory"));
        addLinkOptions(*sub, *o);
        sub->add_option("--id", *id, ktr("DeviceCommands", "Patient ID (0 or absent: all IDs)"))
            ->check(CLI::Range(0, 4095));
        sub->add_option("--type", *type, ktr("DeviceCommands", "all, or spo2pr (SpO2 and pulse data)"))
            ->check(CLI::IsMember({"all", "spo2pr"}));
        sub->callback([o, id, type] {
            // Only "All" data can be combined with all IDs.
            const int dataType = *id == 0 || *type == "all" ? 0 : 1;
            runDeviceOperation(*o, [&](DeviceLink& link, CaptureSession& session) {
                const DeviceStatus r = deleteDeviceData(link, session, *id, dataType);
                return OperationResult{r, deleteMessage(r, link.bluetooth())};
            });
        });
    }
}

} // namespace kestrova::cli
