// What the pages of the clinical report draw alike: the traces of SpO2 and pulse with
// their scales, the time axis under them, the footer every page carries, and the
// texts of durations and clock times.
#pragma once

#include "pages/ClinicalReport.h"
#include "pages/ColumnReducer.h"

#include <QColor>
#include <QDate>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

namespace kestrova::pages::report {

inline const QColor kSpo2Colour{0, 0, 200}, kPulseColour{170, 0, 0}, kEventColour{255, 214, 160},
    kArtefactColour{215, 215, 215}, kGridColour{205, 205, 205}, kBandColour{31, 111, 139}, kRuleColour{120, 120, 120};

// A track's signal and scale: which channel, the range drawn, labelled values and the
// dashed reference line (the 90 % line of SpO2).
struct Scale {
    int channel = 0; // 0 SpO2, 1 pulse
    int low = 50, high = 100;
    int gridStep = 10;
    int referenceLine = -1;
    QColor colour;
    QString name, unit;
    std::vector<int> labels;
};
Scale spo2Scale(bool detailed);
// 40-160 bpm, or the recording's valid range (to 20 bpm) when that is wider.
Scale pulseScale(const ClinicalMetrics& m, bool detailed);

// The y of value `v` (clamped to the scale) in `r`.
int yOf(const QRect& r, const Scale& s, int v);

// Samples [begin, begin + span) across `width` columns, each reduced to its valid values.
std::vector<ColumnValues> reduceColumns(std::span<const SampleRecord> samples, std::int64_t begin, std::int64_t span,
                                        int width);

// One track: white, the 3 % desaturations shaded, columns without a valid sample grey,
// gridlines, the reference line, then the trace as one connected band: each column
// covers its lowest to highest value and reaches the last value of the column before,
// so a steady signal is a line and a fast one a filled range.
void drawTrack(QPainter& p, const QRect& r, const ClinicalReportData& data, std::int64_t begin, std::int64_t span,
               const std::vector<ColumnValues>& columns, const Scale& s);
// The name, unit and scale values of a track, right-aligned in the gutter left of `r`
// that starts at `gutterLeft`; never on the plot.
void drawScaleLabels(QPainter& p, const QRect& r, const Scale& s, int gutterLeft);

// Tick marks and clock times under a plot: at `begin`, then every `stepSeconds`, and
// only where a label has room.
void drawTimeAxis(QPainter& p, const QRect& plot, const ClinicalReportData& data, std::int64_t begin, std::int64_t span,
                  std::int64_t stepSeconds);

// Patient name and ID, the recording date, the report date and "Page n of m".
void drawFooter(QPainter& p, const QSize& page, const ClinicalReportData& data, int index, int count);
// The page's own heading at the top of the content area; returns its bottom.
int drawHeading(QPainter& p, const QSize& page, const QString& title);

// drawText, with the text elided where it is wider than `r`: a translation longer than
// the box it was laid out for loses its end, never runs into its neighbour.
void drawFitted(QPainter& p, const QRect& r, int align, const QString& s);

QString one(double v);
QString durationText(std::int64_t seconds);  // "7 h 05 min", "42 min", "35 s"
QString clock(const SampleRecord& s);        // "HH:MM"
QString clockSeconds(const SampleRecord& s); // "HH:MM:SS"
QString dateTime(const SampleRecord& s);     // "YYYY-MM-DD HH:MM" (the locale's date otherwise)
QString sampleDate(const SampleRecord& s);   // "YYYY-MM-DD" (the locale's short date otherwise)
// `date` as the pages' locale writes it short; ISO for the classic texts.
QString dateText(const QDate& date);
QString versionText(const ClinicalReportData& data); // "Kestrova <version>"
// The patient's name as stored, empty when none was entered.
QString patientName(const ClinicalReportData& data);

} // namespace kestrova::pages::report
