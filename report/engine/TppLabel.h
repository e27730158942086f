#pragma once

#include "TppCustomText.h"

// A fixed caption; its box follows the caption unless AutoSize is turned off.
class TppLabel : public TppCustomText {
public:
    PW_CLASS_INFO

    explicit TppLabel(OwnedComponent* owner = nullptr);
    ~TppLabel() override;

protected:
    bool DefaultAutoSize() const override { return true; }
};
