#pragma once

#include "TraEnvironment.h"
#include "TraTokenType.h"
#include "TraValue.h"

// What an operator does is decided by the type of its left operand. `out` gets
// the result, or no value when the operator cannot work on the operands.

// Arithmetic, text joining and logic; `right` is null for a unary operator.
void operate(TraValue& out, const TraValue& left, const TraValue* right, TraTokenType op,
             const TraEnvironment& environment);
// The relational operators and "is"; the result is a Boolean.
void compare(TraValue& out, const TraValue& left, const TraValue& right, TraTokenType op,
             const TraEnvironment& environment);

// The arithmetic of numbers, in extended precision: "/" and "div" by zero give
// 0, "mod" by zero and "div" by a fraction that truncates to zero raise.
long double arithmetic(long double left, long double right, TraTokenType op);
// The same on two Integers; the result keeps the low 32 bits.
qint32 integerArithmetic(qint32 left, qint32 right, TraTokenType op);
// Relational operators on an ordering (-1, 0, 1).
bool orderSatisfies(int order, TraTokenType op);
