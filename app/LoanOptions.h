#pragma once

#include "Clock.h"
#include "LoanInputs.h"
#include "MemoryTable.h"

#include <QStringList>
#include <QTextStream>
#include <optional>

// A command line that does not say what it means.
struct UsageError {
    QString message;
};

// Removes `option` and its value from `arguments` and answers the value;
// nothing when the option is not there. Raises UsageError when it has no value.
std::optional<QString> takeOptionValue(QStringList& arguments, const QString& option);

// The loan options of `kestrel schedule` and `kestrel report` as the texts
// the edit boxes would hold; dates and months are checked here, numbers by
// the edit boxes' readers later. Raises UsageError.
LoanInputs parseLoanOptions(const QStringList& arguments, const Clock& clock);

// The schedule of `inputs` in `table`, which it defines, as the commands
// compute it; a refused input prints its message on `err` and answers false.
bool computeCommandSchedule(const LoanInputs& inputs, MemoryTable& table, const FormatSettings& settings,
                            QTextStream& err);
