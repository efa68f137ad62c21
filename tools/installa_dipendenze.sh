#!/usr/bin/env bash
# Installs what the build, the tests and the checks of .ci/run use, when
# missing: Debian's packages (clang, its sanitizer and fuzzer runtime and
# clang-tidy of one release, which belong together; the JSON library of the
# language server; Neovim and Chromium for the tests with real clients) and
# the npm packages of the editor and browser tests, from their lock files.
#
#   tools/installa_dipendenze.sh              what the tests and .ci/run use
#   tools/installa_dipendenze.sh --programma  only what building the program and the tool needs
#   tools/installa_dipendenze.sh --banco      also the benchmark tools (bench/confronto.sh)
#
# The Windows check installs its own packages (tools/test_windows.sh).
set -euo pipefail
pacchetti=(cmake make g++ libgtest-dev ccache clang-14 libclang-rt-14-dev clang-tidy-14 cppcheck
  nlohmann-json3-dev neovim chromium man-db groff)
solo_programma=0
case "${1:-}" in
  "") ;;
  --programma) pacchetti=(cmake make g++ nlohmann-json3-dev); solo_programma=1 ;;
  --banco) pacchetti+=(libbenchmark-dev hyperfine python3) ;;
  *) echo "usage: tools/installa_dipendenze.sh [--programma|--banco]" >&2; exit 2 ;;
esac
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || mancanti+=("$p")
done
# node and npm for the editor and browser tests, unless a node with its npm is
# there (Debian's npm package would clash with a node installed otherwise).
if ((!solo_programma)); then
  command -v node >/dev/null 2>&1 || mancanti+=(nodejs)
  command -v npm >/dev/null 2>&1 || mancanti+=(npm)
fi
if ((${#mancanti[@]})); then
  echo "installing: ${mancanti[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}" >/dev/null
fi
((solo_programma)) && exit 0
radice=$(cd "$(dirname "$0")/.." && pwd)
# The editor tests' packages (the grammar engine), from the npm registry.
if [[ ! -d $radice/tests/editor/node_modules/vscode-textmate ]]; then
  npm ci --prefix "$radice/tests/editor" --no-audit --no-fund
fi
# The browser tests' driver, from its lock file (it downloads no browser: the
# tests run Debian's chromium).
if [[ ! -d $radice/tests/browser/node_modules/playwright-core ]]; then
  (cd "$radice/tests/browser" && npm ci --no-audit --no-fund --ignore-scripts)
fi
