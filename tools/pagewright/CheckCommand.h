#pragma once

#include "PagewrightCommand.h"

// `pagewright check FILE`: loads a report template into a report and prints
// "ok" with what the report holds, or the load error with its place.
int runCheckCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

extern const PagewrightCommand checkCommand;
