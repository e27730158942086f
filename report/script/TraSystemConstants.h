#pragma once

#include "TraValue.h"

#include <QByteArray>
#include <optional>

// The names every script knows as values: colours (as Integers in
// blue-green-red byte order, system colours as 0xFF000000 plus their index),
// the device names, "Null" (a Variant holding null) and "nil" (no object).
// Compared without regard to case; none of them can be declared again.
std::optional<TraValue> findSystemConstant(const QByteArray& name);
