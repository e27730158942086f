#pragma once

#include <QColor>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QPointF>
#include <QStringList>
#include <QTextItem>

// The texts drawn on a recorded page, in order, with their pen colours and
// where they start in the page's pixels.
struct PictureContents {
    QStringList texts;
    QList<QColor> colours;
    QList<QPointF> positions;
};

namespace picture_contents_detail {

class Surface final : public QPaintDevice {
public:
    // At the picture's own resolution, so that playing it scales nothing.
    Surface(PictureContents& contents, int dpi) : engine_(contents), dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 100000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi_;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    class Engine final : public QPaintEngine {
    public:
        explicit Engine(PictureContents& contents) : QPaintEngine(AllFeatures), contents_(contents) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF& at, const QTextItem& item) override {
            contents_.texts << item.text();
            contents_.colours << painter()->pen().color();
            contents_.positions << painter()->transform().map(at);
        }
        Type type() const override { return User; }

    private:
        PictureContents& contents_;
    };
    mutable Engine engine_;
    int dpi_;
};

} // namespace picture_contents_detail

// Plays the picture onto a surface that keeps its texts.
inline PictureContents pictureContents(const QPicture& picture) {
    PictureContents contents;
    picture_contents_detail::Surface surface(contents, picture.logicalDpiY());
    QPainter painter(&surface);
    QPicture copy(picture); // play() is not const
    copy.play(&painter);
    return contents;
}
