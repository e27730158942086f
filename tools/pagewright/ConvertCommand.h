#pragma once

#include "PagewrightCommand.h"

// `pagewright convert IN OUT --to text|binary`: rewrites a template (or any
// component stream) in the other form.
int runConvertCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

extern const PagewrightCommand convertCommand;
