#include "tabellacalcolata.h"

#include <algorithm>
#include <cmath>

#include "modello.h"
#include "numeri.h"
#include "puntomateriale.h"

namespace rigata {

namespace {

// The distances of the request: the zero, the first and the last row.
struct Estremi {
    double zero = 0, prima = 0, ultima = 0;
    int righe = 0;
};

Estremi EstremiDi(const ShotData& d) {
    Estremi e;
    e.zero = d.DistanzaAzzeramento;
    e.righe = rigata::NumeroRighe(d).value_or(0);
    e.prima = d.DistanzaInizio;
    e.ultima = static_cast<double>(d.DistanzaInizio) + (e.righe > 0 ? e.righe - 1 : 0) * static_cast<double>(d.Intervallo);
    return e;
}

std::optional<Rifiuto> ControllaPuntoMateriale(const Estremi& e, const rigata::Traiettoria& t) {
    if (e.zero < 0)
        return Rifiuto{"CAMBIA DISTANZA!!",
                       "con il modello a punto materiale la distanza di azzeramento deve essere maggiore di "
                       "zero; correggerla o scegliere il modello classico"};
    if (e.righe > 0 && std::min(e.prima, e.ultima) < 0)
        return Rifiuto{"CAMBIA DISTANZE!!",
                       "con il modello a punto materiale le distanze della tabella partono da zero; usare "
                       "distanze non negative o scegliere il modello classico"};
    const double portata = t.Portata();
    if (!(portata >= e.zero))
        return Rifiuto{"CAMBIA DISTANZA!!",
                       "con il modello a punto materiale la palla non arriva alla distanza di azzeramento; "
                       "ridurre la distanza di azzeramento"};
    if (e.righe > 0 && std::max(e.prima, e.ultima) > portata)
        return Rifiuto{"DISTANZA TROPPO GRANDE!!",
                       "con il modello a punto materiale la tabella si può calcolare fino a " +
                           TestoIntero(static_cast<long long>(std::floor(portata))) +
                           " m; ridurre le distanze della tabella"};
    return std::nullopt;
}

PuntoTraiettoria Punto(const rigata::Traiettoria& t, const ShotData& d, double distanza) {
    ShotData riga = d;
    riga.Distanza = static_cast<float>(distanza);
    t.CalcolaRiga(riga);
    return PuntoDaRiga(riga, distanza);
}

std::vector<PuntoTraiettoria> Campioni(const rigata::Traiettoria& t, const ShotData& d, double da, double a,
                                       int punti) {
    std::vector<PuntoTraiettoria> campioni;
    for (double x : DistanzeCampione(da, a, punti)) campioni.push_back(Punto(t, d, x));
    return campioni;
}

}  // namespace

std::variant<TabellaCalcolata, Rifiuto> TabellaCalcolata::Calcola(const ShotData& palla, const RichiestaTabella& r,
                                                                  const Scelte& m) {
    if (auto rifiuto = ControllaRichiesta(palla, r)) return *rifiuto;
    TabellaCalcolata t;
    t.dati_ = palla;
    t.scelte_ = m;
    ApplicaRichiesta(t.dati_, r);
    CalcolaAzzeramento(t.dati_);
    const Estremi e = EstremiDi(t.dati_);
    const double lontana =
        std::max({std::fabs(e.zero), std::fabs(e.prima), std::fabs(e.ultima), static_cast<double>(kMassimoTiroUtile)});
    t.classica_ = CreaTraiettoria(t.dati_, Scelte{}, lontana);
    if (!t.PuntoMateriale()) {
        t.scelta_ = t.classica_;
        t.distanzaOttimale_ = t.dati_.DistanzaOttimale;
        return t;
    }
    t.scelta_ = CreaTraiettoria(t.dati_, m, lontana);
    if (auto rifiuto = ControllaPuntoMateriale(e, *t.scelta_)) return *rifiuto;
    if (const auto zero = ZeroPerBanda(t.dati_, m, kFasciaTiroUtile)) t.distanzaOttimale_ = InLong(*zero);
    return t;
}

void TabellaCalcolata::Righe(const ScriviRiga& scrivi) const {
    ShotData d = dati_;
    CalcRisultati(d, *scelta_, scrivi);
}

int TabellaCalcolata::NumeroRighe() const { return rigata::NumeroRighe(dati_).value_or(0); }

std::optional<TrattoUtile> TabellaCalcolata::TiroUtile(double bandaCm) const { return TiroUtileDi(*scelta_, bandaCm); }

PuntoTraiettoria TabellaCalcolata::PuntoA(double distanza) const { return Punto(*scelta_, dati_, distanza); }

std::vector<PuntoTraiettoria> TabellaCalcolata::Campiona(double da, double a, int punti) const {
    return Campioni(*scelta_, dati_, da, a, punti);
}

std::vector<PuntoTraiettoria> TabellaCalcolata::CampionaClassico(double da, double a, int punti) const {
    return Campioni(*classica_, dati_, da, a, punti);
}

std::string TestoDistanzaOttimale(const TabellaCalcolata& t) {
    const auto distanza = t.DistanzaOttimale();
    return kTestoDistanzaOttimale + (distanza ? TestoIntero(*distanza) : std::string("-"));
}

std::string TestoModelloEAria(const TabellaCalcolata& t, std::string_view sep) {
    std::string testo = TestoModelloECoefficiente(t.Opzioni(), t.Dati().CoeffBalistico, sep);
    if (!t.PuntoMateriale()) return testo;
    const AriaPuntoMateriale aria = AriaDi(t.Dati(), t.Opzioni());
    testo += "; aria: " + FormattaNumero(aria.temperatura - 273.15, "##0.0", sep) + " °C, " +
             FormattaNumero(aria.pressione, "###0.0", sep) + " hPa" +
             (t.Opzioni().pressione ? "" : " (atmosfera standard alla quota)") + ", umidità " +
             FormattaNumero(t.Opzioni().umidita, "##0", sep) + " %, densità " +
             FormattaNumero(aria.densita, "0.000", sep) + " kg/m³; vento da " +
             FormattaNumero(t.Opzioni().angoloVento, "##0", sep) + "°";
    return testo;
}

}  // namespace rigata
