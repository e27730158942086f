#pragma once

#include "TppCustomImage.h"

// An image whose picture is stored in the report template.
class TppImage : public TppCustomImage {
public:
    PW_CLASS_INFO

    explicit TppImage(OwnedComponent* owner = nullptr);
    ~TppImage() override;
};
