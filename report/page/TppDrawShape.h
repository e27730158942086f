#pragma once

#include "DrawingTypes.h"
#include "TppBrush.h"
#include "TppDrawCommand.h"
#include "TppPen.h"

// A rectangle, rounded rectangle or ellipse filling its box.
class TppDrawShape : public TppDrawCommand {
public:
    PW_CLASS_INFO

    explicit TppDrawShape(OwnedComponent* owner = nullptr);

    TShapeType ShapeType = stRectangle;
    TppBrush Brush;
    TppPen Pen;
    // The corner ellipse of a rounded rectangle, in thousandths of a millimetre.
    int XCornerRound = 0;
    int YCornerRound = 0;

    void Assign(const TppDrawCommand& source) override;
};
