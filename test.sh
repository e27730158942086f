#!/usr/bin/env bash
# Installs what is missing, checks the format of every source, builds
# everything, runs clang-tidy on the .cpp files changed against main and runs
# every test with CTest.
#   ./test.sh             the normal tree in build/
#   ./test.sh --sanitize  a second tree in build-sanitize/ with AddressSanitizer
#                         and UndefinedBehaviorSanitizer, running the same tests
# Further arguments go to ctest (e.g. -R app_tests).
set -euo pipefail
PW_ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$PW_ROOT/scripts/common.sh"

dir="$PW_ROOT/build"
cmake_args=()
if [ "${1:-}" = "--sanitize" ]; then
  shift
  dir="$PW_ROOT/build-sanitize"
  cmake_args+=(-DPW_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
  export LSAN_OPTIONS="suppressions=$PW_ROOT/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi

pw_install_packages
pw_check_format
# The printing test prints to a real CUPS queue; without one it fails and says why.
pw_start_print_queue
[ -z "${PW_PRINT_QUEUE_ERROR:-}" ] || echo "No print queue for the printing test: $PW_PRINT_QUEUE_ERROR" >&2
pw_build "$dir" "${cmake_args[@]}"
pw_check_tidy "$dir"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" "$@"
