#!/usr/bin/env bash
# Builds the fuzz targets (clang++, libFuzzer, ASan, UBSan: the instrumented
# build of tools/strumentata.sh, shared with the sanitizer suite) and runs
# each one for a bounded time on the committed corpus plus fresh seeds. Fails
# on any finding: a crash, a sanitizer report, a violated property, a timeout
# or an out-of-memory.
#
#   tools/fuzz_breve.sh [SECONDS]     (default 60 per target)
#
# Findings are kept in build-san/artefatti/; new inputs found during the run
# go to build-san/lavoro/, never into the committed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/strumentata.sh

secondi="${1:-60}"
build="$build_strumentata"

configura_strumentata
# Every target, each with its committed corpus and, where the seed program
# makes them, fresh seeds.
bersagli=(campi lettura compila ritorno lsp decodifica_planimetria decodifica_voci decodifica_percorso)
cmake --build "$build" -j"${JOBS:-2}" --target "${bersagli[@]/#/fuzz_}" fuzz_semi fuzz_semi_decodifica

rm -rf "$build/semi" "$build/artefatti"
"$build/fuzz/fuzz_semi" "$build/semi"
"$build/fuzz/fuzz_semi_decodifica" "$build/semi"
mkdir -p "$build/artefatti"

esito=0
for bersaglio in "${bersagli[@]}"; do
  # The binary files have their own dictionary; plan files of short lines run to 200 KB.
  dizionario=fuzz/formato.dict lunghezza=65536
  [[ "$bersaglio" == decodifica_* ]] && dizionario=fuzz/decodifica.dict
  [[ "$bersaglio" == decodifica_planimetria ]] && lunghezza=300000
  lavoro="$build/lavoro/$bersaglio"
  mkdir -p "$lavoro"
  corpus=()
  [[ -d "fuzz/corpus/$bersaglio" ]] && corpus+=("fuzz/corpus/$bersaglio")
  [[ -d "$build/semi/$bersaglio" ]] && corpus+=("$build/semi/$bersaglio")
  echo "== fuzz_$bersaglio for ${secondi}s"
  if ! "$build/fuzz/fuzz_$bersaglio" -dict="$dizionario" -max_len="$lunghezza" -timeout=20 -rss_limit_mb=2048 \
      -max_total_time="$secondi" -print_final_stats=1 -artifact_prefix="$build/artefatti/${bersaglio}-" \
      "$lavoro" "${corpus[@]}" 2>"$build/fuzz_$bersaglio.log"; then
    echo "fuzz_$bersaglio: FINDING (log: $build/fuzz_$bersaglio.log, input in $build/artefatti/)" >&2
    tail -n 40 "$build/fuzz_$bersaglio.log" >&2
    esito=1
  else
    grep -E '^(stat::number_of_executed_units|stat::new_units_added)|^#[0-9]+.*DONE' "$build/fuzz_$bersaglio.log" || true
  fi
done
exit "$esito"
