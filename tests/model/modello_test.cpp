#include "modello.h"

#include <gtest/gtest.h>

#include "verifica.h"

using namespace rigata;

namespace {

ShotData Palla(float diametro, float peso, int16_t altitudine, float temperatura, float velocita, double coeff) {
    ShotData d;
    d.DiametroInch = diametro;
    d.PesoGrain = peso;
    d.Altitudine = altitudine;
    d.Temperatura = temperatura;
    d.VelocitaBocca = velocita;
    d.CoeffBalistico = coeff;
    return d;
}

ShotData PallaEsempio(int16_t altitudine = 0, float temperatura = 15) {
    return Palla(0.243f, 95, altitudine, temperatura, 965, 0.379);
}

TEST(Atmosfera, LivelloDelMare) {
    ShotData d = PallaEsempio();
    CalcolaAtmosfera(d);
    EXPECT_WRITTEN(d.DiametroMm, "6.1722002");
    EXPECT_WRITTEN(d.PesoGrammi, "6.1560001");
    EXPECT_WRITTEN(d.Pressione, "1013.25");
    EXPECT_WRITTEN(d.TemperaturaQuota, "14.9743");
    EXPECT_WRITTEN(d.DensitaAria, "1.2281358");
    EXPECT_EQ(d.DiametroMm, 6.1722002f);
    EXPECT_EQ(d.DensitaAria, 1.2281358f);
}

TEST(Atmosfera, MilleMetri) {
    ShotData d = PallaEsempio(1000, 20);
    CalcolaAtmosfera(d);
    EXPECT_WRITTEN(d.Pressione, "894.06171");
    EXPECT_WRITTEN(d.TemperaturaQuota, "13.4743");
    EXPECT_WRITTEN(d.DensitaAria, "1.0893447");
}

TEST(Atmosfera, SottoIlLivelloDelMare) {
    ShotData d = PallaEsempio(-400, 15);
    CalcolaAtmosfera(d);
    EXPECT_GT(d.Pressione, 1013.25f);
    EXPECT_GT(d.TemperaturaQuota, 15.0f);
}

TEST(Atmosfera, RipetibileConGliStessiDati) {
    ShotData a = PallaEsempio(450, 15), b = a;
    CalcolaAtmosfera(a);
    CalcolaAtmosfera(a);
    CalcolaAtmosfera(b);
    EXPECT_EQ(a.DensitaAria, b.DensitaAria);
}

TEST(Resistenza, PallaEsempioLivelloDelMare) {
    ShotData d = PallaEsempio();
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);
    EXPECT_WRITTEN(d.VelocitaSuono, "340.58458");
    EXPECT_WRITTEN(d.NumeroMach, "2.8333637");
    EXPECT_WRITTEN(d.DensitaRelativa, "1.0208883");
    EXPECT_WRITTEN(d.FattoreForma, "0.61909791");
    EXPECT_WRITTEN(d.FunzioneSiacci, "2.5627235");
    EXPECT_WRITTEN(d.CoeffResistenza, "0.32184000");
}

TEST(Resistenza, PallaEsempioMilleMetri) {
    ShotData d = PallaEsempio(1000, 20);
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);
    EXPECT_WRITTEN(d.VelocitaSuono, "339.68458");
    EXPECT_WRITTEN(d.NumeroMach, "2.8408708");
    EXPECT_WRITTEN(d.DensitaRelativa, "0.90551821");
    EXPECT_WRITTEN(d.FattoreForma, "0.54913393");
    EXPECT_WRITTEN(d.FunzioneSiacci, "2.5627235");
    EXPECT_WRITTEN(d.CoeffResistenza, "0.32014132");
}

ShotData AzzeramentoEsempio(float altezzaMm) {
    ShotData d = PallaEsempio();
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);
    d.DistanzaAzzeramento = 225;
    d.AltezzaMira = altezzaMm;
    CalcolaAzzeramento(d);
    return d;
}

TEST(Azzeramento, ValoriDellaPallaEsempio) {
    const ShotData d = AzzeramentoEsempio(50);
    EXPECT_WRITTEN(d.CostanteResistenza, "0.00096056711");
    EXPECT_WRITTEN(d.CoeffCaduta, "2.8548777");
    EXPECT_WRITTEN(d.TermineEsp, "0.10847306");
    EXPECT_WRITTEN(d.CadutaAzzeramento, "0.30967733");
    EXPECT_WRITTEN(d.AltezzaMira, "0.050000001");
    EXPECT_WRITTEN(d.OrdinataMaxOttimale, "8.1999998");
    EXPECT_WRITTEN(d.TempoVoloOttimale, "0.25859416");
    EXPECT_EQ(d.DistanzaOttimale, 224);
}

TEST(Azzeramento, SenzaAltezzaDiMiraRestanoSeiCentimetri) {
    const ShotData d = AzzeramentoEsempio(0);
    EXPECT_EQ(d.AltezzaMira, 0.0f);
    EXPECT_EQ(d.OrdinataMaxOttimale, 6.0f);
}

struct CasoDueVelocita {
    float diametro, peso;
    int16_t altitudine;
    float velocitaBocca, iniziale, residua, tratto;
    const char* densita;
    const char* coeffResistenza;
    const char* coeff;
    const char* testo;
};

class DueVelocita : public ::testing::TestWithParam<CasoDueVelocita> {};

TEST_P(DueVelocita, CoefficienteDaDueVelocita) {
    const auto& c = GetParam();
    ShotData d = Palla(c.diametro, c.peso, c.altitudine, 15, c.velocitaBocca, 0);
    d.VelocitaIniziale = c.iniziale;
    d.VelocitaResidua = c.residua;
    d.TrattoMisurato = c.tratto;
    CalcolaAtmosfera(d);
    CalcolaResistenzaMisurata(d);
    CalcolaCoeffBalistico(d);
    if (*c.densita) {
        EXPECT_WRITTEN(d.DensitaAria, c.densita);
    }
    if (*c.coeffResistenza) {
        EXPECT_WRITTEN(d.CoeffResistenza, c.coeffResistenza);
    }
    EXPECT_WRITTEN(d.CoeffBalistico, c.coeff);
    EXPECT_EQ(TestoCoeffBalistico(d.CoeffBalistico), c.testo);
}

INSTANTIATE_TEST_SUITE_P(
    Esempi, DueVelocita,
    ::testing::Values(CasoDueVelocita{0.243f, 95, 450, 965, 965, 881.3f, 100, "1.1727976", "0.3183368", "0.3792321", "0.379"},
                      CasoDueVelocita{0.243f, 95, 0, 965, 965, 881.3f, 100, "1.2281358", "0.3039929", "0.4012507", "0.401"},
                      CasoDueVelocita{0.308f, 180, 0, 800, 800, 700, 100, "", "", "0.3035124", "0.304"}));

TEST(DueVelocita, ValoriIntermediA450Metri) {
    ShotData d = Palla(0.243f, 95, 450, 15, 965, 0);
    d.VelocitaIniziale = 965;
    d.VelocitaResidua = 881.3f;
    d.TrattoMisurato = 100;
    CalcolaAtmosfera(d);
    CalcolaResistenzaMisurata(d);
    CalcolaCoeffBalistico(d);
    EXPECT_WRITTEN(d.VelocitaSuono, "338.82958");
    EXPECT_WRITTEN(d.NumeroMach, "2.8480394");
    EXPECT_WRITTEN(d.DensitaRelativa, "0.9748884");
    EXPECT_WRITTEN(d.FunzioneSiacci, "2.5627235");
    EXPECT_WRITTEN(d.FattoreForma, "0.5908403");
}

TEST(DueVelocita, ResistenzaInversaDiQuellaDelCoefficiente) {
    // The coefficient found from the drag that CalcolaResistenza gave is the coefficient itself.
    ShotData d = PallaEsempio(450, 15);
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);
    CalcolaCoeffBalistico(d);
    EXPECT_NEAR(d.CoeffBalistico, 0.379, 1e-12);
}

struct CasoTesto {
    double coeff;
    const char* testo;
};
class TestoCoefficiente : public ::testing::TestWithParam<CasoTesto> {};
TEST_P(TestoCoefficiente, TreDecimaliConIlPunto) {
    EXPECT_EQ(TestoCoeffBalistico(GetParam().coeff), GetParam().testo);
}
INSTANTIATE_TEST_SUITE_P(Valori, TestoCoefficiente,
                         ::testing::Values(CasoTesto{0.37923, "0.379"}, CasoTesto{0.25, "0.250"},
                                           CasoTesto{0.05, "0.050"}, CasoTesto{0.3, "0.30"},
                                           CasoTesto{0.0004, "0.0"}, CasoTesto{0, "0.0"},
                                           CasoTesto{0.6495, "0.650"}, CasoTesto{0.0995, "0.10"}));

}  // namespace
