#include "catalogoutente.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace rigata {

namespace {

bool Assoluto(const char* percorso) { return percorso != nullptr && percorso[0] == '/'; }

std::string CartellaDi(const std::string& percorso) {
    const auto barra = percorso.find_last_of('/');
    if (barra == std::string::npos) return ".";
    return barra == 0 ? "/" : percorso.substr(0, barra);
}

std::string MotivoCartella(int errore) {
    switch (errore) {
        case EACCES:
        case EPERM: return "permesso negato";
        case EROFS: return "il disco è di sola lettura";
        case ENOSPC:
        case EDQUOT: return "spazio su disco esaurito";
        case ENOTDIR: return "il percorso non è valido";
        default: return "errore di sistema " + std::to_string(errore) + " (" + std::strerror(errore) + ")";
    }
}

// The rows of the second catalogue after those of the first, up to the limit.
int Unisci(Catalogo& catalogo, std::vector<RigaCatalogo>&& consegnate, std::vector<RigaCatalogo>&& proprie) {
    catalogo.Righe = std::move(consegnate);
    int escluse = 0;
    for (auto& riga : proprie) {
        if (catalogo.Righe.size() >= static_cast<size_t>(kMassimoPalle)) {
            ++escluse;
            continue;
        }
        catalogo.Righe.push_back(std::move(riga));
    }
    catalogo.NumeroPalle = static_cast<int16_t>(catalogo.Righe.size());
    return escluse;
}

}  // namespace

std::string PercorsoCatalogoUtente(const char* xdgDataHome, const char* home) {
    const auto senzaBarreFinali = [](std::string cartella) {
        while (!cartella.empty() && cartella.back() == '/') cartella.pop_back();
        return cartella;
    };
    std::string dati;
    if (Assoluto(xdgDataHome))
        dati = senzaBarreFinali(xdgDataHome);
    else if (Assoluto(home))
        dati = senzaBarreFinali(home) + "/.local/share";
    else
        return {};
    return dati + "/rigata/stdbulls.bc";
}

bool CatalogoScrivibile(const std::string& percorsoCatalogo) {
    // The safe write makes a temporary file in the folder and renames it.
    if (::access(CartellaDi(percorsoCatalogo).c_str(), W_OK | X_OK) != 0) return false;
    return ::access(percorsoCatalogo.c_str(), W_OK) == 0 || errno == ENOENT;
}

bool MemorizzaNelCatalogoConsegnato(const std::string& percorsoCatalogo) {
    struct stat info {};
    const std::string segno = CartellaDi(percorsoCatalogo) + "/" + kSegnoCatalogoDelPacchetto;
    return ::lstat(segno.c_str(), &info) != 0 && CatalogoScrivibile(percorsoCatalogo);
}

std::optional<std::string> PreparaCartellaCatalogo(const std::string& percorsoCatalogo) {
    const std::string cartella = CartellaDi(percorsoCatalogo);
    for (size_t fine = cartella.find('/', 1);; fine = cartella.find('/', fine + 1)) {
        const std::string parte = cartella.substr(0, fine);
        struct stat info {};
        if (::stat(parte.c_str(), &info) != 0) {
            const int errore = ::mkdir(parte.c_str(), 0700) == 0 ? 0 : errno;
            if (errore != 0 && errore != EEXIST)
                return "Impossibile creare la cartella \"" + parte + "\" per l'archivio delle palle: " +
                       MotivoCartella(errore) + ".";
        } else if (!S_ISDIR(info.st_mode)) {
            return "Impossibile creare la cartella \"" + parte + "\" per l'archivio delle palle: esiste già un file con "
                   "questo nome.";
        }
        if (fine == std::string::npos) return std::nullopt;
    }
}

int CaricaTestiCatalogo(Catalogo& catalogo, std::string_view consegnato, std::string_view utente) {
    Catalogo delProgramma, proprio;
    int escluse = CaricaTestoCatalogo(delProgramma, consegnato);
    escluse += CaricaTestoCatalogo(proprio, utente);
    return escluse + Unisci(catalogo, std::move(delProgramma.Righe), std::move(proprio.Righe));
}

EsitoCaricamento CaricaCatalogoUnito(Catalogo& catalogo, const std::string& percorsoConsegnato,
                                     const std::string& percorsoUtente) {
    Catalogo consegnato, proprio;
    EsitoCaricamento esito = LeggiFileCatalogo(consegnato, percorsoConsegnato);
    if (!percorsoUtente.empty()) {
        const EsitoCaricamento suo = LeggiFileCatalogo(proprio, percorsoUtente);
        esito.righeEscluse += suo.righeEscluse;
        if (suo.errore) esito.errore = esito.errore ? *esito.errore + "\n" + *suo.errore : *suo.errore;
    }
    esito.righeEscluse += Unisci(catalogo, std::move(consegnato.Righe), std::move(proprio.Righe));
    return esito;
}

}  // namespace rigata
