#!/usr/bin/env bash
# The cost bounds of the command-line tool on huge descriptions, measured:
#   - 100 MB of random bytes is refused at once (exit 2), having held at most
#     the tool's limit of 32 MiB in memory;
#   - an endless input (/dev/zero) is refused (not a regular file);
#   - 30 MB of the format's own pieces (comments, empty fields, unknown
#     entries, curves and gradients that change nothing) is read in seconds.
# Prints the time and the peak memory of each run; fails when a run does not
# end as expected or takes longer than LIMITE seconds (default 20).
#
#   tools/costo_grande.sh [PATH-TO-compattatore-cli]
set -euo pipefail
cd "$(dirname "$0")/.."

cli="${1:-build/compattatore-cli}"
limite="${LIMITE:-20}"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT

printf '[generale]\r\nvelocita, 0, 100\r\n[fine]\r\n' >"$dir/Prova_1-.txt"
head -c 100000000 /dev/urandom >"$dir/casuale.txt"
{
  printf '[generale]\r\nlunghezza percorso, 1000000\r\n[fine]\r\n'
  # yes ends on SIGPIPE when head has enough.
  (set +o pipefail; yes $'curvas6, 0, 1\r\n- nota -, pendenza, 1, 0\r\n,,,, \t ,\r\nsconosciuto, 12, abc\r\n' | head -c 30000000)
} >"$dir/spazzatura.txt"

esito=0
prova() {  # NAME EXPECTED-EXIT LINE-FILE
  local nome="$1" atteso="$2" linea="$3" stato=0
  /usr/bin/time -f "%e %M" -o "$dir/tempo" timeout "$limite" \
    "$cli" check "$linea" "$dir/Prova_1-.txt" --route Prova --train 1 >"$dir/out" 2>"$dir/err" || stato=$?
  read -r secondi kb < <(tail -n 1 "$dir/tempo") || true
  printf '%-28s exit %s in %ss, peak memory %s MB: %s\n' "$nome" "$stato" "${secondi:-?}" "$(( ${kb:-0} / 1024 ))" \
    "$(head -c 160 "$dir/err" | head -n 1)"
  if [[ "$stato" != "$atteso" ]]; then
    echo "  expected exit $atteso" >&2
    esito=1
  fi
}
prova "100 MB of random bytes" 2 "$dir/casuale.txt"
prova "endless input (/dev/zero)" 2 /dev/zero
prova "30 MB of format garbage" 0 "$dir/spazzatura.txt"
exit "$esito"
