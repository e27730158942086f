#pragma once

#include "TppComponent.h"

// A component of fixed size (texts, graphics, variables, barcodes): placed
// at its design position in its band or region, moved down or stretched
// with a growing parent, and turned into one draw command.
class TppCustomComponent : public TppComponent {
public:
    PW_CLASS_INFO

    explicit TppCustomComponent(OwnedComponent* owner = nullptr);
    ~TppCustomComponent() override;

    void Generate() override;
    void CreateDrawCommand(TppPage& page) override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;
    void DrawCommandClick(TppDrawCommand& command) override;

private:
    void placeInParent(const TppPrintParent& parent);
};
