# Steps of a CI run, sourced by .ci/run: each step prints its name when it
# starts and its duration when it ends; a failing step stops the run with its
# name. `riepilogo` prints the table of durations.
#
#   passo NAME COMMAND [ARG...]
#   riepilogo

passi_nomi=()
passi_secondi=()
passi_inizio=$SECONDS

passi_tabella() {
  local i
  echo "== steps"
  for i in "${!passi_nomi[@]}"; do
    printf '   %-20s %6d s\n' "${passi_nomi[$i]}" "${passi_secondi[$i]}"
  done
  printf '   %-20s %6d s\n' total $((SECONDS - passi_inizio))
}

passo() {
  local nome=$1 inizio=$SECONDS stato=0
  shift
  echo "== step $nome"
  # In a subshell outside any || or if, so that -e holds inside a step made
  # of several commands.
  local e=0
  [[ $- == *e* ]] && e=1
  set +e
  (set -e; "$@")
  stato=$?
  ((e)) && set -e
  passi_nomi+=("$nome")
  passi_secondi+=($((SECONDS - inizio)))
  if ((stato)); then
    echo "== step $nome: FAILED (exit $stato) after ${passi_secondi[-1]} s" >&2
    passi_tabella
    exit "$stato"
  fi
  echo "== step $nome: ${passi_secondi[-1]} s"
}

riepilogo() {
  passi_tabella
}
