#pragma once

#include "TppForm.h"

// The preview window's place in the form registry.
class TppCustomPreviewer : public TppForm {
public:
    static QString abstractName() { return QStringLiteral("TppCustomPreviewer"); }
};
