#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
pacchetti=(cmake g++ make libgtest-dev libbenchmark-dev hyperfine clang clang-tidy cppcheck libclang-rt-14-dev chromium nodejs)
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || mancanti+=("$p")
done
# npm comes with some builds of nodejs and as a package of its own with others.
command -v npm >/dev/null 2>&1 || mancanti+=(npm)
if ((${#mancanti[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
fi
# The browser tests' driver, from the lock file (it downloads no browser: the
# tests run Debian's chromium).
(cd "$(dirname "$0")/../tests/browser" && npm ci --no-audit --no-fund --ignore-scripts)
