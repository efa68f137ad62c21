#!/usr/bin/env bash
# Builds the test suite and the programs it runs with AddressSanitizer,
# UndefinedBehaviorSanitizer and the library's own assertions (the
# instrumented build of tools/strumentata.sh), and runs the whole test suite
# under them. Any report fails the run: the sanitizers are built not to
# recover, and leaks count as findings.
#
#   tools/sanitizzatori.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/strumentata.sh

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

configura_strumentata
cmake --build "$build_strumentata" -j"${JOBS:-2}" --target compattatore_tests compattatore compattatore-cli
ctest --test-dir "$build_strumentata" --output-on-failure -j2
