#include "TppDrawShape.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"

const ClassInfo& TppDrawShape::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDrawShape>("TppDrawShape", &TppDrawCommand::staticClassInfo(), [](auto& c) {
            using S = TppDrawShape;
            c.object("Brush", [](S& s) -> Persistent* { return &s.Brush; });
            c.object("Pen", [](S& s) -> Persistent* { return &s.Pen; });
            c.property(
                 "ShapeType", [](const S& s) { return s.ShapeType; },
                 [](S& s, TShapeType v) { s.ShapeType = v; })
                .names(enumerationNames("TShapeType"))
                .withDefault(stRectangle);
            c.property(
                 "XCornerRound", [](const S& s) { return s.XCornerRound; },
                 [](S& s, int v) { s.XCornerRound = v; })
                .withDefault(0);
            c.property(
                 "YCornerRound", [](const S& s) { return s.YCornerRound; },
                 [](S& s, int v) { s.YCornerRound = v; })
                .withDefault(0);
        });
    return info;
}

TppDrawShape::TppDrawShape(OwnedComponent* owner) : TppDrawCommand(owner) {
    SetDataType(dtGraphic);
}

void TppDrawShape::Assign(const TppDrawCommand& source) {
    TppDrawCommand::Assign(source);
    if (const auto* shape = dynamic_cast<const TppDrawShape*>(&source)) {
        ShapeType = shape->ShapeType;
        Brush = shape->Brush;
        Pen = shape->Pen;
        XCornerRound = shape->XCornerRound;
        YCornerRound = shape->YCornerRound;
    }
}
