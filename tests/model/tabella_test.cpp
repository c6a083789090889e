#include "tabella.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <map>

#include "modello.h"
#include "verifica.h"

using namespace rigata;

namespace {

// The example bullet, confirmed at sea level and 15 degrees.
ShotData PallaConfermata() {
    ShotData d;
    d.DiametroInch = 0.243f;
    d.PesoGrain = 95;
    d.Temperatura = 15;
    d.VelocitaBocca = 965;
    d.CoeffBalistico = 0.379;
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);
    return d;
}

RichiestaTabella Predefinita() { return LeggiRichiesta({"225", "0", "500", "20", "5", "50"}); }

// Runs a checked request and keeps every row, keyed by its row number.
std::map<int, ShotData> Righe(ShotData& d, const RichiestaTabella& r) {
    EXPECT_FALSE(ControllaRichiesta(d, r));
    ApplicaRichiesta(d, r);
    CalcolaAzzeramento(d);
    std::map<int, ShotData> righe;
    CalcRisultati(d, [&](const ShotData& riga) { righe[riga.RigaGriglia] = riga; });
    return righe;
}

struct RigaScritta {
    int riga;
    const char *distanza, *caduta, *ordinata, *velocita, *energia, *tempo, *deriva, *scarto, *s15, *s30, *s45, *s60;
};

class ValoriRiga : public ::testing::TestWithParam<RigaScritta> {};

TEST_P(ValoriRiga, ComeLaTabellaDiRiferimento) {
    ShotData d = PallaConfermata();
    const auto righe = Righe(d, Predefinita());
    ASSERT_EQ(righe.size(), 26u);
    const auto& c = GetParam();
    const ShotData& r = righe.at(c.riga);
    EXPECT_WRITTEN(r.Distanza, c.distanza);
    EXPECT_WRITTEN(r.Caduta, c.caduta);
    EXPECT_WRITTEN(r.Ordinata, c.ordinata);
    EXPECT_WRITTEN(r.Velocita, c.velocita);
    EXPECT_WRITTEN(r.Energia, c.energia);
    EXPECT_WRITTEN(r.TempoVolo, c.tempo);
    EXPECT_WRITTEN(r.DerivaVento, c.deriva);
    EXPECT_WRITTEN(r.ScartoMira, c.scarto);
    EXPECT_WRITTEN(r.Scarto15, c.s15);
    EXPECT_WRITTEN(r.Scarto30, c.s30);
    EXPECT_WRITTEN(r.Scarto45, c.s45);
    EXPECT_WRITTEN(r.Scarto60, c.s60);
}

INSTANTIATE_TEST_SUITE_P(
    Esempio, ValoriRiga,
    ::testing::Values(
        RigaScritta{1, "0", "0", "0", "965", "2866.3105", "0", "0", "-0.050000001", "-5.0", "-5.0", "-5.0", "-5.0"},
        RigaScritta{2, "20", "0.0021345830", "0.025392290", "946.638", "2758.2683", "0.020925751", "0.10018118",
                    "-0.020163268", "-2.0091078", "-1.9876837", "-1.9538255", "-1.9096023"},
        RigaScritta{12, "220", "0.29505122", "0.0077443970", "781.17822", "1878.3170", "0.25385854", "12.939631",
                    "0.0066332859", "1.6611689", "4.6225224", "9.3025446", "15.415264"},
        RigaScritta{26, "500", "1.8631243", "-1.1749524", "596.95667", "1096.8677", "0.66512167", "73.493477",
                    "-1.1138413", "-105.08319", "-86.383492", "-56.831116", "-18.231869"}));

TEST(Tabella, AllaDistanzaZeroNienteCaduta) {
    ShotData d = PallaConfermata();
    const auto righe = Righe(d, Predefinita());
    const ShotData& r = righe.at(1);
    EXPECT_EQ(r.Caduta, 0.0f);
    EXPECT_EQ(r.TempoVolo, 0.0f);
    EXPECT_EQ(r.TermineEspRiga, 0.0f);
    EXPECT_EQ(r.Velocita, 965.0f);
    EXPECT_EQ(d.DistanzaOttimale, 224);
}

TEST(Tabella, AllaDistanzaDiAzzeramentoScartoNullo) {
    ShotData d = PallaConfermata();
    const auto righe = Righe(d, LeggiRichiesta({"225", "225", "225", "20", "5", "50"}));
    ASSERT_EQ(righe.size(), 1u);
    const ShotData& r = righe.at(1);
    EXPECT_NEAR(r.ScartoMira, 0, 1e-7);
    // On a slope only the drop term is left: about 1.05 cm at 15 degrees.
    EXPECT_NEAR(r.Scarto15, 1.05, 0.01);
    EXPECT_NEAR(r.Scarto15, 0.033819227 * r.Caduta * 100, 1e-4);
}

struct CasoRighe {
    const char *inizio, *fine, *passo;
    int righe;
    float prima, ultima;
};
class ConteggioRighe : public ::testing::TestWithParam<CasoRighe> {};

TEST_P(ConteggioRighe, PassoFrazionarioEVersoDelPasso) {
    const auto& c = GetParam();
    ShotData d = PallaConfermata();
    const auto righe = Righe(d, LeggiRichiesta({"225", c.inizio, c.fine, c.passo, "5", "50"}));
    ASSERT_EQ(static_cast<int>(righe.size()), c.righe);
    if (c.righe > 0) {
        EXPECT_EQ(righe.begin()->second.Distanza, c.prima);
        EXPECT_EQ(righe.rbegin()->second.Distanza, c.ultima);
    }
}

INSTANTIATE_TEST_SUITE_P(Richieste, ConteggioRighe,
                         ::testing::Values(CasoRighe{"0", "510", "20", 26, 0, 500},
                                           CasoRighe{"0", "530", "20", 28, 0, 540},
                                           CasoRighe{"100", "100", "20", 1, 100, 100},
                                           CasoRighe{"20", "0", "20", 0, 0, 0},
                                           CasoRighe{"500", "0", "-20", 26, 500, 0},
                                           CasoRighe{"0", "100", "20.5", 6, 0, 100},
                                           CasoRighe{"0", "110", "21.5", 6, 0, 110},
                                           CasoRighe{"0", "500", "20m", 26, 0, 500}));

TEST(Tabella, ZeroDistanceTypedWithComma) {
    const RichiestaTabella r = LeggiRichiesta({"225,5", "", "abc", "20", "5", "50"});
    EXPECT_EQ(r.distanzaZero, 225);
    EXPECT_EQ(r.inizio, 0);
    EXPECT_EQ(r.fine, 0);
}

struct CasoCelle {
    TipoTabella tipo;
    int riga;
    CelleRiga celle;
};
class Celle : public ::testing::TestWithParam<CasoCelle> {};

TEST_P(Celle, TestiDelleCelle) {
    ShotData d = PallaConfermata();
    const auto righe = Righe(d, Predefinita());
    EXPECT_EQ(CelleTabella(GetParam().tipo, righe.at(GetParam().riga), "."), GetParam().celle);
}

INSTANTIATE_TEST_SUITE_P(
    Esempio, Celle,
    ::testing::Values(
        CasoCelle{TipoTabella::Vari, 2, {"20", "-0.2", "2.5", "946.6", "2758.3", "-0.1", "0.021", "-2.0"}},
        CasoCelle{TipoTabella::Vari, 26, {"500", "-186.3", "-117.5", "597.0", "1096.9", "-73.5", "0.665", "-111.4"}},
        CasoCelle{TipoTabella::Campagna, 1, {"0", "965.0", "2866.3", "-5.0", "-5.0", "-5.0", "-5.0", "-5.0"}},
        CasoCelle{TipoTabella::Campagna, 26, {"500", "597.0", "1096.9", "-111.4", "-105.1", "-86.4", "-56.8", "-18.2"}},
        CasoCelle{TipoTabella::Vari, 1, {"0", "0.0", "0.0", "965.0", "2866.3", "0.0", "0.000", "-5.0"}}));

TEST(Celle, SeparatoreDelSistema) {
    ShotData d = PallaConfermata();
    const auto righe = Righe(d, Predefinita());
    const CelleRiga attese{"20", "-0,2", "2,5", "946,6", "2758,3", "-0,1", "0,021", "-2,0"};
    EXPECT_EQ(CelleTabVari(righe.at(2), ","), attese);
}

TEST(Intestazioni, TestiEsatti) {
    const CelleRiga vari{"Distanza (m)",   "Caduta (cm)",    "Ordinata (cm)",  "Velocità (m/s)",
                         "Energia   (J) ", "Dev.Vento (cm)", "Tempo volo (s)", "Scarto mira (cm)"};
    const CelleRiga campagna{"Distanza (m",    "Velocità (m/s)", "Energia   (J)",  "Scarto  0°(cm)",
                             "Scarto 15°(cm)", "Scarto 30°(cm)", "Scarto 45°(cm)", "Scarto 60°(cm)"};
    EXPECT_EQ(Intestazioni(TipoTabella::Vari), vari);
    EXPECT_EQ(Intestazioni(TipoTabella::Campagna), campagna);
}

struct CasoRifiuto {
    std::array<std::string, 6> testi;
    const char* titolo;
    const char* inizioMessaggio;
};
class RichiestaRifiutata : public ::testing::TestWithParam<CasoRifiuto> {};

TEST_P(RichiestaRifiutata, MessaggioEdEstremi) {
    const ShotData d = PallaConfermata();
    const auto rifiuto = ControllaRichiesta(d, LeggiRichiesta(GetParam().testi));
    ASSERT_TRUE(rifiuto);
    EXPECT_EQ(rifiuto->titolo, GetParam().titolo);
    EXPECT_EQ(rifiuto->messaggio.rfind(GetParam().inizioMessaggio, 0), 0u) << rifiuto->messaggio;
}

INSTANTIATE_TEST_SUITE_P(
    Limiti, RichiestaRifiutata,
    ::testing::Values(
        CasoRifiuto{{"225", "0", "500", "0", "5", "50"}, "CAMBIA INTERVALLO!!", "l'intervallo di calcolo"},
        CasoRifiuto{{"225", "0", "500", "", "5", "50"}, "CAMBIA INTERVALLO!!", "l'intervallo di calcolo"},
        CasoRifiuto{{"225", "0", "500", "0.4", "5", "50"}, "CAMBIA INTERVALLO!!", "l'intervallo di calcolo"},
        CasoRifiuto{{"225", "0", "500", "32767.5", "5", "50"}, "CAMBIA INTERVALLO!!", "l'intervallo di calcolo"},
        CasoRifiuto{{"225", "0", "500", "-40000", "5", "50"}, "CAMBIA INTERVALLO!!", "l'intervallo di calcolo"},
        CasoRifiuto{{"0", "0", "500", "20", "5", "50"}, "CAMBIA DISTANZA!!", "la distanza di azzeramento non"},
        CasoRifiuto{{"abc", "0", "500", "20", "5", "50"}, "CAMBIA DISTANZA!!", "la distanza di azzeramento non"},
        CasoRifiuto{{"225", "0", "32767", "1", "5", "50"}, "TROPPE RIGHE!!", "la tabella avrebbe più di 32766"},
        CasoRifiuto{{"225", "500", "0", "20", "5", "50"}, "CAMBIA DISTANZE!!", "la distanza finale viene prima"},
        CasoRifiuto{{"225", "0", "1e9", "30000", "5", "50"}, "TROPPE RIGHE!!", "la tabella avrebbe"},
        CasoRifiuto{{"225", "0", "60000", "20", "5", "50"}, "DISTANZA TROPPO GRANDE!!", "con questa palla il calcolo vale fino a 42040 m"},
        CasoRifiuto{{"60000", "0", "500", "20", "5", "50"}, "DISTANZA TROPPO GRANDE!!", "con questa palla"},
        CasoRifiuto{{"225", "-60000", "0", "20", "5", "50"}, "DISTANZA TROPPO GRANDE!!", "con questa palla"},
        CasoRifiuto{{"225", "0", "500", "20", "1e38", "50"}, "CAMBIA VALORE!!", "con questi dati la tabella"},
        CasoRifiuto{{"225", "0", "500", "20", "1e39", "50"}, "CAMBIA VALORE!!", "valore troppo grande per il campo velocità del vento"},
        CasoRifiuto{{"225", "0", "500", "20", "5", "-200"}, "CAMBIA VALORE!!", "altezza della linea di mira non valida"},
        CasoRifiuto{{"225", "0", "500", "20", "5", "1e39"}, "CAMBIA VALORE!!", "valore troppo grande per il campo altezza della linea di mira"}));

TEST(RichiestaRifiutata, ResistenzaNulla) {
    ShotData d = PallaConfermata();
    d.CoeffResistenza = 0;
    const auto r = ControllaRichiesta(d, Predefinita());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->titolo, "CAMBIA VALORE!!");
    d.CoeffResistenza = -0.3;  // a coefficient typed as -.3 passes the entry checks
    EXPECT_TRUE(ControllaRichiesta(d, Predefinita()));
}

TEST(RichiestaAccettata, AlLimiteDelModelloNessunValoreInfinito) {
    // Just inside the model's range every stored value is finite.
    ShotData d = PallaConfermata();
    const auto righe = Righe(d, LeggiRichiesta({"225", "0", "42000", "1000", "5", "50"}));
    ASSERT_EQ(righe.size(), 43u);
    for (const auto& [n, r] : righe)
        for (const auto& cella : CelleTabVari(r, ".")) EXPECT_FALSE(cella.empty()) << n;
}

TEST(RichiestaAccettata, TabellaMassima) {
    ShotData d = PallaConfermata();
    const auto righe = Righe(d, LeggiRichiesta({"225", "0", "32765", "1", "5", "50"}));
    EXPECT_EQ(righe.size(), 32766u);
}

}  // namespace
