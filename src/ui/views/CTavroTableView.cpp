#include "views/CTavroTableView.h"

#include "model/RecordingModel.h"
#include "pages/AnalysisPage.h"
#include "pages/TablePage.h"
#include "views/ViewSupport.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

namespace kestrova::ui {

CTavroTableView::CTavroTableView(RecordingDocument& document, QWidget* parent) : RecordingView(document, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
}

void CTavroTableView::reportPage() {
    if (tableMode()) {
        emit pageStatus(document().currentPage(), m_pageCount);
        const int perPage = recordsPerPage();
        emit visibleRangeChanged(static_cast<qint64>(document().currentPage()) * perPage, perPage);
    } else if (document().displayMode() == DisplayMode::Analysis) {
        emit pageStatus(0, 1);
    }
}

int CTavroTableView::recordsPerPage() const {
    using pages::TablePage;
    return TablePage::recordsPerPage(TablePage::rows(TablePage::tableRect(rect(), document().pageData())));
}

void CTavroTableView::goToPage(int page) {
    if (!tableMode()) return;
    document().setCurrentPage(std::clamp(page, 0, std::max(0, m_pageCount - 1)));
    update();
    reportPage();
}

void CTavroTableView::showSample(std::int64_t index) {
    if (!tableMode() || index < 0 || index >= document().model().currentCount()) return;
    m_pageCount = pages::TablePage::pageCount(document().model().currentCount(), recordsPerPage());
    goToPage(static_cast<int>(index / std::max(1, recordsPerPage())));
}

std::int64_t CTavroTableView::focusSample() const {
    return static_cast<std::int64_t>(document().currentPage()) * recordsPerPage() - 1;
}

void CTavroTableView::showEvent(QShowEvent* event) {
    RecordingView::showEvent(event);
    reportPage();
}

void CTavroTableView::paintEvent(QPaintEvent*) {
    const QRect d = rect();
    if (m_image.size() != d.size()) m_image = QImage(d.size(), QImage::Format_RGB32);
    bool copy = true;
    {
        QPainter off(&m_image);
        const pages::PageData pageData = document().pageData();
        if (tableMode()) {
            const int pages = pages::TablePage::draw(off, d, pageData);
            if (pages < 0)
                copy = false; // fewer than 3 rows fit: nothing sensible to show
            else
                m_pageCount = pages;
        } else if (document().displayMode() == DisplayMode::Analysis) {
            pages::AnalysisPage::draw(off, d, pageData, false);
        } else {
            off.fillRect(d, palette().window());
        }
    }
    QPainter p(this);
    if (copy)
        p.drawImage(0, 0, m_image);
    else
        p.fillRect(d, QColor(202, 200, 159));
    reportPage();
}

void CTavroTableView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageDown)
        pageDown();
    else if (event->key() == Qt::Key_PageUp)
        pageUp();
    else if (event->key() == Qt::Key_Home)
        firstPage();
    else if (event->key() == Qt::Key_End)
        lastPage();
    RecordingView::keyPressEvent(event);
}

void CTavroTableView::wheelEvent(QWheelEvent* event) {
    if (event->angleDelta().y() <= 0)
        pageDown();
    else
        pageUp();
    RecordingView::wheelEvent(event);
}

void CTavroTableView::pageDown() {
    if (!tableMode()) return;
    document().setCurrentPage(pageDownIndex(document().currentPage(), m_rollStep, m_pageCount));
    update();
    reportPage();
}

void CTavroTableView::pageUp() {
    if (!tableMode()) return;
    document().setCurrentPage(pageUpIndex(document().currentPage(), m_rollStep));
    update();
    reportPage();
}

void CTavroTableView::rollStep() {
    m_rollStep = askRollStep(this, m_rollStep, m_pageCount);
}

void CTavroTableView::print() {
    printView(this, tableMode() ? pages::PageKind::Table : pages::PageKind::Analysis, document(), false);
}

void CTavroTableView::printPreview() {
    printView(this, tableMode() ? pages::PageKind::Table : pages::PageKind::Analysis, document(), true);
}

} // namespace kestrova::ui
