#pragma once

#include "DrawingTypes.h"
#include "TppDrawCommand.h"
#include "TppPen.h"

// A line along one side of its box, Weight points thick, single or double.
class TppDrawLine : public TppDrawCommand {
public:
    PW_CLASS_INFO

    explicit TppDrawLine(OwnedComponent* owner = nullptr);

    TppLinePositionType LinePosition = lpTop;
    TppLineStyleType LineStyle = lsSingle;
    TppPen Pen;
    float Weight = 0;

    void Assign(const TppDrawCommand& source) override;
};
