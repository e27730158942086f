#pragma once

#include <QStringList>
#include <QTextStream>

// pagewright script FILE: runs a file of script programs (see TraScriptFile.h)
// with fixed English format settings, printing ShowMessage texts and errors.
int runScriptCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
