// The scripting language's speed on three workloads: integer and real
// arithmetic with a string append (10 million iterations), string routines
// (1 million) and calls of a script function (3 million). Each run compiles
// nothing: the module is compiled once and Main runs per iteration.
// bench/script/compare_with_lua.sh times the same programs against Lua.
#include "TraCodeModule.h"
#include "TraScriptFile.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

class SilentPrompter final : public Prompter {
public:
    void showMessage(const QString&) override {}
};

void runWorkload(benchmark::State& state, const char* name) {
    QFile file(QStringLiteral(PW_SCRIPT_BENCH_DIR "/%1.pas").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("cannot read the workload");
        return;
    }
    SilentPrompter prompter;
    TraCodeModule module;
    module.environment().prompter = &prompter;
    for (const TraScriptChunk& chunk : splitScriptFile(file.readAll()))
        module.addRoutine(chunk.source);
    if (!module.compileAll()) {
        state.SkipWithError("the workload does not compile");
        return;
    }
    TraProgram* main = module.findGlobalRoutine("Main");
    for (auto _ : state)
        module.runProgram(*main);
}

void Arithmetic(benchmark::State& state) {
    runWorkload(state, "arithmetic");
}
void Strings(benchmark::State& state) {
    runWorkload(state, "strings");
}
void Calls(benchmark::State& state) {
    runWorkload(state, "calls");
}

} // namespace

BENCHMARK(Arithmetic)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(Strings)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(Calls)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

BENCHMARK_MAIN();
