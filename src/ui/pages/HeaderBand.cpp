#include "pages/HeaderBand.h"

#include "files/PatientText.h"
#include "pages/TextFlow.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

namespace kestrova::pages {
namespace {

constexpr int kLeftTop = Qt::AlignLeft | Qt::AlignTop;
constexpr int kLeftMid = Qt::AlignLeft | Qt::AlignVCenter;

QString genderOf(const PatientRecord& p) {
    return text(p.gender != 0 ? str::Female : str::Male);
}

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

// The header's texts in drawing order: the labels of the five patient rows, then those
// of the date rows; the values in the same order, the comments last.
enum Label {
    PatientDataLabel,
    NameLabel,
    GenderLabel,
    AgeLabel,
    IdLabel,
    HeightLabel,
    WeightLabel,
    PhysicianLabel,
    Note1Label,
    Note2Label,
    StartDateLabel,
    StartTimeLabel,
    EndDateLabel,
    EndTimeLabel,
    CommentsLabel,
    kLabels
};
enum Value {
    NameValue,
    GenderValue,
    AgeValue,
    IdValue,
    HeightValue,
    WeightValue,
    PhysicianValue,
    Note1Value,
    Note2Value,
    StartDateValue,
    StartTimeValue,
    EndDateValue,
    EndTimeValue,
    CommentsValue,
    kValues
};
constexpr int kPatientLabels = StartDateLabel, kPatientValues = StartDateValue;

constexpr int kLabelIds[kLabels] = {str::PatientData, str::NameLabel,   str::GenderLabel,  str::AgeLabel,
                                    0 /* "ID : " */,  str::HeightLabel, str::WeightLabel,  str::PhysicianLabel,
                                    str::Note1Label,  str::Note2Label,  str::StartDate,    str::StartTime,
                                    str::EndDate,     str::EndTime,     str::CommentsLabel};

// Every variant places its fields on the same columns, in percent of the page width:
// the second and third field of a patient row, where the second note starts and how
// wide the first is, and the start time, end and end time of the date row.
constexpr int kGenderColumn = 36, kAgeColumn = 62, kNote2Column = 46, kNote1Width = 39;
constexpr int kStartTimeColumn = 24, kEndColumn = 48, kEndTimeColumn = 73;
constexpr int kInset = 10;      // of the first column from the left edge
constexpr int kWideLabel = 100; // the height, weight and physician labels' room
// The patient row (1-5) of each label.
constexpr int kRowOf[kPatientLabels] = {1, 2, 2, 2, 3, 3, 3, 4, 5, 5};
// Each value shares its label's row (the first label, the heading, has no value).
constexpr int rowOf(Value v) {
    return kRowOf[v + 1];
}
// Where the trend's and the table's values start: from the left edge of their rows
// (name, ID and first note, physician, start date, comments), after their label
// (gender, age, weight, second note, end date and time) or after their column (height).
constexpr int kNameValue = 70, kPhysicianValue = 105, kStartValue = 100, kCommentsValue = 120;
constexpr int kGenderValue = 75, kAgeValue = 50, kWeightValue = 70, kNote2Value = 60, kDateValue = 88;

struct Columns {
    int gender, age, note2, note1Width, startTime, end, endTime;
};
Columns columnsOf(int width) {
    auto at = [width](int percent) { return width * percent / 100; };
    return {at(kGenderColumn),    at(kAgeColumn), at(kNote2Column),  at(kNote1Width),
            at(kStartTimeColumn), at(kEndColumn), at(kEndTimeColumn)};
}

// Where one variant of the header puts everything, computed once per paint.
struct HeaderLayout {
    QFont titleFont, labelFont, valueFont;
    QRect title;
    QRect labels[kLabels];
    QRect values[kValues];
    bool century = true; // of the dates
    int bottom = 0;      // what the draw function returns
};

// The labels (patient rows top-aligned, the rest centred vertically) and the values.
void drawFields(QPainter& p, TextFlow& flow, const HeaderLayout& h, const PageData& data) {
    const PatientRecord& pt = data.patient;
    p.setFont(h.labelFont);
    for (int i = 0; i < kPatientLabels; ++i)
        flow.text(h.labels[i], kLeftTop,
                  kLabelIds[i] ? text(kLabelIds[i]) : QCoreApplication::translate("HeaderBand", "ID : "));
    p.setFont(h.valueFont);
    const QString values[kPatientValues] = {storedText(fieldBytes(pt.name)),
                                            genderOf(pt),
                                            QString::number(pt.age),
                                            QString::number(pt.id),
                                            HeaderBand::heightText(pt, data.units),
                                            HeaderBand::weightText(pt, data.units),
                                            storedText(fieldBytes(pt.physician)),
                                            storedText(fieldBytes(pt.note1)),
                                            storedText(fieldBytes(pt.note2))};
    for (int i = 0; i < kPatientValues; ++i) flow.text(h.values[i], kLeftMid, values[i]);
    p.setFont(h.labelFont);
    for (int i = kPatientLabels; i < kLabels; ++i) flow.text(h.labels[i], kLeftMid, text(kLabelIds[i]));
    p.setFont(h.valueFont);
    if (!data.samples.empty()) {
        const SampleRecord& first = data.samples.front();
        const SampleRecord& last = data.samples.back();
        flow.text(h.values[StartDateValue], kLeftMid, HeaderBand::dateText(first, h.century));
        flow.text(h.values[StartTimeValue], kLeftMid, HeaderBand::timeText(first));
        flow.text(h.values[EndDateValue], kLeftMid, HeaderBand::dateText(last, h.century));
        flow.text(h.values[EndTimeValue], kLeftMid, HeaderBand::timeText(last));
    }
    flow.text(h.values[CommentsValue], kLeftMid, storedText(fieldBytes(data.patient.comments)));
}

// The trend page's band: a title line and five rows of patient data, each a share of
// the band's height, then the date row and the comments.
struct Band {
    QRect rect;
    int titleBottom = 0, secondRule = 0; // the blue rules under the title and the patient rows
    HeaderLayout fields;
};

Band bandLayout(const QRect& d) {
    Band band;
    band.rect = HeaderBand::trendBand(d);
    const QRect& r = band.rect;
    const int left = r.left(), right = r.left() + r.width(), bottom = r.top() + r.height();
    auto share = [bottom](int percent) { return bottom * percent / 100; };
    const int rowHeight = share(11);
    band.titleBottom = r.top() + share(16);
    band.secondRule = band.titleBottom + share(54) + 1;
    auto rowTop = [&](int row) { return band.titleBottom + 1 + (row - 1) * rowHeight; };

    HeaderLayout& h = band.fields;
    h.titleFont = arial(25, true, true);
    h.labelFont = arial(19, true);
    h.valueFont = arial(18, false);
    h.bottom = bottom;
    h.title = edges(left + kInset, r.top(), right, band.titleBottom);
    const Columns c = columnsOf(d.width());
    const int a = QFontMetrics(h.labelFont).averageCharWidth();
    const int first = left + kInset, gender = first + c.gender, age = left + c.age, note2 = left + c.note2;
    auto label = [&](Label l, int x, int xRight) {
        h.labels[l] = edges(x, rowTop(kRowOf[l]), xRight, rowTop(kRowOf[l]) + rowHeight);
    };
    label(PatientDataLabel, first, right);
    label(NameLabel, first, first + 8 * a);
    label(GenderLabel, gender, gender + 8 * a);
    label(AgeLabel, age, age + 5 * a);
    label(IdLabel, first, first + 5 * a);
    label(HeightLabel, gender, gender + kWideLabel);
    label(WeightLabel, age, age + kWideLabel);
    label(PhysicianLabel, first, age + kWideLabel);
    label(Note1Label, first, first + c.note1Width);
    label(Note2Label, note2, right);
    // Values run to the band's right edge, the first note only to where the second starts.
    const int indent = left + kNameValue;
    auto value = [&](Value v, int height, int x, int xRight, int drop = 0) {
        const int top = rowTop(rowOf(v)) + drop;
        h.values[v] = edges(x, top, xRight, top + height);
    };
    value(NameValue, rowHeight, indent, right);
    value(GenderValue, rowHeight, gender + kGenderValue, right);
    value(AgeValue, rowHeight, age + kAgeValue, right);
    value(IdValue, rowHeight, indent, right);
    value(HeightValue, rowHeight, left + c.gender + kGenderValue, right);
    value(WeightValue, rowHeight, age + kWeightValue, right);
    value(PhysicianValue, rowHeight, left + kPhysicianValue, right, share(1));
    value(Note1Value, share(10), indent, indent + c.note1Width);
    value(Note2Value, share(10), note2 + kNote2Value, right - kInset);

    const int dateTop = rowTop(5) + rowHeight + share(3), dateBottom = dateTop + share(10);
    const int startTime = first + c.startTime, end = left + c.end, endTime = left + c.endTime;
    h.labels[StartDateLabel] = edges(first, dateTop, right, dateBottom);
    h.labels[StartTimeLabel] = edges(startTime, dateTop, right, dateBottom);
    h.labels[EndDateLabel] = edges(end, dateTop, right, dateBottom);
    h.labels[EndTimeLabel] = edges(endTime, dateTop, right, dateBottom);
    h.labels[CommentsLabel] = edges(first, dateBottom, right, bottom - 2);
    const int valueTop = r.top() + share(75), valueBottom = share(85);
    h.values[StartDateValue] = edges(left + kStartValue, valueTop, right, valueBottom);
    h.values[StartTimeValue] = edges(left + c.startTime + kStartValue, valueTop, right, valueBottom);
    h.values[EndDateValue] = edges(end + kDateValue, valueTop, right, valueBottom);
    h.values[EndTimeValue] = edges(endTime + kDateValue, valueTop, right, valueBottom);
    h.values[CommentsValue] = edges(left + kCommentsValue, valueBottom + 1, right, bottom - 2);
    return band;
}

} // namespace

QRect HeaderBand::trendBand(const QRect& d) {
    return edges(10, 5, d.width() - 10, d.height() * 27 / 100 + 10);
}

int HeaderBand::drawTrend(QPainter& p, const QRect& d, const PageData& data) {
    const Band b = bandLayout(d);
    const HeaderLayout& h = b.fields;
    const int left = b.rect.left(), right = b.rect.left() + b.rect.width();
    p.fillRect(b.rect, QColor(184, 192, 169));
    raisedEdge(p, b.rect);
    TextFlow flow(p);
    p.setFont(h.titleFont);
    flow.text(h.title, kLeftMid, storedText(data.reportTitle));
    p.setPen(QPen(QColor(0, 0, 255), 1));
    line(p, left, b.titleBottom, right, b.titleBottom);
    line(p, left, b.secondRule, right, b.secondRule);
    p.setPen(Qt::black);
    drawFields(p, flow, h, data);
    return h.bottom;
}

namespace {

// The table (fonts T1-T3) and the analysis sheet (T1, T5, T6): a title, a block of
// patient rows one label line high, and a block of dates under a rule.
struct Block {
    int left = 0, right = 0;
    int titleRule = 0, datesRule = 0; // the black rules under the title and above the dates
    HeaderLayout fields;
};

Block blockLayout(const QRect& d, bool analysis) {
    Block b;
    HeaderLayout& h = b.fields;
    h.titleFont = arial(25, true, true);
    h.labelFont = analysis ? arial(14, true) : arial(18, true);
    h.valueFont = analysis ? arial(13, false) : arial(18, false);
    h.century = !analysis;
    const QFontMetrics labelMetrics(h.labelFont), valueMetrics(h.valueFont);
    const int labelHeight = labelMetrics.height(), valueHeight = valueMetrics.height();
    const int aL = labelMetrics.averageCharWidth(), a = valueMetrics.averageCharWidth();
    b.left = d.left();
    b.right = d.left() + d.width();
    const int titleBottom = d.top() + static_cast<int>(QFontMetrics(h.titleFont).height() * 1.6);
    h.title = edges(b.left + 2 * kInset, d.top(), b.right - kInset, titleBottom);
    b.titleRule = titleBottom - 5;

    // The patient rows.
    const QRect patient = edges(b.left + kInset, titleBottom + 1, b.right - kInset, titleBottom + 5 * labelHeight + 4);
    const int pl = patient.left(), pr = pl + patient.width(), patientBottom = patient.top() + patient.height();
    const Columns c = columnsOf(d.width());
    const int first = pl + kInset, gender = pl + c.gender, age = pl + c.age, note2 = pl + c.note2;
    auto label = [&](Label l, int x, int xRight) {
        const int top = patient.top() + 1 + (kRowOf[l] - 1) * labelHeight;
        h.labels[l] = edges(x, top, xRight, top + labelHeight);
    };
    label(PatientDataLabel, first, pr);
    label(NameLabel, first, first + 8 * aL);
    label(GenderLabel, gender, gender + (analysis ? 10 : 8) * aL);
    label(AgeLabel, age, age + (analysis ? 7 : 5) * aL);
    label(IdLabel, first, first + 5 * aL);
    label(HeightLabel, gender, gender + kWideLabel);
    label(WeightLabel, age, age + kWideLabel);
    label(PhysicianLabel, first, age + kWideLabel);
    label(Note1Label, first, pl + c.note1Width + kInset);
    label(Note2Label, note2, pr - kInset);
    // Name/gender/age, then ID/height/weight, then (3 units lower) the physician, then the notes.
    const int row1 = patient.top() + valueHeight + 2, row2 = row1 + valueHeight, row3 = row2 + valueHeight + 3,
              row4 = row3 + valueHeight;
    auto value = [&](Value v, int top, int x, int xRight) { h.values[v] = edges(x, top, xRight, top + valueHeight); };
    if (!analysis) {
        const int indent = pl + kNameValue;
        value(NameValue, row1, indent, indent + 30 * a);
        value(GenderValue, row1, gender + kGenderValue, gender + kGenderValue + 8 * a);
        value(AgeValue, row1, age + kAgeValue, age + kAgeValue + 5 * a);
        value(IdValue, row2, indent, indent + 20 * a);
        value(HeightValue, row2, gender + kGenderValue, gender + kGenderValue + 8 * a);
        value(WeightValue, row2, age + kWeightValue, age + kWeightValue + kWideLabel);
        value(PhysicianValue, row3, pl + kPhysicianValue, pr - kInset);
        value(Note1Value, row4, indent, indent + c.note1Width);
        value(Note2Value, row4, note2 + kNote2Value, pr - kInset);
    } else {
        // The analysis sheet's smaller fonts place the values by character widths.
        value(NameValue, row1, pl + 13 * a, pl + 43 * a);
        value(GenderValue, row1, gender + 13 * a, gender + 26 * a);
        value(AgeValue, row1, age + 8 * a, age + 16 * a);
        value(IdValue, row2, first + 6 * a, first + 26 * a);
        value(HeightValue, row2, gender + 12 * a, gender + 27 * a);
        value(WeightValue, row2, age + 12 * a, age + 24 * a);
        value(PhysicianValue, row3, first + 15 * a, pr - kInset);
        value(Note1Value, row4, first + 10 * a, first + c.note1Width + 7 * a);
        value(Note2Value, row4, note2 + 10 * a, pr - kInset);
    }

    // The dates: start and end on one line with the comments below (table), or start,
    // end and comments on three lines (analysis sheet).
    const QRect dates = edges(b.left + kInset, patientBottom + 5, b.right - kInset, patientBottom + 45);
    const int dl = dates.left(), dr = dl + dates.width(), top = dates.top() + 5, dFirst = dl + kInset;
    b.datesRule = dates.top();
    h.bottom = dates.top() + dates.height();
    auto labelAt = [&](Label l, int rowTop, int x) { h.labels[l] = edges(x, rowTop, dr, rowTop + labelHeight); };
    auto valueAt = [&](Value v, int rowTop, int x, int xRight) {
        h.values[v] = edges(x, rowTop, xRight, rowTop + valueHeight);
    };
    if (!analysis) {
        labelAt(StartDateLabel, top, dFirst);
        labelAt(StartTimeLabel, top, dl + c.startTime);
        labelAt(EndDateLabel, top, dl + c.end);
        labelAt(EndTimeLabel, top, dl + c.endTime);
        labelAt(CommentsLabel, top + labelHeight, dFirst);
        valueAt(StartDateValue, top, dl + kStartValue, dr);
        valueAt(StartTimeValue, top, dl + c.startTime + kDateValue, dr);
        valueAt(EndDateValue, top, dl + c.end + kDateValue, dr);
        valueAt(EndTimeValue, top, dl + c.endTime + kDateValue, dr);
        valueAt(CommentsValue, top + valueHeight + 1, dl + kCommentsValue, dr);
        return b;
    }
    const int second = dl + c.end, labelLine = labelHeight + 1, valueLine = valueHeight + 1;
    labelAt(StartDateLabel, top, dFirst);
    labelAt(StartTimeLabel, top, second);
    labelAt(EndDateLabel, top + labelLine, dFirst);
    labelAt(EndTimeLabel, top + labelLine, second);
    labelAt(CommentsLabel, top + labelLine + labelHeight, dFirst);
    valueAt(StartDateValue, top, dFirst + 15 * a, dFirst + 32 * a);
    valueAt(StartTimeValue, top, second + 16 * a, second + 33 * a);
    valueAt(EndDateValue, top + valueLine, dFirst + 14 * a, dFirst + 31 * a);
    valueAt(EndTimeValue, top + valueLine, second + 15 * a, second + 32 * a);
    valueAt(CommentsValue, top + 2 * valueLine, dFirst + 18 * a, dFirst + 138 * a);
    return b;
}

int drawBlock(QPainter& p, const QRect& d, const PageData& data, bool analysis) {
    const Block b = blockLayout(d, analysis);
    const HeaderLayout& h = b.fields;
    TextFlow flow(p);
    p.setFont(h.titleFont);
    flow.text(h.title, kLeftMid, storedText(data.reportTitle));
    p.setPen(QPen(Qt::black, 1));
    line(p, b.left + kInset, b.titleRule, b.right - kInset, b.titleRule);
    line(p, b.left + kInset, b.datesRule, b.right - kInset, b.datesRule);
    drawFields(p, flow, h, data);
    return h.bottom;
}

} // namespace

int HeaderBand::drawTable(QPainter& p, const QRect& d, const PageData& data) {
    return drawBlock(p, d, data, false);
}

int HeaderBand::drawAnalysis(QPainter& p, const QRect& sheet, const PageData& data) {
    return drawBlock(p, sheet, data, true);
}

int HeaderBand::analysisBottom(const QRect& sheet) {
    return blockLayout(sheet, true).fields.bottom;
}

int HeaderBand::tableBottom(const QRect& d) {
    return blockLayout(d, false).fields.bottom;
}

} // namespace kestrova::pages
