#include "colonne.h"

#include <cmath>

#include "cartellino.h"
#include "numeri.h"
#include "tabella.h"

namespace rigata {

double AnticipoCm(double kmh, double tempoVolo, double gradi) {
    constexpr double kPi = 3.14159265358979323846;
    return kmh / 3.6 * tempoVolo * std::sin(gradi * kPi / 180) * 100;
}

std::string IntestazioneAnticipo(double kmh) { return "Anticipo " + TestoNumeroScritto(kmh) + " km/h (cm)"; }

std::string CellaAnticipo(const ShotData& riga, double kmh, double gradi, std::string_view separatore) {
    return FormattaNumero(AnticipoCm(kmh, riga.TempoVolo, gradi), kSchemaCentimetri, separatore);
}

ColonneAggiunte::ColonneAggiunte(const Scelte& scelte, std::string_view separatore)
    : scelte_(scelte), separatore_(separatore) {
    if (scelte.unita != UnitaCorrezione::Nessuna) {
        const auto intestazioni = IntestazioniCorrezione(scelte.unita).InOrdine();
        for (size_t i = 0; i < intestazioni.size(); ++i) colonne_.push_back({intestazioni[i], i % 2 == 1});
    }
    if (scelte.pendio) colonne_.push_back({IntestazionePendio(*scelte.pendio), true});
    for (double kmh : scelte.anticipi) colonne_.push_back({IntestazioneAnticipo(kmh), true});
}

void ColonneAggiunte::Celle(const ShotData& riga, std::vector<std::string>& celle) const {
    celle.clear();
    if (scelte_.unita != UnitaCorrezione::Nessuna)
        for (std::string& c : CelleCorrezioneRiga(riga, scelte_, separatore_).InOrdine()) celle.push_back(std::move(c));
    if (scelte_.pendio) celle.push_back(CellaPendio(riga, separatore_));
    for (double kmh : scelte_.anticipi) celle.push_back(CellaAnticipo(riga, kmh, scelte_.angoloBersaglio, separatore_));
}

std::vector<std::string> ColonneAggiunte::Celle(const ShotData& riga) const {
    std::vector<std::string> celle;
    Celle(riga, celle);
    return celle;
}

}  // namespace rigata
