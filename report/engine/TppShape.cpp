#include "TppShape.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "ShapeGeometry.h"
#include "TppDrawShape.h"

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

void TppShape::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppCustomGraphic::PropertiesToDrawCommand(command);
    fillShapeCommand(static_cast<TppDrawShape&>(command), shape_, PrintRect, Pen(), Brush());
}
