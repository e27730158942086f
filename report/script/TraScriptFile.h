#pragma once

#include "TraEnvironment.h"

class TraCodeModule;

#include <QByteArray>
#include <functional>
#include <vector>

// A file of script programs: each program starts at a line that begins, in
// column 0, with the word "procedure" or "function" (any case) and runs to
// the next such line. Lines before the first program belong to none.
struct TraScriptChunk {
    QByteArray name; // the program's name as its header spells it, if it has one
    QByteArray source;
};

std::vector<TraScriptChunk> splitScriptFile(const QByteArray& file);

// Runs a file of programs as one code module: the chunk named GlobalVars holds
// the global variables, GlobalConsts the global constants, every other chunk is
// a global routine. When everything compiles, the constants and variables run,
// then the routine Main. ShowMessage and every error are written through
// `write` as lines ending in a line feed:
//   Program <n> (<line>,<column>): <message>    for each compile error
//   Runtime error: <message>                     for a failure while running
// The environment's prompter is replaced. Answers 0 when Main ran to its end.
//
// With `module` (a report's code module) the file's programs join that
// module, so they reach the report's objects and its globals.
int runScriptFile(const QByteArray& file, TraEnvironment environment,
                  const std::function<void(const QByteArray&)>& write, TraCodeModule* module = nullptr);
