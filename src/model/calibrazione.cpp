#include "calibrazione.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "costanti.h"
#include "modello.h"
#include "numeri.h"
#include "polvere.h"
#include "tabellacalcolata.h"
#include "traiettoria.h"

namespace rigata {

namespace {

// The velocities searched: those the entry takes, to a tenth.
constexpr double kMinima = kVelocitaBoccaMinima + 0.1, kMassima = kVelocitaBoccaMassima - 0.1;  // m/s
constexpr double kPasso = 25;         // m/s between the velocities tried for a change of side
constexpr double kTolleranza = 0.01;  // m/s, the bracket's width at the end of the bisection

// The level point of impact (cm, as the table stores it) at a distance for a
// typed muzzle velocity, through the table's own steps (the powder's
// correction, the drag at the velocity, the zero) without its checks; NaN
// where the model gives no row.
class Impatto {
public:
    Impatto(const ShotData& palla, const RichiestaTabella& r, const Scelte& m, double distanza)
        : palla_(palla), r_(r), m_(m), distanza_(distanza) {
        m_.pendio.reset();  // the level impact alone: no slope flown
    }
    double operator()(double v) const {
        ShotData d = palla_;
        d.VelocitaBocca = S(v);
        CalcolaResistenza(d);
        if (ApplicaPolvere(d, m_)) return std::numeric_limits<double>::quiet_NaN();
        ApplicaRichiesta(d, r_);
        CalcolaAzzeramento(d);
        return S(RigaA(*CreaTraiettoria(d, m_, distanza_), distanza_).ScartoMira * 100.0);
    }

private:
    ShotData palla_;
    RichiestaTabella r_;
    Scelte m_;
    double distanza_;
};

std::string Cm(double scarto) { return FormattaNumero(scarto, kSchemaCentimetri); }

// A bracket [da, a] of velocities whose impacts lie on either side of the
// one seen.
struct Intervallo {
    double da, a;
};

// From v0 outward, up and down by kPasso, the first pair of neighbouring
// velocities whose impacts (both given) lie on either side of scarto; the
// impacts met go into the range [minimo, massimo].
std::optional<Intervallo> CambioDiLato(const Impatto& impatto, double v0, double scarto, double& minimo, double& massimo) {
    const double f0 = impatto(v0) - scarto;
    if (f0 == 0) return Intervallo{v0, v0};
    minimo = massimo = f0 + scarto;
    double sopra = v0, fSopra = f0, sotto = v0, fSotto = f0;
    const int passi = static_cast<int>(std::ceil((kMassima - kMinima) / kPasso));
    for (int passo = 0; passo < passi && (sopra < kMassima || sotto > kMinima); ++passo) {
        for (int verso : {1, -1}) {
            double& v = verso > 0 ? sopra : sotto;
            double& f = verso > 0 ? fSopra : fSotto;
            if (verso > 0 ? v >= kMassima : v <= kMinima) continue;
            const double prossima = std::clamp(v + verso * kPasso, kMinima, kMassima);
            const double fProssima = impatto(prossima) - scarto;
            if (std::isfinite(fProssima)) {
                minimo = std::min(minimo, fProssima + scarto), massimo = std::max(massimo, fProssima + scarto);
                if (fProssima == 0 || (std::isfinite(f) && (f < 0) != (fProssima < 0)))
                    return verso > 0 ? Intervallo{v, prossima} : Intervallo{prossima, v};
            }
            v = prossima, f = fProssima;
        }
    }
    return std::nullopt;
}

// Bisection down to kTolleranza; the bracket's ends lie on either side.
double Bisezione(const Impatto& impatto, Intervallo i, double scarto) {
    double fDa = impatto(i.da) - scarto;
    if (fDa == 0) return i.da;
    while (i.a - i.da > kTolleranza) {
        const double medio = 0.5 * (i.da + i.a);
        const double f = impatto(medio) - scarto;
        if (f == 0) return medio;
        if (std::isfinite(f) && (f < 0) == (fDa < 0)) i.da = medio, fDa = f;
        else i.a = medio;
    }
    return 0.5 * (i.da + i.a);
}

Rifiuto RifiutoDistanza(const std::string& messaggio) { return Rifiuto{"CAMBIA DISTANZA!!", messaggio}; }

}  // namespace

std::variant<Calibrazione, Rifiuto> CalibraVelocita(const ShotData& palla, const RichiestaTabella& r,
                                                    const Scelte& m, double distanza, double scartoCm) {
    const auto tabella = TabellaCalcolata::Calcola(palla, r, m);
    if (const auto* rifiuto = std::get_if<Rifiuto>(&tabella)) return *rifiuto;
    const TabellaCalcolata& t = std::get<TabellaCalcolata>(tabella);
    const std::string testoDistanza = TestoNumeroScritto(distanza) + " m";
    if (!(distanza > 0) || !InSingle(distanza))
        return RifiutoDistanza("la distanza della calibrazione deve essere un numero di metri maggiore di zero");
    if (S(distanza) == t.Dati().DistanzaAzzeramento)
        return RifiutoDistanza("alla distanza di azzeramento (" + testoDistanza +
                               ") il colpo è sulla linea di mira con qualunque velocità; calibrare a un'altra "
                               "distanza, meglio se ben più lontana");
    const Impatto impatto(palla, r, m, distanza);
    if (!(distanza <= t.Modello().Portata()) || !std::isfinite(impatto(palla.VelocitaBocca)))
        return RifiutoDistanza("con il modello " + std::string(NomeModello(m.modello)) +
                               " e questi dati lo scarto a " + testoDistanza +
                               " non si può calcolare; calibrare a una distanza più vicina");
    if (!InSingle(scartoCm))
        return Rifiuto{"CAMBIA SCARTO!!", "lo scarto osservato deve essere un numero di centimetri"};

    double minimo = 0, massimo = 0;
    const auto intervallo = CambioDiLato(impatto, palla.VelocitaBocca, scartoCm, minimo, massimo);
    if (!intervallo)
        return Rifiuto{"CAMBIA SCARTO!!",
                       "nessuna velocità alla bocca fra " + TestoIntero(kVelocitaBoccaMinima) + " e " +
                           TestoIntero(kVelocitaBoccaMassima) + " m/s dà uno scarto di " + Cm(scartoCm) + " cm a " +
                           testoDistanza + " con questi dati (le velocità provate danno da " + Cm(minimo) +
                           " a " + Cm(massimo) + " cm); controllare lo scarto e il suo segno (+ sopra, - sotto il "
                           "punto mirato), la distanza e l'azzeramento"};
    const double radice = Bisezione(impatto, *intervallo, scartoCm);
    Calibrazione c;
    c.velocita = S(std::clamp(std::round(radice * 10) / 10, kMinima, kMassima));
    ShotData calibrata = palla;
    calibrata.VelocitaBocca = c.velocita;
    CalcolaResistenza(calibrata);
    const auto conCalibrata = TabellaCalcolata::Calcola(calibrata, r, m);
    if (const auto* rifiuto = std::get_if<Rifiuto>(&conCalibrata)) return *rifiuto;
    c.scartoCm = S(RigaA(std::get<TabellaCalcolata>(conCalibrata).Modello(), distanza).ScartoMira * 100.0);
    return c;
}

std::string TestoCalibrazione(const Calibrazione& c, double distanza, std::string_view separatore) {
    const std::string velocita = FormattaNumero(c.velocita, kSchemaVelocita, separatore) + " m/s";
    return "Velocità alla bocca calibrata: " + velocita + "\nScarto a " + TestoSingolo(S(distanza), separatore) +
           " m con " + velocita + ": " + FormattaNumero(c.scartoCm, kSchemaCentimetri, separatore) + " cm\n";
}

std::variant<Calibrazione, Rifiuto> CalibraDaTesti(const ShotData& palla, const RichiestaTabella& r,
                                                   const Scelte& m, std::string_view distanza,
                                                   std::string_view scartoCm) {
    if (auto rifiuto = ControllaVirgole({{"distanza della calibrazione", distanza}, {"scarto osservato", scartoCm}}))
        return *rifiuto;
    return CalibraVelocita(palla, r, m, LeggiNumero(distanza), LeggiNumero(scartoCm));
}

}  // namespace rigata
