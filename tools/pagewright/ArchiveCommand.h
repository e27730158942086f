#pragma once

#include "PagewrightCommand.h"

// `pagewright archive FILE (--dump | --png DIR)`: the pages of an archived
// report, written as `pagewright render` writes pages.
int runArchiveCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

extern const PagewrightCommand archiveCommand;
