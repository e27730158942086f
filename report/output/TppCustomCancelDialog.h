#pragma once

#include "TppForm.h"

// The progress dialog shown while a job prints; its cancel button runs OnCancel.
class TppCustomCancelDialog : public TppForm {
public:
    static QString abstractName() { return QStringLiteral("TppCustomCancelDialog"); }
};
