#pragma once

#include "FixedClock.h"

#include <QStringList>
#include <QTextStream>
#include <functional>

// A command run in-process: its exit status and what it printed.
struct CommandRun {
    int status;
    QString out;
    QString err;
};

// Runs `command` with streams for standard output and standard error and a
// clock on the fixed day.
inline CommandRun
runCommand(const std::function<int(QTextStream& out, QTextStream& err, const Clock& clock)>& command) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    FixedClock clock;
    const int status = command(outStream, errStream, clock);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

// Runs a command that reads only its arguments.
inline CommandRun runCommand(int (*command)(const QStringList& arguments, QTextStream& out, QTextStream& err),
                             const QStringList& arguments) {
    return runCommand(
        [&](QTextStream& out, QTextStream& err, const Clock&) { return command(arguments, out, err); });
}
