#pragma once

#include "Clock.h"
#include "PagewrightCommand.h"

// `pagewright render TEMPLATE [--data NAME=SOURCE ...] [--pass one|two]
// [--pages LIST] (--dump | --png DIR)`: loads any template, gives its
// pipelines the data named for them, generates the pages and writes them.
// The report reads today's date and the time from `clock`.
int runRenderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Clock& clock);

extern const PagewrightCommand renderCommand;
