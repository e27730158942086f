#!/usr/bin/env bash
# fuzz/run.sh TARGET SECONDS [libFuzzer options...]
# Builds TARGET's fuzzer in build-fuzz/ (clang, ASan, UBSan) and runs it for
# SECONDS at the lowest priority, from its seeds in fuzz/corpus/TARGET with
# its dictionary fuzz/dict/TARGET.dict. What it finds on the way (new inputs
# to the corpus, crash-*, timeout-*, leak-* files) goes to
# build-fuzz/fuzz/TARGET/, never into the seeds; the log is
# build-fuzz/fuzz/TARGET.log. Targets: the pw_fuzzer lines of fuzz/CMakeLists.txt.
# PW_FUZZ_NO_BUILD=1 runs what is built, for a queue of runs beside a build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ $# -lt 2 ]; then
  sed -n '2,9s/^# \{0,1\}//p' "$0" >&2
  exit 2
fi
target="$1"
seconds="$2"
shift 2
build="$root/build-fuzz"
if [ ! -f "$build/build.ninja" ]; then
  CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1 cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ -DPW_BUILD_FUZZERS=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
fi
[ "${PW_FUZZ_NO_BUILD:-}" = 1 ] ||
  CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1 nice cmake --build "$build" --target "${target}_fuzzer"
work="$build/fuzz/$target"
mkdir -p "$work/corpus"
# The time bound is wall time, and a run at the lowest priority on a busy
# machine may wait for the processor for seconds: an input that passes it is
# run again alone to tell a slow input from a starved process.
options=(-max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1
  -artifact_prefix="$work/")
[ -f "$root/fuzz/dict/$target.dict" ] && options+=(-dict="$root/fuzz/dict/$target.dict")
cd "$work"
# Leaks are findings: the process-wide registries are made once and kept,
# which LeakSanitizer does not count, as they stay reachable; what the system
# libraries keep for the life of the process is suppressed as in the tests.
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  nice -n 19 "$build/bin/${target}_fuzzer" "${options[@]}" "$@" "$work/corpus" "$root/fuzz/corpus/$target" \
  2>&1 | tee "$build/fuzz/$target.log"
