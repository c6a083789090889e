#include "traiettoria.h"

#include <cmath>
#include <limits>

#include "modello.h"
#include "numeri.h"
#include "puntomateriale.h"
#include "tabella.h"

namespace rigata {

namespace {

// The closed form: the row formula on a copy of the zeroed record, its row
// fields handed back, and its slope rule on the chosen slope.
class Classico : public Traiettoria {
public:
    Classico(const ShotData& d, std::optional<double> pendio) : d_(d), pendio_(pendio) {}
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

private:
    ShotData d_;
    std::optional<double> pendio_;
};

std::unique_ptr<Traiettoria> Crea(const ShotData& d, const Scelte& m, double distanzaMassima, bool pendii) {
    if (m.modello == TipoModello::Classico) return std::make_unique<Classico>(d, m.pendio);
    return std::make_unique<PuntoMateriale>(d, m, distanzaMassima, pendii);
}

double ScartoCm(const Traiettoria& t, double distanza) {
    ShotData riga;
    riga.Distanza = static_cast<float>(distanza);
    t.CalcolaRiga(riga);
    return riga.ScartoMira * 100.0;
}

}  // namespace

std::unique_ptr<Traiettoria> CreaTraiettoria(const ShotData& d, const Scelte& m, double distanzaMassima) {
    return Crea(d, m, distanzaMassima, true);
}

std::optional<double> ZeroPerBanda(const ShotData& d, const Scelte& m, double bandaCm) {
    if (!(bandaCm > 0) || !std::isfinite(bandaCm)) return std::nullopt;
    // The highest point of the path over the line of sight between the muzzle
    // and a zero at x0 (cm), or NaN when the model cannot zero there. The
    // path is concave: golden section.
    auto colmo = [&](double x0) {
        ShotData copia = d;
        copia.DistanzaAzzeramento = static_cast<float>(x0);
        CalcolaCadutaZero(copia);  // the closed form's zero; the point mass zeroes itself
        const auto t = Crea(copia, m, x0, false);
        if (!(t->Portata() >= x0)) return std::numeric_limits<double>::quiet_NaN();
        const double r = (std::sqrt(5.0) - 1) / 2;
        double a = 0, b = copia.DistanzaAzzeramento;
        double c = b - r * (b - a), e = a + r * (b - a);
        double fc = ScartoCm(*t, c), fe = ScartoCm(*t, e);
        for (int i = 0; i < 60; ++i) {
            if (fc < fe) {
                a = c, c = e, fc = fe;
                e = a + r * (b - a), fe = ScartoCm(*t, e);
            } else {
                b = e, e = c, fe = fc;
                c = b - r * (b - a), fc = ScartoCm(*t, c);
            }
        }
        return std::max({ScartoCm(*t, 0), ScartoCm(*t, copia.DistanzaAzzeramento), fc, fe});
    };
    // The highest point rises with the zero distance: widen, then bisect.
    double basso = 1, alto = 50;
    if (!(colmo(basso) < bandaCm)) return std::nullopt;
    for (;;) {
        const double f = colmo(alto);
        if (std::isnan(f) || alto > 1e5) return std::nullopt;
        if (f >= bandaCm) break;
        basso = alto;
        alto *= 2;
    }
    for (int i = 0; i < 40 && alto - basso > 1e-4; ++i) {
        const double medio = 0.5 * (basso + alto);
        const double f = colmo(medio);
        (std::isnan(f) || f >= bandaCm ? alto : basso) = medio;
    }
    return 0.5 * (basso + alto);
}

std::optional<TrattoUtile> TiroUtileDi(const Traiettoria& t, double bandaCm) {
    std::optional<TrattoUtile> tratto;
    ShotData riga;
    for (int metro = 0; metro <= kMassimoTiroUtile; ++metro) {
        riga.Distanza = static_cast<float>(metro);
        t.CalcolaRiga(riga);
        // Judged on the cell the table shows (cm, one decimal), read back.
        const std::string cella = FormattaNumero(static_cast<float>(riga.ScartoMira * 100.0), "###0.0", ".");
        const double cm = LeggiNumero(cella);
        if (!cella.empty() && cm >= -bandaCm && cm <= bandaCm) {
            if (!tratto) tratto = TrattoUtile{metro, metro};
            tratto->a = metro;
        } else if (tratto) {
            break;
        }
    }
    return tratto;
}

}  // namespace rigata
