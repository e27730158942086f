#include "TppCustomGraphic.h"

#include "ClassBuilder.h"
#include "PenAndBrushChanges.h"
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
    SetBrush(brushFilledWith(brush_, color));
}

void TppCustomGraphic::SetNoFill() {
    SetBrush(brushWithoutFill(brush_));
}

void TppCustomGraphic::SetLineColor(int color) {
    SetPen(penDrawnIn(pen_, color));
}

void TppCustomGraphic::SetNoLine() {
    SetPen(penWithoutLine(pen_));
}

void TppCustomGraphic::SetLineWidth(int width) {
    SetPen(penOfWidth(pen_, width));
}
