#pragma once

#include "Clock.h"
#include "FormatSettings.h"
#include "Prompter.h"

#include <QDateTime>
#include <functional>

class TraScriptObjects;

// What scripts reach of the world: the locale record for numbers and dates, the
// clock for "now", where messages go and how to beep. A code module owns one
// and hands it to its programs; nothing is read from the machine behind it.
struct TraEnvironment {
    FormatSettings settings = FormatSettings::invariant();
    const Clock* clock = nullptr; // none: the system clock
    Prompter* prompter = nullptr; // none: messages are dropped
    std::function<void()> beep;   // none: silent
    // Members that read or write files (SaveToFile, LoadFromFile ...) refuse
    // to run without it: templates from elsewhere carry their own scripts.
    bool allowFileAccess = true;
    // Called on every turn of a loop and on every call of a routine: a module
    // running in a report lets the window's messages through and stops a
    // script that is cancelled or runs too long. It may raise.
    std::function<void()> interrupt;
    // A run of one program (a handler, the start program ...) that lasts
    // longer fails with a script error; 0 is no limit.
    double timeoutSeconds = 0;
    // The same for a run that takes more loop turns and calls than this; a
    // bound that does not depend on the machine's speed. 0 is no limit.
    qint64 maxTurns = 0;
    // Where objects the scripts create live; none: scripts cannot create any.
    TraScriptObjects* objects = nullptr;

    QDateTime now() const;
    // The current date and time as a day count (DateTimeDays.h).
    double nowInDays() const;

    // The environment of programs that belong to no module.
    static const TraEnvironment& standard();
};
