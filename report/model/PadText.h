#pragma once

#include "TppTypes.h"

#include <QString>

// A text of exactly `width` characters for fixed-length text files: cut when
// longer, padded with blanks when shorter (right, left, or split with the
// smaller half in front). Full justification has nothing to spread a short
// text over, so it pads like left justification rather than losing the text.
// The width comes from a template, unchecked; padding stops at
// kMaxPadWidth, far beyond any record line, so that a width near the
// integer limit does not ask for gigabytes of blanks. A text longer than
// that limit is still cut only by the width asked for.
inline constexpr int kMaxPadWidth = 65535;
QString PadText(const QString& text, int width, TppTextAlignment alignment);
