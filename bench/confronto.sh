#!/usr/bin/env bash
# Builds the release programs and the benchmark tools, then runs the
# micro-benchmarks and the end-to-end comparison with the floor.
# usage: bench/confronto.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DCOMPATTATORE_BENCH=ON -DCOMPATTATORE_TESTS=OFF >/dev/null
cmake --build build-bench -j2 >/dev/null
./build-bench/compattatore_bench --benchmark_min_time=0.2
python3 bench/confronto.py build-bench "${1:-21}"
