#pragma once

#include "FixedClock.h"
#include "TraScriptFile.h"

#include <QDateTime>
#include <string>

// Runs a file of programs as `pagewright script` does, with the fixed clock and
// the invariant settings, and answers everything it printed.
inline std::string runScript(const std::string& file) {
    // "Now" is Friday 15 March 2024, 13:45:30.
    static const FixedClock clock(QDateTime(QDate(2024, 3, 15), QTime(13, 45, 30)));
    TraEnvironment environment;
    environment.clock = &clock;
    QByteArray output;
    runScriptFile(QByteArray::fromStdString(file), environment,
                  [&](const QByteArray& text) { output += text; });
    return output.toStdString();
}

// The value of an expression, as text: Main assigns it to a Variant and shows
// that. `declarations` may declare variables the expression uses.
inline std::string valueOf(const std::string& expression, const std::string& declarations = "") {
    std::string output = runScript("procedure Main;\nvar\n  V: Variant;\n" + declarations +
                                   "\nbegin\n  V := " + expression + ";\n  ShowMessage(V);\nend;\n");
    if (!output.empty() && output.back() == '\n')
        output.pop_back();
    return output;
}
