#include "colonne.h"

#include "cartellino.h"
#include "numeri.h"
#include "tabella.h"

namespace rigata {

ColonneAggiunte::ColonneAggiunte(const Scelte& scelte, std::string_view separatore)
    : scelte_(scelte), separatore_(separatore) {
    if (scelte.unita != UnitaCorrezione::Nessuna) {
        const auto intestazioni = IntestazioniCorrezione(scelte.unita).InOrdine();
        for (size_t i = 0; i < intestazioni.size(); ++i) colonne_.push_back({intestazioni[i], i % 2 == 1});
    }
    if (scelte.pendio) colonne_.push_back({IntestazionePendio(*scelte.pendio), true});
}

void ColonneAggiunte::Celle(const ShotData& riga, std::vector<std::string>& celle) const {
    celle.clear();
    if (scelte_.unita != UnitaCorrezione::Nessuna)
        for (std::string& c : CelleCorrezioneRiga(riga, scelte_, separatore_).InOrdine()) celle.push_back(std::move(c));
    if (scelte_.pendio) celle.push_back(CellaPendio(riga, separatore_));
}

std::vector<std::string> ColonneAggiunte::Celle(const ShotData& riga) const {
    std::vector<std::string> celle;
    Celle(riga, celle);
    return celle;
}

}  // namespace rigata
