// The Bluetooth device finder: lists the devices BlueZ knows (paired and found by a
// search), connects the chosen one over RFCOMM and returns 1, or 0 when no link was made.
#pragma once

#include <QDialog>

#include <memory>

class QListWidget;
class QLineEdit;
class QLabel;

namespace kestrova {
class BluetoothLink;
}

namespace kestrova::ui {

class BackgroundTask;

class BluetoothFinder : public QDialog {
    Q_OBJECT
public:
    BluetoothFinder(BluetoothLink& link, QWidget* parent = nullptr);
    ~BluetoothFinder() override;

    // Runs the finder; 1 = the link is up.
    static int mydlldlg(QWidget* parent, BluetoothLink& link);
    bool hasAdapter() const { return !m_adapter.isEmpty(); }

private:
    void refresh();
    void search();
    void stopSearch();
    void connectChosen();

    BluetoothLink& m_link;
    QString m_adapter; // D-Bus path of the adapter, empty when there is none
    bool m_searching = false;
    QListWidget* m_list = nullptr;
    QLineEdit* m_address = nullptr;
    QLabel* m_status = nullptr;
    std::unique_ptr<BackgroundTask> m_task; // declared last: gone before the link
};

} // namespace kestrova::ui
