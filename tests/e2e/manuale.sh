#!/usr/bin/env bash
# The manual page and "rigata --help" list the same options, and the page
# renders without a warning from man (the check lintian runs too).
#   manuale.sh RIGATA PAGE
set -euo pipefail
rigata=$1 pagina=$2
errore() { echo "ERRORE: $*" >&2; exit 1; }

aiuto=$("$rigata" --help | grep -o -- '--[a-z]\+' | sort -u)
# The heads of the items of the options section (the line after each .TP).
voci=$(awk '/^\.SH /{dentro = ($2 == "OPZIONI")} dentro && prima == ".TP" {print} {prima = $1}' "$pagina" |
  sed 's/\\-/-/g' | grep -o -- '--[a-z]\+' | sort -u)
[ -n "$voci" ] || errore "nessuna opzione nella sezione OPZIONI di $pagina"
differenze=$(diff <(echo "$aiuto") <(echo "$voci") || true)
[ -z "$differenze" ] || errore "opzioni diverse tra --help (<) e la pagina di manuale (>):
$differenze"

if command -v man >/dev/null; then
  avvisi=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$pagina" 2>&1 >/dev/null)
  [ -z "$avvisi" ] || errore "avvisi di man su $pagina: $avvisi"
fi
echo "manuale: $(wc -w <<<"$voci") opzioni uguali in --help e nella pagina"
