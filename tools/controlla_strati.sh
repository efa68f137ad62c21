#!/usr/bin/env bash
# The layers of the code base, checked on the includes: every `#include "..."`
# of a source file must name a file of its own layer or of a layer it may use,
# and no two folders may include each other, however indirectly. Fails naming
# the file and line of each include that breaks the table, and each cycle.
#
#   tools/controlla_strati.sh [ROOT]     (ROOT: the source tree, by default this one)
#
# The table is the one the CMake libraries link by (README, Layout): a layer
# may use the layers it names and, through them, what they use.
set -euo pipefail
radice="${1:-$(dirname "$0")/..}"
cd "$radice"

# layer | its folders (or files, for the mains) | the layers it uses directly
tabella='
model       | model                          |
formato     | formato                        | model
readers     | readers                        | model
controlli   | controlli                      | readers model
output      | output                         | readers formato model
driver_base | driver/base                    | formato model
testi       | describe documents             | driver_base formato model
decompila   | decompila                      | output formato model
driver      | driver                         | output testi driver_base
platform    | platform                       | driver_base
programma   | platform/*/main_*              | platform driver
guida       | guida                          | model
lsp         | lsp                            | output guida decompila controlli formato model
cli         | cli                            | platform driver lsp guida decompila controlli
genera      | bench/genera_scenario.*        |
bench       | bench                          | genera driver lsp decompila controlli cli
fuzz        | fuzz                           | driver lsp decompila genera
'

declare -A usa=()      # layer -> the layers it uses directly
declare -a regole=()   # "pattern layer", most specific first
set -f  # the patterns of the table are not expanded here
while IFS='|' read -r strato cartelle usati; do
  strato="${strato// /}"
  [[ -z "$strato" ]] && continue
  usa[$strato]="$(echo $usati)"
  for c in $cartelle; do
    if [[ "$c" == *'*'* ]]; then regole+=("$c $strato"); else regole+=("$c/* $strato"); fi
  done
done <<<"$tabella"
set +f
# Longest patterns first, so driver/base/* is tried before driver/*.
mapfile -t regole < <(printf '%s\n' "${regole[@]}" | awk '{ print length($1) "\t" $0 }' | sort -k1,1nr | cut -f2-)

strato=""
strato_di() {  # sets strato to the layer of a path, or to nothing
  local r
  strato=""
  for r in "${regole[@]}"; do
    # shellcheck disable=SC2053  # the pattern is meant to match as a glob
    if [[ "$1" == ${r% *} ]]; then strato="${r#* }"; return; fi
  done
}

# What each layer may use: its own uses and, through them, theirs.
declare -A permessi=()
chiudi() {
  local s="$1" u tutti=""
  [[ -n "${permessi[$s]+x}" ]] && return
  permessi[$s]=" "
  for u in ${usa[$s]}; do
    chiudi "$u"
    tutti+=" $u ${permessi[$u]}"
  done
  permessi[$s]=" $(printf '%s\n' $tutti | sort -u | tr '\n' ' ')"
}
for s in "${!usa[@]}"; do chiudi "$s"; done

# The folder a path belongs to, for the cycle check: its first component, or
# its first two when they name a layer of their own (driver/base).
cartella=""
cartella_di() {  # sets cartella
  local resto="${1#*/}" due r
  cartella="${1%%/*}"
  [[ "$resto" == */* ]] || return 0
  due="$cartella/${resto%%/*}"
  for r in "${regole[@]}"; do
    if [[ "${r% *}" == "$due/*" ]]; then cartella="$due"; return 0; fi
  done
}

esito=0
declare -A archi=()  # "from to" -> an include that makes the edge
# Every source file in a folder, but the tests' (they may use any layer), the
# hidden ones and the build folders.
mapfile -t sorgenti < <(find . \( -path './.*' -o -path './build*' -o -path ./tests \) -prune -o \
  -path './*/*' -type f \( -name '*.cpp' -o -name '*.hpp' \) -print | sed 's#^\./##' | sort)
inclusione='^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)"'
for f in "${sorgenti[@]}"; do
  strato_di "$f"
  sf="$strato"
  cartella_di "$f"
  da="$cartella"
  if [[ -z "$sf" ]]; then
    echo "$f: the folder $da/ is in no layer (add it to the table in tools/controlla_strati.sh and the README)" >&2
    esito=1
    continue
  fi
  while IFS=: read -r riga testo; do
    [[ "$testo" =~ $inclusione ]] || continue
    incluso="${BASH_REMATCH[1]}"
    strato_di "$incluso"
    si="$strato"
    if [[ -z "$si" ]]; then
      echo "$f:$riga: includes \"$incluso\", which belongs to no layer" >&2
      esito=1
      continue
    fi
    if [[ "$si" != "$sf" && "${permessi[$sf]}" != *" $si "* ]]; then
      echo "$f:$riga: includes \"$incluso\" of layer $si; layer $sf may use only:${permessi[$sf]:- nothing}" >&2
      esito=1
    fi
    cartella_di "$incluso"
    a="$cartella"
    [[ "$da" != "$a" && -z "${archi["$da $a"]+x}" ]] && archi["$da $a"]="$f:$riga"
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$f" || true)
done

# Cycles between folders: a depth-first walk of the include graph.
declare -A stato=()  # folder -> 1 on the current path, 2 done
declare -a cammino=()
visita() {
  local n="$1" k m
  stato[$n]=1
  cammino+=("$n")
  for k in "${!archi[@]}"; do
    [[ "${k% *}" == "$n" ]] || continue
    m="${k#* }"
    if [[ "${stato[$m]:-0}" == 1 ]]; then
      local giro="" i inizio=0
      for i in "${!cammino[@]}"; do [[ "${cammino[$i]}" == "$m" ]] && inizio=$i; done
      for ((i = inizio; i < ${#cammino[@]}; ++i)); do
        local dopo="${cammino[$((i + 1))]:-$m}"
        giro+="${cammino[$i]}/ -> $dopo/ (${archi["${cammino[$i]} $dopo"]}); "
      done
      echo "cycle between folders: ${giro%; }" >&2
      esito=1
    elif [[ "${stato[$m]:-0}" == 0 ]]; then
      visita "$m"
    fi
  done
  unset 'cammino[-1]'
  stato[$n]=2
}
for k in "${!archi[@]}"; do
  n="${k% *}"
  [[ "${stato[$n]:-0}" == 0 ]] && visita "$n"
done

if ((esito)); then
  echo "layers: includes above break the table" >&2
else
  echo "layers: ${#sorgenti[@]} files, every include within the table, no cycle"
fi
exit "$esito"
