#pragma once

#include <QStringList>

// Lists of numbers are stored with "." whatever the locale; on reading, the
// first "." of every line becomes the locale's decimal separator.
void LocaliseDecimalPoints(QStringList& lines, QChar decimalSeparator);
