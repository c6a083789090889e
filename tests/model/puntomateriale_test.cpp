// The point-mass model against trajectories of independent solvers, the air,
// the wind, the slopes against a flight of its own, and a sweep of bullets,
// air and requests that must never give a non-finite row within the reach.
#include "puntomateriale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

#include "casi.h"
#include "modello.h"
#include "palla.h"
#include "tabella.h"
#include "tabelleresistenza.h"
#include "traiettoria.h"

using namespace rigata;

namespace {

constexpr double kYd = 0.9144, kPollice = 2.54, kPiede = 0.3048;
constexpr double kMoa = 3.14159265358979323846 / 180 / 60;

// The record as the program has it for a request: entry fields, the closed
// form's air and drag, the request stored and zeroed (AltezzaMira in m).
ShotData Record(double grani, double velocita, double coeff, double miraMm, double zero, float temperatura = 15,
                int16_t quota = 0, double vento = 0) {
    ShotData d = prova::PallaInAria(quota, temperatura, coeff, 0.308f, float(grani), float(velocita));
    ApplicaRichiesta(d, RichiestaTabella{zero, 0, 500, 20, vento, miraMm});
    CalcolaAzzeramento(d);
    return d;
}

Scelte Modello(TipoModello tipo, std::optional<double> pressione = std::nullopt, double umidita = 0,
                    double angolo = 90) {
    Scelte m;
    m.modello = tipo, m.pressione = pressione, m.umidita = umidita, m.angoloVento = angolo;
    return m;
}

// Level fire over a horizontal line of sight, zeroed in the same air, RH 78 %.
struct PuntoAtteso {
    double yd, pollici, piediS, secondi;
};
struct CasoVerifica {
    const char* nome;
    TipoModello tipo;
    double coeff, grani, piediS, miraPollici, zeroYd;
    std::vector<PuntoAtteso> punti;
};
class Verifica : public ::testing::TestWithParam<CasoVerifica> {};
TEST_P(Verifica, PercorsoVelocitaTempo) {
    const auto& c = GetParam();
    const ShotData d = Record(c.grani, c.piediS * kPiede, c.coeff, c.miraPollici * 25.4, c.zeroYd * kYd);
    const auto t = CreaTraiettoria(d, Modello(c.tipo, 1013.21, 78), 1000 * kYd);
    for (const auto& p : c.punti) {
        SCOPED_TRACE(p.yd);
        const ShotData r = RigaA(*t, p.yd * kYd);
        const double cm = p.pollici * kPollice;
        EXPECT_NEAR(r.ScartoMira * 100, cm, std::max(0.5, std::fabs(cm) * (p.yd <= 500 ? 0.005 : 0.01)));
        EXPECT_NEAR(r.Velocita, p.piediS * kPiede, p.piediS * kPiede * 0.003);
        EXPECT_NEAR(r.TempoVolo, p.secondi, 0.002);
    }
}
const CasoVerifica kVerifiche[] = {
    {"G1 zero 100 yd", TipoModello::G1, 0.365, 65, 2600, 2.5, 100,
     {{0, -2.5, 2600, 0}, {100, 0, 2360.6, .121}, {200, -3.8, 2133.9, .255}, {300, -15.2, 1920.1, .403},
      {400, -36.1, 1720.5, .568}, {500, -68.8, 1537.5, .753}, {600, -116.2, 1374.5, .959},
      {800, -270.8, 1126.2, 1.444}, {1000, -534.8, 984.7, 2.018}}},
    {"G7 zero 300 yd", TipoModello::G7, 0.465, 65, 3200, 3.2, 300,
     {{100, 1.6, 3093.7, .095}, {200, 2.7, 2988.9, .194}, {300, 0, 2885.6, .296}, {400, -6.9, 2784.1, .402},
      {500, -18.3, 2684.4, .512}, {600, -34.5, 2586.5, .626}, {800, -83.0, 2396.8, .867},
      {1000, -155.7, 2215.3, 1.127}}},
};
TABELLA(Verifica, CasoVerifica, kVerifiche);

// Bore elevation over the line of sight (69 grains, sight 3.2 in unless said).
struct CasoAlzo {
    const char* nome;
    TipoModello tipo;
    double coeff, piediS, miraPollici, zero, pressione, umidita, moa;
};
class Alzo : public ::testing::TestWithParam<CasoAlzo> {};
TEST_P(Alzo, Moa) {
    const auto& c = GetParam();
    const ShotData d = Record(69, c.piediS * kPiede, c.coeff, c.miraPollici * 25.4, c.zero);
    const PuntoMateriale t(d, Modello(c.tipo, c.pressione, c.umidita), c.zero);
    ASSERT_TRUE(t.Azzerata());
    EXPECT_NEAR(t.AlzoCanna() / kMoa, c.moa, 0.05);
    EXPECT_NEAR(RigaA(t, c.zero).ScartoMira, 0, 1e-4);
}
const double kHg = 29.95 * 33.8639;
const CasoAlzo kAlzi[] = {
    {"ICAO G1", TipoModello::G1, 0.365, 2600, 3.2, 100 * kYd, 1013.25, 0, 0.0016514 / kMoa},
    {"ICAO G7", TipoModello::G7, 0.223, 2750, 2, 100 * kYd, 1013.25, 0, 0.0012286 / kMoa},
    {"G1 100 yd", TipoModello::G1, 0.365, 2600, 3.2, 100 * kYd, kHg, 78, 5.674},
    {"G1 25 yd", TipoModello::G1, 0.365, 2600, 3.2, 25 * kYd, kHg, 78, 12.84},
    {"G1 375 yd", TipoModello::G1, 0.365, 2600, 3.2, 375 * kYd, kHg, 78, 12.78},
    {"G7 200 m", TipoModello::G7, 0.47, 725 / kPiede, 3.2, 200, kHg, 78, 8.171},
};
TABELLA(Alzo, CasoAlzo, kAlzi);

TEST(PuntoMateriale, ArieUmidaEFreddaPiuLeggereOPiuDense) {
    // Humid air is lighter: the G1 case in dry air ends 2.66 in lower at 1000 yd.
    const ShotData g1 = Record(65, 2600 * kPiede, 0.365, 63.5, 100 * kYd);
    const auto umida = CreaTraiettoria(g1, Modello(TipoModello::G1, 1013.21, 78), 1000 * kYd);
    const auto secca = CreaTraiettoria(g1, Modello(TipoModello::G1, 1013.21, 0), 1000 * kYd);
    EXPECT_NEAR((RigaA(*secca, 1000 * kYd).ScartoMira - RigaA(*umida, 1000 * kYd).ScartoMira) * 100, -2.66 * kPollice, 1.5);
    // The temperature typed is the air's: cold air is denser, the path lower.
    auto a500 = [](float gradi) {
        const ShotData d = Record(95, 965, 0.379, 50, 225, gradi, 450);
        return RigaA(*CreaTraiettoria(d, Modello(TipoModello::G1), 500), 500).ScartoMira * 100;
    };
    EXPECT_GT(a500(35) - a500(-10), 4.0);
    // Without a station pressure, the standard one at the altitude.
    const ShotData alto = Record(95, 965, 0.379, 50, 225, 15, 1500);
    EXPECT_NEAR(AriaDi(alto, Modello(TipoModello::G1)).pressione, 845.6, 0.1);
}

// Wind from 90 deg pushes the bullet to the side the closed form's positive
// wind does, from 270 as far the other way; from behind or ahead, at any turn
// of 360, it moves it sideways not at all: the drift cell reads 0.0, not -0.0.
TEST(PuntoMateriale, Vento) {
    const ShotData d = Record(95, 965, 0.379, 50, 225, 15, 450, 5);
    auto a400 = [&](double angolo) { return RigaA(*CreaTraiettoria(d, Modello(TipoModello::G1, {}, 0, angolo), 400), 400); };
    const ShotData traverso = a400(90), coda = a400(0), fronte = a400(180), opposto = a400(270);
    EXPECT_GT(traverso.DerivaVento, 10);
    EXPECT_LT(traverso.DerivaVento, 60);
    EXPECT_EQ(opposto.DerivaVento, -traverso.DerivaVento);
    for (double angolo : {0.0, 180.0, 360.0, -180.0}) {
        EXPECT_EQ(CelleTabVari(a400(angolo), ".")[5], "0.0") << angolo;
        EXPECT_EQ(a400(angolo).Velocita, (angolo == 180 || angolo == -180 ? fronte : coda).Velocita) << angolo;
    }
    ShotData chiusa = d;
    chiusa.Distanza = 400;
    CalcolaRiga(chiusa);
    EXPECT_NEAR(traverso.DerivaVento, chiusa.DerivaVento, 0.3 * chiusa.DerivaVento);
}

// The impact over a tilted line of sight (cm) at each distance along it, from
// a flight of its own: integrated in the world's frame (x forward and level,
// y up, z to the side) with the horizontal wind as it blows, the line of
// sight tilted by gradi and the bore alzo above it, the air thinning upward
// in the standard lapse. Nothing is turned into the line's frame until the
// flight crosses each distance.
std::vector<double> ScartiNelMondo(const ShotData& d, const Scelte& m, double alzo, double gradi,
                                   const std::vector<double>& distanze) {
    using V3 = std::array<double, 3>;
    const AriaPuntoMateriale aria = AriaDi(d, m);
    const double g = 9.80665, pendio = gradi * kMoa * 60, lapse = 0.0065;
    const double esponente = g * 0.0289644 / (8.3144598 * lapse) - 1;
    const double c = d.CoeffBalistico * 0.45359237 / (0.0254 * 0.0254);  // lb/in2 in kg/m2
    const double venti = m.angoloVento * kMoa * 60;
    const V3 w = {d.VelocitaVento * std::cos(venti), 0, d.VelocitaVento * std::sin(venti)};
    const auto f = m.modello == TipoModello::G7 ? FunzioneResistenza::G7 : FunzioneResistenza::G1;
    auto acc = [&](const V3& p, const V3& v) {
        const double rapporto = 1 - lapse * p[1] / aria.temperatura;
        const V3 r = {v[0] - w[0], v[1] - w[1], v[2] - w[2]};
        const double vr = std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]);
        const double k = aria.densita * std::pow(rapporto, esponente) * 3.14159265358979 / 8 / c *
                         CoeffResistenzaStandard(f, vr / (aria.velocitaSuono * std::sqrt(rapporto))) * vr;
        return V3{-k * r[0], -k * r[1] - g, -k * r[2]};
    };
    auto piu = [](const V3& a, const V3& b, double h) { return V3{a[0] + h * b[0], a[1] + h * b[1], a[2] + h * b[2]}; };
    const double u[] = {std::cos(pendio), std::sin(pendio)}, n[] = {-u[1], u[0]};
    V3 p{}, v = {d.VelocitaBocca * std::cos(pendio + alzo), d.VelocitaBocca * std::sin(pendio + alzo), 0};
    std::vector<double> scarti;
    const double dt = 1e-4;
    while (scarti.size() < distanze.size()) {
        const V3 a1 = acc(p, v), a2 = acc(piu(p, v, dt / 2), piu(v, a1, dt / 2));
        const V3 a3 = acc(piu(p, piu(v, a1, dt / 2), dt / 2), piu(v, a2, dt / 2));
        const V3 a4 = acc(piu(p, piu(v, a2, dt / 2), dt), piu(v, a3, dt));
        V3 dopo = p, vDopo = v;
        for (int i = 0; i < 3; ++i) {
            const double v2 = v[i] + dt / 2 * a1[i], v3 = v[i] + dt / 2 * a2[i], v4 = v[i] + dt * a3[i];
            dopo[i] += dt / 6 * (v[i] + 2 * v2 + 2 * v3 + v4);
            vDopo[i] += dt / 6 * (a1[i] + 2 * a2[i] + 2 * a3[i] + a4[i]);
        }
        const double s0 = p[0] * u[0] + p[1] * u[1], s1 = dopo[0] * u[0] + dopo[1] * u[1];
        for (double x = distanze[scarti.size()]; s1 >= x && scarti.size() < distanze.size();) {
            const double f = (x - s0) / (s1 - s0);
            const double n0 = p[0] * n[0] + p[1] * n[1], n1 = dopo[0] * n[0] + dopo[1] * n[1];
            scarti.push_back((n0 + f * (n1 - n0) - d.AltezzaMira) * 100);
            if (scarti.size() < distanze.size()) x = distanze[scarti.size()];
        }
        p = dopo, v = vDopo;
    }
    return scarti;
}

// The chosen slope and, at 15..60 degrees, the field table's column in the
// chosen direction, against that flight at 100, 300 and 500 m, the bore
// elevation taken from the model (zeroed on level ground in calm air).
struct CasoPendio {
    const char* nome;
    TipoModello tipo;
    double gradi, angoloVento;
};
class PendioNelMondo : public ::testing::TestWithParam<CasoPendio> {};
TEST_P(PendioNelMondo, ComeIlVoloNelMondo) {
    const CasoPendio& c = GetParam();
    const ShotData d = Record(95, 965, 0.379, 50, 225, 15, 450, 5);
    Scelte m = Modello(c.tipo, {}, 0, c.angoloVento);
    m.pendio = c.gradi;
    m.versoPendii = c.gradi < 0 ? VersoPendii::Discesa : VersoPendii::Salita;
    const PuntoMateriale t(d, m, 500);
    ASSERT_TRUE(t.Azzerata());
    const std::vector<double> distanze = {100, 300, 500};
    const auto attesi = ScartiNelMondo(d, m, t.AlzoCanna(), c.gradi, distanze);
    const int colonna = std::fmod(c.gradi, 15) == 0 ? int(std::fabs(c.gradi) / 15) - 1 : -1;
    for (size_t i = 0; i < distanze.size(); ++i) {
        SCOPED_TRACE(distanze[i]);
        const ShotData r = RigaA(t, distanze[i]);
        EXPECT_NEAR(r.ScartoPendio, attesi[i], 0.1);
        const float campagna[] = {r.Scarto15, r.Scarto30, r.Scarto45, r.Scarto60};
        if (colonna >= 0) {
            EXPECT_NEAR(campagna[colonna], attesi[i], 0.1);
        }
    }
}
const CasoPendio kPendiiNelMondo[] = {
    {"G1 in salita di 30 vento da dietro", TipoModello::G1, 30, 0},
    {"G1 in discesa di 30 vento da dietro", TipoModello::G1, -30, 0},
    {"G7 in discesa di 60 vento da dietro", TipoModello::G7, -60, 0},
    {"G7 in salita di 45 vento da dietro", TipoModello::G7, 45, 0},
    {"G1 in salita di 12.5 vento contro", TipoModello::G1, 12.5, 180},
    {"G1 in discesa di 45 vento da 45", TipoModello::G1, -45, 45},
};
TABELLA(PendioNelMondo, CasoPendio, kPendiiNelMondo);

// Up and down the same slope in calm vacuum (a coefficient no drag can
// touch): the paths differ only by gravity along the line, -g sin, which
// slows the bullet uphill and speeds it downhill; each is the parabola's.
TEST(PuntoMateriale, SalitaEDiscesaNelVuoto) {
    const double g = 9.80665;
    const ShotData vuoto = Record(95, 965, 1e6, 50, 225, 15, 450);
    for (double gradi : {30.0, -30.0}) {
        Scelte m = Modello(TipoModello::G1);
        m.pendio = gradi;
        const PuntoMateriale t(vuoto, m, 1000);
        const double a = t.AlzoCanna(), v0 = vuoto.VelocitaBocca, seno = std::sin(gradi * kMoa * 60);
        for (double x : {300.0, 1000.0}) {
            SCOPED_TRACE(testing::Message() << gradi << " gradi a " << x << " m");
            const double tempo = (v0 * std::cos(a) - std::sqrt(std::pow(v0 * std::cos(a), 2) - 2 * g * seno * x)) / (g * seno);
            const double n = v0 * std::sin(a) * tempo - g * std::cos(gradi * kMoa * 60) * tempo * tempo / 2;
            EXPECT_NEAR(RigaA(t, x).ScartoPendio, (n - vuoto.AltezzaMira) * 100, 0.01);
        }
    }
}

// Velocity pairs: the coefficient follows the air speed, held past the ends.
TEST(PuntoMateriale, CoppieDiVelocita) {
    const ShotData d = Record(95, 965, 0.379, 50, 225);
    Scelte m = Modello(TipoModello::G1);
    const float semplice = RigaA(*CreaTraiettoria(d, m, 500), 500).Velocita;
    m.coppie = {{1000, 0.379}, {400, 0.379}};
    EXPECT_FLOAT_EQ(RigaA(*CreaTraiettoria(d, m, 500), 500).Velocita, semplice);
    m.coppie = {{900, 0.379}, {700, 0.30}};  // below 900 m/s a lower coefficient
    const float calante = RigaA(*CreaTraiettoria(d, m, 500), 500).Velocita;
    EXPECT_LT(calante, semplice - 20);
    m.coppie = {{700, 0.30}, {900, 0.379}, {950, 0.379}};
    EXPECT_FLOAT_EQ(RigaA(*CreaTraiettoria(d, m, 500), 500).Velocita, calante);
}

TEST(PuntoMateriale, TabelleDiResistenza) {
    EXPECT_DOUBLE_EQ(CoeffResistenzaStandard(FunzioneResistenza::G1, 1.0), 0.4805);
    EXPECT_DOUBLE_EQ(CoeffResistenzaStandard(FunzioneResistenza::G7, 1.0125), (0.3803 + 0.4015) / 2);
    EXPECT_DOUBLE_EQ(CoeffResistenzaStandard(FunzioneResistenza::G7, 7.0), 0.1618);
    EXPECT_DOUBLE_EQ(CoeffResistenzaStandard(FunzioneResistenza::G1, 0.0), 0.2629);
}

// Any bullet, air and request: finite rows up to the reach, none beyond it
// or before the muzzle.
TEST(PuntoMateriale, FinitoFinoAllaPortata) {
    std::mt19937 caso(20261207);
    auto tra = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(caso); };
    int oltre = 0;
    for (int i = 0; i < 120; ++i) {
        ShotData d = prova::PallaACaso(caso);
        ApplicaRichiesta(d, RichiestaTabella{tra(10, 1000), 0, 3000, 50, tra(0, 30), tra(-100, 100)});
        CalcolaAzzeramento(d);
        Scelte m = Modello(i % 2 ? TipoModello::G7 : TipoModello::G1, i % 3 ? std::optional<double>(tra(500, 1100)) : std::nullopt,
                                tra(0, 100), tra(0, 360));
        const PuntoMateriale t(d, m, 3000);
        SCOPED_TRACE(i);
        if (!t.Azzerata()) {
            EXPECT_TRUE(std::isnan(RigaA(t, 0).ScartoMira));
            continue;
        }
        const double portata = t.Portata();
        ASSERT_GE(portata, 0);
        auto finita = [&](double x) {
            const ShotData r = RigaA(t, x);
            const float campi[] = {r.Caduta, r.Ordinata, r.Velocita, r.Energia, r.TempoVolo, r.DerivaVento,
                                   r.CorrezioneMira, r.ScartoMira, r.Scarto15, r.Scarto30, r.Scarto45, r.Scarto60};
            return std::all_of(std::begin(campi), std::end(campi), [](float v) { return std::isfinite(v); });
        };
        for (double x = 0; x <= std::min(portata, 3000.0); x += std::min(portata, 3000.0) / 60)
            ASSERT_TRUE(finita(x)) << x;
        if (portata < 3000) {
            ++oltre;
            EXPECT_FALSE(finita(portata + 1));
        }
        EXPECT_GE(t.PortataPiana(), portata);
        if (t.PortataPiana() < 3000) {
            EXPECT_TRUE(std::isnan(RigaA(t, t.PortataPiana() + 1).ScartoMira));
        }
        EXPECT_TRUE(std::isnan(RigaA(t, -1).Velocita));
    }
    EXPECT_GT(oltre, 5);
}

}  // namespace
