#include "tiroutile.h"

#include "numeri.h"
#include "tabella.h"

namespace rigata {

namespace {

// The level point of impact as the table writes it (cm, one decimal), read
// back: the band is judged on the figure the hunter reads.
bool NellaFascia(const ShotData& riga) {
    const std::string cella = FormattaNumero(S(riga.ScartoMira * 100.0), kSchemaCentimetri, ".");
    if (cella.empty()) return false;  // beyond the model's range
    const double cm = LeggiNumero(cella);
    return cm >= -kFasciaTiroUtile && cm <= kFasciaTiroUtile;
}

}  // namespace

std::optional<TrattoUtile> TiroUtile(const ShotData& d) {
    ShotData riga = d;
    std::optional<TrattoUtile> tratto;
    for (int metro = 0; metro <= kMassimoTiroUtile; ++metro) {
        riga.Distanza = static_cast<float>(metro);
        CalcolaRiga(riga);
        if (NellaFascia(riga)) {
            if (!tratto) tratto = TrattoUtile{metro, metro};
            tratto->a = metro;
        } else if (tratto) {
            break;
        }
    }
    return tratto;
}

std::string TestoTiroUtile(const std::optional<TrattoUtile>& tratto) {
    if (!tratto) return "Tiro utile (±6 cm): nessuna distanza entro la fascia";
    return "Tiro utile (±6 cm): da " + TestoIntero(tratto->da) + " m a " + TestoIntero(tratto->a) + " m";
}

PuntoTraiettoria PuntoDaRiga(const ShotData& riga, double distanza) {
    PuntoTraiettoria p;
    p.distanza = distanza;
    p.scarto = static_cast<float>(riga.ScartoMira * 100.0);
    p.pendii[0] = riga.Scarto15;
    p.pendii[1] = riga.Scarto30;
    p.pendii[2] = riga.Scarto45;
    p.pendii[3] = riga.Scarto60;
    p.velocita = riga.Velocita;
    p.energia = riga.Energia;
    return p;
}

PuntoTraiettoria PuntoA(const ShotData& d, double distanza) {
    ShotData riga = d;
    riga.Distanza = static_cast<float>(distanza);
    CalcolaRiga(riga);
    return PuntoDaRiga(riga, distanza);
}

std::vector<double> DistanzeCampione(double da, double a, int punti) {
    std::vector<double> distanze;
    if (punti < 1) return distanze;
    if (punti == 1 || da == a) return {da};
    distanze.reserve(static_cast<size_t>(punti));
    for (int i = 0; i < punti; ++i) distanze.push_back(da + (a - da) * i / (punti - 1));
    return distanze;
}

std::vector<PuntoTraiettoria> CampionaTraiettoria(const ShotData& d, double da, double a, int punti) {
    std::vector<PuntoTraiettoria> campioni;
    for (double x : DistanzeCampione(da, a, punti)) campioni.push_back(PuntoA(d, x));
    return campioni;
}

}  // namespace rigata
