#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the checks of
# .ci/run use, when missing: clang, its sanitizer and fuzzer runtime and
# clang-tidy of one release, which belong together.
#
#   tools/installa_dipendenze.sh            what .ci/run uses
#   tools/installa_dipendenze.sh --banco    also the benchmark tools (bench/confronto.sh)
#
# The Windows check installs its own packages (tools/test_windows.sh).
set -euo pipefail
pacchetti=(cmake make g++ libgtest-dev ccache clang-14 libclang-rt-14-dev clang-tidy-14 cppcheck)
case "${1:-}" in
  "") ;;
  --banco) pacchetti+=(libbenchmark-dev hyperfine python3) ;;
  *) echo "usage: tools/installa_dipendenze.sh [--banco]" >&2; exit 2 ;;
esac
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || mancanti+=("$p")
done
if ((${#mancanti[@]})); then
  echo "installing: ${mancanti[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}" >/dev/null
fi
