#!/usr/bin/env bash
# Runs the grammar test in node on the exported scenario.
# Usage: grammatica.sh COMPATTATORE_CLI. Exit 77 (skipped) when node or the
# test's packages (npm ci in tests/editor) are missing.
set -euo pipefail
cli=$1
qui=$(cd "$(dirname "$0")" && pwd)
if ! command -v node >/dev/null 2>&1 || [[ ! -d $qui/node_modules/vscode-textmate ]]; then
  echo "SKIPPED: node or tests/editor/node_modules is missing (tools/installa_dipendenze.sh runs npm ci there)"
  exit 77
fi
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
"$cli" export "$cartella/scen"
cd "$qui"
SCENARIO="$cartella/scen" node --test grammatica.test.mjs
