#include "common/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace kestrova::ui {
namespace {
FileChooser::Handler& handler() {
    static FileChooser::Handler h;
    return h;
}
QString& lastFolder() {
    static QString folder;
    return folder;
}
bool hidden(const QString& folder) {
    for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        if (part.startsWith(QLatin1Char('.'))) return true;
    return false;
}
} // namespace

QString FileChooser::suffixOfFilter(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch m = pattern.match(filter);
    return m.hasMatch() ? m.captured(1) : QString();
}

QString FileChooser::startFolder() {
    if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir()) return lastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir() && !hidden(documents)) return documents;
    return QDir::homePath();
}

QString FileChooser::choose(QWidget* parent, const Request& r) {
    if (handler()) return handler()(r);
    QFileDialog dialog(parent, r.caption, startFolder(), r.filter);
    dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(r.defaultSuffix);
    // The type chosen gives a name typed without an extension its extension.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &r](const QString& filter) {
        const QString suffix = suffixOfFilter(filter);
        dialog.setDefaultSuffix(suffix.isEmpty() ? r.defaultSuffix : suffix);
    });
    if (r.save) dialog.selectFile(r.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().first();
    lastFolder() = QFileInfo(chosen).absolutePath();
    return chosen;
}

void FileChooser::setHandler(Handler h) {
    handler() = std::move(h);
}

} // namespace kestrova::ui
