#!/usr/bin/env bash
# The installed program: one folder with the executable and its catalogue,
# bin/rigata a relative link to it, desktop file and icons under one id, the
# manual page, AppStream entry and copyright; a second install keeps the
# catalogue a user has stored bullets in.
#   installazione.sh CMAKE BUILD_DIR SOURCE_DIR ID
set -euo pipefail
cmake=$1 costruzione=$2 sorgenti=$3 id=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
errore() { echo "ERRORE: $*" >&2; exit 1; }

# A prefix with a blank and a dollar: the desktop file must quote it.
p="$tmp/pre fisso\$"
"$cmake" --install "$costruzione" --prefix "$p" >"$tmp/prima.log"
[ -x "$p/lib/rigata/rigata" ] && [ ! -L "$p/lib/rigata/rigata" ] || errore "eseguibile mancante"
cmp -s "$sorgenti/data/stdbulls.bc" "$p/lib/rigata/stdbulls.bc" || errore "catalogo non installato"
[ "$(readlink "$p/bin/rigata")" = ../lib/rigata/rigata ] || errore "bin/rigata non è un collegamento relativo"
"$p/bin/rigata" --elenco "$p/lib/rigata/stdbulls.bc" >"$tmp/elenco" || errore "il programma non parte dal collegamento"
grep -q "Nosler" "$tmp/elenco" || errore "elenco del catalogo installato vuoto"
desktop="$p/share/applications/$id.desktop"
grep -qxF "Icon=$id" "$desktop" || errore "Icon= diverso da $id"
grep -qxF "Exec=\"$tmp/pre fisso\\\\\$/bin/rigata\"" "$desktop" || errore "Exec= non valido: $(grep ^Exec= "$desktop")"
[ -f "$p/share/icons/hicolor/scalable/apps/$id.svg" ] || errore "icona SVG mancante"
for lato in 16 32 48 64 128 256; do
  [ -f "$p/share/icons/hicolor/${lato}x$lato/apps/$id.png" ] || errore "icona $lato px mancante"
done
# man rigata, the AppStream entry, the copyright with the bullet data's notice.
zcat "$p/share/man/man1/rigata.1.gz" | grep -q '^\.TH RIGATA 1 ' || errore "pagina di manuale mancante"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$p/share/metainfo/$id.metainfo.xml" ||
  errore "voce AppStream mancante o senza il file desktop"
grep -q 'Copyright (c) 2018 ammolytics' "$p/share/doc/rigata/copyright" || errore "copyright mancante"

# A new version installed over an old catalogue that nobody changed brings
# the newly delivered bullets.
printf 'Vecchia,.308,150,SP,.226,.400\r\n' >"$p/lib/rigata/stdbulls.bc"
sha256sum "$p/lib/rigata/stdbulls.bc" | cut -d' ' -f1 >"$p/lib/rigata/stdbulls.bc.sha256"
"$cmake" --install "$costruzione" --prefix "$p" >/dev/null
cmp -s "$sorgenti/data/stdbulls.bc" "$p/lib/rigata/stdbulls.bc" || errore "l'aggiornamento non ha portato il nuovo catalogo"

# A new version installed over the old one keeps the stored bullets.
printf 'Prova,.308,150,E2E,.226,.400\r\n' >>"$p/lib/rigata/stdbulls.bc"
cp "$p/lib/rigata/stdbulls.bc" "$tmp/catalogo-utente"
"$cmake" --install "$costruzione" --prefix "$p" >"$tmp/seconda.log"
cmp -s "$tmp/catalogo-utente" "$p/lib/rigata/stdbulls.bc" || errore "la reinstallazione ha sovrascritto il catalogo"
grep -q "Catalogo già presente, con palle aggiunte" "$tmp/seconda.log" || errore "la reinstallazione non dice che il catalogo resta"
[ "$(readlink "$p/bin/rigata")" = ../lib/rigata/rigata ] || errore "collegamento perso alla reinstallazione"

# Staged for a package: everything under DESTDIR, the paths without it.
DESTDIR="$tmp/pacchetto" "$cmake" --install "$costruzione" --prefix /usr >/dev/null
[ -f "$tmp/pacchetto/usr/lib/rigata/stdbulls.bc" ] || errore "DESTDIR: catalogo mancante"
[ "$(readlink "$tmp/pacchetto/usr/bin/rigata")" = ../lib/rigata/rigata ] || errore "DESTDIR: collegamento errato"
grep -qxF 'Exec="/usr/bin/rigata"' "$tmp/pacchetto/usr/share/applications/$id.desktop" || errore "DESTDIR: Exec= errato"
echo "installazione: tutto a posto"
