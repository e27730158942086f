#pragma once

#include "Dataset.h"
#include "LoanInputs.h"
#include "ReportActions.h"

#include <optional>

// "Show Report" and "Design Report" with their checks, as the window and
// `kestrel report` both run them. Each answers the refusal to show when a
// check fails; errors of loading and generating propagate from the actions.

// No rows, no template file, or an input that does not read: refused. Else
// the template is loaded, the header values are read from the inputs as they
// stand and from the table's rows, and the report is previewed.
std::optional<InputRefusal> showReport(const LoanInputs& inputs, Dataset& schedule,
                                       const QString& templatePath, ReportActions& reports,
                                       const FormatSettings& settings);

// Needs only the template file; the table may be empty.
std::optional<InputRefusal> designReport(const QString& templatePath, ReportActions& reports);
