#pragma once

#include "TppForm.h"

// The dialog that says a report has no data.
class TppCustomNoDataDialog : public TppForm {
public:
    static QString abstractName() { return QStringLiteral("TppCustomNoDataDialog"); }
};
