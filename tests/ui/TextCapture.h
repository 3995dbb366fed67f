#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <QWidget>
#include <memory>
#include <vector>

namespace rovik::test {

// A paint device that keeps the texts drawn on it, each with the point its baseline starts
// at in device coordinates, and draws nothing else. Rendering a widget onto it shows what
// the widget wrote and where.
class TextCapture : public QPaintDevice {
public:
    struct Text {
        QString text;
        QPointF at;
    };

    TextCapture(int width, int height) : width(width), height(height) {}

    const std::vector<Text>& Texts() const { return engine->texts; }
    // What the widget writes when it paints, in order.
    static QStringList WrittenBy(QWidget& widget) {
        TextCapture capture(widget.width(), widget.height());
        widget.render(&capture);
        QStringList written;
        for (const Text& text : capture.Texts()) {
            written << text.text;
        }
        return written;
    }
    QPaintEngine* paintEngine() const override { return engine.get(); }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return width;
            case PdmHeight:
                return height;
            case PdmDepth:
                return 32;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                // Dots per inch; nothing else matters for text.
                return 96;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override {
            if (state.state() & DirtyTransform) {
                transform = state.transform();
            }
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF& at, const QTextItem& item) override {
            texts.push_back({item.text(), transform.map(at)});
        }
        Type type() const override { return User; }

        QTransform transform;
        std::vector<Text> texts;
    };

    int width;
    int height;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
};

}  // namespace rovik::test
