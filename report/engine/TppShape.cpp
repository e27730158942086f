#include "TppShape.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "ShapeGeometry.h"
#include "TppDrawShape.h"
#include "Units.h"

namespace {

int toScreenPixels(int mm, Axis axis) {
    return int(roundHalfEven(UnitsFromMM(mm, utScreenPixels, axis)));
}
int fromScreenPixels(int pixels, Axis axis) {
    return UnitsToMM(float(pixels), utScreenPixels, axis);
}

} // namespace

const ClassInfo& TppShape::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppShape>("TppShape", &TppCustomGraphic::staticClassInfo(), [](auto& c) {
            c.property("Shape", &TppShape::Shape, &TppShape::SetShape)
                .names(enumerationNames("TShapeType"))
                .withDefault(stRectangle);
        });
    return info;
}

TppShape::TppShape(OwnedComponent* owner) : TppCustomGraphic(owner) {}

TppShape::~TppShape() {
    markDestroying();
}

void TppShape::SetShape(TShapeType shape) {
    if (shape == shape_)
        return;
    shape_ = shape;
    GraphicChanged();
}

const ClassInfo* TppShape::CommandClass() const {
    return &TppDrawShape::staticClassInfo();
}

// The geometry is worked out in screen pixels, as the designer draws it, so
// the page shows what the designer showed.
void TppShape::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppCustomGraphic::PropertiesToDrawCommand(command);
    auto& shape = static_cast<TppDrawShape&>(command);
    const ShapeGeometry g = shapeGeometry(shape_, toScreenPixels(PrintRect.Width(), Axis::Horizontal),
                                          toScreenPixels(PrintRect.Height(), Axis::Vertical), Pen().width);
    const int left = fromScreenPixels(g.x1, Axis::Horizontal);
    const int top = fromScreenPixels(g.y1, Axis::Vertical);
    shape.SetBox(PrintRect.Left + left, PrintRect.Top + top, fromScreenPixels(g.x2, Axis::Horizontal) - left,
                 fromScreenPixels(g.y2, Axis::Vertical) - top);
    shape.Brush = Brush();
    shape.Pen = Pen();
    shape.XCornerRound = fromScreenPixels(g.corner, Axis::Horizontal);
    shape.YCornerRound = fromScreenPixels(g.corner, Axis::Vertical);
    shape.ShapeType = drawnShapeType(shape_);
}
