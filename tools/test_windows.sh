#!/usr/bin/env bash
# The Windows check: cross-builds the Windows programs with MinGW-w64, runs
# them under Wine on a virtual X display and compares what they do with the
# Linux build.
#
#   bash tools/test_windows.sh
#
# Installs what it needs when missing (Debian packages), builds the Linux
# programs in $COMPATTATORE_BUILD_LINUX (default build-linux-confronto/; an
# existing build folder, such as the main build of .ci/run, is used as it is)
# and the Windows programs in build-win/, then checks:
#   - compattatore.exe leaves, in a fresh folder, the same files with the same
#     bytes as the Linux program in its own fresh folder, with the same exit
#     status and the same message;
#   - the same in a folder whose name is not ASCII and which holds the files
#     of an earlier run (replaced) and of another scenario (left alone);
#   - the window: client area 280 x 179, the label "Attendere" at 64, 64,
#     177 x 53 and drawn (screenshot of the window held on screen by a test
#     build, saved as build-win/finestra.png);
#   - the numbered error stop 1250 (a test build): the message box text
#     " Errore n. 1250" with one OK button and no icon, dismissed by the
#     probe, a non-zero exit status, no binary file written;
#   - compattatore-cli.exe against compattatore-cli, when the tool exists.
# One line per check, then "N passed, M failed"; the exit status is non-zero
# when any check failed.
set -uo pipefail
cd "$(dirname "$0")/.."
RADICE=$PWD
LINUX_BUILD=$(realpath -m "${COMPATTATORE_BUILD_LINUX:-build-linux-confronto}")
WIN_BUILD=$RADICE/build-win

if [[ "${1:-}" != "--sotto-xvfb" ]]; then
  set -e
  pacchetti=(cmake make g++ g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth xdotool imagemagick)
  mancanti=()
  for p in "${pacchetti[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || mancanti+=("$p")
  done
  if ((${#mancanti[@]})); then
    echo "installing: ${mancanti[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}" >/dev/null
  fi

  ha_bersaglio() {  # the whole list first: grep -q closing the pipe early would fail it
    local bersagli
    bersagli=$(cmake --build "$1" --target help 2>/dev/null) || return 1
    grep -qx "\.\.\. $2" <<<"$bersagli"
  }

  echo "building the Linux program in ${LINUX_BUILD#"$RADICE"/}"
  if [[ ! -f "$LINUX_BUILD/CMakeCache.txt" ]]; then
    cmake -S . -B "$LINUX_BUILD" -G "Unix Makefiles" -DCOMPATTATORE_TESTS=OFF \
      -DCOMPATTATORE_WERROR="${COMPATTATORE_WERROR:-OFF}" >/dev/null
  fi
  bersagli=(compattatore)
  ha_bersaglio "$LINUX_BUILD" compattatore-cli && bersagli+=(compattatore-cli)
  cmake --build "$LINUX_BUILD" -j2 --target "${bersagli[@]}" >/dev/null

  echo "building the Windows programs in ${WIN_BUILD#"$RADICE"/}"
  cmake -S . -B "$WIN_BUILD" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$RADICE/cmake/toolchain-mingw-w64.cmake" \
    -DCOMPATTATORE_TESTS=OFF -DCOMPATTATORE_PROVE_WIN32=ON -DCOMPATTATORE_WERROR="${COMPATTATORE_WERROR:-OFF}" >/dev/null
  bersagli=(compattatore compattatore_finestra compattatore_arresto_1250 sonda)
  ha_bersaglio "$WIN_BUILD" compattatore-cli && bersagli+=(compattatore-cli)
  cmake --build "$WIN_BUILD" -j2 --target "${bersagli[@]}" >/dev/null

  set +e
  xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --sotto-xvfb
  exit $?
fi

# ---------------------------------------------------------------------------
# Under Xvfb from here on.

LAVORO=$(mktemp -d /tmp/compattatore-windows.XXXXXX)
export WINEPREFIX=$LAVORO/prefisso WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=C.UTF-8  # non-ASCII folder names pass to Wine as UTF-8
export HOME=${HOME:-$LAVORO}  # Wine wants a home even when the prefix is given

fine() {
  timeout 30 wineserver -k >/dev/null 2>&1
  rm -rf "$LAVORO"
}
trap fine EXIT

passati=0
falliti=0
saltati=0
verifica() {  # verifica NAME DETAIL COMMAND...: one line per check
  local nome=$1 dettaglio=$2
  shift 2
  if "$@"; then
    echo "ok: $nome"
    passati=$((passati + 1))
  else
    echo "FAILED: $nome${dettaglio:+ ($dettaglio)}"
    falliti=$((falliti + 1))
  fi
}
salta() {
  echo "skipped: $1"
  saltati=$((saltati + 1))
}
chiudi() {
  if ((saltati)); then
    echo "$passati passed, $falliti failed, $saltati skipped"
  else
    echo "$passati passed, $falliti failed"
  fi
  ((falliti == 0))
  exit $?
}

# The fresh Wine prefix: unmanaged windows (no window manager here, and a
# managed window waits for one), the TrueType fonts Debian's Wine ships.
if ! timeout 120 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1; then
  verifica "Wine prefix created" "wine reg add failed" false
  chiudi
fi
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

SONDA=$WIN_BUILD/sonda.exe
PROGRAMMI=(compattatore compattatore.exe compattatore_finestra.exe compattatore_arresto_1250.exe)
BINARI=("Valmora PR_Valmora PF_linea.dat" "Valmora PR_Valmora PF_5286.sim" "Valmora PR_Valmora PF_5286.dat")
DOCUMENTI=("Valmora PR_Valmora PF_5286_note.txt" "Valmora PR_Valmora PF_5286_rallentamenti.txt"
  "Valmora PR_Valmora PF_5286_scheda_treno.txt")

# The files a run left in a folder, one name a line, without the programs.
file_lasciati() {
  local escludi=() p
  for p in "${PROGRAMMI[@]}"; do escludi+=(-e "$p"); done
  find "$1" -maxdepth 1 -type f -printf '%f\n' | grep -vx "${escludi[@]}" | LC_ALL=C sort
}

# Runs a Windows program in its own folder through the probe; the probe's
# report goes to $2.
esegui_windows() {  # esegui_windows FOLDER/PROGRAM.exe REPORT [MS_BEFORE_OK]
  (cd "$(dirname "$1")" && timeout 90 wine "$SONDA" esegui "$(basename "$1")" 60 "${3:-0}" >"$2" 2>/dev/null)
}
campo() {  # campo REPORT EVENT KEY: the value of KEY in the first EVENT line
  awk -F'\t' -v e="$2" -v k="$3" '$1 == e { for (i = 2; i <= NF; i++) if (index($i, k "=") == 1) { print substr($i, length(k) + 2); exit } }' "$1"
}
uscita_di() { awk -F'\t' '$1 == "uscita" { print $2; exit }' "$1"; }

# Same file names and same bytes in two folders; one check per file.
confronta_cartelle() {  # confronta_cartelle WHAT LINUX_FOLDER WINDOWS_FOLDER [EXTRA_NAME_IN_WINDOWS]
  local cosa=$1 a=$2 b=$3 extra=${4:-}
  local nomi_a nomi_b
  nomi_a=$(file_lasciati "$a")
  nomi_b=$(file_lasciati "$b" | grep -vxF -e "${extra:-/}")
  verifica "$cosa: same file names as the Linux program ($(echo "$nomi_a" | grep -c .) files)" \
    "linux: $(echo "$nomi_a" | tr '\n' '|') windows: $(echo "$nomi_b" | tr '\n' '|')" \
    test "$nomi_a" = "$nomi_b"
  local nome
  while IFS= read -r nome; do
    [[ -n "$nome" && -f "$b/$nome" ]] || continue
    verifica "$cosa: same bytes: $nome" "$(cmp "$a/$nome" "$b/$nome" 2>&1 | head -1 | sed "s/.* differ: /differ: /")" cmp -s "$a/$nome" "$b/$nome"
  done <<<"$nomi_a"
}

# --- The Linux program in a fresh folder -----------------------------------
L=$LAVORO/linux
mkdir -p "$L"
cp "$LINUX_BUILD/compattatore" "$L/"
(cd / && "$L/compattatore" 2>"$LAVORO/linux.err")
uscita_linux=$?
messaggio_linux=""
if ((uscita_linux == 1)); then messaggio_linux=$(tail -n 1 "$LAVORO/linux.err"); fi
echo "Linux program: exit status $uscita_linux${messaggio_linux:+, message \"$messaggio_linux\"}"

# The message that a Windows run must show, given the Linux run's status.
verifica_messaggio() {  # verifica_messaggio WHAT REPORT
  local testo
  testo=$(campo "$2" messaggio testo)
  if ((uscita_linux == 1)); then
    verifica "$1: message box \"$messaggio_linux\" as the Linux program's message" "shown: \"$testo\"" \
      test "$testo" = "$messaggio_linux"
  elif ((uscita_linux == 0)); then
    verifica "$1: no message box, as the Linux program shows no message" "shown: \"$testo\"" \
      test -z "$(grep '^messaggio' "$2")"
  else
    verifica "$1: a failure reported, as by the Linux program" "none shown" grep -q '^messaggio' "$2"
  fi
}

# --- compattatore.exe in a fresh folder ------------------------------------
W=$LAVORO/windows
mkdir -p "$W"
cp "$WIN_BUILD/compattatore.exe" "$W/"
esegui_windows "$W/compattatore.exe" "$LAVORO/windows.txt"
uscita=$(uscita_di "$LAVORO/windows.txt")
verifica "compattatore.exe: exit status $uscita_linux as the Linux program" "windows: ${uscita:-none}" \
  test "$uscita" = "$uscita_linux"
verifica_messaggio "compattatore.exe" "$LAVORO/windows.txt"
confronta_cartelle "compattatore.exe" "$L" "$W"

# --- A non-ASCII folder holding an earlier run and another scenario -----------
N="$LAVORO/cartella è ü"
mkdir -p "$N"
cp "$WIN_BUILD/compattatore.exe" "$N/"
while IFS= read -r nome; do
  [[ -n "$nome" ]] && printf 'corsa precedente, da sostituire\r\n' >"$N/$nome"
done < <(file_lasciati "$L")
ALTRO="Altra linea_1234.dat"
printf 'altro scenario\000\001\002' >"$N/$ALTRO"
cp "$N/$ALTRO" "$LAVORO/altro.atteso"
esegui_windows "$N/compattatore.exe" "$LAVORO/non_ascii.txt"
uscita=$(uscita_di "$LAVORO/non_ascii.txt")
verifica "non-ASCII folder: exit status $uscita_linux as the Linux program" "windows: ${uscita:-none}" \
  test "$uscita" = "$uscita_linux"
confronta_cartelle "non-ASCII folder over an earlier run" "$L" "$N" "$ALTRO"
verifica "non-ASCII folder: another scenario's file left alone" "" cmp -s "$N/$ALTRO" "$LAVORO/altro.atteso"

# --- The window, held on screen by the test build ----------------------------
F=$LAVORO/finestra
mkdir -p "$F"
cp "$WIN_BUILD/compattatore_finestra.exe" "$F/"
esegui_windows "$F/compattatore_finestra.exe" "$LAVORO/finestra.txt" &
for _ in $(seq 200); do
  grep -q '^finestra' "$LAVORO/finestra.txt" 2>/dev/null && break
  sleep 0.1
done
sleep 0.8  # the window is held for 4 s after its first paint
FOTO=$WIN_BUILD/finestra.png
rm -f "$FOTO"
import -window root "$FOTO" 2>/dev/null
wait
client=$(campo "$LAVORO/finestra.txt" finestra client)
origine=$(campo "$LAVORO/finestra.txt" finestra origine)
etichetta=$(campo "$LAVORO/finestra.txt" finestra etichetta)
verifica "window: client area 280x179 pixels (4200 x 2688 twips)" "${client:-no window seen}" test "$client" = 280x179
verifica "window: label \"Attendere\" at 64,64, 177x53 pixels" \
  "$etichetta \"$(campo "$LAVORO/finestra.txt" finestra testo)\"" \
  test "$etichetta,$(campo "$LAVORO/finestra.txt" finestra testo)" = "64,64,177,53,Attendere"
scuri() {  # the number of dark pixels of an image
  convert "$@" -colorspace Gray -threshold 40% -negate -format '%[fx:round(mean*w*h)]' info: 2>/dev/null
}
if [[ -f "$FOTO" && "$origine" =~ ^(-?[0-9]+),(-?[0-9]+)$ && "$client" == 280x179 ]]; then
  ox=${BASH_REMATCH[1]} oy=${BASH_REMATCH[2]}
  convert "$FOTO" -crop "280x179+$ox+$oy" +repage "$LAVORO/client.png"
  dimensione=$(identify -format '%wx%h' "$LAVORO/client.png")
  verifica "screenshot: the client area is on screen whole, 280x179" "$dimensione" test "$dimensione" = 280x179
  nel_label=$(scuri "$LAVORO/client.png" -crop 177x53+64+64 +repage)
  verifica "screenshot: the label is drawn ($nel_label dark pixels in its rectangle)" "" test "${nel_label:-0}" -ge 200
  fuori=$(scuri "$LAVORO/client.png" -fill white -draw "rectangle 64,64 240,116")
  verifica "screenshot: nothing else drawn in the client area" "$fuori dark pixels outside the label" \
    test "${fuori:-1}" -eq 0
else
  verifica "screenshot of the window taken" "no screenshot or no window position" false
fi
uscita=$(uscita_di "$LAVORO/finestra.txt")
verifica "window test build: exit status $uscita_linux as the Linux program" "${uscita:-none}" \
  test "$uscita" = "$uscita_linux"

# --- The numbered error stop 1250 ------------------------------------------
E=$LAVORO/errore
mkdir -p "$E"
cp "$WIN_BUILD/compattatore_arresto_1250.exe" "$E/"
printf 'track file of an earlier run' >"$E/${BINARI[2]}"
cp "$E/${BINARI[2]}" "$LAVORO/traccia.attesa"
esegui_windows "$E/compattatore_arresto_1250.exe" "$LAVORO/errore.txt" 1500 &
for _ in $(seq 200); do
  grep -q '^messaggio' "$LAVORO/errore.txt" 2>/dev/null && break
  sleep 0.1
done
sleep 0.3
import -window root "$WIN_BUILD/messaggio_1250.png" 2>/dev/null
wait
testo=$(campo "$LAVORO/errore.txt" messaggio testo)
verifica "error stop: message box text \" Errore n. 1250\"" "shown: \"$testo\"" test "$testo" = " Errore n. 1250"
verifica "error stop: one button, OK, no icon" \
  "buttons $(campo "$LAVORO/errore.txt" messaggio pulsanti), ok $(campo "$LAVORO/errore.txt" messaggio ok), icon $(campo "$LAVORO/errore.txt" messaggio icona)" \
  test "$(campo "$LAVORO/errore.txt" messaggio pulsanti),$(campo "$LAVORO/errore.txt" messaggio ok),$(campo "$LAVORO/errore.txt" messaggio icona)" = "1,1,0"
uscita=$(uscita_di "$LAVORO/errore.txt")
verifica "error stop: dismissed by the probe, non-zero exit status ($uscita)" "" \
  test -n "$uscita" -a "$uscita" != scaduta -a "$uscita" != 0
verifica "error stop: no binary file written" "$(file_lasciati "$E" | tr '\n' '|')" \
  test ! -e "$E/${BINARI[0]}" -a ! -e "$E/${BINARI[1]}"
verifica "error stop: the earlier run's track file left as it was" "" cmp -s "$E/${BINARI[2]}" "$LAVORO/traccia.attesa"
verifica "error stop: the documents written before the stop stay" "" \
  test -f "$E/${DOCUMENTI[0]}" -a -f "$E/${DOCUMENTI[1]}" -a -f "$E/${DOCUMENTI[2]}"

# --- The command-line tool -------------------------------------------------
CLI_L=$LINUX_BUILD/compattatore-cli
CLI_W=$WIN_BUILD/compattatore-cli.exe
percorso_windows() { echo "Z:${1//\//\\}"; }
if [[ -x "$CLI_L" && -f "$CLI_W" ]]; then
  mkdir -p "$LAVORO/cli/esporta_l" "$LAVORO/cli/esporta_w" "$LAVORO/cli/l" "$LAVORO/cli/w"
  "$CLI_L" export "$LAVORO/cli/esporta_l" >/dev/null 2>&1
  (cd "$LAVORO/cli" && timeout 60 wine "$CLI_W" export "$(percorso_windows "$LAVORO/cli/esporta_w")" >/dev/null 2>&1)
  confronta_cartelle "compattatore-cli.exe export" "$LAVORO/cli/esporta_l" "$LAVORO/cli/esporta_w"
  D=$LAVORO/cli/esporta_l
  "$CLI_L" compile "$D/Valmora PR_Valmora PF_linea.txt" "$D/Valmora PR_Valmora PF_5286-.txt" \
    -o "$LAVORO/cli/l" >/dev/null 2>&1
  uscita_cli_l=$?
  (cd "$LAVORO/cli" && timeout 60 wine "$CLI_W" compile "$(percorso_windows "$D/Valmora PR_Valmora PF_linea.txt")" \
    "$(percorso_windows "$D/Valmora PR_Valmora PF_5286-.txt")" -o "$(percorso_windows "$LAVORO/cli/w")" \
    >/dev/null 2>&1)
  uscita_cli_w=$?
  verifica "compattatore-cli.exe compile: exit status $uscita_cli_l as the Linux tool" "windows: $uscita_cli_w" \
    test "$uscita_cli_w" = "$uscita_cli_l"
  verifica "compattatore-cli.exe compile: the exported scenario compiles clean (exit status 0)" \
    "windows: $uscita_cli_w" test "$uscita_cli_w" = 0
  confronta_cartelle "compattatore-cli.exe compile" "$LAVORO/cli/l" "$LAVORO/cli/w"
else
  salta "compattatore-cli is not built yet: the command-line tool comparison is skipped"
fi

echo "screenshots: ${FOTO#"$RADICE"/}, ${WIN_BUILD#"$RADICE"/}/messaggio_1250.png"
chiudi
