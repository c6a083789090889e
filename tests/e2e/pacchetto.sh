#!/usr/bin/env bash
# The installed program and its Debian package. Installed into a prefix with
# a blank and a dollar, which the desktop file quotes; a new version brings
# the newly delivered catalogue unless a user stored bullets in it. Then the
# package built by CPack, checked by lintian and appstreamcli where they are
# installed, extracted (dpkg-deb -x, never installed into the machine) and run
# from the extracted tree: the command line on the delivered catalogue, and
# the window program, as unprivileged users, storing bullets while the
# program's folder is read-only.
#   pacchetto.sh CMAKE CPACK BUILD_DIR SOURCE_DIR DRIVER ID
# Exit 77 (skipped) where dpkg-deb, dpkg-shlibdeps, lintian, appstreamcli or man is missing.
set -euo pipefail
source "$(dirname "$0")/salta.sh"
cmake=$1 cpack=$2 costruzione=$3 sorgenti=$4 guida=$5 id=$6
richiedi dpkg-deb dpkg-shlibdeps lintian appstreamcli man
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
errore() { echo "ERRORE: $*" >&2; exit 1; }

p="$tmp/pre fisso\$"
catalogo="$p/lib/rigata/stdbulls.bc"
"$cmake" --install "$costruzione" --prefix "$p" >/dev/null
grep -qxF "Exec=\"$tmp/pre fisso\\\\\$/bin/rigata\"" "$p/share/applications/$id.desktop" || errore "Exec= non valido"
printf 'Vecchia,.308,150,SP,.226,.400\r\n' >"$catalogo"
sha256sum "$catalogo" | cut -d' ' -f1 >"$catalogo.sha256"
"$cmake" --install "$costruzione" --prefix "$p" >/dev/null
cmp -s "$sorgenti/data/stdbulls.bc" "$catalogo" || errore "l'aggiornamento non ha portato il nuovo catalogo"
printf 'Prova,.308,150,E2E,.226,.400\r\n' >>"$catalogo"
cp "$catalogo" "$tmp/catalogo-utente"
"$cmake" --install "$costruzione" --prefix "$p" >"$tmp/seconda.log"
cmp -s "$tmp/catalogo-utente" "$catalogo" || errore "la reinstallazione ha sovrascritto il catalogo"
grep -q "Catalogo già presente, con palle aggiunte" "$tmp/seconda.log" || errore "la reinstallazione non lo dice"
# --help and the manual page list the same options; man renders the page without a warning.
pagina="$p/share/man/man1/rigata.1.gz"
aiuto=$("$p/bin/rigata" --help | grep -o -- '--[a-z]\+' | sort -u)
voci=$(zcat "$pagina" | awk '/^\.SH /{dentro = ($2 == "OPZIONI")} dentro && prima == ".TP" {print} {prima = $1}' |
  sed 's/\\-/-/g' | grep -o -- '--[a-z]\+' | sort -u)
[ -n "$voci" ] && [ "$aiuto" = "$voci" ] || errore "opzioni diverse tra --help e la pagina di manuale: $aiuto / $voci"
avvisi=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$pagina" 2>&1 >/dev/null)
[ -z "$avvisi" ] || errore "avvisi di man sulla pagina di manuale: $avvisi"

# Built with a group-writable umask: the package's modes must not follow it.
(umask 0002 && cd "$costruzione" && "$cpack" -G DEB -B "$tmp/cpack" >"$tmp/l" 2>&1) || errore "$(cat "$tmp/l")"
deb=$(ls "$tmp"/cpack/rigata_*.deb)
# Depends: the libraries' packages, and Qt's translations for its dialogs.
dipendenze=$(dpkg-deb -f "$deb" Depends)
[[ "$dipendenze" == *libqt6widgets6* && "$dipendenze" == *qt6-translations-l10n* ]] || errore "Depends: $dipendenze"
# Every entry owned by root, nothing writable but by its owner.
dpkg-deb -c "$deb" >"$tmp/contenuto"
awk '$2 != "root/root" || substr($1, 1, 1) != "l" && (substr($1, 6, 1) == "w" || substr($1, 9, 1) == "w")' \
  "$tmp/contenuto" >"$tmp/permessi"
[ ! -s "$tmp/permessi" ] || errore "proprietario o permessi errati: $(cat "$tmp/permessi")"
grep -q '^-rwxr-xr-x .* ./usr/lib/rigata/rigata$' "$tmp/contenuto" || errore "eseguibile senza 0755"
grep -q '^-rw-r--r-- .* ./usr/lib/rigata/stdbulls.bc$' "$tmp/contenuto" || errore "catalogo senza 0644"
lintian --fail-on error --display-level '>=warning' "$deb" >"$tmp/l" 2>&1 || errore "lintian: $(cat "$tmp/l")"

radice="$tmp/radice"
dpkg-deb -x "$deb" "$radice"
cartella="$radice/usr/lib/rigata"
[ "$(readlink "$radice/usr/bin/rigata")" = ../lib/rigata/rigata ] || errore "usr/bin/rigata non è relativo"
cmp -s "$sorgenti/data/stdbulls.bc" "$cartella/stdbulls.bc" || errore "catalogo consegnato diverso da data/stdbulls.bc"
grep -qxF "Icon=$id" "$radice/usr/share/applications/$id.desktop" || errore "Icon= diverso da $id"
grep -qxF 'Exec="/usr/bin/rigata"' "$radice/usr/share/applications/$id.desktop" || errore "Exec= non è /usr/bin/rigata"
grep -q 'Copyright (c) 2018 ammolytics' "$radice/usr/share/doc/rigata/copyright" || errore "copyright senza nota"
metainfo="$radice/usr/share/metainfo/$id.metainfo.xml"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || errore "AppStream senza desktop"
appstreamcli validate --no-net "$metainfo" || errore "appstreamcli rifiuta $metainfo"
# One home page for the package and its AppStream entry; where the build names
# none, neither has one and the entry points at no address at all.
sito=$(dpkg-deb -f "$deb" Homepage)
sito_appstream=$(sed -n 's:.*<url type="homepage">\(.*\)</url>.*:\1:p' "$metainfo")
[ "$sito" = "$sito_appstream" ] || errore "home page del pacchetto '$sito', di AppStream '$sito_appstream'"
[ -n "$sito" ] || ! grep -n 'https\?://' "$metainfo" || errore "AppStream rimanda a indirizzi senza home page"
"$radice/usr/bin/rigata" --elenco "$cartella/stdbulls.bc" >/dev/null || errore "--elenco non riuscito"

# The window program. utente NAME TEST [VAR=VALUE...] runs the driver as the
# user of "come" in his own home and data folder.
chmod 755 "$tmp" "$radice"
install -m 755 "$guida" "$tmp/guida"
utente() {
  local casa="$tmp/$1" prova=$2
  shift 2
  if [ ! -d "$casa" ]; then
    mkdir -m 700 "$casa"
    if [ ${#come[@]} -gt 0 ]; then chown nobody:nogroup "$casa"; fi
  fi
  env -i PATH=/usr/bin:/bin HOME="$casa" XDG_DATA_HOME="$casa/dati" XDG_RUNTIME_DIR="$casa" \
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 RIGATA_CARTELLA_PROGRAMMA="$cartella" "$@" \
    "${come[@]}" "$tmp/guida" "$prova" >"$tmp/guida.log" 2>&1 ||
    { cat "$tmp/guida.log" >&2; errore "programma a finestre: $prova"; }
}
# The owner of the program's folder, who may write it: the package's
# catalogue is not his to change either, his bullets go to his own.
come=()
utente proprietario memorizza
cmp -s "$sorgenti/data/stdbulls.bc" "$cartella/stdbulls.bc" || errore "catalogo del pacchetto cambiato"
[ -s "$tmp/proprietario/dati/rigata/stdbulls.bc" ] || errore "archivio personale del proprietario mancante"

# From here the tree stands for an install without the package's mark
# (cmake --install --prefix /usr/local): a user who cannot write the program's
# folder, as root (whom access() lets write anywhere) the nobody user,
# otherwise the current user with the folder made read-only.
rm "$cartella/catalogo-del-pacchetto"
chmod -R a-w "$cartella"
if [ "$(id -u)" = 0 ]; then come=(setpriv --reuid=nobody --regid=nogroup --clear-groups --); fi
utente anna memorizza
printf 'Prova,.308,150,E2E,.226,.400\r\nProva,.243,95,E2E,.230,.379\r\n' >"$tmp/atteso"
cmp -s "$tmp/atteso" "$tmp/anna/dati/rigata/stdbulls.bc" || errore "archivio personale diverso dall'atteso"
# After a restart she still sees hers; another user sees only the delivered ones.
utente anna elenca RIGATA_PALLE_PROPRIE=2
utente bruno elenca RIGATA_PALLE_PROPRIE=0
[ ! -e "$tmp/bruno/dati/rigata" ] || errore "archivio personale creato per chi non ha memorizzato nulla"
echo "pacchetto: tutto a posto ($(basename "$deb"))"
