#include "TppImageDevice.h"

#include "ClassBuilder.h"
#include "TppPage.h"

const ClassInfo& TppImageDevice::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppImageDevice>("TppImageDevice", &TppRasterDevice::staticClassInfo(), [](auto&) {});
    return info;
}

TppImageDevice::TppImageDevice(OwnedComponent* owner)
    : TppRasterDevice(owner), measurer_(std::make_shared<FontMetricsMeasurer>()) {}

void TppImageDevice::BeginJob() {
    if (!InJob())
        pages_.clear();
    TppRasterDevice::BeginJob();
}

void TppImageDevice::AcceptPage(TppPage& page) {
    TppRasterDevice::AcceptPage(page);
    if (ShouldOutput())
        pages_.append({page.AbsolutePageNo, RenderPage(page)});
}

QImage TppImageDevice::RenderPage(TppPage& page) {
    QPainter painter;
    DrawSurface surface(painter, HorizontalPixelsPerInch, VerticalPixelsPerInch, *measurer_, false);
    const QSize size(surface.toPixels(page.PageDef().mmWidth, Axis::Horizontal),
                     surface.toPixels(page.PageDef().mmHeight, Axis::Vertical));
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(HorizontalPixelsPerInch / 0.0254));
    image.setDotsPerMeterY(int(VerticalPixelsPerInch / 0.0254));
    painter.begin(&image);
    PaintPage(page, surface);
    painter.end();
    return image;
}
