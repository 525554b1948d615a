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

int HeaderBand::drawTrend(QPainter& p, const QRect& d, const PageData& data) {
    const int W = d.width(), H = d.height();
    const QRect B = edges(10, 5, W - 10, H * 27 / 100 + 10);
    const int Bb = B.top() + B.height(); // bottom coordinate
    const int Bl = B.left(), Br = B.left() + B.width();
    const int Wd = W;
    p.fillRect(B, QColor(184, 192, 169));
    raisedEdge(p, B);
    TextFlow flow(p);
    const QFont f1 = arial(25, true, true), f2 = arial(19, true), f3 = arial(18, false);
    const PatientRecord& pt = data.patient;

    const int titleBottom = B.top() + Bb * 16 / 100;
    p.setFont(f1);
    flow.text(edges(Bl + 10, B.top(), Br, titleBottom), kLeftMid, storedText(data.reportTitle));
    p.setPen(QPen(QColor(0, 0, 255), 1));
    line(p, Bl, titleBottom, Br, titleBottom);
    line(p, Bl, titleBottom + Bb * 54 / 100 + 1, Br, titleBottom + Bb * 54 / 100 + 1);
    p.setPen(Qt::black);

    const int rowH = Bb * 11 / 100;
    auto rowTop = [&](int r) { return titleBottom + 1 + (r - 1) * rowH; };
    p.setFont(f2);
    const int a2 = QFontMetrics(f2).averageCharWidth();
    auto label = [&](int row, int x, int right, int id, const QString& literal = {}) {
        flow.text(edges(x, rowTop(row), right, rowTop(row) + rowH), kLeftTop, literal.isEmpty() ? text(id) : literal);
    };
    label(1, Bl + 10, Br, str::PatientData);
    label(2, Bl + 10, Bl + 10 + 8 * a2, str::NameLabel);
    label(2, Bl + 10 + Wd * 36 / 100, Bl + 10 + Wd * 36 / 100 + 8 * a2, str::GenderLabel);
    label(2, Bl + Wd * 62 / 100, Bl + Wd * 62 / 100 + 5 * a2, str::AgeLabel);
    label(3, Bl + 10, Bl + 10 + 5 * a2, 0, QStringLiteral("ID : "));
    label(3, Bl + 10 + Wd * 36 / 100, Bl + 10 + Wd * 36 / 100 + 100, str::HeightLabel);
    label(3, Bl + Wd * 62 / 100, Bl + Wd * 62 / 100 + 100, str::WeightLabel);
    label(4, Bl + 10, Bl + Wd * 62 / 100 + 100, str::PhysicianLabel);
    label(5, Bl + 10, Bl + 10 + Wd * 39 / 100, str::Note1Label);
    label(5, Bl + Wd * 46 / 100, Br, str::Note2Label);

    p.setFont(f3);
    auto value = [&](int top, int height, int x, int right, const QString& s) {
        flow.text(edges(x, top, right, top + height), kLeftMid, s);
    };
    value(rowTop(2), rowH, Bl + 70, Br, storedText(fieldBytes(pt.name)));
    value(rowTop(2), rowH, Bl + Wd * 36 / 100 + 85, Br, genderOf(pt));
    value(rowTop(2), rowH, Bl + Wd * 62 / 100 + 50, Br, QString::number(pt.age));
    value(rowTop(3), rowH, Bl + 70, Br, QString::number(pt.id));
    value(rowTop(3), rowH, Bl + Wd * 36 / 100 + 75, Br, heightText(pt, data.units));
    value(rowTop(3), rowH, Bl + Wd * 62 / 100 + 70, Br, weightText(pt, data.units));
    value(rowTop(4) + Bb / 100, rowH, Bl + 105, Br, storedText(fieldBytes(pt.physician)));
    value(rowTop(5), Bb * 10 / 100, Bl + 70, Bl + 70 + Wd * 39 / 100, storedText(fieldBytes(pt.note1)));
    value(rowTop(5), Bb * 10 / 100, Bl + Wd * 46 / 100 + 60, Br - 10, storedText(fieldBytes(pt.note2)));

    // Date row and comments label.
    const int dateTop = rowTop(5) + rowH + Bb * 3 / 100;
    const int dateBottom = dateTop + Bb * 10 / 100;
    p.setFont(f2);
    flow.text(edges(Bl + 10, dateTop, Br, dateBottom), kLeftMid, text(str::StartDate));
    flow.text(edges(Bl + 10 + Wd * 24 / 100, dateTop, Br, dateBottom), kLeftMid, text(str::StartTime));
    flow.text(edges(Bl + Wd * 48 / 100, dateTop, Br, dateBottom), kLeftMid, text(str::EndDate));
    flow.text(edges(Bl + Wd * 73 / 100, dateTop, Br, dateBottom), kLeftMid, text(str::EndTime));
    flow.text(edges(Bl + 10, dateBottom, Br, Bb - 2), kLeftMid, text(str::CommentsLabel));

    p.setFont(f3);
    const int vTop = B.top() + Bb * 75 / 100, vBottom = Bb * 85 / 100;
    if (!data.samples.empty()) {
        const SampleRecord& first = data.samples.front();
        const SampleRecord& last = data.samples.back();
        flow.text(edges(Bl + 100, vTop, Br, vBottom), kLeftMid, dateText(first, true));
        flow.text(edges(Bl + Wd * 24 / 100 + 100, vTop, Br, vBottom), kLeftMid, timeText(first));
        flow.text(edges(Bl + Wd * 48 / 100 + 88, vTop, Br, vBottom), kLeftMid, dateText(last, true));
        flow.text(edges(Bl + Wd * 73 / 100 + 88, vTop, Br, vBottom), kLeftMid, timeText(last));
    }
    flow.text(edges(Bl + 120, Bb * 85 / 100 + 1, Br, Bb - 2), kLeftMid, storedText(fieldBytes(pt.comments)));
    return Bb;
}

namespace {

// Table (fonts T1-T3) and analysis (T1, T5, T6) variants.
int drawBlock(QPainter& p, const QRect& d, const PageData& data, bool analysis) {
    const QFont t1 = arial(25, true, true);
    const QFont labelFont = analysis ? arial(14, true) : arial(18, true);
    const QFont valueFont = analysis ? arial(13, false) : arial(18, false);
    const int L = d.left(), R = d.left() + d.width(), Wd = d.width();
    const int th1 = QFontMetrics(t1).height();
    const int thL = QFontMetrics(labelFont).height();
    const int thV = QFontMetrics(valueFont).height();
    const int aL = QFontMetrics(labelFont).averageCharWidth();
    const int a = QFontMetrics(valueFont).averageCharWidth();
    const PatientRecord& pt = data.patient;
    TextFlow flow(p);

    const int titleBottom = d.top() + static_cast<int>(th1 * 1.6);
    p.setFont(t1);
    flow.text(edges(L + 20, d.top(), R - 10, titleBottom), kLeftMid, storedText(data.reportTitle));
    p.setPen(QPen(Qt::black, 1));
    line(p, L + 10, titleBottom - 5, R - 10, titleBottom - 5);
    const QRect PB = edges(L + 10, titleBottom + 1, R - 10, titleBottom + 5 * thL + 4);
    const int PBl = PB.left(), PBr = PB.left() + PB.width(), PBb = PB.top() + PB.height();
    line(p, L + 10, PBb + 5, R - 10, PBb + 5);

    // Labels.
    p.setFont(labelFont);
    auto label = [&](int row, int x, int right, const QString& s) {
        const int top = PB.top() + 1 + (row - 1) * thL;
        flow.text(edges(x, top, right, top + thL), kLeftTop, s);
    };
    label(1, PBl + 10, PBr, text(str::PatientData));
    label(2, PBl + 10, PBl + 10 + 8 * aL, text(str::NameLabel));
    const int genderX = PBl + Wd * 36 / 100, ageX = PBl + Wd * 62 / 100;
    label(2, genderX, genderX + (analysis ? 10 : 8) * aL, text(str::GenderLabel));
    label(2, ageX, ageX + (analysis ? 7 : 5) * aL, text(str::AgeLabel));
    label(3, PBl + 10, PBl + 10 + 5 * aL, QStringLiteral("ID : "));
    label(3, genderX, genderX + 100, text(str::HeightLabel));
    label(3, ageX, ageX + 100, text(str::WeightLabel));
    label(4, PBl + 10, PBl + Wd * 62 / 100 + 100, text(str::PhysicianLabel));
    label(5, PBl + 10, PBl + Wd * 39 / 100 + 10, text(str::Note1Label));
    label(5, PBl + Wd * 46 / 100, PBr - 10, text(str::Note2Label));

    // Values: name/gender/age, then ID/height/weight, then (3 units lower) the
    // physician, then the notes.
    p.setFont(valueFont);
    const int v0 = PB.top() + thV + 2, v1 = v0 + thV, v2 = v1 + thV + 3, v3 = v2 + thV;
    auto value = [&](int top, int x, int right, const QString& s) {
        flow.text(edges(x, top, right, top + thV), kLeftMid, s);
    };
    if (!analysis) {
        value(v0, PBl + 70, PBl + 70 + 30 * a, storedText(fieldBytes(pt.name)));
        value(v0, genderX + 75, genderX + 75 + 8 * a, genderOf(pt));
        value(v0, ageX + 50, ageX + 50 + 5 * a, QString::number(pt.age));
        value(v1, PBl + 70, PBl + 70 + 20 * a, QString::number(pt.id));
        value(v1, genderX + 75, genderX + 75 + 8 * a, HeaderBand::heightText(pt, data.units));
        value(v1, ageX + 70, ageX + 70 + 100, HeaderBand::weightText(pt, data.units));
        value(v2, PBl + 105, PBr - 10, storedText(fieldBytes(pt.physician)));
        value(v3, PBl + 70, PBl + 70 + Wd * 39 / 100, storedText(fieldBytes(pt.note1)));
        value(v3, PBl + Wd * 46 / 100 + 60, PBr - 10, storedText(fieldBytes(pt.note2)));
    } else {
        value(v0, PBl + 13 * a, PBl + 43 * a, storedText(fieldBytes(pt.name)));
        value(v0, genderX + 13 * a, genderX + 26 * a, genderOf(pt));
        value(v0, ageX + 8 * a, ageX + 16 * a, QString::number(pt.age));
        value(v1, PBl + 6 * a + 10, PBl + 26 * a + 10, QString::number(pt.id));
        value(v1, genderX + 12 * a, genderX + 27 * a, HeaderBand::heightText(pt, data.units));
        value(v1, ageX + 12 * a, ageX + 24 * a, HeaderBand::weightText(pt, data.units));
        value(v2, PBl + 15 * a + 10, PBr - 10, storedText(fieldBytes(pt.physician)));
        value(v3, PBl + 10 * a + 10, PBl + Wd * 39 / 100 + 7 * a + 10, storedText(fieldBytes(pt.note1)));
        value(v3, PBl + Wd * 46 / 100 + 10 * a, PBr - 10, storedText(fieldBytes(pt.note2)));
    }

    // Date block.
    const QRect DB = edges(L + 10, PBb + 5, R - 10, PBb + 45);
    const int DBl = DB.left(), DBr = DB.left() + DB.width(), top = DB.top() + 5;
    const bool hasSamples = !data.samples.empty();
    const SampleRecord first = hasSamples ? data.samples.front() : SampleRecord{};
    const SampleRecord last = hasSamples ? data.samples.back() : SampleRecord{};
    auto at = [&](const QFont& f, int rowTop, int height, int x, int right, const QString& s) {
        p.setFont(f);
        flow.text(edges(x, rowTop, right, rowTop + height), kLeftMid, s);
    };
    if (!analysis) {
        at(labelFont, top, thL, DBl + 10, DBr, text(str::StartDate));
        at(labelFont, top, thL, DBl + Wd * 24 / 100, DBr, text(str::StartTime));
        at(labelFont, top, thL, DBl + Wd * 48 / 100, DBr, text(str::EndDate));
        at(labelFont, top, thL, DBl + Wd * 73 / 100, DBr, text(str::EndTime));
        at(labelFont, top + thL, thL, DBl + 10, DBr, text(str::CommentsLabel));
        if (hasSamples) {
            at(valueFont, top, thV, DBl + 100, DBr, HeaderBand::dateText(first, true));
            at(valueFont, top, thV, DBl + Wd * 24 / 100 + 88, DBr, HeaderBand::timeText(first));
            at(valueFont, top, thV, DBl + Wd * 48 / 100 + 88, DBr, HeaderBand::dateText(last, true));
            at(valueFont, top, thV, DBl + Wd * 73 / 100 + 88, DBr, HeaderBand::timeText(last));
        }
        at(valueFont, top + thV + 1, thV, DBl + 120, DBr, storedText(fieldBytes(pt.comments)));
    } else {
        const int col2 = DBl + Wd * 48 / 100;
        at(labelFont, top, thL, DBl + 10, DBr, text(str::StartDate));
        at(labelFont, top, thL, col2, DBr, text(str::StartTime));
        at(labelFont, top + thL + 1, thL, DBl + 10, DBr, text(str::EndDate));
        at(labelFont, top + thL + 1, thL, col2, DBr, text(str::EndTime));
        at(labelFont, top + 2 * thL + 1, thL, DBl + 10, DBr, text(str::CommentsLabel));
        if (hasSamples) {
            at(valueFont, top, thV, DBl + 15 * a + 10, DBl + 32 * a + 10, HeaderBand::dateText(first, false));
            at(valueFont, top, thV, col2 + 16 * a, col2 + 33 * a, HeaderBand::timeText(first));
            at(valueFont, top + thV + 1, thV, DBl + 14 * a + 10, DBl + 31 * a + 10, HeaderBand::dateText(last, false));
            at(valueFont, top + thV + 1, thV, col2 + 15 * a, col2 + 32 * a, HeaderBand::timeText(last));
        }
        at(valueFont, top + 2 * thV + 2, thV, DBl + 18 * a + 10, DBl + 138 * a + 10, storedText(fieldBytes(pt.comments)));
    }
    return DB.top() + DB.height();
}

} // namespace

int HeaderBand::drawTable(QPainter& p, const QRect& d, const PageData& data) { return drawBlock(p, d, data, false); }

int HeaderBand::drawAnalysis(QPainter& p, const QRect& sheet, const PageData& data) {
    return drawBlock(p, sheet, data, true);
}

} // namespace kestrova::pages
