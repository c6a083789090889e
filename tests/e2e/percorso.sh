#!/usr/bin/env bash
# End to end: the program installed into a temporary prefix, started through
# bin/rigata on a virtual X display and driven from the keyboard (Tab, access
# keys, Alt for a menu bar without one): a data file saved through the file
# dialog, a new bullet stored in the installed catalogue, options, a range
# table, back through the menus, File > Esci. Every wait is a poll with a limit.
#   percorso.sh CMAKE BUILD_DIR
# Exit 77 (skipped) where xvfb-run, xauth, xdotool or xprop is missing or no X server
# starts. Without a window manager the test gives the focus itself.
#
# Two steps have no keyboard access yet and are reached with the mouse, with a
# note on the output: the "Aggiungi palle" label, and (until Enter works on an
# option item) the double click on "Tabella parametri vari".
set -euo pipefail

if [ "${1:-}" != --dentro ]; then
  for programma in xvfb-run xauth xdotool xprop; do
    command -v "$programma" >/dev/null || { echo "SALTATO: manca $programma"; exit 77; }
  done
  timeout 20 xvfb-run -a true >/dev/null 2>&1 || { echo "SALTATO: nessun server X avviabile"; exit 77; }
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
visibili() { xdotool search --onlyvisible --name . 2>/dev/null | while read -r w; do xdotool getwindowname "$w"; done; }
errore() {
  echo "ERRORE: $*" >&2
  echo "finestre visibili: $(visibili | paste -sd '|')" >&2
  command -v import >/dev/null && import -window root "$costruzione/e2e-errore.png" 2>/dev/null && echo "schermata: $costruzione/e2e-errore.png" >&2
  cat "$tmp/programma.log" >&2
  exit 1
}
# Polls a condition every 0.1 s for at most $1 seconds.
attendi() { local n=$(($1 * 10)); shift; until "$@"; do n=$((n - 1)); [ $n -gt 0 ] || return 1; sleep 0.1; done; }
# The visible window with exactly this title, given the keyboard focus.
finestra() {
  local w
  w=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null) || errore "la finestra \"$1\" non appare"
  w=${w%%$'\n'*}
  timeout 5 xdotool windowfocus --sync "$w" || errore "la finestra \"$1\" non prende il fuoco"
  echo "$w"
}
tasti() { xdotool key --delay 60 "$@"; }
scrivi() { xdotool type --delay 10 "$1"; }
altezza() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p'; }
uguali() { cmp -s "$1" "$2"; }

cp "$catalogo" "$tmp/catalogo-atteso"
mkdir -m 700 "$tmp/casa" "$tmp/run"
env -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u SESSION_MANAGER \
  HOME="$tmp/casa" XDG_RUNTIME_DIR="$tmp/run" LC_ALL=C.UTF-8 \
  LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
  "$tmp/prefisso/bin/rigata" >"$tmp/programma.log" 2>&1 &
pid=$!

# The start screen alone: the delivered catalogue is found beside the executable.
avvio=$(finestra "Inserimento dati")
sleep 0.5
[ "$(visibili)" = "Inserimento dati" ] || errore "all'avvio altre finestre oltre la schermata iniziale"
[[ "$(xprop -id "$avvio" _NET_WM_ICON)" == *"Icon ("* ]] || errore "la finestra non ha l'icona del programma"

# File > Salva con nome, through Qt's own file dialog.
tasti alt+f n
finestra "Save As" >/dev/null
scrivi "$tmp/prova.dat"
tasti Return
printf '0.243,95,450,15,965,0.379,225,0,500,20,5,50\r\n' >"$tmp/atteso.dat"
attendi 5 uguali "$tmp/atteso.dat" "$tmp/prova.dat" || errore "file dati salvato diverso o mancante"

# "Aggiungi palle" (a label: the mouse), a bullet typed, Tab to "Memorizza dati".
avvio=$(finestra "Inserimento dati")
echo "NOTA: \"Aggiungi palle\" non ha un tasto; raggiunta col mouse"
xdotool mousemove --window "$avvio" 60 353 click 1
finestra "Input dati nuova palla" >/dev/null
scrivi "Prova"
for campo in .308 150 E2E .400; do tasti Tab; scrivi "$campo"; done
tasti Tab Tab Tab Tab space  # the first pair of the frame, Indietro, Cancella, Memorizza
printf 'Prova,.308,150,E2E,.226,.400\r\n' >>"$tmp/catalogo-atteso"
attendi 5 uguali "$tmp/catalogo-atteso" "$catalogo" || errore "il catalogo installato non ha la nuova palla in fondo"

# The screen opens afresh; "<-- Indietro" after the five boxes.
finestra "Input dati nuova palla" >/dev/null
tasti Tab Tab Tab Tab Tab space
finestra "Inserimento dati" >/dev/null
tasti shift+Tab space  # "Avanti  >", the last of the chain
finestra "Opzioni" >/dev/null
tasti shift+Tab space  # "Calcolo Traiettorie"
traiettorie=$(finestra "Dati Traiettorie")

# The general table: six boxes, then the option item. The window grows to show it.
compressa=$(altezza "$traiettorie")
cresciuta() { [ "$(altezza "$traiettorie")" -gt $((compressa + 200)) ]; }
tasti Tab Tab Tab Tab Tab Tab Return
if ! attendi 3 cresciuta; then
  echo "NOTA: Invio su \"Tabella parametri vari\" non calcola ancora; doppio click col mouse"
  xdotool mousemove --window "$traiettorie" 420 65 click --repeat 2 --delay 80 1
fi
attendi 5 cresciuta || errore "la tabella non è stata calcolata"

# Alt to the menu bar, File, "Indietro ad Opzioni"; "< Indietro"; File > Esci.
tasti alt Return i
finestra "Opzioni" >/dev/null
tasti shift+Tab shift+Tab space
finestra "Inserimento dati" >/dev/null
tasti alt+f e
terminato() { ! kill -0 "$pid" 2>/dev/null; }
attendi 10 terminato || errore "il programma non è terminato con File > Esci"
stato=0
wait "$pid" || stato=$?
pid=""
[ "$stato" -eq 0 ] || errore "il programma è terminato con lo stato $stato"
echo "percorso: tutto a posto"
