#pragma once

#include "PagewrightErrors.h"

// A failure while a script runs: a conversion that cannot be done, a division
// by zero, a floating-point result that is no number, runaway recursion. It
// ends the running program; the code module reports it naming the program.
class TraRunError : public EPagewrightError {
public:
    using EPagewrightError::EPagewrightError;
};
