#pragma once

#include "DrawingTypes.h"
#include "TppCustomGraphic.h"

// A rectangle, square, rounded rectangle or square, ellipse or circle in
// its box, drawn as one TppDrawShape.
class TppShape : public TppCustomGraphic {
public:
    PW_CLASS_INFO

    explicit TppShape(OwnedComponent* owner = nullptr);
    ~TppShape() override;

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    // A shape without fill lets what is below show through.
    bool Transparent() const { return Brush().style == TppBrush::bsClear; }

    const ClassInfo* CommandClass() const override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;

private:
    TShapeType shape_ = stRectangle;
};
