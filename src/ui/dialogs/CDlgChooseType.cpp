#include "dialogs/CDlgChooseType.h"

#include "BluetoothLink.h"
#include "DeviceCommands.h"
#include "common/BackgroundTask.h"
#include "common/Messages.h"
#include "dialogs/CDateAndTimeDlg.h"
#include "dialogs/CDelDataDlg.h"
#include "model/PatientForm.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"
#include "text/StringTable.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

namespace kestrova::ui {
namespace {
QString text(int id) {
    return QString::fromStdString(kestrova::tr(id));
}

constexpr int kDetailsRole = Qt::UserRole + 1;

// Each ID's line as the list has always written it, then what the program knows of it
// in a quieter colour: the line's own text stays what the selection reads.
class IdLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(p, option, index);
        const QString details = index.data(kDetailsRole).toString();
        if (details.isEmpty()) return;
        const QString line = index.data(Qt::DisplayRole).toString();
        QRect r = option.rect;
        r.setLeft(r.left() + option.fontMetrics.horizontalAdvance(line + QStringLiteral("   ")) + 4);
        p->save();
        p->setFont(option.font);
        const bool selected = option.state & QStyle::State_Selected;
        p->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
        p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, details);
        p->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QString details = index.data(kDetailsRole).toString();
        if (!details.isEmpty())
            size.rwidth() += option.fontMetrics.horizontalAdvance(QStringLiteral("   ") + details) + 8;
        return size;
    }
};
} // namespace

CDlgChooseType::CDlgChooseType(RecordingModel& model, const Settings& settings, const ProbeOrder& order,
                               BluetoothLink* bluetooth, QWidget* parent, const DeviceTiming& timing)
    : QDialog(parent), m_model(model), m_task(std::make_unique<BackgroundTask>()) {
    setWindowTitle(tr("New Data Capture"));
    m_link = std::make_unique<DeviceLink>(settings, timing);
    if (bluetooth)
        m_link->useBluetooth(bluetooth);
    else
        m_link->useSerial(order);
    m_startAtOnce = !bluetooth || bluetooth->WSABT_IsConnected();

    // Worker reports cross to this thread as queued calls; a closed dialog gets none.
    QPointer<CDlgChooseType> self(this);
    CaptureCallbacks callbacks;
    callbacks.progress = [self](std::uint32_t frames) {
        QMetaObject::invokeMethod(
            qApp,
            [self, frames] {
                if (self) self->m_progress->setValue(static_cast<int>(frames));
            },
            Qt::QueuedConnection);
    };
    // The dialog lists what arrived however the download ended; the messages for a
    // fault came on their own.
    callbacks.done = [self](const Outcome& ended) {
        QMetaObject::invokeMethod(
            qApp,
            [self, broke = !ended.ok()] {
                if (self) self->downloadFinished(broke);
            },
            Qt::QueuedConnection);
    };
    callbacks.message = [self](int id) {
        QMetaObject::invokeMethod(
            qApp,
            [self, id] {
                if (self) Messages::showString(self, id, QMessageBox::Warning);
            },
            Qt::QueuedConnection);
    };
    m_session = std::make_unique<CaptureSession>(m_model, *m_link, callbacks);

    auto* layout = new QVBoxLayout(this);
    auto* info = new QGroupBox(tr("Data Info"), this);
    auto* infoLayout = new QVBoxLayout(info);
    m_list = new QListWidget(info);
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_list->setMinimumSize(360, 180);
    m_list->setItemDelegate(new IdLineDelegate(m_list));
    infoLayout->addWidget(m_list);
    layout->addWidget(info);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    layout->addWidget(m_progress);
    auto* row = new QHBoxLayout;
    m_start = new QPushButton(text(str::Start), this);
    m_stopButton = new QPushButton(tr("Stop"), this);
    m_delete = new QPushButton(tr("DeleteData"), this);
    m_clock = new QPushButton(tr("SetDateAndTime"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    for (auto* b : {m_start, m_stopButton, m_delete, m_clock, m_cancel}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    m_start->setDefault(true);
    m_stopButton->setEnabled(false);
    layout->addLayout(row);
    connect(m_start, &QPushButton::clicked, this, [this] {
        if (m_phase == Phase::Downloaded)
            openId();
        else
            start();
    });
    connect(m_stopButton, &QPushButton::clicked, this, &CDlgChooseType::stop);
    connect(m_delete, &QPushButton::clicked, this, &CDlgChooseType::deleteData);
    connect(m_clock, &QPushButton::clicked, this, &CDlgChooseType::setClock);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgChooseType::reject);
    connect(m_list, &QListWidget::itemActivated, this, [this] {
        if (m_phase == Phase::Downloaded) openId();
    });
}

CDlgChooseType::~CDlgChooseType() {
    m_task.reset(); // waits for queued device work (a Cancel queues the Stop)
    // Closing the window during a download ends the workers first.
    if (m_session->running()) m_session->stop();
}

int CDlgChooseType::exec() {
    // Serial mode (or a Bluetooth link that is up) connects at once, before the dialog shows.
    if (m_startAtOnce) QTimer::singleShot(0, this, &CDlgChooseType::start);
    return QDialog::exec();
}

void CDlgChooseType::setIdleButtons() {
    if (m_phase == Phase::Working) m_phase = Phase::Ready;
    m_stopButton->setEnabled(false);
    m_start->setEnabled(true);
    m_delete->setEnabled(true);
    m_clock->setEnabled(true);
}

void CDlgChooseType::setBusyButtons() {
    for (auto* b : {m_start, m_stopButton, m_delete, m_clock}) b->setEnabled(false);
}

bool CDlgChooseType::busy() const {
    return m_task->busy();
}

void CDlgChooseType::start() {
    setBusyButtons();
    m_list->clear();
    m_phase = Phase::Working;
    m_model.clearAllRecordings();
    emit recordingsCleared();
    m_task->run([this] { return m_session->connect(); }, [this](DeviceStatus result) { connected(result); });
}

void CDlgChooseType::connected(DeviceStatus result) {
    if (!m_link->settingsProblem().empty())
        Messages::info(this, QString::fromStdString(m_link->settingsProblem()), QMessageBox::Warning);
    switch (result) {
    case DeviceStatus::Ok: {
        m_stopButton->setEnabled(true);
        m_progress->setRange(0, static_cast<int>(std::max<std::uint32_t>(1, m_session->totals().n1)));
        m_progress->setValue(0);
        const auto total = m_session->totals().total();
        // The device needs a moment after the totals; the dialog keeps painting meanwhile.
        const auto pause = std::chrono::duration_cast<std::chrono::milliseconds>(m_link->timing().beforeDownload);
        QTimer::singleShot(pause, this, [this] {
            if (!m_stopButton->isEnabled()) return; // stopped or cancelled meanwhile
            m_session->startDownload();
        });
        Messages::info(this, text(str::ConnectSucceedTotal) + QStringLiteral(" %1 ").arg(total) + text(str::Frames));
        break;
    }
    case DeviceStatus::NoData:
        setIdleButtons();
        Messages::showString(this, str::NoData);
        stop();
        break;
    case DeviceStatus::NoDevice:
    case DeviceStatus::Busy:
    case DeviceStatus::Forbidden:
        setIdleButtons();
        showNoDevice(result);
        break;
    case DeviceStatus::Cancelled: setIdleButtons(); break;
    default:
        setIdleButtons();
        Messages::showString(this, str::SynchronizationError);
        break;
    }
}

void CDlgChooseType::downloadFinished(bool broke) {
    m_broke = broke;
    m_phase = Phase::Downloaded;
    // Kept (in the library) before anyone chooses an ID, so the details can name it.
    emit downloadCompleted();
    int lines = 0;
    for (int id = 1; id <= RecordingModel::kIdSlots; ++id) {
        if (m_model.idSampleCount(id) == 0) continue;
        auto* item = new QListWidgetItem(QString::fromStdString(idListLine(id, m_model.idSampleCount(id))), m_list);
        if (m_details) item->setData(kDetailsRole, m_details(id));
        ++lines;
    }
    if (m_details && lines > 0) {
        // Room for the longest line with its details.
        const int wanted = m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 24;
        if (wanted > m_list->width()) {
            m_list->setMinimumWidth(wanted);
            adjustSize();
        }
    }
    if (lines > 0) m_delete->setEnabled(true);
    m_start->setText(text(str::Done));
    stop();
    m_stopButton->setEnabled(false);
    m_clock->setEnabled(true);
    m_start->setEnabled(true);
    if (m_list->count() > 0) m_list->setCurrentRow(-1);
    if (m_model.totalLostSamples() > 0)
        Messages::info(
            this,
            tr("%1 samples beyond an ID's capacity of 72 hours could not be stored.").arg(m_model.totalLostSamples()));
}

void CDlgChooseType::showNoDevice(DeviceStatus status) {
    // A port that could not be opened is named with its cure, below the usual message.
    QString message = text(str::NoDevice);
    if (isPortProblem(status))
        message += QStringLiteral("\n\n") + QString::fromStdString(describe(status, m_link->problemPort()));
    Messages::info(this, message);
}

void CDlgChooseType::stop() {
    if (m_task->busy()) m_session->interrupt(); // a connection attempt gives up at once
    m_stopButton->setEnabled(false);
    m_task->run([this] { m_session->stop(); },
                [this] {
                    setIdleButtons();
                    m_progress->setValue(0);
                });
}

void CDlgChooseType::openId() {
    QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        Messages::showString(this, str::SelectPatientIdCapture);
        return;
    }
    m_chosenId = idFromListLine(item->text().toStdString());
    accept();
}

void CDlgChooseType::setClock() {
    CDateAndTimeDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        stop();
        return;
    }
    const DeviceDateTime when = dialog.dateTime();
    setBusyButtons();
    m_task->run([this, when] { return setDeviceClock(*m_link, *m_session, when); },
                [this](DeviceStatus r) {
                    setIdleButtons();
                    if (isPortProblem(r) && !m_link->bluetooth())
                        showNoDevice(r);
                    else if (const int id = clockMessage(r, m_link->bluetooth()))
                        Messages::showString(this, id);
                });
}

void CDlgChooseType::deleteData() {
    CDelDataDlg dialog(m_model, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const int id = dialog.patientId(), type = dialog.dataType();
    auto* deleting = new QLabel(tr("Deleting Data ..."), this, Qt::Popup | Qt::FramelessWindowHint);
    deleting->setMargin(24);
    QPointer<QLabel> window(deleting);
    setBusyButtons();
    m_task->run(
        [this, id, type, window] {
            return deleteDeviceData(*m_link, *m_session, id, type, [window](bool on) {
                QMetaObject::invokeMethod(
                    qApp,
                    [window, on] {
                        if (!window) return;
                        if (on) {
                            window->adjustSize();
                            window->move(window->parentWidget()->geometry().center() - window->rect().center());
                            window->show();
                        } else {
                            window->hide();
                        }
                    },
                    Qt::QueuedConnection);
            });
        },
        [this, window](DeviceStatus r) {
            delete window.data();
            setIdleButtons();
            if (isPortProblem(r) && !m_link->bluetooth())
                showNoDevice(r);
            else if (const int message = deleteMessage(r, m_link->bluetooth()))
                Messages::showString(this, message);
        });
}

void CDlgChooseType::reject() {
    if (m_phase == Phase::Working)
        stop();
    else
        m_link->closePort();
    QDialog::reject();
}

} // namespace kestrova::ui
