#!/usr/bin/env bash
# The installed tool: installs the build into a temporary prefix, runs the
# installed compattatore-cli on the exported scenario (export, check,
# compile), renders the installed manual page without warnings, and completes
# a few command lines with the installed bash completion.
#
#   tests/installa/installa.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fallito=0
male() { echo "FAILED: $*"; fallito=1; }

cmake --install "$build" --prefix "$tmp/pfx" >/dev/null
for f in bin/compattatore-cli share/man/man1/compattatore-cli.1 \
         share/bash-completion/completions/compattatore-cli \
         share/compattatore/editors/vscode/package.json share/compattatore/editors/neovim/compattatore.lua; do
  [[ -f $tmp/pfx/$f ]] || male "not installed: $f"
done
[[ -e $tmp/pfx/bin/compattatore ]] && male "the program is installed (it writes beside itself)"

# The installed tool, from an unrelated folder, found on the PATH.
export PATH="$tmp/pfx/bin:$PATH"
cd "$tmp"
[[ $(command -v compattatore-cli) == "$tmp/pfx/bin/compattatore-cli" ]] || male "compattatore-cli is not the installed one"
compattatore-cli export scenario >/dev/null || male "export"
linea="scenario/Valmora PR_Valmora PF_linea.txt"
treno="scenario/Valmora PR_Valmora PF_5286-.txt"
compattatore-cli check "$linea" "$treno" >/dev/null || male "check"
mkdir out
compattatore-cli compile "$linea" "$treno" -o out >/dev/null || male "compile"
for f in "Valmora PR_Valmora PF_linea.dat" "Valmora PR_Valmora PF_5286.sim" "Valmora PR_Valmora PF_5286.dat"; do
  [[ -s out/$f ]] || male "compile wrote no $f"
done
compattatore-cli inspect out/*.dat out/*.sim >/dev/null || male "inspect of the compiled files"
compattatore-cli explain 16 --lang it | grep -q '^Come correggere:' || male "explain in Italian"

# The manual page: rendered by man, and by groff with every warning.
pagina=$tmp/pfx/share/man/man1/compattatore-cli.1
if command -v man >/dev/null; then
  avvisi=$(MANWIDTH=80 man -l --warnings "$pagina" 2>&1 >/dev/null) || male "man -l failed"
  [[ -z $avvisi ]] || male "man -l warns: $avvisi"
  MANWIDTH=80 man -l "$pagina" 2>/dev/null | grep -q 'explain STATUS' || male "the page does not render its commands"
else
  echo "man is not installed: the page is checked with groff only"
fi
if command -v groff >/dev/null; then
  avvisi=$(groff -ww -man -z "$pagina" 2>&1) || male "groff failed"
  [[ -z $avvisi ]] || male "groff warns: $avvisi"
fi

# The completion, as bash runs it for a word under the cursor.
source "$tmp/pfx/share/bash-completion/completions/compattatore-cli"
completa() {  # the words the completion offers for the command line "$@"
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _compattatore_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}
controlla() {  # expected, then the command line
  local atteso=$1; shift
  local avuto
  avuto=$(completa "$@")
  [[ $avuto == "$atteso" ]] || male "completing '$*': got '$avuto', expected '$atteso'"
}
mkdir -p comp/cartella && touch comp/a_linea.txt comp/b-.txt comp/c.dat comp/d.sim comp/e.svg
controlla "check compile " compattatore-cli c
controlla "explain export " compattatore-cli --lang it e
controlla "--keep-going " compattatore-cli compile x --k
controlla "--in-place " compattatore-cli fmt --i
controlla "it " compattatore-cli explain --lang i
controlla "comp/a_linea.txt comp/b-.txt comp/cartella " compattatore-cli check comp/
controlla "comp/c.dat comp/cartella comp/d.sim " compattatore-cli inspect comp/
controlla "comp/cartella " compattatore-cli compile a b -o comp/
controlla "comp/cartella comp/e.svg " compattatore-cli plot a b -o comp/
controlla "16 " compattatore-cli explain 16
controlla "signal_cell_taken " compattatore-cli explain signal_c

if ((fallito)); then exit 1; fi
echo "installed tool: ok"
