#pragma once

#include "TppDrawText.h"

// A system variable's text; the page-number kinds are refreshed once the
// page counts are known.
class TppDrawVar : public TppDrawText {
public:
    PW_CLASS_INFO
    using TppDrawText::TppDrawText;

    TppVarType VarType = vtDate;

    bool IsUpdatable() const override;
    bool UpdateText() override;
    void Assign(const TppDrawCommand& source) override;
};
