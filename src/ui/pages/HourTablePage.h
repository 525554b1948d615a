// The night hour by hour (one row per clock hour: valid minutes, mean and lowest SpO2,
// T90, 3 % and 4 % events and their rate, mean pulse), then the deepest 3 %
// desaturations and the rule that found them. The rows run on over as many pages as
// the night needs.
#pragma once

#include "pages/ClinicalReport.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

namespace kestrova::pages {

struct HourRow {
    std::int64_t begin = 0, end = 0; // samples [begin, end)
    std::int64_t validSeconds = 0, t90Seconds = 0;
    double meanSpo2 = 0, meanPulse = 0;
    int lowestSpo2 = 0;
    int events3 = 0, events4 = 0; // starting in this hour
};

class HourTablePage {
public:
    static constexpr int kDeepest = 20;

    // The clock hours the samples touch (one sample a second).
    static int rowCount(std::span<const SampleRecord> samples);
    static std::vector<HourRow> rows(const ClinicalReportData& data);
    // The 3 % events by depth, deepest first (earlier first among equals), at most kDeepest.
    static std::vector<DesaturationEvent> deepest(const ClinicalMetrics& m);

    // Rows that fit a page, with or without the events and the rule after them.
    static int rowsPerPage(const QSize& page, bool withEvents);

    static void draw(QPainter& p, const QSize& page, const ClinicalReportData& data, const ReportPage& part);
};

} // namespace kestrova::pages
