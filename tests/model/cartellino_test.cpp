// The hunter's card: band zero, energy limits and scope corrections checked
// against the table's own cells at 1 m steps (CalcolaRiga and CelleTabVari,
// never the code under test), for the .243 bullet of 95 grains at 450 m with
// the trajectory screen's default request.
#include "cartellino.h"

#include <cmath>

#include "casi.h"
#include "modello.h"
#include "numeri.h"
#include "palla.h"
#include "tabella.h"

using namespace rigata;

namespace {

const TabellaCalcolata kT = prova::Tabella();
const ShotData kD = kT.Dati();

// The table's cell of column c at metre x for the record zeroed at zero.
std::string Cella(int x, size_t c, float zero = 225) {
    ShotData r = prova::PallaInAria();
    ApplicaRichiesta(r, {zero, 0, 500, 20, 5, 50});
    CalcolaAzzeramento(r);
    r.Distanza = static_cast<float>(x);
    CalcolaRiga(r);
    return CelleTabVari(r, ".")[c];
}
std::string Virgola(std::string t) { return t.replace(t.find('.'), 1, ","); }
// "da A m a B m": the first unbroken stretch from the muzzle whose impact
// cells, with the record zeroed at zero, lie within +-banda.
std::string Tratto(float zero, double banda) {
    int da = -1, a = -1;
    for (int x = 0; x <= 5000; ++x) {
        const bool dentro = std::fabs(LeggiNumero(Cella(x, 7, zero))) <= banda;
        if (dentro && da < 0) da = x;
        if (dentro) a = x;
        else if (da >= 0) break;
    }
    return "da " + std::to_string(da) + " m a " + std::to_string(a) + " m";
}

// The band zero of the closed form: at 6 cm its optimal zero, otherwise the
// farthest metre whose highest point stays within the band; the 100 m
// impact and the stretch are the cells of the table zeroed there.
struct CasoBanda {
    const char* nome;
    double banda;
    const char* testo;
    int zero;
};
class ZeroDellaBanda : public ::testing::TestWithParam<CasoBanda> {};
TEST_P(ZeroDellaBanda, ZeroScartoACentoETratto) {
    const CasoBanda& b = GetParam();
    const std::string atteso = std::string("Con banda ") + b.testo + ": azzerare a m " + std::to_string(b.zero) +
                               "; a 100 m il colpo va " + Virgola(Cella(100, 7, b.zero)) + " cm alto; tiro utile " +
                               Tratto(b.zero, b.banda);
    Scelte c;
    c.banda = b.banda;
    EXPECT_EQ(ComponiRiepilogo(kT, c, ",").zeroBanda, atteso);
}
const CasoBanda kBande[] = {
    {"quattro", 4, "±4 cm", 197}, {"sei come l ottimale", 6, "±6 cm", 225}, {"quattro e mezzo", 4.5, "±4,5 cm", 204},
    {"due e mezzo", 2.5, "±2,5 cm", 172}};
TABELLA(ZeroDellaBanda, CasoBanda, kBande);

// The band sentence's other forms: an impact below the line (its size
// without sign), a top above the band, one that reads 0.0 either side, none
// at 100 m, no stretch, no zero.
TEST(FraseBanda, AltreForme) {
    const std::optional<TrattoUtile> tratto = TrattoUtile{3, 90};
    const std::string inizio = "Con banda ±2,5 cm: ";
    EXPECT_EQ(TestoZeroBanda(2.5, ZeroBanda{80, -1.25f, tratto, {}}, ","),
              inizio + "azzerare a m 80; a 100 m il colpo va 1,3 cm basso; tiro utile da 3 m a 90 m");
    EXPECT_EQ(TestoZeroBanda(2.5, ZeroBanda{80, 2.5f, tratto, 2.625}, ","),
              inizio + "azzerare a m 80; a 100 m il colpo va 2,5 cm alto; tiro utile da 3 m a 90 m, con il punto "
                       "più alto a 2,6 cm");
    EXPECT_EQ(TestoZeroBanda(2.5, ZeroBanda{80, -0.04f, std::nullopt, {}}, ","),
              inizio + "azzerare a m 80; a 100 m il colpo è sulla linea di mira; nessuna distanza entro la banda");
    EXPECT_EQ(TestoZeroBanda(2.5, ZeroBanda{0, NAN, std::nullopt, {}}, ","),
              inizio + "azzerare a m 0; nessuna distanza entro la banda");
    EXPECT_EQ(TestoZeroBanda(2.5, std::nullopt, ","), inizio + "nessun azzeramento tiene il colpo entro la banda");
}

// The whole summary: the optimal zero, the band zero, the range of the
// record's own zero, then the energy at 100 m and the last metre at or above
// each threshold, read from the energy cells at 1 m steps; its lines in that
// order.
TEST(Riepilogo, EnergieDallaTabella) {
    Scelte c;
    c.soglie = {1000, 1500, 2000, 3000, 0.1, LeggiNumero(Cella(100, 4))};  // the last: met at 100 m exactly
    const Riepilogo r = ComponiRiepilogo(kT, c, ".");
    EXPECT_EQ(r.zeroOttimale, kTestoDistanzaOttimale + std::string("225"));
    EXPECT_EQ(r.tiroUtile, "Tiro utile (±6 cm): " + Tratto(225, 6));
    EXPECT_EQ(r.energia100, "Energia a 100 m: " + Cella(100, 4) + " J");
    ASSERT_EQ(r.soglie.size(), 6u);
    for (size_t i = 0; i < 3; ++i) {
        int ultimo = -1;
        for (int x = 0; x <= 5000; ++x)
            if (LeggiNumero(Cella(x, 4)) >= c.soglie[i]) ultimo = x;
        EXPECT_EQ(r.soglie[i], "Energia ≥ " + TestoIntero(static_cast<long long>(c.soglie[i])) + " J fino a m " +
                                   std::to_string(ultimo));
    }
    EXPECT_EQ(r.soglie[3], "Energia ≥ 3000 J: già sotto alla bocca (" + Cella(0, 4) + " J)");
    EXPECT_EQ(r.soglie[4], "Energia ≥ 0.1 J fino a m 5000 e oltre");
    EXPECT_EQ(r.soglie[5], "Energia ≥ " + Cella(100, 4) + " J fino a m 100");
    EXPECT_EQ(r.nota, kNotaEnergia);
    std::vector<std::string> righe{r.zeroOttimale, r.zeroBanda, r.tiroUtile, r.energia100};
    righe.insert(righe.end(), r.soglie.begin(), r.soglie.end());
    righe.push_back(r.nota);
    EXPECT_EQ(r.Righe(), righe);
}

// Corrections: -impact / distance in the unit (1 mrad = 10 cm at 100 m, 1 MOA
// = 100 m x pi / 10800 = 2.9088821 cm), clicks to the nearest, halves away
// from zero; the wind's from the "Dev.Vento (cm)" cell's value, -DerivaVento.
struct CasoUnita {
    const char* nome;
    UnitaCorrezione unita;
    double click, cmA100, mezzaUnita;  // click 0: the unit's usual one, 0.1 mrad
    const char* intestazione;
};
class Correzione : public ::testing::TestWithParam<CasoUnita> {};
TEST_P(Correzione, MisuraEClickDiOgniRiga) {
    const CasoUnita& u = GetParam();
    Scelte c;
    c.unita = u.unita;
    if (u.click) c.click = u.click;
    EXPECT_EQ(IntestazioniCorrezione(u.unita).correzione, std::string("Correzione (") + u.intestazione + ")");
    ShotData d = kD;
    CalcRisultati(d, [&](const ShotData& r) {
        const auto celle = CelleCorrezioneRiga(r, c, ".").InOrdine();
        if (r.Distanza == 0 || u.unita == UnitaCorrezione::Nessuna) {
            EXPECT_EQ(celle, CelleCorrezione{}.InOrdine());
            return;
        }
        const double scarti[] = {r.ScartoMira * 100.0, -static_cast<double>(r.DerivaVento)};
        for (size_t i = 0; i < 2; ++i) {
            const double misura = -static_cast<float>(scarti[i]) / r.Distanza * 100 / u.cmA100;
            EXPECT_NEAR(LeggiNumero(celle[2 * i]), misura, u.mezzaUnita) << r.Distanza;
            EXPECT_EQ(celle[2 * i + 1], TestoIntero(std::llround(misura / (u.click ? u.click : 0.1)))) << r.Distanza;
        }
    });
}
const CasoUnita kUnita[] = {
    {"mrad click usuale", UnitaCorrezione::Mrad, 0, 10, 0.005, "mrad"},
    {"nessuna unita", UnitaCorrezione::Nessuna, 0, 1, 0, ""},
    {"cm ogni 100 m", UnitaCorrezione::Cm100, 1, 1, 0.05, "cm/100 m"},
    {"MOA un ottavo", UnitaCorrezione::Moa, 0.125, 2.9088821, 0.005, "MOA"},
};
TABELLA(Correzione, CasoUnita, kUnita);

// The card: every step to the table's end, the energy cell of the table, the
// highest threshold met.
TEST(Cartellino, RigheESoglie) {
    Scelte c;
    c.unita = UnitaCorrezione::Moa;
    const auto k = std::get<Cartellino>(ComponiCartellino(kT, c, kPassoCartellino, "."));
    ASSERT_EQ(k.righe.size(), 10u);
    for (size_t i = 0; i < k.righe.size(); ++i) {
        const int x = 50 * static_cast<int>(i + 1);
        EXPECT_EQ(k.righe[i][0], std::to_string(x));
        EXPECT_EQ(k.righe[i][1], Cella(x, 7));
        EXPECT_EQ(k.righe[i][4], Cella(x, 4));
        const double e = LeggiNumero(Cella(x, 4));
        EXPECT_EQ(k.righe[i][5], e >= 2000 ? "≥ 2000" : e >= 1000 ? "≥ 1000" : "") << x;
    }
    EXPECT_EQ(std::get<std::string>(ComponiCartellino(kT, c, 30, ".")),
              "il cartellino ha posto per 15 righe: scegliere un passo di almeno 34 m");
    EXPECT_TRUE(std::holds_alternative<std::string>(ComponiCartellino(kT, c, 501, ".")));
}


}  // namespace
