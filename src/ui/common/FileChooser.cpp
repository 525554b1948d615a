#include "common/FileChooser.h"

#include <QFileDialog>

namespace kestrova::ui {
namespace {
FileChooser::Handler& handler() {
    static FileChooser::Handler h;
    return h;
}
} // namespace

QString FileChooser::choose(QWidget* parent, const Request& r) {
    if (handler()) return handler()(r);
    QFileDialog dialog(parent, r.caption, r.proposedName, r.filter);
    dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(r.defaultSuffix);
    if (r.save) dialog.selectFile(r.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void FileChooser::setHandler(Handler h) {
    handler() = std::move(h);
}

} // namespace kestrova::ui
