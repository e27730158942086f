#pragma once

#include "Clock.h"
#include "FormatSettings.h"

#include <QStringList>
#include <QTextStream>

// `kestrel report`: the loan options of `kestrel schedule`, then what "Show
// Report" does, without a window, writing the pages as the page dump
// (--dump) or as pictures (--png DIR). The template is Amortization.rtm in
// `appDir` unless --template names another. Refusals print the window's
// message texts on `err` and answer 2; template and generation errors
// answer 1.
int runReportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Clock& clock,
                     const FormatSettings& settings, const QString& appDir);
