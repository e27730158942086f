#pragma once

#include <QString>

// A version text as a comparable integer: "7.0" gives 7000, "6.03" 6030.
// Throws EConvertError when the leading run of digits and points holds a
// second point ("7.0.1") or does not fit an integer.
int VersionNumber(const QString& text);
