#pragma once

#include "Clock.h"
#include "FormatSettings.h"
#include "Prompter.h"

#include <QDateTime>
#include <functional>

// What scripts reach of the world: the locale record for numbers and dates, the
// clock for "now", where messages go and how to beep. A code module owns one
// and hands it to its programs; nothing is read from the machine behind it.
struct TraEnvironment {
    FormatSettings settings = FormatSettings::invariant();
    const Clock* clock = nullptr; // none: the system clock
    Prompter* prompter = nullptr; // none: messages are dropped
    std::function<void()> beep;   // none: silent

    QDateTime now() const;
    // The current date and time as a day count (DateTimeDays.h).
    double nowInDays() const;

    // The environment of programs that belong to no module.
    static const TraEnvironment& standard();
};
