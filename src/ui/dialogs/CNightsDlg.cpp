#include "dialogs/CNightsDlg.h"

#include "pages/NightsComparison.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrova::ui {

namespace {
// The comparison at the size of the widget, white like paper.
class NightsView : public QWidget {
public:
    NightsView(const std::vector<pages::FollowUpNight>& nights, QWidget* parent) : QWidget(parent), m_nights(nights) {
        setMinimumSize(760, 520);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        pages::NightsComparison::draw(p, QRectF(rect()).adjusted(12, 12, -12, -12), m_nights);
    }

private:
    const std::vector<pages::FollowUpNight>& m_nights;
};
} // namespace

CNightsDlg::CNightsDlg(const QString& patient, std::vector<pages::FollowUpNight> nights, QWidget* parent)
    : QDialog(parent), m_patient(patient), m_nights(std::move(nights)) {
    setWindowTitle(tr("Nights of %1").arg(patient));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new NightsView(m_nights, this), 1);
    auto* buttons = new QDialogButtonBox(this);
    auto* open = buttons->addButton(tr("&Open the Latest Night"), QDialogButtonBox::AcceptRole);
    open->setToolTip(tr("Opens the latest of these nights; its clinical report compares all of them"));
    auto* print = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(print, &QPushButton::clicked, this, &CNightsDlg::print);
}

void CNightsDlg::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Nights of %1").arg(m_patient));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter p(&printer);
    if (!p.isActive()) return;
    // Logical units of 1/96 inch, as every printed page of the program.
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double scale = printer.resolution() / 96.0;
    p.scale(scale, scale);
    pages::NightsComparison::draw(p, QRectF(0, 0, page.width() / scale, page.height() / scale).adjusted(0, 0, 0, 0),
                                  m_nights);
}

} // namespace kestrova::ui
