#include "RichTextDrawing.h"

#include "DrawCommandRenderers.h"
#include "DrawSurface.h"
#include "TppDrawRichText.h"
#include "TppPen.h"
#include "TppRichTextDocument.h"

void drawRichText(DrawSurface& surface, TppDrawRichText& command) {
    const QRect box(QPoint(command.DeviceLeft, command.DeviceTop),
                    QPoint(command.DeviceRight - 1, command.DeviceBottom - 1));
    if (!command.Transparent)
        surface.painter.fillRect(box, colorFromStored(command.Color));
    TppRichTextDocument document(command.RichTextStream);
    const int start = std::max(0, command.StartCharPos);
    const int end = command.EndCharPos < 0 ? document.Length() : command.EndCharPos;
    document.DrawRange(surface.painter, box, surface.pixelsPerInch(Axis::Horizontal),
                       surface.pixelsPerInch(Axis::Vertical),
                       TppRichTextDocument::ToLayout(command.Width(), Axis::Horizontal), start, end);
}

void registerRichTextRenderer() {
    DrawCommandRenderers::instance().registerRenderer(
        TppDrawRichText::staticClassInfo(), [](DrawSurface& surface, TppDrawCommand& command) {
            drawRichText(surface, static_cast<TppDrawRichText&>(command));
        });
}
