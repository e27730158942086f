#pragma once

#include "TraValue.h"

#include <QByteArray>

// A named place that holds one value: a parameter, local or global variable,
// constant or a function's "Result". Compiled code refers to it by address, so
// no name is looked up while a program runs.
struct TraVariable {
    QByteArray name;
    TraValue value;
    bool readOnly = false; // constants
};
