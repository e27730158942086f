// The scripting language's speed on three workloads: integer and real
// arithmetic with a string append (10 million iterations), string routines
// (1 million) and calls of a script function (3 million). Each run compiles
// nothing: the module is compiled once and Main runs per iteration.
// bench/script/compare_with_lua.sh times the same programs against Lua.
// CompileModule compiles a module of 1,000 lines: globals and 60 routines
// that call one another, from a fresh module each time.
#include "TraCodeModule.h"
#include "TraScriptFile.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <memory>

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

// 1,000 lines: the globals, then routines of 16 lines; each odd one calls
// the even one before it.
QByteArray thousandLineModule(int& lines) {
    QByteArray source;
    lines = 0;
    for (int r = 0; lines + 6 < 1000; ++r) {
        source += "function Step" + QByteArray::number(r) +
                  "(A, B: Integer): Integer;\r\n"
                  "var\r\n  I, S: Integer;\r\n  T: String;\r\nbegin\r\n  S := 0;\r\n"
                  "  for I := A to B do\r\n  begin\r\n    S := S + I * 2 mod 7;\r\n"
                  "    T := IntToStr(S) + Copy('abcdef', 1, 3);\r\n  end;\r\n";
        source +=
            r % 2 == 1 ? "  S := S + Step" + QByteArray::number(r - 1) + "(A, A);\r\n" : "  S := S + 1;\r\n";
        source += "  if S > 100 then\r\n    S := S - Length(T);\r\n  Result := S;\r\nend;\r\n\f";
        lines += 16;
    }
    return source;
}

void CompileModule(benchmark::State& state) {
    int lines = 0;
    const QByteArray source = thousandLineModule(lines);
    QList<QByteArray> routines = source.split('\f');
    routines.removeAll(QByteArray());
    for (auto _ : state) {
        state.PauseTiming();
        auto module = std::make_unique<TraCodeModule>();
        module->globalVariables().setSource(
            "procedure GlobalVarSection;\r\nvar\r\n  Total: Integer;\r\n  Name: String;\r\nbegin\r\nend;");
        // Each pair listed caller first, so that half the routines need the second pass.
        for (qsizetype r = 0; r < routines.size(); r += 2) {
            if (r + 1 < routines.size())
                module->addRoutine(routines[r + 1]);
            module->addRoutine(routines[r]);
        }
        state.ResumeTiming();
        if (!module->compileAll())
            state.SkipWithError("the module does not compile");
        state.PauseTiming();
        module.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = lines + 6;
}

} // namespace

BENCHMARK(CompileModule)->Unit(benchmark::kMillisecond);
BENCHMARK(Arithmetic)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(Strings)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(Calls)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

BENCHMARK_MAIN();
