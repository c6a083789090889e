#!/usr/bin/env bash
# The executable as a user runs it from a shell: main hands the arguments to
# the command line (the table on stdout, with the C locale's point), and the
# exit status tells what happened.
#   riga_di_comando.sh RIGATA DATI_DI_PROVA
rigata=$1 dati=$2
errore() { echo "ERRORE: $*" >&2; exit 1; }
out=$(LC_ALL=C "$rigata" --tabella "$dati/esempio.dat") || errore "--tabella è uscito con $?"
[ "$(sed -n 28p <<<"$out")" = $'500\t-186.3\t-117.5\t597.0\t1096.9\t-73.5\t0.665\t-111.4' ] || errore "ultima riga: $(sed -n 28p <<<"$out")"
err=$(LC_ALL=C "$rigata" --tabella "$dati/senza-coefficiente.dat" 2>&1 >/dev/null); stato=$?
[ "$stato" -eq 2 ] && [ "$(head -1 <<<"$err")" = "INSERISCI COEFFICIENTE!!" ] || errore "coefficiente mancante: $stato $err"
"$rigata" --sconosciuta 2>/dev/null; stato=$?
[ "$stato" -eq 64 ] || errore "opzione sconosciuta: stato $stato"
echo "riga di comando: tutto a posto"
