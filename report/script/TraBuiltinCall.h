#pragma once

#include "TraEnvironment.h"
#include "TraValue.h"

// What a built-in routine's body works on: its arguments, already converted to
// the parameter types of its declaration (so an Integer parameter holds an
// Integer), the place for its result, and the environment it runs in. A body
// writes "var" outputs into their parameters.
struct TraBuiltinCall {
    TraValue* params;
    TraValue& result;
    const TraEnvironment& environment;

    const QByteArray& string(int i) const { return params[i].text(); }
    qint32 integer(int i) const { return params[i].integer(); }
    long double extended(int i) const { return params[i].extended(); }
    double dateTime(int i) const { return params[i].real(); }
    long double currencyAmount(int i) const { return params[i].currencyAmount(); }
};
