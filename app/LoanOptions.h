#pragma once

#include "Clock.h"
#include "LoanInputs.h"

#include <QStringList>

// A command line that does not say what it means.
struct UsageError {
    QString message;
};

// The loan options of `kestrel schedule` and `kestrel report` as the texts
// the edit boxes would hold; dates and months are checked here, numbers by
// the edit boxes' readers later. Raises UsageError.
LoanInputs parseLoanOptions(const QStringList& arguments, const Clock& clock);
