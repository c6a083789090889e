// The catalogue a user sees: the delivered stdbulls.bc beside the program,
// followed by his own stdbulls.bc in his data folder. Where the program's
// folder is his to write (an install for one user, a build tree) the bullets
// he stores go to the delivered file as always; where it is not (an install
// for every user of the machine) they go to his own file, so that an upgrade
// replaces the delivered bullets and keeps every user's.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogo.h"

namespace rigata {

// The user's own catalogue: stdbulls.bc in the folder rigata of his data
// folder, $XDG_DATA_HOME when that is an absolute path (a relative one is
// ignored, as the XDG base directory rules say), otherwise $HOME/.local/share.
// Either value may be null (unset). Empty when neither gives an absolute path.
std::string PercorsoCatalogoUtente(const char* xdgDataHome, const char* home);

// A file of this name beside the delivered catalogue marks it as the
// package's own: a package manager replaces it at every upgrade, so nobody's
// bullets, not even those of the folder's owner, are stored in it.
inline constexpr const char* kSegnoCatalogoDelPacchetto = "catalogo-del-pacchetto";

// True when the bullets a user stores go to the delivered catalogue at
// percorso: it is not the package's (above) and he may write it.
bool MemorizzaNelCatalogoConsegnato(const std::string& percorsoCatalogo);

// Reads both files into one catalogue: the delivered rows first, then the
// user's, with one limit of 4000 rows over both. A missing delivered file
// gives fileMancante (the rows are then the user's alone); the user's file
// missing is the normal case of a user who has stored nothing. A file that
// cannot be read gives its message in errore and contributes no row. An empty
// percorsoUtente reads the delivered file alone.
EsitoCaricamento CaricaCatalogoUnito(Catalogo& catalogo, const std::string& percorsoConsegnato,
                                     const std::string& percorsoUtente);

// Where "Memorizza dati" stores a bullet.
struct DestinazionePalla {
    std::string percorso;
    bool primaDellUtente = false;       // his own catalogue does not exist yet: tell him where it is
    std::optional<std::string> errore;  // his folder could not be made
    int righeAltrove = 0;               // the delivered rows listed with his own (one 4000 limit)
};
// The delivered catalogue where MemorizzaNelCatalogoConsegnato says so, or
// where the user has no data folder (the write is then tried there and its
// failure reported); otherwise his own, whose folder is made here.
// righeConsegnate: the delivered rows of the last load.
DestinazionePalla DoveMemorizzare(const std::string& percorsoConsegnato, const std::string& percorsoUtente,
                                  int righeConsegnate);

}  // namespace rigata
