#!/usr/bin/env bash
# Static analysis of the product code (not the tests, benchmarks or fuzz
# targets): clang-tidy with the checks of .clang-tidy on the compile commands
# of a build, then cppcheck, each on two processes. Fails on any finding.
#
#   tools/analisi_statica.sh
#
# The compile commands are those of $COMPATTATORE_BUILD_ANALISI (default
# build-analisi); a folder configured with CMAKE_EXPORT_COMPILE_COMMANDS=ON
# (the main build of .ci/run) is used as it is, nothing is compiled.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/clang.sh

build="${COMPATTATORE_BUILD_ANALISI:-build-analisi}"
if [[ ! -f "$build/compile_commands.json" ]]; then
  cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCOMPATTATORE_TESTS=OFF >/dev/null
fi

# The Win32 shell is left out: this machine has no Windows headers for it.
mapfile -t sorgenti < <(git ls-files 'model/*.cpp' 'formato/*.cpp' 'describe/*.cpp' 'documents/*.cpp' 'readers/*.cpp' \
  'output/*.cpp' 'driver/*.cpp' 'driver/base/*.cpp' 'platform/*.cpp' 'cli/*.cpp' 'decompila/*.cpp' 'guida/*.cpp' \
  'lsp/*.cpp' ':(exclude)platform/win32/*')

esito=0
echo "== clang-tidy (${#sorgenti[@]} files)"
if ! printf '%s\n' "${sorgenti[@]}" | xargs -P 2 -n 4 "$CLANG_TIDY" -p "$build" --quiet 2>/dev/null; then
  esito=1
fi

echo "== cppcheck"
if ! cppcheck -j 2 --quiet --error-exitcode=1 --std=c++20 --language=c++ --enable=warning,performance,portability \
    --inline-suppr --suppress=missingIncludeSystem -I . "${sorgenti[@]}"; then
  esito=1
fi

if ((esito)); then echo "static analysis: findings above" >&2; else echo "static analysis: clean"; fi
exit "$esito"
