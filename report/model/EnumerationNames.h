#pragma once

#include <QStringList>

// The names of enumerations as templates, scripts and the designer show
// them, in the order of their values. One table, so that a stored name and
// a scripted one never disagree.

// The value names of the enumeration called `typeName` ("TppDataType",
// "TAlignment"). Asking for a type the table lacks is a programming error
// and stops the program, at the first registration that does it.
const QStringList& enumerationNames(const char* typeName);
