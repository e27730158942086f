#pragma once

#include <QStringList>

// The names of enumerations as templates, scripts and the designer show
// them, in the order of their values. One table, so that a stored name and
// a scripted one never disagree.
const QStringList& dataTypeNames(); // TppDataType
