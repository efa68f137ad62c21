#!/usr/bin/env bash
# Runs tests/editor/neovim.lua in a headless Neovim on the exported scenario.
# Usage: neovim.sh COMPATTATORE_CLI. Exit 77 (skipped) when nvim is absent.
set -euo pipefail
cli=$1
if ! command -v nvim >/dev/null 2>&1; then
  echo "SKIPPED: nvim is not installed (tools/installa_dipendenze.sh installs it)"
  exit 77
fi
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
"$cli" export "$cartella/scen"
export COMPATTATORE_CLI=$cli TRENO="$cartella/scen/Valmora PR_Valmora PF_5286-.txt"
export XDG_STATE_HOME=$cartella/stato XDG_CACHE_HOME=$cartella/cache XDG_DATA_HOME=$cartella/dati
timeout 60 nvim --headless --clean -u NONE -n -c "luafile $(dirname "$0")/neovim.lua" 2>&1
