#pragma once

#include "TppDrawText.h"

// A calculation's text; the page-count kinds are refreshed once the page
// counts are known.
class TppDrawCalc : public TppDrawText {
public:
    PW_CLASS_INFO
    using TppDrawText::TppDrawText;

    TppCalcType CalcType = ctDate;

    bool IsUpdatable() const override { return true; }
    bool UpdateText() override;
    void Assign(const TppDrawCommand& source) override;
};
