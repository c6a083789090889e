#include "tabellacalcolata.h"

#include <algorithm>
#include <cmath>

#include "modello.h"
#include "numeri.h"
#include "polvere.h"
#include "puntomateriale.h"

namespace rigata {

std::variant<TabellaCalcolata, Rifiuto> TabellaCalcolata::Calcola(const ShotData& palla, const RichiestaTabella& r,
                                                                  const Scelte& m) {
    TabellaCalcolata t;
    t.volo_ = palla;
    if (auto rifiuto = ApplicaPolvere(t.volo_, m)) return *rifiuto;
    if (auto rifiuto = ControllaRichiesta(t.volo_, r)) return *rifiuto;
    t.scelte_ = m;
    ApplicaRichiesta(t.volo_, r);
    CalcolaAzzeramento(t.volo_);
    t.dati_ = t.volo_;
    t.dati_.VelocitaBocca = palla.VelocitaBocca;
    for (auto campo : {&ShotData::VelocitaSuono, &ShotData::NumeroMach, &ShotData::DensitaRelativa,
                       &ShotData::FattoreForma, &ShotData::FunzioneSiacci, &ShotData::CoeffResistenza})
        t.dati_.*campo = palla.*campo;
    const ShotData& d = t.volo_;
    t.lontana_ = std::max({std::fabs(static_cast<double>(d.DistanzaAzzeramento)),
                           std::fabs(static_cast<double>(d.DistanzaInizio)), std::fabs(UltimaDistanza(d)),
                           static_cast<double>(kMassimoTiroUtile)});
    t.scelta_ = CreaTraiettoria(d, m, t.lontana_);
    if (auto rifiuto = ControllaModello(d, m, *t.scelta_)) return *rifiuto;
    t.confronto_ = CreaConfronto(d, m);
    t.distanzaOttimale_ = t.scelta_->ZeroPerBanda(kFasciaTiroUtile);
    return t;
}

void TabellaCalcolata::Righe(const ScriviRiga& scrivi) const {
    ShotData d = dati_;
    CalcRisultati(d, *scelta_, scrivi);
}

int TabellaCalcolata::NumeroRighe() const { return rigata::NumeroRighe(dati_).value_or(0); }

std::unique_ptr<Traiettoria> TabellaCalcolata::AzzerataA(double zero) const {
    ShotData d = volo_;
    d.DistanzaAzzeramento = S(zero);
    return CreaTraiettoria(d, scelte_, std::max(lontana_, std::fabs(zero)));
}

std::unique_ptr<Traiettoria> TabellaCalcolata::ConVento(double velocita, double gradi, double distanzaMassima) const {
    ShotData d = volo_;
    d.VelocitaVento = S(velocita);
    Scelte m = scelte_;
    m.angoloVento = gradi;
    return CreaTraiettoria(d, m, distanzaMassima);
}

std::optional<int32_t> TabellaCalcolata::ZeroPerBanda(double bandaCm) const {
    if (bandaCm == kFasciaTiroUtile) return distanzaOttimale_;
    return scelta_->ZeroPerBanda(bandaCm);
}

std::string TestoDistanzaOttimale(const TabellaCalcolata& t) {
    const auto distanza = t.DistanzaOttimale();
    return kTestoDistanzaOttimale + (distanza ? TestoIntero(*distanza) : std::string("-"));
}

std::string TestoModelloEAria(const TabellaCalcolata& t, std::string_view sep) {
    std::string testo = TestoModelloECoefficiente(t.Opzioni(), t.Dati().CoeffBalistico, sep);
    if (t.Opzioni().modello == TipoModello::Classico) return testo;  // the closed form needs no air of its own
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
