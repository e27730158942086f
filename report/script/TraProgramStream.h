#pragma once

#include <QByteArray>
#include <vector>

// One program as a code module stores it: its class name and its published
// properties. Compiled trees are never stored.
struct TraStoredProgram {
    QByteArray className; // TraProgram, TraEventHandler, TraConstProgram, TraVarProgram
    int childType = 0;
    bool isFunctionType = false;
    bool hidden = false;
    bool locked = false;
    QByteArray programName;
    QByteArray programType; // "ttProcedure", "ttFunction"; empty for ttUnknown
    QByteArray source;
    bool sourceModified = false;
    QByteArray componentName;
    QByteArray eventName;
    int eventID = 0;
};

// The "ProgramStream" block: for each program a list of its class name and
// property records, then an end marker, in the component stream's encoding.
// Reading skips an integer before a program (a version number), reads the
// class "TraOnCalcEventHandler" as "TraEventHandler", and refuses a damaged
// block with ETemplateLoadError naming the byte.
std::vector<TraStoredProgram> readProgramStream(const QByteArray& data);
QByteArray writeProgramStream(const std::vector<TraStoredProgram>& programs);
