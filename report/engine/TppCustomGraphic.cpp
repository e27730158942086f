#include "TppCustomGraphic.h"

#include "ClassBuilder.h"
#include "Units.h"

const ClassInfo& TppCustomGraphic::staticClassInfo() {
    static const ClassInfo info = describeClass<TppCustomGraphic>(
        "TppCustomGraphic", &TppCustomComponent::staticClassInfo(), [](auto& c) {
            c.object("Brush", [](TppCustomGraphic& g) -> Persistent* { return &g.brush_; });
            c.property("ParentHeight", &TppCustomGraphic::ParentHeight, &TppCustomGraphic::SetParentHeight)
                .withDefault(false);
            c.property("ParentWidth", &TppCustomGraphic::ParentWidth, &TppCustomGraphic::SetParentWidth)
                .withDefault(false);
            c.object("Pen", [](TppCustomGraphic& g) -> Persistent* { return &g.pen_; });
        });
    return info;
}

TppCustomGraphic::TppCustomGraphic(OwnedComponent* owner) : TppCustomComponent(owner) {
    const int side = UnitsToMM(50, utScreenPixels);
    storeBox(0, 0, side, side);
}

TppCustomGraphic::~TppCustomGraphic() {
    markDestroying();
}

void TppCustomGraphic::SetPen(const TppPen& pen) {
    if (pen == pen_)
        return;
    pen_ = pen;
    GraphicChanged();
}

void TppCustomGraphic::SetBrush(const TppBrush& brush) {
    if (brush == brush_)
        return;
    brush_ = brush;
    GraphicChanged();
}

void TppCustomGraphic::GraphicChanged() {
    if (!isLoading())
        Change();
}

void TppCustomGraphic::SetFillColor(int color) {
    TppBrush brush = brush_;
    brush.color = color;
    if (brush.style == TppBrush::bsClear)
        brush.style = TppBrush::bsSolid;
    SetBrush(brush);
}

void TppCustomGraphic::SetNoFill() {
    TppBrush brush = brush_;
    brush.style = TppBrush::bsClear;
    SetBrush(brush);
}

void TppCustomGraphic::SetLineColor(int color) {
    TppPen pen = pen_;
    pen.color = color;
    if (pen.style == TppPen::psClear)
        pen.style = TppPen::psSolid;
    SetPen(pen);
}

void TppCustomGraphic::SetNoLine() {
    TppPen pen = pen_;
    pen.style = TppPen::psClear;
    SetPen(pen);
}

void TppCustomGraphic::SetLineWidth(int width) {
    TppPen pen = pen_;
    pen.width = width;
    SetPen(pen);
}
