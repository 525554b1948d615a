#include "dialogs/BluetoothFinder.h"

#include "BluetoothLink.h"
#include "common/BackgroundTask.h"
#include "common/Messages.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using InterfaceMap = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, InterfaceMap>;
Q_DECLARE_METATYPE(InterfaceMap)
Q_DECLARE_METATYPE(ManagedObjects)

namespace kestrova::ui {
namespace {

const QString kBluez = QStringLiteral("org.bluez");

ManagedObjects managedObjects() {
    qDBusRegisterMetaType<InterfaceMap>();
    qDBusRegisterMetaType<ManagedObjects>();
    QDBusInterface manager(kBluez, QStringLiteral("/"), QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                           QDBusConnection::systemBus());
    if (!manager.isValid()) return {};
    const QDBusReply<ManagedObjects> reply = manager.call(QStringLiteral("GetManagedObjects"));
    return reply.isValid() ? reply.value() : ManagedObjects{};
}

} // namespace

BluetoothFinder::BluetoothFinder(BluetoothLink& link, QWidget* parent)
    : QDialog(parent), m_link(link), m_task(std::make_unique<BackgroundTask>()) {
    setWindowTitle(tr("Find Bluetooth oximeter"));
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setMinimumSize(380, 200);
    layout->addWidget(m_list);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Address:"), this));
    m_address = new QLineEdit(this);
    m_address->setPlaceholderText(QStringLiteral("AA:BB:CC:DD:EE:FF"));
    row->addWidget(m_address);
    layout->addLayout(row);
    m_status = new QLabel(this);
    layout->addWidget(m_status);
    auto* buttons = new QDialogButtonBox(this);
    auto* searchButton = buttons->addButton(tr("Search"), QDialogButtonBox::ActionRole);
    auto* connectButton = buttons->addButton(tr("Connect"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connectButton->setDefault(true);
    connect(searchButton, &QPushButton::clicked, this, &BluetoothFinder::search);
    connect(buttons, &QDialogButtonBox::accepted, this, &BluetoothFinder::connectChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentTextChanged, this, [this](const QString& t) {
        const auto open = t.lastIndexOf(QLatin1Char('(')), close = t.lastIndexOf(QLatin1Char(')'));
        if (open >= 0 && close > open) m_address->setText(t.mid(open + 1, close - open - 1));
    });
    connect(m_list, &QListWidget::itemActivated, this, &BluetoothFinder::connectChosen);
    layout->addWidget(buttons);

    const ManagedObjects objects = managedObjects();
    for (auto it = objects.cbegin(); it != objects.cend(); ++it)
        if (it.value().contains(QStringLiteral("org.bluez.Adapter1"))) {
            m_adapter = it.key().path();
            break;
        }
    refresh();
}

BluetoothFinder::~BluetoothFinder() {
    stopSearch();
}

void BluetoothFinder::refresh() {
    const QString current = m_address->text();
    m_list->clear();
    const ManagedObjects objects = managedObjects();
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        const auto device = it.value().value(QStringLiteral("org.bluez.Device1"));
        if (device.isEmpty()) continue;
        const QString address = device.value(QStringLiteral("Address")).toString();
        const QString name = device.value(QStringLiteral("Name"), tr("(unnamed)")).toString();
        const bool paired = device.value(QStringLiteral("Paired")).toBool();
        m_list->addItem(QStringLiteral("%1%2 (%3)").arg(name, paired ? tr(" [paired]") : QString(), address));
    }
    m_address->setText(current);
}

void BluetoothFinder::search() {
    if (m_adapter.isEmpty()) return;
    QDBusInterface adapter(kBluez, m_adapter, QStringLiteral("org.bluez.Adapter1"), QDBusConnection::systemBus());
    adapter.call(QStringLiteral("StartDiscovery"));
    m_searching = true;
    m_status->setText(tr("Searching ..."));
    for (int i = 1; i <= 5; ++i) QTimer::singleShot(2000 * i, this, &BluetoothFinder::refresh);
    QTimer::singleShot(10000, this, [this] {
        stopSearch();
        m_status->clear();
    });
}

// Discovery ends here, on this thread, before any download worker starts.
void BluetoothFinder::stopSearch() {
    if (!m_searching) return;
    QDBusInterface adapter(kBluez, m_adapter, QStringLiteral("org.bluez.Adapter1"), QDBusConnection::systemBus());
    adapter.call(QStringLiteral("StopDiscovery"));
    m_searching = false;
}

void BluetoothFinder::connectChosen() {
    stopSearch();
    const std::string address = m_address->text().trimmed().toStdString();
    if (address.empty()) {
        Messages::info(this, tr("Choose a device or type its address."));
        return;
    }
    if (m_task->busy()) return; // connecting already
    m_task->run(
        [this, address] {
            const Outcome connected = m_link.connectTo(address, 1);
            return connected ? std::string() : connectionFailureText(connected.error());
        },
        [this](const std::string& error) {
            if (!error.empty())
                Messages::info(this, QString::fromStdString(error), QMessageBox::Warning);
            else
                accept();
        });
}

int BluetoothFinder::mydlldlg(QWidget* parent, BluetoothLink& link) {
    BluetoothFinder finder(link, parent);
    if (!finder.hasAdapter()) {
        Messages::info(parent, tr("No Bluetooth adapter was found on this computer."), QMessageBox::Information);
        return 0;
    }
    return finder.exec() == QDialog::Accepted && link.WSABT_IsConnected() ? 1 : 0;
}

} // namespace kestrova::ui
