#include "pages/ClinicalReport.h"

#include "pages/DisclosurePage.h"
#include "pages/HourTablePage.h"
#include "pages/NightsComparison.h"
#include "pages/ReportDrawing.h"
#include "pages/SummaryPage.h"

#include "text/Translate.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace kestrova::pages {
namespace {

QString xmlEscaped(const QString& s) {
    return s.toHtmlEscaped();
}

// Author and subject live in the XMP packet; the writer's own dictionary has no room for them.
QByteArray xmpOf(const QString& title, const QString& author, const QString& subject, const QString& creator) {
    QString x = QStringLiteral(
        "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>"
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
        "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
        "xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmlns:pdf='http://ns.adobe.com/pdf/1.3/'>"
        "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>");
    x = x.arg(xmlEscaped(title));
    if (!author.isEmpty())
        x += QStringLiteral("<dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>").arg(xmlEscaped(author));
    x += QStringLiteral("<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:description>"
                        "<xmp:CreatorTool>%2</xmp:CreatorTool><pdf:Producer>%2</pdf:Producer>"
                        "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end='w'?>")
             .arg(xmlEscaped(subject), xmlEscaped(creator));
    return x.toUtf8();
}

} // namespace

QSize ClinicalReport::pageSize(Paper paper) {
    return paper == Paper::A4 ? QSize(794, 1123) : QSize(816, 1056);
}

std::vector<ReportPage> ClinicalReport::plan(const ClinicalReportData& data, const QSize& page) {
    std::vector<ReportPage> pages{{ReportPage::Kind::Summary}};
    // The hour rows run on over pages; the deepest events and the rule follow the last
    // rows, on a page of their own when they do not fit under them.
    const int rows = HourTablePage::rowCount(data.page.samples);
    const int full = std::max(1, HourTablePage::rowsPerPage(page, false));
    const int withEvents = HourTablePage::rowsPerPage(page, true);
    int row = 0;
    do {
        const int left = rows - row;
        ReportPage part{ReportPage::Kind::Hours, row};
        if (left <= withEvents) {
            part.rows = left;
            part.events = true;
        } else {
            part.rows = std::min(left, full);
        }
        row += part.rows;
        pages.push_back(part);
    } while (!pages.back().events);
    if (data.followUp.size() > 1) pages.push_back({ReportPage::Kind::FollowUp});
    const int strips = DisclosurePage::stripCount(static_cast<std::int64_t>(data.page.samples.size()));
    for (int s = 0; s < strips; s += kStripsPerPage) {
        ReportPage part{ReportPage::Kind::Disclosure};
        part.firstStrip = s;
        pages.push_back(part);
    }
    return pages;
}

int ClinicalReport::pageCount(const ClinicalReportData& data, Paper paper) {
    return static_cast<int>(plan(data, pageSize(paper)).size());
}

std::vector<QRect> ClinicalReport::drawPage(QPainter& p, const QSize& page, const ClinicalReportData& data, int index) {
    const std::vector<ReportPage> pages = plan(data, page);
    if (index < 0 || index >= static_cast<int>(pages.size())) return {};
    const ReportPage& part = pages[static_cast<std::size_t>(index)];
    std::vector<QRect> plots;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (part.kind) {
    case ReportPage::Kind::Summary: plots = SummaryPage::draw(p, page, data); break;
    case ReportPage::Kind::Hours: HourTablePage::draw(p, page, data, part); break;
    case ReportPage::Kind::FollowUp: {
        report::drawHeading(p, page, QCoreApplication::translate("ClinicalReport", "Follow-up"));
        const QRect area(kMargin, kMargin + 20, page.width() - 2 * kMargin, page.height() - 2 * kMargin - 30);
        NightsComparison::draw(p, area, data.followUp);
        plots.push_back(NightsComparison::layout(area, data.followUp.size()).chart);
        break;
    }
    case ReportPage::Kind::Disclosure: plots = DisclosurePage::draw(p, page, data, part.firstStrip); break;
    }
    report::drawFooter(p, page, data, index, static_cast<int>(pages.size()));
    p.restore();
    return plots;
}

QImage ClinicalReport::renderScreen(const ClinicalReportData& data, QSize size, int index, Paper paper) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter p(&image);
    const QSize page = pageSize(paper);
    const double scale =
        std::min(size.width() / static_cast<double>(page.width()), size.height() / static_cast<double>(page.height()));
    p.translate((size.width() - page.width() * scale) / 2, (size.height() - page.height() * scale) / 2);
    p.scale(scale, scale);
    p.fillRect(QRect(QPoint(0, 0), page), Qt::white);
    drawPage(p, page, data, index);
    return image;
}

void ClinicalReport::printAll(QPainter& painter, QPagedPaintDevice& device, const ClinicalReportData& data) {
    const QSize page =
        device.pageLayout().pageSize().id() == QPageSize::Letter ? pageSize(Paper::Letter) : pageSize(Paper::A4);
    const int pages = static_cast<int>(plan(data, page).size());
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        painter.save();
        painter.setWindow(QRect(QPoint(0, 0), page));
        painter.setViewport(QRect(0, 0, device.width(), device.height()));
        drawPage(painter, page, data, i);
        painter.restore();
    }
}

WriteStatus ClinicalReport::writePdf(const std::string& path, const ClinicalReportData& data, Paper paper) {
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return Error{Status::IoError, path, ktr("ClinicalReport", "the PDF could not be drawn")};
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(600);
        const QString creator = report::versionText(data);
        QString title =
            QCoreApplication::translate("ClinicalReport", "Overnight pulse oximetry - ID %1").arg(data.page.patient.id);
        if (const QString name = report::patientName(data); !name.isEmpty()) title += QStringLiteral(" - ") + name;
        pdf.setCreator(creator);
        pdf.setTitle(title);
        pdf.setDocumentXmpMetadata(xmpOf(title, QString::fromStdString(data.header.clinicName),
                                         QCoreApplication::translate("ClinicalReport", "Overnight pulse oximetry"),
                                         creator));
        QPainter painter;
        if (!painter.begin(&pdf))
            return Error{Status::IoError, path, ktr("ClinicalReport", "the PDF could not be drawn")};
        printAll(painter, pdf, data);
        if (!painter.end()) return Error{Status::IoError, path, ktr("ClinicalReport", "the PDF could not be drawn")};
    }
    const QByteArray& bytes = buffer.data();
    if (bytes.isEmpty()) return Error{Status::IoError, path, ktr("ClinicalReport", "the PDF could not be drawn")};
    return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace kestrova::pages
