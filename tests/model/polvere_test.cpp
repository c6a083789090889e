// The powder's temperature: a table with a sensitivity is, cell for cell, the
// table of the corrected velocity typed in the data line, with either model,
// and so is its card (the drift for 1 m/s of wind flies the same velocity);
// the record keeps the typed velocity, so a table computed again from it
// corrects once; a corrected velocity outside the entry's limits is refused;
// the calculator of the sensitivity from two readings.
#include "polvere.h"

#include "cartellino.h"
#include "casi.h"
#include "numeri.h"
#include "palla.h"
#include "tabellacalcolata.h"

using namespace rigata;

namespace {

// Every cell of both layouts and the optimal zero line.
std::vector<std::string> Celle(const TabellaCalcolata& t) {
    std::vector<std::string> celle{TestoDistanzaOttimale(t)};
    t.Righe([&](const ShotData& r) {
        for (TipoTabella tipo : {TipoTabella::Vari, TipoTabella::Campagna})
            for (const std::string& c : CelleTabella(tipo, r, ".")) celle.push_back(c);
    });
    return celle;
}

// The air of prova::PallaInAria is at 15 degrees.
struct CasoPolvere {
    const char* nome;
    TipoModello modello;
    double sensibilita, riferimento;
    std::optional<double> cartuccia;
    float corretta;  // 965 + sensibilita x (cartuccia - riferimento), worked out by hand
};
class Polvere : public ::testing::TestWithParam<CasoPolvere> {};
TEST_P(Polvere, ComeLaVelocitaCorrettaScritta) {
    const CasoPolvere& c = GetParam();
    Scelte m;
    m.modello = c.modello;
    m.sensibilita = c.sensibilita, m.tempRiferimento = c.riferimento, m.tempCartuccia = c.cartuccia;
    const TabellaCalcolata t = prova::Tabella(m);
    Scelte senza = m;
    senza.sensibilita = 0;
    const TabellaCalcolata attesa = prova::Tabella(senza, prova::PallaAVelocita(c.corretta));
    EXPECT_EQ(t.VelocitaUsata(), c.corretta);
    EXPECT_EQ(Celle(t), Celle(attesa));
    EXPECT_EQ(std::get<Cartellino>(ComponiCartellino(t, m, kPassoCartellino, ".")).righe,
              std::get<Cartellino>(ComponiCartellino(attesa, senza, kPassoCartellino, ".")).righe);
    // The record as the screen copies it back: the typed velocity and its drag.
    EXPECT_EQ(t.Dati().VelocitaBocca, 965);
    EXPECT_EQ(t.Dati().CoeffResistenza, prova::PallaInAria().CoeffResistenza);
    EXPECT_EQ(Celle(prova::Tabella(m, t.Dati())), Celle(t));
    EXPECT_EQ(ComponiRiepilogo(t, m, ",").polvere,
              "Velocità alla bocca a " + TestoSingolo(S(c.cartuccia.value_or(15)), ",") + " °C: " +
                  TestoSingolo(c.corretta, ",") + " m/s");
}
const CasoPolvere kPolveri[] = {
    {"classico cartuccia fredda", TipoModello::Classico, 1.2, 15, -10, 935},
    {"G7 cartuccia calda, sensibilita negativa", TipoModello::G7, -0.5, 15, 35, 955},
    {"classico cartuccia all aria", TipoModello::Classico, 2, 25, std::nullopt, 945},
    {"G1 mezzo grado", TipoModello::G1, 0.9, 15, 14.5, 964.55f},
};
TABELLA(Polvere, CasoPolvere, kPolveri);

// The corrected velocity must stay strictly within 92 and 1370 m/s (the
// refusal's text: the command line's tests).
struct CasoLimite {
    const char* nome;
    float v0;
    double sensibilita, cartuccia;  // the reference at 15 degrees
    bool accettata;
};
class LimitePolvere : public ::testing::TestWithParam<CasoLimite> {};
TEST_P(LimitePolvere, VelocitaCorrettaEntroILimiti) {
    const CasoLimite& c = GetParam();
    Scelte m;
    m.sensibilita = c.sensibilita, m.tempCartuccia = c.cartuccia;
    const auto t = TabellaCalcolata::Calcola(prova::PallaAVelocita(c.v0), {50, 0, 100, 10, 0, 50}, m);
    EXPECT_EQ(std::holds_alternative<TabellaCalcolata>(t), c.accettata);
}
const CasoLimite kLimiti[] = {
    {"92 rifiutata", 200, 4, -12, false},
    {"93 accettata", 200, 4, -11.75, true},
    {"1370 rifiutata", 1300, 7, 25, false},
    {"1369 accettata", 1300, 6.9, 25, true},
};
TABELLA(LimitePolvere, CasoLimite, kLimiti);

// The calculator: (v2 - v1) / (t2 - t1) to two decimals, or its refusal.
struct CasoSensibilita {
    const char *nome, *t1, *v1, *t2, *v2;
    const char* atteso;  // the text, or the refusal's title
};
class Sensibilita : public ::testing::TestWithParam<CasoSensibilita> {};
TEST_P(Sensibilita, DaDueLetture) {
    const CasoSensibilita& c = GetParam();
    const RisultatoSensibilita r = CalcolaSensibilitaDaTesti(c.t1, c.v1, c.t2, c.v2);
    EXPECT_EQ(r.rifiuto ? r.rifiuto->titolo : r.sensibilita, c.atteso);
    if (!r.rifiuto) {
        Scelte s;
        EXPECT_FALSE(LeggiScelta(Scelta::Sensibilita, r.sensibilita, s)) << "the choice's box takes it";
    }
}
const CasoSensibilita kSensibilita[] = {
    {"fredda poi calda", "-10", "940", "20", "967", "0.9"},
    {"che cala con il caldo", "0", "960", "20", "950", "-0.5"},
    {"un terzo", "0", "900", "30", "910", "0.33"},
    {"ai limiti", "-60", "92.1", "80", "1369.9", "9.13"},
    {"stessa temperatura", "15", "940", "15", "967", "CAMBIA TEMPERATURA!!"},
    {"temperatura sotto -60", "-60.1", "940", "20", "967", "CAMBIA VALORE!!"},
    {"velocita 92", "-10", "92", "20", "967", "CAMBIA VALORE!!"},
    {"oltre 10 m/s per grado", "0", "900", "1", "910.1", "CAMBIA VALORE!!"},
    {"virgola decimale", "-10", "940,5", "20", "967", "USA IL PUNTO!!"},
};
TABELLA(Sensibilita, CasoSensibilita, kSensibilita);

}  // namespace
