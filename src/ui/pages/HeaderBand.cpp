#include "pages/HeaderBand.h"

#include "files/PatientText.h"
#include "pages/TextFlow.h"

#include <QFontMetrics>
#include <QPainter>

namespace kestrova::pages {
namespace {

constexpr int kLeftTop = Qt::AlignLeft | Qt::AlignTop;
constexpr int kLeftMid = Qt::AlignLeft | Qt::AlignVCenter;

QString genderOf(const PatientRecord& p) { return text(p.gender != 0 ? str::Female : str::Male); }

} // namespace

QString HeaderBand::heightText(const PatientRecord& p, UnitSystem units) {
    return QString::fromStdString(kestrova::heightText(p, units));
}

QString HeaderBand::weightText(const PatientRecord& p, UnitSystem units) {
    return QString::fromStdString(kestrova::weightText(p, units));
}

QString HeaderBand::dateText(const SampleRecord& s, bool withCentury) {
    return QString::asprintf(withCentury ? "20%02d/%02d/%02d" : "%02d/%02d/%02d", s.year, s.month, s.day);
}

QString HeaderBand::timeText(const SampleRecord& s) {
    return QString::asprintf("%02d:%02d:%02d", s.hour, s.minute, s.second);
}

namespace {

// The trend page's band: its rectangle, the title line and five rows of patient data.
struct Band {
    QRect rect;
    int left = 0, right = 0, bottom = 0, width = 0;
    int titleBottom = 0, rowHeight = 0;
    int rowTop(int row) const { return titleBottom + 1 + (row - 1) * rowHeight; }
};

Band bandGeometry(const QRect& d) {
    Band b;
    b.rect = edges(10, 5, d.width() - 10, d.height() * 27 / 100 + 10);
    b.left = b.rect.left();
    b.right = b.rect.left() + b.rect.width();
    b.bottom = b.rect.top() + b.rect.height();
    b.width = d.width();
    b.titleBottom = b.rect.top() + b.bottom * 16 / 100;
    b.rowHeight = b.bottom * 11 / 100;
    return b;
}

void drawBandLabels(TextFlow& flow, const Band& b, int charWidth) {
    const int Bl = b.left, Br = b.right, Wd = b.width, a2 = charWidth;
    auto label = [&](int row, int x, int right, int id) {
        flow.text(edges(x, b.rowTop(row), right, b.rowTop(row) + b.rowHeight), kLeftTop,
                  id ? text(id) : QStringLiteral("ID : "));
    };
    label(1, Bl + 10, Br, str::PatientData);
    label(2, Bl + 10, Bl + 10 + 8 * a2, str::NameLabel);
    label(2, Bl + 10 + Wd * 36 / 100, Bl + 10 + Wd * 36 / 100 + 8 * a2, str::GenderLabel);
    label(2, Bl + Wd * 62 / 100, Bl + Wd * 62 / 100 + 5 * a2, str::AgeLabel);
    label(3, Bl + 10, Bl + 10 + 5 * a2, 0);
    label(3, Bl + 10 + Wd * 36 / 100, Bl + 10 + Wd * 36 / 100 + 100, str::HeightLabel);
    label(3, Bl + Wd * 62 / 100, Bl + Wd * 62 / 100 + 100, str::WeightLabel);
    label(4, Bl + 10, Bl + Wd * 62 / 100 + 100, str::PhysicianLabel);
    label(5, Bl + 10, Bl + 10 + Wd * 39 / 100, str::Note1Label);
    label(5, Bl + Wd * 46 / 100, Br, str::Note2Label);
}

void drawBandValues(TextFlow& flow, const Band& b, const PageData& data) {
    const PatientRecord& pt = data.patient;
    const int Bl = b.left, Br = b.right, Wd = b.width, Bb = b.bottom, rowH = b.rowHeight;
    auto value = [&](int top, int height, int x, int right, const QString& s) {
        flow.text(edges(x, top, right, top + height), kLeftMid, s);
    };
    value(b.rowTop(2), rowH, Bl + 70, Br, storedText(fieldBytes(pt.name)));
    value(b.rowTop(2), rowH, Bl + Wd * 36 / 100 + 85, Br, genderOf(pt));
    value(b.rowTop(2), rowH, Bl + Wd * 62 / 100 + 50, Br, QString::number(pt.age));
    value(b.rowTop(3), rowH, Bl + 70, Br, QString::number(pt.id));
    value(b.rowTop(3), rowH, Bl + Wd * 36 / 100 + 75, Br, HeaderBand::heightText(pt, data.units));
    value(b.rowTop(3), rowH, Bl + Wd * 62 / 100 + 70, Br, HeaderBand::weightText(pt, data.units));
    value(b.rowTop(4) + Bb / 100, rowH, Bl + 105, Br, storedText(fieldBytes(pt.physician)));
    value(b.rowTop(5), Bb * 10 / 100, Bl + 70, Bl + 70 + Wd * 39 / 100, storedText(fieldBytes(pt.note1)));
    value(b.rowTop(5), Bb * 10 / 100, Bl + Wd * 46 / 100 + 60, Br - 10, storedText(fieldBytes(pt.note2)));
}

// The date row with its labels (bold) and values, and the comments below.
void drawBandDates(QPainter& p, TextFlow& flow, const Band& b, const PageData& data, const QFont& labels,
                   const QFont& values) {
    const int Bl = b.left, Br = b.right, Wd = b.width, Bb = b.bottom;
    const int dateTop = b.rowTop(5) + b.rowHeight + Bb * 3 / 100, dateBottom = dateTop + Bb * 10 / 100;
    p.setFont(labels);
    flow.text(edges(Bl + 10, dateTop, Br, dateBottom), kLeftMid, text(str::StartDate));
    flow.text(edges(Bl + 10 + Wd * 24 / 100, dateTop, Br, dateBottom), kLeftMid, text(str::StartTime));
    flow.text(edges(Bl + Wd * 48 / 100, dateTop, Br, dateBottom), kLeftMid, text(str::EndDate));
    flow.text(edges(Bl + Wd * 73 / 100, dateTop, Br, dateBottom), kLeftMid, text(str::EndTime));
    flow.text(edges(Bl + 10, dateBottom, Br, Bb - 2), kLeftMid, text(str::CommentsLabel));

    p.setFont(values);
    const int vTop = b.rect.top() + Bb * 75 / 100, vBottom = Bb * 85 / 100;
    if (!data.samples.empty()) {
        const SampleRecord& first = data.samples.front();
        const SampleRecord& last = data.samples.back();
        flow.text(edges(Bl + 100, vTop, Br, vBottom), kLeftMid, HeaderBand::dateText(first, true));
        flow.text(edges(Bl + Wd * 24 / 100 + 100, vTop, Br, vBottom), kLeftMid, HeaderBand::timeText(first));
        flow.text(edges(Bl + Wd * 48 / 100 + 88, vTop, Br, vBottom), kLeftMid, HeaderBand::dateText(last, true));
        flow.text(edges(Bl + Wd * 73 / 100 + 88, vTop, Br, vBottom), kLeftMid, HeaderBand::timeText(last));
    }
    flow.text(edges(Bl + 120, Bb * 85 / 100 + 1, Br, Bb - 2), kLeftMid, storedText(fieldBytes(data.patient.comments)));
}

} // namespace

int HeaderBand::drawTrend(QPainter& p, const QRect& d, const PageData& data) {
    const Band b = bandGeometry(d);
    p.fillRect(b.rect, QColor(184, 192, 169));
    raisedEdge(p, b.rect);
    TextFlow flow(p);
    const QFont f1 = arial(25, true, true), f2 = arial(19, true), f3 = arial(18, false);

    p.setFont(f1);
    flow.text(edges(b.left + 10, b.rect.top(), b.right, b.titleBottom), kLeftMid, storedText(data.reportTitle));
    p.setPen(QPen(QColor(0, 0, 255), 1));
    const int rule2 = b.titleBottom + b.bottom * 54 / 100 + 1;
    line(p, b.left, b.titleBottom, b.right, b.titleBottom);
    line(p, b.left, rule2, b.right, rule2);
    p.setPen(Qt::black);
    p.setFont(f2);
    drawBandLabels(flow, b, QFontMetrics(f2).averageCharWidth());
    p.setFont(f3);
    drawBandValues(flow, b, data);
    drawBandDates(p, flow, b, data, f2, f3);
    return b.bottom;
}

namespace {

// Table (fonts T1-T3) and analysis (T1, T5, T6) variants share one layout.
struct Block {
    QFont title, label, value;
    int labelHeight = 0, valueHeight = 0; // line heights of the two fonts
    int labelChar = 0, valueChar = 0;     // average character widths
    int left = 0, right = 0, width = 0;   // of the drawing rectangle
    int titleBottom = 0;
    QRect patient;                        // PB: the five rows of patient data
    QRect dates;                          // DB: start, end, comments
};

Block blockGeometry(const QRect& d, bool analysis) {
    Block b;
    b.title = arial(25, true, true);
    b.label = analysis ? arial(14, true) : arial(18, true);
    b.value = analysis ? arial(13, false) : arial(18, false);
    b.labelHeight = QFontMetrics(b.label).height();
    b.valueHeight = QFontMetrics(b.value).height();
    b.labelChar = QFontMetrics(b.label).averageCharWidth();
    b.valueChar = QFontMetrics(b.value).averageCharWidth();
    b.left = d.left();
    b.right = d.left() + d.width();
    b.width = d.width();
    b.titleBottom = d.top() + static_cast<int>(QFontMetrics(b.title).height() * 1.6);
    b.patient = edges(b.left + 10, b.titleBottom + 1, b.right - 10, b.titleBottom + 5 * b.labelHeight + 4);
    const int PBb = b.patient.top() + b.patient.height();
    b.dates = edges(b.left + 10, PBb + 5, b.right - 10, PBb + 45);
    return b;
}

void drawBlockLabels(TextFlow& flow, const Block& b, bool analysis) {
    const int PBl = b.patient.left(), PBr = PBl + b.patient.width(), Wd = b.width, aL = b.labelChar;
    auto label = [&](int row, int x, int right, int id) {
        const int top = b.patient.top() + 1 + (row - 1) * b.labelHeight;
        flow.text(edges(x, top, right, top + b.labelHeight), kLeftTop, id ? text(id) : QStringLiteral("ID : "));
    };
    const int genderX = PBl + Wd * 36 / 100, ageX = PBl + Wd * 62 / 100;
    label(1, PBl + 10, PBr, str::PatientData);
    label(2, PBl + 10, PBl + 10 + 8 * aL, str::NameLabel);
    label(2, genderX, genderX + (analysis ? 10 : 8) * aL, str::GenderLabel);
    label(2, ageX, ageX + (analysis ? 7 : 5) * aL, str::AgeLabel);
    label(3, PBl + 10, PBl + 10 + 5 * aL, 0);
    label(3, genderX, genderX + 100, str::HeightLabel);
    label(3, ageX, ageX + 100, str::WeightLabel);
    label(4, PBl + 10, PBl + Wd * 62 / 100 + 100, str::PhysicianLabel);
    label(5, PBl + 10, PBl + Wd * 39 / 100 + 10, str::Note1Label);
    label(5, PBl + Wd * 46 / 100, PBr - 10, str::Note2Label);
}

// Name/gender/age, then ID/height/weight, then (3 units lower) the physician, then the notes.
void drawBlockValues(TextFlow& flow, const Block& b, const PageData& data, bool analysis) {
    const PatientRecord& pt = data.patient;
    const int PBl = b.patient.left(), PBr = PBl + b.patient.width(), Wd = b.width, a = b.valueChar;
    const int thV = b.valueHeight;
    const int v0 = b.patient.top() + thV + 2, v1 = v0 + thV, v2 = v1 + thV + 3, v3 = v2 + thV;
    const int genderX = PBl + Wd * 36 / 100, ageX = PBl + Wd * 62 / 100;
    auto value = [&](int top, int x, int right, const QString& s) {
        flow.text(edges(x, top, right, top + thV), kLeftMid, s);
    };
    const QString name = storedText(fieldBytes(pt.name)), physician = storedText(fieldBytes(pt.physician));
    const QString note1 = storedText(fieldBytes(pt.note1)), note2 = storedText(fieldBytes(pt.note2));
    const QString height = HeaderBand::heightText(pt, data.units), weight = HeaderBand::weightText(pt, data.units);
    if (!analysis) {
        value(v0, PBl + 70, PBl + 70 + 30 * a, name);
        value(v0, genderX + 75, genderX + 75 + 8 * a, genderOf(pt));
        value(v0, ageX + 50, ageX + 50 + 5 * a, QString::number(pt.age));
        value(v1, PBl + 70, PBl + 70 + 20 * a, QString::number(pt.id));
        value(v1, genderX + 75, genderX + 75 + 8 * a, height);
        value(v1, ageX + 70, ageX + 70 + 100, weight);
        value(v2, PBl + 105, PBr - 10, physician);
        value(v3, PBl + 70, PBl + 70 + Wd * 39 / 100, note1);
        value(v3, PBl + Wd * 46 / 100 + 60, PBr - 10, note2);
    } else {
        value(v0, PBl + 13 * a, PBl + 43 * a, name);
        value(v0, genderX + 13 * a, genderX + 26 * a, genderOf(pt));
        value(v0, ageX + 8 * a, ageX + 16 * a, QString::number(pt.age));
        value(v1, PBl + 6 * a + 10, PBl + 26 * a + 10, QString::number(pt.id));
        value(v1, genderX + 12 * a, genderX + 27 * a, height);
        value(v1, ageX + 12 * a, ageX + 24 * a, weight);
        value(v2, PBl + 15 * a + 10, PBr - 10, physician);
        value(v3, PBl + 10 * a + 10, PBl + Wd * 39 / 100 + 7 * a + 10, note1);
        value(v3, PBl + Wd * 46 / 100 + 10 * a, PBr - 10, note2);
    }
}

// Start and end on one line with the comments below (table), or start, end and
// comments on three lines (analysis sheet).
void drawBlockDates(QPainter& p, TextFlow& flow, const Block& b, const PageData& data, bool analysis) {
    const int DBl = b.dates.left(), DBr = DBl + b.dates.width(), top = b.dates.top() + 5, Wd = b.width;
    const int thL = b.labelHeight, thV = b.valueHeight, a = b.valueChar;
    const bool hasSamples = !data.samples.empty();
    const SampleRecord first = hasSamples ? data.samples.front() : SampleRecord{};
    const SampleRecord last = hasSamples ? data.samples.back() : SampleRecord{};
    const QString comments = storedText(fieldBytes(data.patient.comments));
    auto at = [&](const QFont& f, int rowTop, int height, int x, int right, const QString& s) {
        p.setFont(f);
        flow.text(edges(x, rowTop, right, rowTop + height), kLeftMid, s);
    };
    if (!analysis) {
        at(b.label, top, thL, DBl + 10, DBr, text(str::StartDate));
        at(b.label, top, thL, DBl + Wd * 24 / 100, DBr, text(str::StartTime));
        at(b.label, top, thL, DBl + Wd * 48 / 100, DBr, text(str::EndDate));
        at(b.label, top, thL, DBl + Wd * 73 / 100, DBr, text(str::EndTime));
        at(b.label, top + thL, thL, DBl + 10, DBr, text(str::CommentsLabel));
        if (hasSamples) {
            at(b.value, top, thV, DBl + 100, DBr, HeaderBand::dateText(first, true));
            at(b.value, top, thV, DBl + Wd * 24 / 100 + 88, DBr, HeaderBand::timeText(first));
            at(b.value, top, thV, DBl + Wd * 48 / 100 + 88, DBr, HeaderBand::dateText(last, true));
            at(b.value, top, thV, DBl + Wd * 73 / 100 + 88, DBr, HeaderBand::timeText(last));
        }
        at(b.value, top + thV + 1, thV, DBl + 120, DBr, comments);
        return;
    }
    const int col2 = DBl + Wd * 48 / 100;
    at(b.label, top, thL, DBl + 10, DBr, text(str::StartDate));
    at(b.label, top, thL, col2, DBr, text(str::StartTime));
    at(b.label, top + thL + 1, thL, DBl + 10, DBr, text(str::EndDate));
    at(b.label, top + thL + 1, thL, col2, DBr, text(str::EndTime));
    at(b.label, top + 2 * thL + 1, thL, DBl + 10, DBr, text(str::CommentsLabel));
    if (hasSamples) {
        at(b.value, top, thV, DBl + 15 * a + 10, DBl + 32 * a + 10, HeaderBand::dateText(first, false));
        at(b.value, top, thV, col2 + 16 * a, col2 + 33 * a, HeaderBand::timeText(first));
        at(b.value, top + thV + 1, thV, DBl + 14 * a + 10, DBl + 31 * a + 10, HeaderBand::dateText(last, false));
        at(b.value, top + thV + 1, thV, col2 + 15 * a, col2 + 32 * a, HeaderBand::timeText(last));
    }
    at(b.value, top + 2 * thV + 2, thV, DBl + 18 * a + 10, DBl + 138 * a + 10, comments);
}

int drawBlock(QPainter& p, const QRect& d, const PageData& data, bool analysis) {
    const Block b = blockGeometry(d, analysis);
    TextFlow flow(p);
    p.setFont(b.title);
    flow.text(edges(b.left + 20, d.top(), b.right - 10, b.titleBottom), kLeftMid, storedText(data.reportTitle));
    p.setPen(QPen(Qt::black, 1));
    line(p, b.left + 10, b.titleBottom - 5, b.right - 10, b.titleBottom - 5);
    line(p, b.left + 10, b.dates.top(), b.right - 10, b.dates.top());
    p.setFont(b.label);
    drawBlockLabels(flow, b, analysis);
    p.setFont(b.value);
    drawBlockValues(flow, b, data, analysis);
    drawBlockDates(p, flow, b, data, analysis);
    return b.dates.top() + b.dates.height();
}

} // namespace

int HeaderBand::drawTable(QPainter& p, const QRect& d, const PageData& data) { return drawBlock(p, d, data, false); }

int HeaderBand::drawAnalysis(QPainter& p, const QRect& sheet, const PageData& data) {
    return drawBlock(p, sheet, data, true);
}

int HeaderBand::analysisBottom(const QRect& sheet) {
    const Block b = blockGeometry(sheet, true);
    return b.dates.top() + b.dates.height();
}

int HeaderBand::tableBottom(const QRect& d) {
    const Block b = blockGeometry(d, false);
    return b.dates.top() + b.dates.height();
}

} // namespace kestrova::pages
