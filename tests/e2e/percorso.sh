#!/usr/bin/env bash
# End to end: the program installed into a temporary prefix, started through
# bin/rigata on a virtual X display and driven by the keyboard alone (Enter,
# Tab, Space, access keys, never positions on the screen): start, options,
# trajectory table and back, a calculator, a data file saved through Qt's
# file dialog ("Salva come" whatever the locale), a new bullet stored in the
# installed catalogue, File > Esci. Every wait is bounded.
#   percorso.sh CMAKE BUILD_DIR
# Exit 77 (skipped) where xvfb-run, xauth, xdotool or xprop is missing or no X
# server can start. Without a window manager the test gives the focus itself.
set -euo pipefail
source "$(dirname "$0")/salta.sh"

if [ "${1:-}" != --dentro ]; then
  richiedi xvfb-run xauth xdotool xprop
  timeout 20 xvfb-run -a true >/dev/null 2>&1 || salta "nessun server X avviabile"
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  "$1" --install "$2" --prefix "$tmp/prefisso" >"$tmp/installazione.log"
  timeout 50 xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" --dentro "$tmp" "$2"
  exit
fi

tmp=$2 costruzione=$3
catalogo="$tmp/prefisso/lib/rigata/stdbulls.bc"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; true' EXIT

errore() {
  echo "ERRORE: $*" >&2
  import -window root "$costruzione/e2e-errore.png" 2>/dev/null && echo "schermata: $costruzione/e2e-errore.png" >&2
  cat "$tmp/programma.log" >&2
  exit 1
}
# Waits at most 10 s for the visible window with exactly this title, gives it
# the keyboard (no window manager does) and sets w to it.
finestra() {
  w=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null) || errore "\"$1\" non appare"
  w=${w%%$'\n'*}
  timeout 5 xdotool windowfocus --sync "$w" || errore "la finestra \"$1\" non prende il fuoco"
  sleep 0.2
}
# These keys in the window of this title.
tasti() { finestra "$1"; shift; xdotool key "$@"; }
# The File menu's entry with this access key, in the window of this title.
menu() { tasti "$1" alt+f; sleep 0.3; xdotool key "$2"; }
# Waits at most 10 s for a command to succeed.
attendi() { for _ in $(seq 100); do "$@" && return; sleep 0.1; done; false; }
altezza() { xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p'; }

cp "$catalogo" "$tmp/catalogo-atteso"
mkdir -m 700 "$tmp/casa" "$tmp/run"
env -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u SESSION_MANAGER \
  HOME="$tmp/casa" XDG_RUNTIME_DIR="$tmp/run" LC_ALL=C.UTF-8 \
  LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
  "$tmp/prefisso/bin/rigata" >"$tmp/programma.log" 2>&1 &
pid=$!

# Enter in the first field is "Avanti  >", then "Calcolo Traiettorie".
finestra "Inserimento dati"
[[ "$(xprop -id "$w" _NET_WM_ICON)" == *"Icon ("* ]] || errore "la finestra non ha l'icona del programma"
xdotool key Return
tasti "Opzioni" Return

# Tab past the six request boxes to the first layout: Enter computes the
# table and the window grows to show it. File > Indietro ad "Opzioni".
finestra "Dati Traiettorie"
compressa=$(altezza)
xdotool key Tab Tab Tab Tab Tab Tab Return
attendi eval '[ "$(altezza)" -gt $((compressa + 200)) ]' || errore "la tabella non è stata calcolata"
menu "Dati Traiettorie" i

# A calculator (Tab to the first option): Enter in its box computes (a warning
# window would take the File menu's keys); File > Opzioni, then File > Nuova
# Palla to the start screen.
tasti "Opzioni" Tab Return
tasti "Penetrazione nel legno di abete" Return
menu "Penetrazione nel legno di abete" Return
menu "Opzioni" n

# File > Salva con nome.
menu "Inserimento dati" n
finestra "Salva come"
xdotool type --delay 10 "$tmp/prova.dat"
xdotool key Return
printf '0.243,95,450,15,965,0.379,225,0,500,20,5,50\r\n' >"$tmp/atteso.dat"
attendi cmp -s "$tmp/atteso.dat" "$tmp/prova.dat" || errore "file dati diverso: $(od -c "$tmp/prova.dat" | head -5)"

# "Aggiungi palle" (Shift+Tab from the first field, Space): a bullet typed and
# stored at the end of the installed catalogue with Enter.
tasti "Inserimento dati" shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
finestra "Input dati nuova palla"
xdotool type --delay 10 "Prova"
for campo in .308 150 E2E .400; do
  xdotool key Tab
  xdotool type --delay 10 "$campo"
done
xdotool key Return
printf 'Prova,.308,150,E2E,.226,.400\r\n' >>"$tmp/catalogo-atteso"
attendi cmp -s "$tmp/catalogo-atteso" "$catalogo" || errore "il catalogo installato non ha la nuova palla in fondo"

# "<-- Indietro" (Alt+I), then File > Esci: the program ends with status 0.
tasti "Input dati nuova palla" alt+i
menu "Inserimento dati" e
attendi eval '! kill -0 "$pid" 2>/dev/null' || errore "il programma non è terminato con File > Esci"
wait "$pid" || errore "il programma è terminato con lo stato $?"
pid=""
echo "percorso: tutto a posto"
