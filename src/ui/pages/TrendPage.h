// The trend page: header band, SpO2 panel and pulse-rate panel with axes, scales,
// grids, time labels and traces, one logical unit of width per sample. Drawn the
// same way on screen (with cursor arrows and readouts) and on paper.
#pragma once

#include "pages/PageData.h"

#include <algorithm>

namespace kestrova::pages {

struct Marker {
    int x = -100, y = -100, length = 0;
    bool extendsDown = false;
    bool hidden() const { return x == -100 && y == -100; }
};

struct TrendReadouts {
    QString date, time, spo2, pulse;
};

class TrendPage {
public:
    // The largest whole number of minutes (60 samples) within 89 % of the width.
    static int samplesPerScreen(int width) { return width * 89 / 6000 * 60; }
    // 0 for an empty recording or a page that holds no sample.
    static int pageCount(std::int64_t count, int samplesPerScreen);

    struct Layout {
        int W = 0, H = 0;
        int samplesPerScreen = 0; // the plot's width in units
        int span = 0;             // samples a page shows: samplesPerScreen unless zoomed
        QRect band;               // B
        int bandBottom = 0;       // Bb
        QRect spo2Panel, pulsePanel;
        QRect spo2Plot, pulsePlot;         // (xL, yT, xR + 1, yB): the hit-test rectangles
        int plotHeight = 0;                // P
        QRect spo2Readouts, pulseReadouts; // the areas repainted when readouts change
        int xL() const { return spo2Plot.left(); }
        int spo2Bottom() const { return spo2Plot.top() + spo2Plot.height(); }
        int pulseBottom() const { return pulsePlot.top() + pulsePlot.height(); }
        bool zoomed() const { return span != samplesPerScreen; }
        // The sample under plot column x of the page starting at `first`, and back.
        std::int64_t sampleAt(int x, std::int64_t first) const {
            return first + static_cast<std::int64_t>(x - xL()) * span / std::max(1, samplesPerScreen);
        }
        int xOf(std::int64_t index, std::int64_t first) const {
            return xL() + static_cast<int>((index - first) * samplesPerScreen / std::max(1, span));
        }
    };
    // `span`: samples a page shows, 0 for the default of one per unit of width.
    static Layout layout(const QRect& d, int span = 0);
    // The first sample `data` shows on a page laid out as `l`.
    static std::int64_t firstSample(const Layout& l, const PageData& data) {
        return data.firstSample >= 0 ? data.firstSample : static_cast<std::int64_t>(data.currentPage) * l.span;
    }

    // Where sample `index`'s values lie on the plots (SpO2 not clamped, as hit-testing needs).
    static int spo2Y(const Layout& l, int spo2) { return l.spo2Bottom() - spo2 * l.plotHeight / 100; }
    static int pulseY(const Layout& l, int pulse) { return l.pulseBottom() - pulse * l.plotHeight / 300; }

    // Draws the page into `d` (left and top 0). Readouts and markers are the screen's;
    // pass nullptr when printing.
    static void draw(QPainter& p, const QRect& d, const PageData& data, const TrendReadouts* readouts = nullptr,
                     const Marker* spo2Marker = nullptr, const Marker* pulseMarker = nullptr);
};

} // namespace kestrova::pages
