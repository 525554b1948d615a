// What a page is drawn from: the recording, its patient, the title, the last analysis
// and the settings read for this paint. Plain data; the pages never change it.
#pragma once

#include "analysis/Analysis.h"
#include "model/PatientRecord.h"
#include "model/SampleRecord.h"
#include "pages/ColumnReducer.h"
#include "text/StringTable.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <span>
#include <string>
#include <vector>

class QPainter;

namespace kestrova::pages {

struct PageData {
    std::span<const SampleRecord> samples;
    PatientRecord patient;
    std::string reportTitle; // stored bytes
    UnitSystem units = UnitSystem::Imperial;
    const AnalysisResult* analysis = nullptr;
    int desaturationsEvent = 4; // read at every paint
    int pulseEvent = 6;
    int currentPage = 0;
    // Trend zoom: samples a page shows (0: one per unit of plot width, the default)
    // and, when not negative, the first sample shown instead of currentPage * span.
    int span = 0;
    std::int64_t firstSample = -1;
    const SignalBlocks* blocks = nullptr; // of `samples`, when the caller keeps them
};

// GDI-style rectangle from its four edges (right and bottom exclusive).
inline QRect edges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// "Arial" whose cell (ascent + descent) is `height` logical units (Liberation Sans on
// Linux, metric-compatible).
QFont arial(int height, bool bold, bool italic = false);

QString text(int stringId); // str:: IDs
QString storedText(std::string_view bytes);

// Single-line text in a rectangle, clipped to it, with a transparent background.
void drawText(QPainter& p, const QRect& r, int align, const QString& s);
// A 1-unit line in the current pen from (x1, y1) to (x2, y2) like GDI's MoveTo/LineTo
// (the end point itself not drawn).
void line(QPainter& p, int x1, int y1, int x2, int y2);
// GDI's raised edge around a rectangle.
void raisedEdge(QPainter& p, const QRect& r);

} // namespace kestrova::pages
