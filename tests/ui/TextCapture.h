#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QStringList>
#include <QWidget>
#include <memory>

namespace rovik::test {

// A paint device that keeps the texts drawn on it and draws nothing else: rendering a widget
// onto it shows what the widget wrote.
class TextCapture : public QPaintDevice {
public:
    // What the widget writes when it paints, in order.
    static QStringList WrittenBy(QWidget& widget) {
        TextCapture capture(widget.width(), widget.height());
        widget.render(&capture);
        return capture.engine->texts;
    }
    QPaintEngine* paintEngine() const override { return engine.get(); }

protected:
    TextCapture(int width, int height) : width(width), height(height) {}

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
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
        Type type() const override { return User; }

        QStringList texts;
    };

    int width;
    int height;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
};

}  // namespace rovik::test
