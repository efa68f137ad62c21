#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
pacchetti=(cmake g++ make libgtest-dev libbenchmark-dev hyperfine clang clang-tidy cppcheck libclang-rt-14-dev nlohmann-json3-dev neovim man-db groff)
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || mancanti+=("$p")
done
# node and npm for the editor tests, unless a node with its npm is there.
command -v node >/dev/null 2>&1 || mancanti+=(nodejs)
command -v npm >/dev/null 2>&1 || mancanti+=(npm)
if ((${#mancanti[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
fi
# The editor tests' packages (the grammar engine), from the npm registry.
radice=$(cd "$(dirname "$0")/.." && pwd)
if command -v npm >/dev/null 2>&1 && [[ ! -d $radice/tests/editor/node_modules/vscode-textmate ]]; then
  npm ci --prefix "$radice/tests/editor" --no-audit --no-fund
fi
