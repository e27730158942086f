#pragma once

#include <QStringList>
#include <QTextStream>

// One subcommand of `pagewright`. `run` gets the arguments after the command's
// name and answers the exit status.
struct PagewrightCommand {
    const char* name;
    const char* synopsis; // one or more lines for --help, each starting with "pagewright <name>"
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
};
