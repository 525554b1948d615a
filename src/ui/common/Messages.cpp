#include "common/Messages.h"

#include "text/StringTable.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

namespace kestrova::ui {
namespace {

Messages::Handler& handler() {
    static Messages::Handler h;
    return h;
}

bool toStderr() {
    return qEnvironmentVariable("KESTROVA_MESSAGES") == QLatin1String("stderr");
}

} // namespace

bool Messages::scripted() {
    return !handler() && toStderr();
}

QMessageBox::StandardButton Messages::show(QWidget* parent, const MessageRequest& r) {
    if (handler()) return handler()(r);
    if (toStderr()) {
        std::fprintf(stderr, "%s\n", r.text.toLocal8Bit().constData());
        std::fflush(stderr);
        return r.defaultButton;
    }
    QMessageBox box(r.icon, r.title.isEmpty() ? QApplication::applicationDisplayName() : r.title, r.text, r.buttons,
                    parent);
    box.setDefaultButton(r.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void Messages::showString(QWidget* parent, int stringId, QMessageBox::Icon icon) {
    info(parent, QString::fromStdString(tr(stringId)), icon);
}

void Messages::info(QWidget* parent, const QString& text, QMessageBox::Icon icon) {
    MessageRequest r;
    r.text = text;
    r.icon = icon;
    show(parent, r);
}

void Messages::setHandler(Handler h) {
    handler() = std::move(h);
}

void Messages::settingsNotSaved(QWidget* parent, const std::string& reason) {
    info(parent,
         QCoreApplication::translate("Messages",
                                     "The settings were not saved, and the settings file was left as it was:\n%1")
             .arg(QString::fromStdString(reason)),
         QMessageBox::Warning);
}

} // namespace kestrova::ui
