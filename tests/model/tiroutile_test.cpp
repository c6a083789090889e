#include "tiroutile.h"

#include <gtest/gtest.h>

#include "modello.h"
#include "tabella.h"

using namespace rigata;

namespace {

struct Carico {
    const char* nome;
    float diametro, peso;
    int16_t altitudine;
    float velocita;
    double coeff;
    const char *zero, *mira;  // m, mm as typed
    int da, a;                // expected stretch
};

ShotData Azzerato(const Carico& c) {
    ShotData d;
    d.DiametroInch = c.diametro;
    d.PesoGrain = c.peso;
    d.Altitudine = c.altitudine;
    d.Temperatura = 15;
    d.VelocitaBocca = c.velocita;
    d.CoeffBalistico = c.coeff;
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);
    ApplicaRichiesta(d, LeggiRichiesta({c.zero, "0", "500", "20", "5", c.mira}));
    CalcolaAzzeramento(d);
    return d;
}

class TiroUtileCarichi : public ::testing::TestWithParam<Carico> {};

TEST_P(TiroUtileCarichi, TrattoEntroSeiCentimetri) {
    const Carico& c = GetParam();
    const auto tratto = TiroUtile(Azzerato(c));
    ASSERT_TRUE(tratto);
    EXPECT_EQ(tratto->da, c.da);
    EXPECT_EQ(tratto->a, c.a);
}

INSTANTIATE_TEST_SUITE_P(
    Carichi, TiroUtileCarichi,
    ::testing::Values(
        Carico{"predefinito_a_450_m", 0.243f, 95, 450, 965, 0.379, "225", "50", 0, 261},
        // The highest point reads 6.1 cm (6.09 unrounded): the stretch breaks there.
        Carico{"al_livello_del_mare_il_colmo_supera_la_fascia", 0.243f, 95, 0, 965, 0.379, "225", "50", 0, 125},
        // Zeroed far beyond the optimal zero: the bullet rises above +6 cm at 43 m.
        Carico{"azzeramento_lontano", 0.243f, 95, 450, 965, 0.379, "400", "50", 0, 42},
        // A sight 150 mm high: the bullet enters the band only at 52 m.
        Carico{"mira_alta_comincia_dopo_la_bocca", 0.243f, 95, 450, 965, 0.379, "225", "150", 52, 272},
        Carico{"308_a_100_m", 0.308f, 150, 0, 850, 0.3, "100", "80", 14, 179},
        // At 188 m the bullet is 6.04 cm below the line: the table shows -6.0, inside the band.
        Carico{"letto_al_decimo_come_la_tabella", 0.243f, 95, 0, 965, 0.379, "103", "50", 0, 188}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(TiroUtile, Frase) {
    EXPECT_EQ(TestoTiroUtile(TrattoUtile{0, 261}), "Tiro utile (±6 cm): da 0 m a 261 m");
}

// The chart's points are the table's rows wherever the two meet.
TEST(Campioni, CoincidonoConLeRigheDellaTabella) {
    ShotData d = Azzerato({"", 0.243f, 95, 0, 965, 0.379, "225", "50", 0, 0});
    const auto punti = CampionaTraiettoria(d, 0, 500, 26);
    ASSERT_EQ(punti.size(), 26u);
    CalcRisultati(d, [&](const ShotData& riga) {
        const PuntoTraiettoria& p = punti[static_cast<size_t>(riga.RigaGriglia - 1)];
        EXPECT_EQ(p.distanza, riga.Distanza);
        EXPECT_FLOAT_EQ(p.scarto, static_cast<float>(riga.ScartoMira * 100.0));
        EXPECT_FLOAT_EQ(p.pendii[0], riga.Scarto15);
        EXPECT_FLOAT_EQ(p.pendii[3], riga.Scarto60);
        EXPECT_FLOAT_EQ(p.velocita, riga.Velocita);
        EXPECT_FLOAT_EQ(p.energia, riga.Energia);
    });
}

}  // namespace
