#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer, UndefinedBehaviorSanitizer
# and the library's own assertions in its own build folder, and runs the whole
# test suite under them. Any report fails the run: the sanitizers are built
# not to recover, and leaks count as findings.
#
#   tools/sanitizzatori.sh
set -euo pipefail
cd "$(dirname "$0")/.."

build="${COMPATTATORE_BUILD_SAN:-build-san}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

cmake -S . -B "$build" -G "Unix Makefiles" -DCOMPATTATORE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"${JOBS:-2}"
ctest --test-dir "$build" --output-on-failure -j2
