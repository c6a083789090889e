#include "controlli.h"

#include <gtest/gtest.h>

#include "numeri.h"

using namespace rigata;

namespace {

struct CasoIngresso {
    const char *diametro, *peso, *coeff, *velocita;
    const char* titolo;  // "" when accepted
    const char* messaggio;
};

class Ingresso : public ::testing::TestWithParam<CasoIngresso> {};

TEST_P(Ingresso, PrimoControlloCheFallisce) {
    const auto& c = GetParam();
    const auto r = ControllaDatiIngresso(static_cast<float>(LeggiNumeroEsteso(c.diametro)),
                                         static_cast<float>(LeggiNumeroEsteso(c.peso)), c.coeff,
                                         static_cast<float>(LeggiNumeroEsteso(c.velocita)));
    if (*c.titolo == '\0') {
        EXPECT_FALSE(r) << r->messaggio;
    } else {
        ASSERT_TRUE(r);
        EXPECT_EQ(r->titolo, c.titolo);
        EXPECT_EQ(r->messaggio, c.messaggio);
    }
}

const char* const kMaggioriDiZero = "valori consentiti maggiori di zero; usare il punto come separatore decimale";
const char* const kSeparatore = "Usa il punto come separatore decimale dopo lo 0";
const char* const kVelocita = "valori consentiti fra 92 e 1370 m/sec";

INSTANTIATE_TEST_SUITE_P(
    Conferma, Ingresso,
    ::testing::Values(
        CasoIngresso{"0.243", "95", "0.379", "965", "", ""},
        CasoIngresso{"0,308", "150", "0.379", "965", "CAMBIA VALORE!!", kMaggioriDiZero},
        CasoIngresso{"0.308", "", "0.379", "965", "CAMBIA VALORE!!", kMaggioriDiZero},
        CasoIngresso{"-0.3", "150", "0.379", "965", "CAMBIA VALORE!!", kMaggioriDiZero},
        CasoIngresso{"0.308", "150", "1.1", "965", "", ""},
        CasoIngresso{"0.308", "150", "1.11", "965", "VALORE TROPPO GRANDE", "Inserisci valore minore di 1.1"},
        CasoIngresso{"0.308", "150", ".35", "965", "VALORE NON CORRETTO", kSeparatore},
        CasoIngresso{"0.308", "150", "0.35", "965", "", ""},
        CasoIngresso{"0.308", "150", "0,35", "965", "VALORE NON CORRETTO", kSeparatore},
        CasoIngresso{"0.308", "150", "12", "965", "VALORE TROPPO GRANDE", "Inserisci valore minore di 1.1"},
        CasoIngresso{"0.308", "150", "1.05", "965", "", ""},
        CasoIngresso{"0.308", "150", "0", "965", "", ""},
        CasoIngresso{"0.308", "150", "", "965", "", ""},
        CasoIngresso{"0.308", "150", "éx", "965", "VALORE NON CORRETTO", kSeparatore},
        CasoIngresso{"0.308", "150", "é.", "965", "", ""},
        // Only the first failing check is reported.
        CasoIngresso{"0.308", "150", ".35", "50", "VALORE NON CORRETTO", kSeparatore},
        CasoIngresso{"0.308", "150", "0.35", "92", "CAMBIA VALORE!!", kVelocita},
        CasoIngresso{"0.308", "150", "0.35", "1370", "CAMBIA VALORE!!", kVelocita},
        CasoIngresso{"0.308", "150", "0.35", "92.5", "", ""},
        CasoIngresso{"0.308", "150", "0.35", "1369.9", "", ""},
        CasoIngresso{"0.308", "150", "0.35", "9 65", "", ""},
        CasoIngresso{"&H1", "150", "0.35", "965", "", ""}));

TEST(Ambiente, AltitudineETemperatura) {
    EXPECT_FALSE(ControllaAmbiente(450.5, 15));
    EXPECT_FALSE(ControllaAmbiente(-32768, 15));
    EXPECT_FALSE(ControllaAmbiente(32767, 250));
    const auto alta = ControllaAmbiente(32767.5, 15);
    ASSERT_TRUE(alta);
    EXPECT_EQ(alta->titolo, "CAMBIA VALORE!!");
    EXPECT_NE(alta->messaggio.find("-32768 e 32767"), std::string::npos);
    EXPECT_TRUE(ControllaAmbiente(1e9, 15));
    // -273 deg at altitude: the density would divide by zero.
    const auto freddo = ControllaAmbiente(0, -272.9743f);
    ASSERT_TRUE(freddo);
    EXPECT_NE(freddo->messaggio.find("zero assoluto"), std::string::npos);
    EXPECT_TRUE(ControllaAmbiente(20000, -200));  // -330 deg at 20 km
    EXPECT_FALSE(ControllaAmbiente(0, -272));
}

// The correction the message asks for follows the sign of the value typed.
TEST(FuoriLimiti, IlVersoDellaCorrezione) {
    EXPECT_EQ(RifiutoFuoriLimiti("temperatura", 1e39).messaggio,
              "valore troppo grande per il campo temperatura; inserire un numero più piccolo");
    EXPECT_EQ(RifiutoFuoriLimiti("temperatura", -1e39).messaggio,
              "valore troppo piccolo per il campo temperatura; inserire un numero più grande");
}

}  // namespace
