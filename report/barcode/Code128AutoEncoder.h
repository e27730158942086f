#pragma once

#include <QString>
#include <optional>

// The first character of `data` that neither code set A nor B can carry (and
// that is no special of Code128Characters.h), if any.
std::optional<QChar> firstUnencodableCode128Character(QStringView data);

// Writes the code sets into Code 128 data: drops any typed START, CODE and
// SHIFT characters and returns the data with a start character and the
// switches that keep the symbol short. Runs of digit pairs go to code C; other
// characters go to A or B, whichever carries the coming characters longer,
// with a SHIFT for a single character of the other set. The data must have no
// unencodable characters.
QString autoEncodeCode128(QStringView data);
