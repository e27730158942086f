#pragma once

#include <benchmark/benchmark.h>

// What the report benchmarks share: they measure text with the platform's
// fonts, so they run under a GUI application (offscreen unless the caller
// chose a platform), and they report the process's peak resident memory.

// Sets the counter "peak MiB": the peak resident memory of the process so far.
void reportPeakMemory(benchmark::State& state);
