// A paint device that keeps every text drawn on it with its position, for tests of
// what a page says.
#pragma once

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

#include <algorithm>

namespace kestrova::test {

class TextRecorder : public QPaintDevice {
public:
    struct Item {
        QString text;
        QPointF at; // baseline start, logical units
        QFont font;
        QRectF clip; // the painter's clip in logical units (null when none)
    };
    // One word of a drawn text: its advance horizontally, its ink vertically.
    struct Word {
        QString text;
        QRectF box;
        bool cut = false; // reaches outside the clip it was drawn in
    };
    QList<Word> words() const {
        QList<Word> out;
        for (const Item& item : items) {
            const QFontMetricsF fm(item.font);
            qsizetype i = 0;
            while (i < item.text.size()) {
                if (item.text[i].isSpace()) {
                    ++i;
                    continue;
                }
                qsizetype j = i;
                while (j < item.text.size() && !item.text[j].isSpace()) ++j;
                const QString w = item.text.mid(i, j - i);
                const QRectF ink = fm.tightBoundingRect(w);
                const QRectF box(item.at.x() + fm.horizontalAdvance(item.text.left(i)), item.at.y() + ink.top(),
                                 fm.horizontalAdvance(w), ink.height());
                const bool cut = !item.clip.isNull() &&
                                 (box.left() < item.clip.left() - 0.5 || box.right() > item.clip.right() + 0.5);
                out.push_back({w, box, cut});
                i = j;
            }
        }
        return out;
    }
    QList<Item> items;
    TextRecorder(int w, int h) : m_w(w), m_h(h), m_engine(this) {}
    QPaintEngine* paintEngine() const override { return const_cast<Engine*>(&m_engine); }
    bool has(const QString& s) const {
        return std::any_of(items.begin(), items.end(), [&](const Item& i) { return i.text == s; });
    }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return m_w;
        case PdmHeight: return m_h;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextRecorder* owner) : QPaintEngine(AllFeatures), m_owner(owner) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& t) override {
            QPainter* painter = this->painter();
            const QRectF clip = painter && painter->hasClipping() ? painter->clipBoundingRect() : QRectF();
            m_owner->items.push_back({t.text(), p, t.font(), clip});
        }
        Type type() const override { return User; }

    private:
        TextRecorder* m_owner;
    };
    int m_w, m_h;
    Engine m_engine;
};

} // namespace kestrova::test
