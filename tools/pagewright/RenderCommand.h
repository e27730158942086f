#pragma once

#include "PagewrightCommand.h"

// `pagewright render TEMPLATE [--data NAME=SOURCE ...] [--pass one|two]
// [--pages LIST] (--dump | --png DIR)`: loads any template, gives its
// pipelines the data named for them, generates the pages and writes them.
int runRenderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

extern const PagewrightCommand renderCommand;
