#include "traiettoria.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "modello.h"
#include "numeri.h"
#include "puntomateriale.h"
#include "tabella.h"

namespace rigata {

namespace {

// The closed form: the row formula on a copy of the record, zeroed at its
// DistanzaAzzeramento, its row fields handed back, and its slope rule on the
// chosen slope.
class Classico : public Traiettoria {
public:
    Classico(const ShotData& d, std::optional<double> pendio) : d_(d), pendio_(pendio) { CalcolaCadutaZero(d_); }
    void CalcolaRiga(ShotData& riga) const override {
        ShotData r = d_;
        r.Distanza = riga.Distanza;
        rigata::CalcolaRiga(r);
        riga.CoeffCadutaRiga = r.CoeffCadutaRiga;
        riga.TermineEspRiga = r.TermineEspRiga;
        riga.Caduta = r.Caduta;
        riga.Ordinata = r.Ordinata;
        riga.Velocita = r.Velocita;
        riga.Energia = r.Energia;
        riga.TempoVolo = r.TempoVolo;
        riga.DerivaVento = r.DerivaVento;
        riga.CorrezioneMira = r.CorrezioneMira;
        riga.ScartoMira = r.ScartoMira;
        riga.Scarto15 = r.Scarto15;
        riga.Scarto30 = r.Scarto30;
        riga.Scarto45 = r.Scarto45;
        riga.Scarto60 = r.Scarto60;
        riga.ScartoPendio = pendio_ ? ScartoPendioClassico(r, *pendio_) : std::numeric_limits<float>::quiet_NaN();
    }
    double Portata() const override { return std::numeric_limits<double>::infinity(); }
    std::optional<int32_t> ZeroPerBanda(double bandaCm) const override {
        if (bandaCm == kFasciaTiroUtile) return InLong(RegolaZeroOttimale(d_, bandaCm).distanza);
        return ZeroPiuLontano(bandaCm, [this](int zero) { return Colmo(zero); });
    }

private:
    // The highest point (cm) over the line of sight between the muzzle and a
    // zero at a distance (m), the rifle zeroed there. The path over the line
    // of sight is a straight line less a convex drop: concave, so a golden
    // section finds its top.
    double Colmo(int zero) const {
        ShotData d = d_;
        d.DistanzaAzzeramento = S(zero);
        CalcolaCadutaZero(d);
        const auto scarto = [&d](double x) {
            d.Distanza = S(x);
            rigata::CalcolaRiga(d);
            return d.ScartoMira * 100.0;
        };
        const double r = (std::sqrt(5.0) - 1) / 2;
        double a = 0, b = zero, c = b - r * (b - a), e = a + r * (b - a), fc = scarto(c), fe = scarto(e);
        for (int i = 0; i < 50; ++i) {
            if (fc < fe) a = c, c = e, fc = fe, e = a + r * (b - a), fe = scarto(e);
            else b = e, e = c, fe = fc, c = b - r * (b - a), fc = scarto(c);
        }
        return std::max({scarto(0), scarto(zero), fc, fe});
    }

    ShotData d_;
    std::optional<double> pendio_;
};

// The level point of impact as the table writes it (cm, one decimal), read
// back: the band is judged on the figure the hunter reads.
std::optional<double> CellaScarto(const ShotData& riga) {
    const std::string cella = FormattaNumero(S(riga.ScartoMira * 100.0), kSchemaCentimetri, ".");
    if (cella.empty()) return std::nullopt;  // beyond the model's range
    return LeggiNumero(cella);
}

}  // namespace

std::optional<int32_t> ZeroPiuLontano(double bandaCm, const std::function<double(int)>& colmo) {
    const auto entro = [&](int zero) { return colmo(zero) <= bandaCm; };
    int dentro = 1;
    while (!entro(dentro)) {
        if (dentro >= kMassimoTiroUtile) return std::nullopt;
        dentro = std::min(2 * dentro, kMassimoTiroUtile);
    }
    int fuori = dentro;
    do {
        dentro = fuori;
        if (dentro >= kMassimoTiroUtile) return dentro;
        fuori = std::min(2 * dentro, kMassimoTiroUtile);
    } while (entro(fuori));
    while (fuori - dentro > 1) {
        const int medio = dentro + (fuori - dentro) / 2;
        (entro(medio) ? dentro : fuori) = medio;
    }
    return dentro;
}

std::unique_ptr<Traiettoria> CreaTraiettoria(const ShotData& d, const Scelte& m, double distanzaMassima) {
    if (m.modello == TipoModello::Classico) return std::make_unique<Classico>(d, m.pendio);
    return std::make_unique<PuntoMateriale>(d, m, distanzaMassima);
}

std::unique_ptr<Traiettoria> CreaConfronto(const ShotData& d, const Scelte& m) {
    // The closed form flies a G1 coefficient: beside G7 it would fly the G7
    // figure as a G1 one, a curve far below any bullet's.
    if (FunzioneDelModello(m.modello) != FunzioneCoefficiente::G1 || m.modello == TipoModello::Classico) return nullptr;
    return std::make_unique<Classico>(d, m.pendio);
}

std::optional<Rifiuto> ControllaModello(const ShotData& d, const Scelte& m, const Traiettoria& t) {
    if (m.modello == TipoModello::Classico) return std::nullopt;
    const double zero = d.DistanzaAzzeramento, prima = d.DistanzaInizio, ultima = UltimaDistanza(d);
    const bool righe = NumeroRighe(d).value_or(0) > 0;
    if (zero < 0)
        return Rifiuto{"CAMBIA DISTANZA!!",
                       "con il modello a punto materiale la distanza di azzeramento deve essere maggiore di "
                       "zero; correggerla o scegliere il modello classico"};
    if (righe && std::min(prima, ultima) < 0)
        return Rifiuto{"CAMBIA DISTANZE!!",
                       "con il modello a punto materiale le distanze della tabella partono da zero; usare "
                       "distanze non negative o scegliere il modello classico"};
    const double portata = t.Portata();
    if (!(portata >= zero))
        return Rifiuto{"CAMBIA DISTANZA!!",
                       "con il modello a punto materiale la palla non arriva alla distanza di azzeramento; "
                       "ridurre la distanza di azzeramento"};
    if (righe && std::max(prima, ultima) > portata)
        return Rifiuto{"DISTANZA TROPPO GRANDE!!",
                       "con il modello a punto materiale la tabella si può calcolare fino a " +
                           FormattaNumero(std::floor(portata), kSchemaDistanza) +
                           " m; ridurre le distanze della tabella"};
    return std::nullopt;
}

ShotData RigaA(const Traiettoria& t, double distanza) {
    ShotData riga;
    riga.Distanza = S(distanza);
    t.CalcolaRiga(riga);
    return riga;
}

float EnergiaCinetica(float velocita, double pesoGrammi) {
    return S(std::pow(static_cast<double>(velocita), 2) * pesoGrammi / 2000);
}

std::optional<TrattoUtile> TiroUtile(const Traiettoria& t, double bandaCm, std::optional<double> sopraCm) {
    const double sopra = sopraCm.value_or(bandaCm);
    std::optional<TrattoUtile> tratto;
    for (int metro = 0; metro <= kMassimoTiroUtile; ++metro) {
        const auto cm = CellaScarto(RigaA(t, metro));
        if (cm && *cm >= -bandaCm && *cm <= sopra) {
            if (!tratto) tratto = TrattoUtile{metro, metro};
            tratto->a = metro;
        } else if (tratto) {
            break;
        }
    }
    return tratto;
}

std::optional<double> CulmineCella(const Traiettoria& t, int fino) {
    std::optional<double> culmine;
    for (int metro = 0; metro <= fino; ++metro) {
        const auto cm = CellaScarto(RigaA(t, metro));
        if (!cm) return std::nullopt;
        culmine = std::max(culmine.value_or(*cm), *cm);
    }
    return culmine;
}

PuntoTraiettoria PuntoDaRiga(const ShotData& riga, double distanza) {
    PuntoTraiettoria p;
    p.distanza = distanza;
    p.scarto = S(riga.ScartoMira * 100.0);
    p.pendii[0] = riga.Scarto15;
    p.pendii[1] = riga.Scarto30;
    p.pendii[2] = riga.Scarto45;
    p.pendii[3] = riga.Scarto60;
    p.velocita = riga.Velocita;
    p.energia = riga.Energia;
    return p;
}

std::vector<double> DistanzeCampione(double da, double a, int punti) {
    std::vector<double> distanze;
    if (punti < 1) return distanze;
    if (punti == 1 || da == a) return {da};
    distanze.reserve(static_cast<size_t>(punti));
    for (int i = 0; i < punti; ++i) distanze.push_back(da + (a - da) * i / (punti - 1));
    return distanze;
}

std::vector<PuntoTraiettoria> Campiona(const Traiettoria& t, double da, double a, int punti) {
    std::vector<PuntoTraiettoria> campioni;
    for (double x : DistanzeCampione(da, a, punti)) campioni.push_back(PuntoDaRiga(RigaA(t, x), x));
    return campioni;
}

}  // namespace rigata
