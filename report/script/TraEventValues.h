#pragma once

#include "TraEnvironment.h"
#include "TraValue.h"

#include <QVariant>

// Report values cross into scripts as QVariants (field values, event
// parameters): a null or invalid one is a Null variant, numbers, texts,
// Booleans and dates keep their kind.
TraValue variantToScriptValue(const QVariant& value);
// The other way: what a script leaves in a var parameter of an event.
QVariant scriptValueToVariant(const TraValue& value, const TraEnvironment& environment);
