#pragma once

#include "Clock.h"
#include "FormatSettings.h"

#include <QStringList>
#include <QTextStream>

// `kestrel schedule`: the calculator without a window. Prints the schedule as
// CSV; a refused input prints its advisory text on `err` and answers 2.
int runScheduleCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Clock& clock,
                       const FormatSettings& settings);

// The text of `kestrel --help`.
QString kestrelUsage();
