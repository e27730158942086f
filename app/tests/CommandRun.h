#pragma once

#include "FixedClock.h"

#include <QTextStream>
#include <functional>

// A `kestrel` command run in-process on a fixed day, with what it printed.

struct CommandRun {
    int status;
    QString out;
    QString err;
};

inline CommandRun runCommand(const std::function<int(QTextStream& out, QTextStream& err, const Clock& clock)>& command) {
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
