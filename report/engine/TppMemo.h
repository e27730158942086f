#pragma once

#include "TppCustomMemo.h"

// A memo whose lines are written at design time.
class TppMemo : public TppCustomMemo {
public:
    PW_CLASS_INFO

    explicit TppMemo(OwnedComponent* owner = nullptr);
    ~TppMemo() override;
};
