#include "pages/SummaryPage.h"

#include "files/PatientText.h"
#include "pages/Language.h"
#include "pages/ReportDrawing.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace kestrova::pages {
using namespace report;
using ui::Language;

namespace {

constexpr int kRow = 14;   // a line of facts or figures
constexpr int kRuled = 18; // a ruled line of the interpretation box
constexpr int kRuledLines = 5, kMaxTextLines = 9;

// Looked up at each use: the language is chosen after static initialisation.
QString odiCutOffs() {
    return QCoreApplication::translate(
        "SummaryPage", "normal < 5/h, mild 5–< 15, moderate 15–< 30, severe ≥ 30 (common adult cut-offs)");
}
QString t90CutOffs() {
    return QCoreApplication::translate("SummaryPage", "normal < 1 %, mild 1–< 10 %, moderate 10–< 25 %, severe ≥ 25 %");
}

QString field(std::string_view bytes) {
    return storedText(bytes).trimmed();
}

// Heights in centimetres and weights in kilograms, converted from the unit system the
// record was entered in as the displayed texts are.
double metres(const PatientRecord& p) {
    return (unitSystemOf(p.unitSystem) == UnitSystem::Metric ? p.height : p.height * 2.54) / 100.0;
}
double kilograms(const PatientRecord& p) {
    return unitSystemOf(p.unitSystem) == UnitSystem::Metric ? p.weight : p.weight * 454.0 / 1000.0;
}

// Label and value pairs in a column `width` wide, the labels `labelWidth` of it.
int drawPairs(QPainter& p, int x, int top, int width, int labelWidth,
              const std::vector<std::pair<QString, QString>>& rows) {
    int y = top;
    // The labels' column widens for a longer label (a translation), to at most 45 % of
    // the column; what still does not fit is elided.
    const QFontMetrics labels(arial(12, false));
    int fit = labelWidth;
    for (const auto& row : rows) fit = std::max(fit, labels.horizontalAdvance(row.first) + 4);
    fit = std::min(fit, std::max(labelWidth, width * 45 / 100));
    for (const auto& [label, value] : rows) {
        p.setFont(arial(12, false));
        drawFitted(p, QRect(x, y, fit - 4, kRow), Qt::AlignLeft | Qt::AlignVCenter, label);
        p.setFont(arial(12, true));
        drawFitted(p, QRect(x + fit, y, width - fit, kRow), Qt::AlignLeft | Qt::AlignVCenter, value);
        y += kRow;
    }
    return y;
}

int drawSectionTitle(QPainter& p, int x, int y, int width, const QString& title) {
    p.setPen(Qt::black);
    p.setFont(arial(14, true));
    drawFitted(p, QRect(x, y, width, 16), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(QPen(kRuleColour, 0));
    p.drawLine(x, y + 17, x + width, y + 17);
    p.setPen(Qt::black);
    return y + 21;
}

// The clinic (logo, name, address) at the left, the report's title at the right.
int drawHeader(QPainter& p, const QSize& page, const ClinicalReportData& data) {
    const int m = ClinicalReport::kMargin, width = page.width() - 2 * m;
    const ReportSettings& h = data.header;
    int left = m, clinicBottom = m - 14;
    if (!h.logoPath.empty()) {
        const QImage logo(QString::fromStdString(h.logoPath));
        if (!logo.isNull()) {
            const QSize fitted = logo.size().scaled(QSize(150, 56), Qt::KeepAspectRatio);
            const QRect target(m, m - 14, fitted.width(), fitted.height());
            p.drawImage(target, logo);
            left = target.right() + 10;
            clinicBottom = target.bottom();
        }
    }
    const int clinicWidth = width * 55 / 100 - (left - m);
    int y = m - 14;
    if (!h.clinicName.empty()) {
        p.setFont(arial(15, true));
        drawFitted(p, QRect(left, y, clinicWidth, 17), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(h.clinicName));
        y += 18;
    }
    p.setFont(arial(11, false));
    for (const std::string& line : h.address) {
        if (line.empty()) continue;
        drawFitted(p, QRect(left, y, clinicWidth, 13), Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(line));
        y += 13;
    }
    clinicBottom = std::max(clinicBottom, y);
    const bool clinic = h.hasHeader();
    const int titleLeft = clinic ? m + width * 55 / 100 : m;
    const int titleWidth = m + width - titleLeft;
    const int align = (clinic ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    p.setFont(arial(21, true));
    drawFitted(p, QRect(titleLeft, m - 14, titleWidth, 24), align,
               QCoreApplication::translate("SummaryPage", "Overnight pulse oximetry"));
    int titleBottom = m + 10;
    // The device's own placeholder title is no title.
    if (const QString title = field(data.page.reportTitle); !title.isEmpty() && title != QLatin1String("ReportTitle")) {
        p.setFont(arial(13, false));
        drawFitted(p, QRect(titleLeft, titleBottom + 2, titleWidth, 15), align, title);
        titleBottom += 17;
    }
    const int bottom = std::max(clinicBottom, titleBottom) + 4;
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(m, bottom, m + width, bottom);
    return bottom + 4;
}

std::vector<std::pair<QString, QString>> resultRows(const ClinicalReportData& data, bool right) {
    const ClinicalMetrics& m = data.metrics;
    const auto samples = data.page.samples;
    const QString none = QStringLiteral("-");
    const bool any = m.validSeconds > 0;
    auto share = [&](const SecondsAndPercent& t) {
        return durationText(t.seconds) + QStringLiteral(" (") + one(t.percent) + QStringLiteral(" %)");
    };
    if (!right) {
        QString nadir = any ? QStringLiteral("%1 %").arg(m.spo2.min) : none;
        if (any && m.spo2.minIndex >= 0)
            nadir = QCoreApplication::translate("SummaryPage", "%1 % at %2")
                        .arg(m.spo2.min)
                        .arg(clock(samples[static_cast<std::size_t>(m.spo2.minIndex)]));
        return {
            {QCoreApplication::translate("SummaryPage", "SpO2 mean / median"),
             any ? one(m.spo2.mean) + QStringLiteral(" % / %1 %").arg(m.spo2.median) : none},
            {QCoreApplication::translate("SummaryPage", "SpO2 nadir"), nadir},
            {QCoreApplication::translate("SummaryPage", "SpO2 highest"),
             any ? QStringLiteral("%1 %").arg(m.spo2.max) : none},
            {QCoreApplication::translate("SummaryPage", "T90 (SpO2 < 90 %)"), share(m.t90)},
            {QCoreApplication::translate("SummaryPage", "T88 (SpO2 ≤ 88 %)"), share(m.t88)},
            {QCoreApplication::translate("SummaryPage", "Pulse mean"),
             any ? QCoreApplication::translate("SummaryPage", "%1 bpm").arg(one(m.pulse.mean)) : none},
            {QCoreApplication::translate("SummaryPage", "Pulse lowest / highest"),
             any ? QCoreApplication::translate("SummaryPage", "%1 / %2 bpm").arg(m.pulse.min).arg(m.pulse.max) : none},
            {QCoreApplication::translate("SummaryPage", "Pulse > 100 / < 50 bpm"),
             durationText(m.pulse.above100Seconds) + QStringLiteral(" / ") + durationText(m.pulse.below50Seconds)},
        };
    }
    QString longest = none;
    if (m.odi3.longest >= 0) {
        const DesaturationEvent& e = m.odi3.events[static_cast<std::size_t>(m.odi3.longest)];
        longest = QCoreApplication::translate("SummaryPage", "%1 s at %2, %3 % deep")
                      .arg(e.seconds())
                      .arg(clock(samples[static_cast<std::size_t>(e.start)]))
                      .arg(e.depth());
    }
    const bool events = !m.odi3.events.empty();
    return {
        {QCoreApplication::translate("SummaryPage", "ODI 3 %"),
         QCoreApplication::translate("SummaryPage", "%1 /h (%2 events)")
             .arg(one(m.odi3.perHour))
             .arg(m.odi3.events.size())},
        {QCoreApplication::translate("SummaryPage", "ODI 4 %"),
         QCoreApplication::translate("SummaryPage", "%1 /h (%2 events)")
             .arg(one(m.odi4.perHour))
             .arg(m.odi4.events.size())},
        {QCoreApplication::translate("SummaryPage", "Depth mean / median"),
         events ? one(m.odi3.meanDepth) + QStringLiteral(" / ") + one(m.odi3.medianDepth) + QStringLiteral(" %")
                : none},
        {QCoreApplication::translate("SummaryPage", "Length mean / median"),
         events ? one(m.odi3.meanDuration) + QStringLiteral(" / ") + one(m.odi3.medianDuration) +
                      QCoreApplication::translate("SummaryPage", " s")
                : none},
        {QCoreApplication::translate("SummaryPage", "Longest 3 % event"), longest},
        {QCoreApplication::translate("SummaryPage", "Desaturation area"),
         QCoreApplication::translate("SummaryPage", "%1 %·min/h").arg(one(m.desaturationAreaPerHour))},
    };
}

// The figures in two columns, then each graded figure with its cut-offs beside it.
int drawResults(QPainter& p, int top, int width, const ClinicalReportData& data) {
    const int m = ClinicalReport::kMargin;
    int y = drawSectionTitle(p, m, top, width, QCoreApplication::translate("SummaryPage", "Results"));
    const int column = width / 2;
    const int bottom = std::max(drawPairs(p, m, y, column - 8, 132, resultRows(data, false)),
                                drawPairs(p, m + column, y, column, 132, resultRows(data, true)));
    y = bottom + 4;
    const ClinicalMetrics& metrics = data.metrics;
    const std::array<std::tuple<QString, QString, QString>, 3> graded{{
        {QCoreApplication::translate("SummaryPage", "ODI 3 %"),
         Language::decimal(QString::number(metrics.odi3.perHour, 'f', 2)) +
             QCoreApplication::translate("SummaryPage", " /h"),
         odiCutOffs()},
        {QCoreApplication::translate("SummaryPage", "ODI 4 %"),
         Language::decimal(QString::number(metrics.odi4.perHour, 'f', 2)) +
             QCoreApplication::translate("SummaryPage", " /h"),
         odiCutOffs()},
        {QCoreApplication::translate("SummaryPage", "T90"),
         Language::decimal(QString::number(metrics.t90.percent, 'f', 2)) + QStringLiteral(" %"), t90CutOffs()},
    }};
    std::array<QString, 3> lines;
    for (std::size_t i = 0; i < graded.size(); ++i) {
        const auto& [name, value, cutOffs] = graded[i];
        const SummaryPage::Grade g = i < 2 ? SummaryPage::odiGrade(i == 0 ? metrics.odi3.perHour : metrics.odi4.perHour)
                                           : SummaryPage::t90Grade(metrics.t90.percent);
        lines[i] = metrics.validSeconds > 0
                       ? name + QStringLiteral(" ") + value + QStringLiteral(": ") + SummaryPage::gradeName(g)
                       : name + QCoreApplication::translate("SummaryPage", ": not graded, no valid time");
    }
    // The cut-offs start right of the longest graded line (a translation may be longer),
    // but leave them at least half the width.
    const QFontMetrics gradedFont(arial(12, true));
    int lineWidth = 210;
    for (const QString& line : lines) lineWidth = std::max(lineWidth, gradedFont.horizontalAdvance(line));
    lineWidth = std::min(lineWidth, std::max(210, width / 2));
    for (std::size_t i = 0; i < graded.size(); ++i) {
        const QString& cutOffs = std::get<2>(graded[i]);
        p.setFont(arial(12, true));
        drawFitted(p, QRect(m, y, lineWidth, kRow), Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
        p.setFont(arial(11, false, true));
        drawFitted(p, QRect(m + lineWidth + 4, y, width - lineWidth - 4, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                   cutOffs);
        y += kRow;
    }
    if (metrics.validSeconds < SummaryPage::kCautionSeconds) {
        p.setFont(arial(12, true));
        p.setPen(QColor(170, 0, 0));
        drawText(
            p, QRect(m, y, width, kRow), Qt::AlignLeft | Qt::AlignVCenter,
            QCoreApplication::translate("SummaryPage", "Less than 4 h of valid recording: interpret with caution"));
        p.setPen(Qt::black);
        y += kRow;
    }
    p.setFont(arial(10, false, true));
    drawFitted(p, QRect(m, y, width, 12), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate(
                   "SummaryPage", "ODI: 3 % and 4 % desaturations per hour of valid time; the full event rule is "
                                  "stated on page 2."));
    return y + 14;
}

// Shares of valid time in each SpO2 band as horizontal bars.
void drawBands(QPainter& p, const QRect& area, const ClinicalMetrics& m) {
    drawSectionTitle(p, area.left(), area.top(), area.width(),
                     QCoreApplication::translate("SummaryPage", "Time in SpO2 bands"));
    const int labelWidth = 52, valueWidth = 112;
    const int barLeft = area.left() + labelWidth, barWidth = area.width() - labelWidth - valueWidth;
    int y = area.top() + 22;
    for (const auto& band : m.bands) {
        p.setFont(arial(11, false));
        drawFitted(p, QRect(area.left(), y, labelWidth - 4, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1–%2 %").arg(band.low).arg(band.high));
        p.fillRect(QRect(barLeft, y + 3, barWidth, kRow - 5), QColor(236, 236, 236));
        p.fillRect(QRect(barLeft, y + 3, static_cast<int>(barWidth * band.time.percent / 100.0), kRow - 5),
                   kBandColour);
        drawFitted(p, QRect(barLeft + barWidth + 6, y, valueWidth - 6, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                   one(band.time.percent) + QStringLiteral(" % (") + durationText(band.time.seconds) +
                       QStringLiteral(")"));
        y += kRow;
    }
}

// Valid seconds per 10-bpm class of the pulse scale, as vertical bars.
QRect drawPulseHistogram(QPainter& p, const QRect& area, const ClinicalReportData& data, const Scale& scale) {
    drawSectionTitle(p, area.left(), area.top(), area.width(),
                     QCoreApplication::translate("SummaryPage", "Pulse rate (share of valid time)"));
    const int classes = std::max(1, (scale.high - scale.low) / 10);
    std::vector<std::int64_t> seconds(static_cast<std::size_t>(classes), 0);
    std::int64_t valid = 0;
    for (const SampleRecord& s : data.page.samples) {
        if (!clinical::isValid(s)) continue;
        ++valid;
        const int c = std::clamp((s.pulseRate - scale.low) / 10, 0, classes - 1);
        ++seconds[static_cast<std::size_t>(c)];
    }
    const std::int64_t most = std::max<std::int64_t>(1, *std::max_element(seconds.begin(), seconds.end()));
    const QRect plot(area.left() + 30, area.top() + 26, area.width() - 34, area.height() - 26 - 13);
    p.fillRect(plot, QColor(250, 250, 250));
    p.setFont(arial(10, false));
    p.setPen(Qt::black);
    const double peak = valid > 0 ? 100.0 * static_cast<double>(most) / static_cast<double>(valid) : 0;
    drawFitted(p, QRect(area.left(), plot.top(), 27, 10), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("%1 %").arg(std::lround(peak)));
    drawFitted(p, QRect(area.left(), plot.bottom() - 9, 27, 10), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("0"));
    for (int c = 0; c < classes; ++c) {
        const int x1 = plot.left() + c * plot.width() / classes, x2 = plot.left() + (c + 1) * plot.width() / classes;
        const int h = static_cast<int>(seconds[static_cast<std::size_t>(c)] * (plot.height() - 1) / most);
        if (h > 0) p.fillRect(QRect(x1 + 1, plot.bottom() - h + 1, x2 - x1 - 2, h), kPulseColour);
        if (c % 2 == 0)
            drawFitted(p, QRect(x1 - 12, plot.bottom() + 2, 24, 11), Qt::AlignCenter,
                       QString::number(scale.low + c * 10));
    }
    drawFitted(p, QRect(plot.right() - 30, plot.bottom() + 2, 30, 11), Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("SummaryPage", "bpm"));
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    return plot;
}

// The interpretation as written, or ruled lines to write on; then the signature lines.
void drawInterpretation(QPainter& p, const QRect& area, const ClinicalReportData& data, int lines) {
    drawSectionTitle(p, area.left(), area.top(), area.width(),
                     QCoreApplication::translate("SummaryPage", "Interpretation"));
    const int top = area.top() + 22;
    const QRect box(area.left(), top, area.width(), lines * kRuled + 4);
    p.setPen(QPen(kRuleColour, 0));
    p.drawRect(box);
    const QString text = QString::fromStdString(data.interpretation).trimmed();
    if (text.isEmpty()) {
        for (int i = 1; i < lines; ++i) p.drawLine(box.left() + 6, top + i * kRuled, box.right() - 6, top + i * kRuled);
    } else {
        p.setPen(Qt::black);
        p.setFont(arial(12, false));
        const QStringList paragraphs = text.split(QLatin1Char('\n'));
        int y = top + 2, shown = 0;
        const QFontMetrics fm(p.font());
        for (const QString& paragraph : paragraphs) {
            QString rest = paragraph.trimmed();
            do {
                if (shown == lines) break;
                // The longest run of whole words that fits the line.
                int cut = static_cast<int>(rest.size());
                while (cut > 0 && fm.horizontalAdvance(rest.left(cut)) > box.width() - 12) {
                    const int space = static_cast<int>(rest.lastIndexOf(QLatin1Char(' '), cut - 1));
                    cut = space > 0 ? space : cut - 1;
                }
                cut = std::max(1, cut);
                QString lineText = rest.left(cut);
                rest = rest.mid(cut).trimmed();
                if (shown == lines - 1 && !rest.isEmpty())
                    lineText = fm.elidedText(lineText + QStringLiteral(" ") + rest, Qt::ElideRight, box.width() - 12);
                drawFitted(p, QRect(box.left() + 6, y, box.width() - 12, kRuled - 2), Qt::AlignLeft | Qt::AlignVCenter,
                           lineText);
                y += kRuled;
                ++shown;
            } while (!rest.isEmpty());
        }
    }
    const int signY = box.bottom() + 26;
    const int third = area.width() / 3;
    p.setPen(Qt::black);
    p.setFont(arial(11, false));
    const QString labels[] = {QCoreApplication::translate("SummaryPage", "Signature"),
                              QCoreApplication::translate("SummaryPage", "Name"),
                              QCoreApplication::translate("SummaryPage", "Date")};
    for (int i = 0; i < 3; ++i) {
        const int x = area.left() + i * third;
        p.setPen(QPen(Qt::black, 0));
        p.drawLine(x, signY, x + third - 16, signY);
        drawFitted(p, QRect(x, signY + 2, third - 16, 12), Qt::AlignLeft | Qt::AlignVCenter, labels[i]);
    }
}

int interpretationLines(const ClinicalReportData& data, int width) {
    const QString text = QString::fromStdString(data.interpretation).trimmed();
    if (text.isEmpty()) return kRuledLines;
    const QFontMetrics fm(arial(12, false));
    int lines = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n')))
        lines += std::max(
            1, static_cast<int>(std::ceil(fm.horizontalAdvance(paragraph.trimmed()) * 1.1 / std::max(1, width - 12))));
    return std::clamp(lines, kRuledLines, kMaxTextLines);
}

} // namespace

SummaryPage::Grade SummaryPage::odiGrade(double perHour) {
    return perHour < 5 ? Grade::Normal : perHour < 15 ? Grade::Mild : perHour < 30 ? Grade::Moderate : Grade::Severe;
}

SummaryPage::Grade SummaryPage::t90Grade(double percent) {
    return percent < 1 ? Grade::Normal : percent < 10 ? Grade::Mild : percent < 25 ? Grade::Moderate : Grade::Severe;
}

QString SummaryPage::gradeName(Grade g) {
    switch (g) {
    case Grade::Normal: return QCoreApplication::translate("SummaryPage", "normal");
    case Grade::Mild: return QCoreApplication::translate("SummaryPage", "mild");
    case Grade::Moderate: return QCoreApplication::translate("SummaryPage", "moderate");
    case Grade::Severe: return QCoreApplication::translate("SummaryPage", "severe");
    }
    return {};
}

std::vector<std::pair<QString, QString>> SummaryPage::patientFacts(const ClinicalReportData& data) {
    const PatientRecord& pt = data.page.patient;
    std::vector<std::pair<QString, QString>> rows;
    auto add = [&rows](const char* label, const QString& value) {
        if (!value.isEmpty()) rows.emplace_back(QCoreApplication::translate("SummaryPage", label), value);
    };
    add(QT_TRANSLATE_NOOP("SummaryPage", "Name"), field(fieldBytes(pt.name)));
    if (pt.id > 0) add(QT_TRANSLATE_NOOP("SummaryPage", "ID"), QString::number(pt.id));
    // A record never filled in holds gender 0, which would read "male".
    if (pt.holdsDetails()) add(QT_TRANSLATE_NOOP("SummaryPage", "Gender"), QString::fromStdString(genderShown(pt)));
    if (pt.age > 0)
        add(QT_TRANSLATE_NOOP("SummaryPage", "Age"),
            QCoreApplication::translate("SummaryPage", "%1 years").arg(pt.age));
    if (pt.height > 0)
        add(QT_TRANSLATE_NOOP("SummaryPage", "Height"), QString::fromStdString(heightText(pt, data.page.units)));
    if (pt.weight > 0)
        add(QT_TRANSLATE_NOOP("SummaryPage", "Weight"), QString::fromStdString(weightText(pt, data.page.units)));
    if (pt.height > 0 && pt.weight > 0) {
        const double m = metres(pt);
        if (m > 0.3)
            add(QT_TRANSLATE_NOOP("SummaryPage", "BMI"),
                QCoreApplication::translate("SummaryPage", "%1 kg/m²").arg(one(kilograms(pt) / (m * m))));
    }
    add(QT_TRANSLATE_NOOP("SummaryPage", "Physician"), field(fieldBytes(pt.physician)));
    return rows;
}

std::vector<std::pair<QString, QString>> SummaryPage::studyFacts(const ClinicalReportData& data) {
    std::vector<std::pair<QString, QString>> rows;
    const auto samples = data.page.samples;
    const ClinicalMetrics& m = data.metrics;
    if (!samples.empty()) {
        rows.emplace_back(QCoreApplication::translate("SummaryPage", "Start"), dateTime(samples.front()));
        rows.emplace_back(QCoreApplication::translate("SummaryPage", "End"), dateTime(samples.back()));
        rows.emplace_back(QCoreApplication::translate("SummaryPage", "Duration"), durationText(m.recordedSeconds));
        const double validShare =
            m.recordedSeconds > 0 ? 100.0 * static_cast<double>(m.validSeconds) / static_cast<double>(m.recordedSeconds)
                                  : 0;
        rows.emplace_back(QCoreApplication::translate("SummaryPage", "Valid time"),
                          QCoreApplication::translate("SummaryPage", "%1 (%2 % of the recording)")
                              .arg(durationText(m.validSeconds), one(validShare)));
        rows.emplace_back(QCoreApplication::translate("SummaryPage", "Artefact"),
                          one(100.0 - validShare) + QStringLiteral(" % (") + durationText(m.artefactSeconds) +
                              QStringLiteral(")"));
    }
    if (data.deviceType > 0)
        rows.emplace_back(QCoreApplication::translate("SummaryPage", "Device"),
                          QCoreApplication::translate("SummaryPage", "Oximeter type %1").arg(data.deviceType));
    if (data.reportDate.isValid())
        rows.emplace_back(QCoreApplication::translate("SummaryPage", "Report date"), dateText(data.reportDate));
    rows.emplace_back(QCoreApplication::translate("SummaryPage", "Software"), versionText(data));
    return rows;
}

std::vector<QRect> SummaryPage::draw(QPainter& p, const QSize& page, const ClinicalReportData& data) {
    const int m = ClinicalReport::kMargin, width = page.width() - 2 * m;
    int y = drawHeader(p, page, data);
    if (!data.patientConfirmed) {
        p.setFont(arial(12, true));
        p.setPen(QColor(170, 0, 0));
        drawFitted(p, QRect(m, y, width, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate(
                       "SummaryPage", "Details proposed from the patient list: not confirmed for this recording"));
        p.setPen(Qt::black);
        y += kRow + 2;
    }
    // Patient at the left, the study at the right, the notes under both.
    const int column = width / 2;
    const int patientTop =
        drawSectionTitle(p, m, y, column - 12, QCoreApplication::translate("SummaryPage", "Patient"));
    drawSectionTitle(p, m + column, y, column, QCoreApplication::translate("SummaryPage", "Study"));
    const int patientBottom = drawPairs(p, m, patientTop, column - 12, 80, patientFacts(data));
    const int studyBottom = drawPairs(p, m + column, patientTop, column, 80, studyFacts(data));
    y = std::max(patientBottom, studyBottom);
    const PatientRecord& pt = data.page.patient;
    std::vector<std::pair<QString, QString>> notes;
    for (const auto& note : {field(fieldBytes(pt.note1)), field(fieldBytes(pt.note2)), field(fieldBytes(pt.comments))})
        if (!note.isEmpty())
            notes.emplace_back(notes.empty() ? QCoreApplication::translate("SummaryPage", "Notes") : QString(), note);
    y = drawPairs(p, m, y, width, 80, notes) + 6;

    y = drawResults(p, y, width, data) + 4;

    // From the bottom up: signature lines, interpretation, bands and histogram; the
    // night's traces take the room between.
    const int footerTop = page.height() - m - 2;
    const int lines = interpretationLines(data, width);
    const int interpretationHeight = 22 + lines * kRuled + 4 + 26 + 14;
    const QRect interpretation(m, footerTop - interpretationHeight, width, interpretationHeight);
    const int bandsHeight = 22 + 6 * kRow + 4;
    const QRect bands(m, interpretation.top() - bandsHeight - 8, column - 12, bandsHeight);
    const QRect histogram(m + column, bands.top(), column, bandsHeight);

    const Scale spo2 = spo2Scale(true), pulse = pulseScale(data.metrics, true);
    const int gutter = 64;
    const int plotLeft = m + gutter, plotWidth = width - gutter;
    const int titleTop = y;
    y = drawSectionTitle(p, m, titleTop, width, QCoreApplication::translate("SummaryPage", "Whole night"));
    const int legendHeight = 13, axis = 14;
    const int room = bands.top() - 8 - y - 2 * axis - legendHeight - 4;
    const int spo2Height = std::max(40, room * 60 / 100), pulseHeight = std::max(30, room - spo2Height);
    const auto n = static_cast<std::int64_t>(data.page.samples.size());
    const std::int64_t span = std::max<std::int64_t>(n, 1);
    const std::int64_t step = span > 16 * 3600 ? 4 * 3600 : span > 8 * 3600 ? 2 * 3600 : span > 2 * 3600 ? 3600 : 900;
    const QRect spo2Plot(plotLeft, y, plotWidth, spo2Height);
    const std::vector<ColumnValues> columns = reduceColumns(data.page.samples, 0, span, plotWidth);
    drawTrack(p, spo2Plot, data, 0, span, columns, spo2);
    drawScaleLabels(p, spo2Plot, spo2, m);
    drawTimeAxis(p, spo2Plot, data, 0, span, step);
    const QRect pulsePlot(plotLeft, spo2Plot.bottom() + axis + 1, plotWidth, pulseHeight);
    drawTrack(p, pulsePlot, data, 0, span, columns, pulse);
    drawScaleLabels(p, pulsePlot, pulse, m);
    drawTimeAxis(p, pulsePlot, data, 0, span, step);
    const int legendTop = pulsePlot.bottom() + axis + 1;
    p.fillRect(QRect(plotLeft, legendTop + 2, 10, 8), kEventColour);
    p.fillRect(QRect(plotLeft + 186, legendTop + 2, 10, 8), kArtefactColour);
    p.setFont(arial(10, false));
    p.setPen(Qt::black);
    drawFitted(p, QRect(plotLeft + 14, legendTop, 168, 12), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("SummaryPage", "3 % desaturation"));
    drawFitted(p, QRect(plotLeft + 200, legendTop, 150, 12), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("SummaryPage", "no valid sample (artefact)"));
    drawFitted(p, QRect(plotLeft + 354, legendTop, plotWidth - 354, 12), Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("SummaryPage", "range of each column filled; dashed: 90 %"));

    drawBands(p, bands, data.metrics);
    const QRect histogramPlot = drawPulseHistogram(p, histogram, data, pulse);
    drawInterpretation(p, interpretation, data, lines);
    return {spo2Plot, pulsePlot, histogramPlot};
}

} // namespace kestrova::pages
