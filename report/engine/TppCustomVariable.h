#pragma once

#include "TppCustomText.h"

// A text that computes what it prints. It tells its draw command the data
// type of its value, so that text devices and exports know what the text
// stands for. Auto-sized by default.
class TppCustomVariable : public TppCustomText {
public:
    PW_CLASS_INFO

    explicit TppCustomVariable(OwnedComponent* owner = nullptr);
    ~TppCustomVariable() override;

    virtual TppDataType DataType() const = 0;

    void PropertiesToDrawCommand(TppDrawCommand& command) override;

protected:
    bool DefaultAutoSize() const override { return true; }
};
