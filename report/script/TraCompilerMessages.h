#pragma once

#include "TraTokenType.h"

#include <QByteArray>
#include <QString>

// The text of a compile error. Codes 0 to 13 are the compiler's messages; their
// placeholder is filled with the offending token's text in single quotes.
// Code -1 lists the expected token kinds in ordinal order: "Expected: identifier
// or 'begin', but found 'if' instead."
QString compilerMessage(int code, const QByteArray& tokenText, TraTokenSet expected);

// The language string that holds compiler message `code` (0 to 13).
int compilerMessageString(int code);
