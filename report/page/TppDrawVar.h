#pragma once

#include "TppDrawText.h"

#include <functional>
#include <optional>

// A system variable's text; the page-number kinds are refreshed once the
// page counts are known.
class TppDrawVar : public TppDrawText {
public:
    PW_CLASS_INFO
    using TppDrawText::TppDrawText;

    TppVarType VarType = vtDate;
    // The text of the page numbers as the variable that made the command
    // formats them (its display format, its OnFormat); nothing once that
    // variable is gone, or for commands read back from an archive, which
    // then read plain numbers.
    std::function<std::optional<QString>(int pageNo, int pageCount)> PageText;

    bool IsUpdatable() const override;
    bool UpdateText() override;
    void Assign(const TppDrawCommand& source) override;
};
