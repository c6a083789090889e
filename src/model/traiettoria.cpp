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
        return InLong(RegolaZeroOttimale(d_, bandaCm).distanza);
    }

private:
    ShotData d_;
    std::optional<double> pendio_;
};

// The level point of impact as the table writes it (cm, one decimal), read
// back: the band is judged on the figure the hunter reads.
bool NellaFascia(const ShotData& riga, double bandaCm) {
    const std::string cella = FormattaNumero(S(riga.ScartoMira * 100.0), kSchemaCentimetri, ".");
    if (cella.empty()) return false;  // beyond the model's range
    const double cm = LeggiNumero(cella);
    return cm >= -bandaCm && cm <= bandaCm;
}

}  // namespace

std::unique_ptr<Traiettoria> CreaTraiettoria(const ShotData& d, const Scelte& m, double distanzaMassima) {
    if (m.modello == TipoModello::Classico) return std::make_unique<Classico>(d, m.pendio);
    return std::make_unique<PuntoMateriale>(d, m, distanzaMassima);
}

std::unique_ptr<Traiettoria> CreaConfronto(const ShotData& d, const Scelte& m) {
    if (m.modello == TipoModello::Classico) return nullptr;
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

std::optional<TrattoUtile> TiroUtile(const Traiettoria& t, double bandaCm) {
    std::optional<TrattoUtile> tratto;
    for (int metro = 0; metro <= kMassimoTiroUtile; ++metro) {
        if (NellaFascia(RigaA(t, metro), bandaCm)) {
            if (!tratto) tratto = TrattoUtile{metro, metro};
            tratto->a = metro;
        } else if (tratto) {
            break;
        }
    }
    return tratto;
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
