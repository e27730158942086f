#pragma once

#include "Clock.h"
#include "FormatSettings.h"

#include <QStringList>
#include <QTextStream>

// `kestrel export --xlsx FILE [loan options]`: the schedule of the loan
// options of `kestrel schedule` written as the workbook of "Export To Excel",
// without a window and without opening it. FILE is replaced only once the new
// workbook is complete. Refusals print the window's message texts on `err`
// and answer 2; a workbook that cannot be written answers 1.
int runExportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Clock& clock,
                     const FormatSettings& settings);
