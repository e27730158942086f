#pragma once

#include "BarElement.h"

#include <QStringView>
#include <vector>

// The 2- or 5-digit supplement printed right of a UPC or EAN symbol. The
// caller has checked that `digits` holds 2 or 5 ASCII digits.
std::vector<BarElement> encodeAddOn(QStringView digits);
