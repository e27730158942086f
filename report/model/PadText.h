#pragma once

#include "TppTypes.h"

#include <QString>

// A text of exactly `width` characters for fixed-length text files: cut when
// longer, padded with blanks when shorter (right, left, or split with the
// smaller half in front). Full justification has nothing to spread a short
// text over, so it pads like left justification rather than losing the text.
QString PadText(const QString& text, int width, TppTextAlignment alignment);
