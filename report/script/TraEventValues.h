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

// An event's argument into a handler's parameter of the same position, and
// a var parameter back: objects (a picture to fill) as objects, lists of
// lines (a memo's) as one text of lines ended by CR LF. Currency parameters
// are left alone both ways.
void eventArgumentIn(const QVariant& argument, TraValue& parameter, const TraEnvironment& environment);
void eventArgumentOut(const TraValue& parameter, QVariant& argument, const TraEnvironment& environment);
