#include "app/HelpCommands.h"

#include "app/CMainFrame.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QMenuBar>
#include <QPointer>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <functional>

namespace kestrova::ui {
namespace {

QDialog* window(CMainFrame& frame, const QString& name, const QString& title) {
    if (auto* existing = frame.findChild<QDialog*>(name)) {
        existing->show();
        existing->raise();
        existing->activateWindow();
        return existing;
    }
    auto* d = new QDialog(&frame);
    d->setObjectName(name);
    d->setWindowTitle(title);
    d->setAttribute(Qt::WA_DeleteOnClose);
    return d;
}

void addClose(QDialog* d, QVBoxLayout* layout) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, d);
    QObject::connect(buttons, &QDialogButtonBox::rejected, d, &QDialog::close);
    layout->addWidget(buttons);
}

QString plain(QString text) {
    text.remove(QLatin1Char('&'));
    return text.section(QLatin1Char('\t'), 0, 0).trimmed();
}

} // namespace

QString helpHtml() {
    QFile f(QStringLiteral(":/kestrova/help/kestrova-help.html"));
    if (!f.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("HelpCommands", "<p>The manual is not available.</p>");
    return QString::fromUtf8(f.readAll());
}

QDialog* showHelp(CMainFrame& frame) {
    QDialog* d =
        window(frame, QStringLiteral("helpWindow"), QCoreApplication::translate("HelpCommands", "Kestrova Help"));
    if (d->layout()) return d;
    auto* layout = new QVBoxLayout(d);
    auto* text = new QTextBrowser(d);
    text->setObjectName(QStringLiteral("helpText"));
    text->setOpenExternalLinks(true);
    text->setHtml(helpHtml());
    layout->addWidget(text);
    addClose(d, layout);
    d->resize(720, 640);
    d->show();
    return d;
}

QDialog* showShortcuts(CMainFrame& frame) {
    QDialog* d = window(frame, QStringLiteral("shortcutsWindow"),
                        QCoreApplication::translate("HelpCommands", "Keyboard Shortcuts"));
    if (d->layout()) return d;
    auto* layout = new QVBoxLayout(d);
    auto* table = new QTableWidget(0, 3, d);
    table->setObjectName(QStringLiteral("shortcuts"));
    table->setHorizontalHeaderLabels({QCoreApplication::translate("HelpCommands", "Menu"),
                                      QCoreApplication::translate("HelpCommands", "Command"),
                                      QCoreApplication::translate("HelpCommands", "Keys")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // In menu order, every command that has keys.
    std::function<void(QMenu*, const QString&)> walk = [&](QMenu* menu, const QString& path) {
        for (QAction* a : menu->actions()) {
            if (a->menu()) {
                walk(a->menu(), path + QStringLiteral(" > ") + plain(a->text()));
                continue;
            }
            if (a->shortcuts().isEmpty()) continue;
            QStringList keys;
            for (const QKeySequence& k : a->shortcuts()) keys << k.toString(QKeySequence::NativeText);
            const int row = table->rowCount();
            table->insertRow(row);
            table->setItem(row, 0, new QTableWidgetItem(path));
            table->setItem(row, 1, new QTableWidgetItem(plain(a->text())));
            table->setItem(row, 2, new QTableWidgetItem(keys.join(QStringLiteral(", "))));
        }
    };
    for (QAction* top : frame.menuBar()->actions())
        if (top->menu()) walk(top->menu(), plain(top->text()));
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);
    addClose(d, layout);
    d->resize(560, 520);
    d->show();
    return d;
}

} // namespace kestrova::ui
