// Feeds arbitrary bytes to the script readers. The first byte chooses:
// even, a file of programs as `pagewright script` runs it (split, compiled,
// GlobalConsts and GlobalVars run, then Main), with file access refused and
// a limit on loop turns and calls besides the limit on nested calls; odd, a
// code module's stored "ProgramStream", which must write back as it reads.
// Crashes, sanitizer reports and runs past the time bound are findings;
// syntax, run and load errors are not.

#include "FixedClock.h"
#include "FuzzSupport.h"
#include "PagewrightErrors.h"
#include "TraCodeModule.h"
#include "TraProgramStream.h"
#include "TraScriptFile.h"

namespace {

// Enough for every seed; far less than a second of the slowest statement.
constexpr qint64 kMaxTurns = 20000;

void runFile(const QByteArray& file) {
    static const FixedClock clock(QDateTime(QDate(2024, 3, 15), QTime(13, 45, 30)));
    TraEnvironment environment;
    environment.clock = &clock;
    environment.allowFileAccess = false;
    environment.maxTurns = kMaxTurns;
    runScriptFile(file, environment, [](const QByteArray&) {});
}

void readStored(const QByteArray& stream) {
    std::vector<TraStoredProgram> programs;
    try {
        programs = readProgramStream(stream);
    } catch (const EPagewrightError&) {
        return;
    }
    const QByteArray written = writeProgramStream(programs);
    if (writeProgramStream(readProgramStream(written)) != written)
        abort();
    try {
        TraCodeModule module;
        module.setProgramStream(written);
        module.compileAll(false);
    } catch (const EPagewrightError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = [] {
        registerScriptClasses();
        return true;
    }();
    (void)registered;

    FuzzSettings settings(bytesOf(data, size));
    const bool stored = settings.flag();
    const QByteArray rest = settings.rest().toByteArray();
    if (stored)
        readStored(rest);
    else
        runFile(rest);
    return 0;
}
