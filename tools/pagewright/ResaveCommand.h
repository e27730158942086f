#pragma once

#include "PagewrightCommand.h"

// `pagewright resave IN OUT [--to text|binary]`: loads a report template into
// a report and saves the report as the designer does, in the form asked for
// (else the one IN has).
int runResaveCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

extern const PagewrightCommand resaveCommand;
