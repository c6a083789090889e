#include "catalogoutente.h"

#include <utility>

#include "file.h"

namespace rigata {

namespace {

bool Assoluto(const char* percorso) { return percorso != nullptr && percorso[0] == '/'; }

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

bool MemorizzaNelCatalogoConsegnato(const std::string& percorsoCatalogo) {
    return !FileEsiste(CartellaDi(percorsoCatalogo) + "/" + kSegnoCatalogoDelPacchetto) &&
           SiPuoScrivere(percorsoCatalogo);
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
    esito.righeConsegnate = static_cast<int>(consegnato.Righe.size());
    esito.righeEscluse += Unisci(catalogo, std::move(consegnato.Righe), std::move(proprio.Righe));
    return esito;
}

DestinazionePalla DoveMemorizzare(const std::string& percorsoConsegnato, const std::string& percorsoUtente,
                                  int righeConsegnate) {
    DestinazionePalla d;
    d.percorso = percorsoConsegnato;
    if (MemorizzaNelCatalogoConsegnato(percorsoConsegnato) || percorsoUtente.empty()) return d;
    d.percorso = percorsoUtente;
    d.primaDellUtente = !FileEsiste(percorsoUtente);
    d.righeAltrove = righeConsegnate;
    if (auto errore = CreaCartelle(CartellaDi(percorsoUtente)))
        d.errore = *errore + " L'archivio delle palle non è stato modificato.";
    return d;
}

}  // namespace rigata
