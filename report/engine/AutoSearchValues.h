#pragma once

#include "FormatSettings.h"
#include "TppTypes.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// The values of a search criterion as its expression holds them, and the
// checks the search dialog makes of what a user types.

// The parts of an expression: split at every ","; the text after the last
// comma is a part only when it is not empty ("a,b" two parts, "a," one, ""
// none). There is no quoting.
QStringList splitSearchExpression(const QString& expression);

// One part read by the criterion's data type: dates and times as day counts
// in a QDateTime, integers, floats and currency as numbers; characters,
// strings and memos stay text, with `wildCard` appended when it is not empty
// and the part does not hold it; other types give an empty text. EDataError
// when the part does not read as its type.
QVariant searchValue(const QString& part, TppDataType type, const QString& wildCard,
                     const FormatSettings& settings, int currentYear);

// Empty when `text` may be stored for a criterion of `type` (the empty text
// always may), else the message the dialog shows beside the edit.
QString searchValueProblem(const QString& text, TppDataType type, const FormatSettings& settings,
                           int currentYear);

// What is stored for a value that passed the check: a number without its
// thousands separators, which would otherwise split it into two values
// ("1,234" is one number, not 1 and 234); anything else as typed.
QString storedSearchValue(const QString& text, TppDataType type, const FormatSettings& settings);
