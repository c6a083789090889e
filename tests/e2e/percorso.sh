#!/usr/bin/env bash
# End to end: the program installed into a temporary prefix, started through
# bin/rigata on a virtual X display and driven by the keyboard alone: start,
# options, trajectory table and back, a calculator, a data file saved through the file
# dialog, a new bullet stored in the installed catalogue, File > Esci.
#   percorso.sh CMAKE BUILD_DIR
# Exit 77 (skipped) where xvfb-run, xauth, xdotool or xprop is missing or no X
# server can start. Without a window manager the test gives the focus itself.
#
# The road is driven by the keyboard (Enter, Tab, Space, access keys), never
# by positions on the screen. Qt's dialogs speak Italian whatever the locale
# ("Salva come").
set -euo pipefail

if [ "${1:-}" != --dentro ]; then
  cmake=$1 costruzione=$2
  for programma in xvfb-run xauth xdotool xprop; do
    command -v "$programma" >/dev/null || { echo "SALTATO: manca $programma"; exit 77; }
  done
  timeout 20 xvfb-run -a true >/dev/null 2>&1 || { echo "SALTATO: nessun server X avviabile"; exit 77; }
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  "$cmake" --install "$costruzione" --prefix "$tmp/prefisso" >"$tmp/installazione.log"
  timeout 50 xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" --dentro "$tmp" "$costruzione"
  exit
fi

tmp=$2 costruzione=$3
prefisso="$tmp/prefisso"
catalogo="$prefisso/lib/rigata/stdbulls.bc"
pid=""

visibili() { xdotool search --onlyvisible --name . 2>/dev/null | while read -r w; do xdotool getwindowname "$w"; done; }
errore() {
  echo "ERRORE: $*" >&2
  echo "finestre visibili: $(visibili | paste -sd '|')" >&2
  command -v import >/dev/null && import -window root "$costruzione/e2e-errore.png" 2>/dev/null &&
    echo "schermata: $costruzione/e2e-errore.png" >&2
  [ -f "$tmp/programma.log" ] && cat "$tmp/programma.log" >&2
  exit 1
}
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; true' EXIT

# The visible window with exactly this title, waited for at most 10 s.
finestra() {
  local w
  w=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null) || errore "la finestra \"$1\" non appare"
  echo "${w%%$'\n'*}"
}
# Keyboard focus to a window (no window manager gives it).
fuoco() {
  timeout 5 xdotool windowfocus --sync "$1" || errore "la finestra $1 non prende il fuoco"
  sleep 0.2
}
altezza() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p'; }

cp "$catalogo" "$tmp/catalogo-consegnato"
mkdir -m 700 "$tmp/casa" "$tmp/run"
env -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u SESSION_MANAGER \
  HOME="$tmp/casa" XDG_RUNTIME_DIR="$tmp/run" LC_ALL=C.UTF-8 \
  LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
  "$prefisso/bin/rigata" >"$tmp/programma.log" 2>&1 &
pid=$!

# Start screen: the delivered catalogue is found beside the real executable
# (no warning window); Enter in the first field is "Avanti  >".
avvio=$(finestra "Inserimento dati")
sleep 0.5
[ "$(visibili)" = "Inserimento dati" ] || errore "all'avvio altre finestre oltre la schermata iniziale"
[[ "$(xprop -id "$avvio" _NET_WM_ICON)" == *"Icon ("* ]] || errore "la finestra non ha l'icona del programma"
fuoco "$avvio"
xdotool key Return

# Options: "Calcolo Traiettorie" has the focus; Enter.
opzioni=$(finestra "Opzioni")
fuoco "$opzioni"
xdotool key Return

# Trajectory request: Tab past the six request boxes to the first layout,
# Enter computes the table and the window grows to show it.
traiettorie=$(finestra "Dati Traiettorie")
compressa=$(altezza "$traiettorie")
fuoco "$traiettorie"
xdotool key Tab Tab Tab Tab Tab Tab Return
for _ in $(seq 50); do [ "$(altezza "$traiettorie")" -gt $((compressa + 200)) ] && break; sleep 0.1; done
[ "$(altezza "$traiettorie")" -gt $((compressa + 200)) ] || errore "la tabella non è stata calcolata"

# Back through the menus: File > Indietro ad "Opzioni", File > Nuova Palla.
xdotool key alt+f
sleep 0.3
xdotool key i
opzioni=$(finestra "Opzioni")

# A calculator: Tab from "Calcolo Traiettorie" to the first option, Enter;
# Enter in its box computes (no warning window), File > Opzioni goes back.
fuoco "$opzioni"
xdotool key Tab Return
legno=$(finestra "Penetrazione nel legno di abete")
fuoco "$legno"
xdotool key Return
sleep 0.3
[ "$(visibili)" = "Penetrazione nel legno di abete" ] || errore "il calcolo ha aperto altre finestre"
xdotool key alt+f
sleep 0.3
xdotool key Return
opzioni=$(finestra "Opzioni")
fuoco "$opzioni"
xdotool key alt+f
sleep 0.3
xdotool key n
avvio=$(finestra "Inserimento dati")

# File > Salva con nome, through Qt's own file dialog.
fuoco "$avvio"
xdotool key alt+f
sleep 0.3
xdotool key n
dialogo=$(finestra "Salva come")
fuoco "$dialogo"
xdotool type --delay 10 "$tmp/prova.dat"
xdotool key Return
for _ in $(seq 50); do [ -f "$tmp/prova.dat" ] && break; sleep 0.1; done
printf '0.243,95,450,15,965,0.379,225,0,500,20,5,50\r\n' >"$tmp/atteso.dat"
cmp -s "$tmp/atteso.dat" "$tmp/prova.dat" || errore "file dati salvato diverso: $(od -c "$tmp/prova.dat" | head -5)"

# "Aggiungi palle" (reached with Tab, opened with Space): a new bullet typed
# and stored in the installed catalogue with Enter.
avvio=$(finestra "Inserimento dati")
fuoco "$avvio"
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
nuova=$(finestra "Input dati nuova palla")
fuoco "$nuova"
xdotool type --delay 10 "Prova"
for campo in .308 150 E2E .400; do
  xdotool key Tab
  xdotool type --delay 10 "$campo"
done
xdotool key Return
{ cat "$tmp/catalogo-consegnato"; printf 'Prova,.308,150,E2E,.226,.400\r\n'; } >"$tmp/catalogo-atteso"
for _ in $(seq 50); do cmp -s "$tmp/catalogo-atteso" "$catalogo" && break; sleep 0.1; done
cmp -s "$tmp/catalogo-atteso" "$catalogo" || errore "il catalogo installato non ha la nuova palla in fondo"

# "<-- Indietro" (Alt+I) to the start screen, then File > Esci: the program ends.
nuova=$(finestra "Input dati nuova palla")
fuoco "$nuova"
xdotool key alt+i
avvio=$(finestra "Inserimento dati")
fuoco "$avvio"
xdotool key alt+f
sleep 0.3
xdotool key e
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && errore "il programma non è terminato con File > Esci"
stato=0
wait "$pid" || stato=$?
pid=""
[ "$stato" -eq 0 ] || errore "il programma è terminato con lo stato $stato"
echo "percorso: tutto a posto"
