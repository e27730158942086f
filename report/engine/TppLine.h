#pragma once

#include "DrawingTypes.h"
#include "TppCustomGraphic.h"

// A single or double line along one side of its box. Its thickness is kept
// twice, as Weight in points and as the pen width in screen pixels, and the
// two follow each other.
class TppLine : public TppCustomGraphic {
public:
    PW_CLASS_INFO

    explicit TppLine(OwnedComponent* owner = nullptr);
    ~TppLine() override;

    TppLinePositionType Position() const { return position_; }
    void SetPosition(TppLinePositionType position);
    TppLineStyleType Style() const { return style_; }
    void SetStyle(TppLineStyleType style);
    float Weight() const { return weight_; }
    // Also sets the pen width: Weight points at the screen's resolution.
    void SetWeight(float weight);
    // A new pen width also sets Weight.
    void SetPen(const TppPen& pen) override;

    // Templates older than version 3000 stored only the pen width.
    void ConvertLegacy(int versionNumber);

    const ClassInfo* CommandClass() const override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;

private:
    void weightFromPenWidth();

    TppLinePositionType position_ = lpTop;
    TppLineStyleType style_ = lsSingle;
    float weight_ = 0.75f;
};
