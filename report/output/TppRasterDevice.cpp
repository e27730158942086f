#include "TppRasterDevice.h"

#include "ClassBuilder.h"
#include "DrawCommandRenderers.h"
#include "TppDrawCommand.h"
#include "TppPage.h"
#include "TppPen.h"

const ClassInfo& TppRasterDevice::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppRasterDevice>("TppRasterDevice", &TppDevice::staticClassInfo(), [](auto&) {});
    return info;
}

bool TppRasterDevice::DrawCommand(TppDrawCommand& command) {
    if (!surface_)
        return false;
    const QPoint origin = DeviceOrigin();
    command.DeviceLeft = surface_->toPixels(command.Left(), Axis::Horizontal) + origin.x();
    command.DeviceTop = surface_->toPixels(command.Top(), Axis::Vertical) + origin.y();
    command.DeviceRight = surface_->toPixels(command.Left() + command.Width(), Axis::Horizontal) + origin.x();
    command.DeviceBottom = surface_->toPixels(command.Top() + command.Height(), Axis::Vertical) + origin.y();
    const DrawCommandRenderers::Renderer render = DrawCommandRenderers::instance().find(command.classInfo());
    if (!render)
        return false;
    render(*surface_, command);
    return true;
}

void TppRasterDevice::PaintPage(TppPage& page, DrawSurface& surface) {
    const QRect paper(DeviceOrigin().x(), DeviceOrigin().y(),
                      surface.toPixels(page.PageDef().mmWidth, Axis::Horizontal),
                      surface.toPixels(page.PageDef().mmHeight, Axis::Vertical));
    surface.painter.fillRect(paper, colorFromStored(page.Color));
    DrawSurface* previous = std::exchange(surface_, &surface);
    try {
        DrawPage(page);
    } catch (...) {
        surface_ = previous;
        throw;
    }
    surface_ = previous;
}
