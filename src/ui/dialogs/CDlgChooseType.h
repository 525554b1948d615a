// "New Data Capture": connects to the oximeter, downloads every recording on two
// worker threads (their reports arrive here as queued calls), lists the IDs received
// and returns the chosen one; it also hosts setting the clock and deleting device data.
// The command that runs it acts on what it reports: the signals while it runs, the
// chosen ID when it ends with OK.
#pragma once

#include "CaptureSession.h"
#include "DeviceLink.h"

#include <QDialog>

#include <functional>
#include <memory>

class QListWidget;
class QProgressBar;
class QPushButton;

namespace kestrova {
class BluetoothLink;
class RecordingModel;
class Settings;
} // namespace kestrova

namespace kestrova::ui {

class BackgroundTask;

class CDlgChooseType : public QDialog {
    Q_OBJECT
public:
    // Serial mode probes `order`; Bluetooth mode (bluetooth != nullptr) uses the link.
    // `settings`: where the port found is remembered (DefaultCOM).
    // `timing`: the device's waits (tests of the simulated device shorten them).
    CDlgChooseType(RecordingModel& model, const Settings& settings, const ProbeOrder& order, BluetoothLink* bluetooth,
                   QWidget* parent = nullptr, const DeviceTiming& timing = {});
    ~CDlgChooseType() override;

    int exec() override;

    // The buttons' actions, also used by tests.
    void start();
    void stop();
    void openId();
    void setClock();
    void deleteData();
    bool downloading() const { return m_session->running(); }
    // Device work (connecting, stopping, the clock, a deletion) is under way.
    bool busy() const;
    QListWidget* idList() const { return m_list; }
    QPushButton* startButton() const { return m_start; }
    QProgressBar* progress() const { return m_progress; }

    void reject() override; // Cancel

    // After OK: the ID whose recording to open.
    int chosenId() const { return m_chosenId; }
    bool downloaded() const { return m_phase == Phase::Downloaded; }
    // The last download ended early (a fault or Stop): the ID it was receiving is
    // incomplete.
    bool downloadBroke() const { return m_broke; }
    // What the list says beside each ID's documented line (start, length, the proposed
    // patient), asked for once the download ended.
    void setIdDetails(std::function<QString(int id)> details) { m_details = std::move(details); }

signals:
    // A new download began: every recording in memory is gone.
    void recordingsCleared();
    // Every recording of the device arrived (or as many as did before Stop).
    void downloadCompleted();

private:
    enum class Phase { Ready, Working, Downloaded };

    void connected(DeviceStatus result);
    void downloadFinished(bool broke);
    void setBusyButtons();
    void showNoDevice(DeviceStatus status);
    void setIdleButtons();

    RecordingModel& m_model;
    Phase m_phase = Phase::Ready;
    int m_chosenId = 0;
    std::unique_ptr<DeviceLink> m_link;
    std::unique_ptr<CaptureSession> m_session;
    std::unique_ptr<BackgroundTask> m_task; // declared last: gone before what its jobs use
    QListWidget* m_list = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton *m_start = nullptr, *m_stopButton = nullptr, *m_delete = nullptr, *m_clock = nullptr,
                *m_cancel = nullptr;
    bool m_startAtOnce = true;
    bool m_broke = false;
    std::function<QString(int id)> m_details;
};

} // namespace kestrova::ui
