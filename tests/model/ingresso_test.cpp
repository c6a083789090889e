// The entry check is one function for the start screen and the command line:
// each row goes through ControllaIngresso and through --tabella's
// ScriviTabella, and both must give the row's title and message.
#include <gtest/gtest.h>

#include <sstream>

#include "comando.h"
#include "controlli.h"

using namespace rigata;

namespace {

struct CasoIngresso {
    const char* nome;
    TestiIngresso testi;
    const char* titolo;  // "" when accepted
    const char* messaggio;
};

void PrintTo(const CasoIngresso& c, std::ostream* os) { *os << c.nome; }

class IngressoComune : public ::testing::TestWithParam<CasoIngresso> {};

TEST_P(IngressoComune, StessaRispostaSulloSchermoESullaRigaDiComando) {
    const CasoIngresso& c = GetParam();
    ShotData d;
    const auto rifiuto = ControllaIngresso(c.testi, d);
    const CampiDati campi{c.testi.diametro, c.testi.peso, c.testi.altitudine, c.testi.temperatura,
                          c.testi.velocitaBocca, c.testi.coeff, "225", "0", "500", "20", "5", "50"};
    std::ostringstream out, err;
    const int esito = ScriviTabella(campi, TipoTabella::Vari, out, err, ".");
    if (*c.titolo == '\0') {
        EXPECT_FALSE(rifiuto) << rifiuto->messaggio;
        EXPECT_EQ(esito, kEsitoOk) << err.str();
        return;
    }
    ASSERT_TRUE(rifiuto);
    EXPECT_EQ(rifiuto->titolo, c.titolo);
    EXPECT_EQ(rifiuto->messaggio, c.messaggio);
    EXPECT_EQ(esito, kEsitoRifiuto);
    EXPECT_EQ(err.str(), std::string(c.titolo) + "\n" + c.messaggio + "\n");
    EXPECT_EQ(out.str(), "");
}

const char* const kCambia = "CAMBIA VALORE!!";

INSTANTIATE_TEST_SUITE_P(
    Righe, IngressoComune,
    ::testing::Values(
        CasoIngresso{"Accettata", {"0.243", "95", "450", "15", "965", "0.379"}, "", ""},
        // The place is checked before the coefficient.
        CasoIngresso{"AltitudinePrimaDelCoeffZero", {"0.243", "95", "40000", "15", "965", "0"}, kCambia,
                     "altitudine consentita fra -32768 e 32767 m; correggere l'altitudine"},
        CasoIngresso{"FreddoPrimaDelCoeffZero", {"0.243", "95", "450", "-300", "965", "0"}, kCambia,
                     "alla quota indicata la temperatura scende sotto lo zero assoluto (-273 °C); "
                     "aumentare la temperatura o diminuire l'altitudine"},
        CasoIngresso{"CoeffZero", {"0.243", "95", "450", "15", "965", "0"}, "INSERISCI COEFFICIENTE!!",
                     "coefficiente balistico mancante o uguale a zero; inserire il coefficiente balistico (il "
                     "calcolo da due velocità misurate si fa nella finestra del programma)"},
        // A value too large for its field comes first of all.
        CasoIngresso{"TemperaturaFuoriMisura", {"0.243", "95", "40000", "-1e39", "965", "0"}, kCambia,
                     "valore troppo piccolo per il campo temperatura; inserire un numero più grande"},
        CasoIngresso{"VelocitaFuoriMisura", {"0.243", "95", "450", "15", "1e39", ".379"}, kCambia,
                     "valore troppo grande per il campo velocità alla bocca; inserire un numero più piccolo"},
        // The bullet's checks come before the place's.
        CasoIngresso{"Velocita1370PrimaDellAltitudine", {"0.243", "95", "40000", "15", "1370", "0.379"}, kCambia,
                     "valori consentiti fra 92 e 1370 m/sec"}),
    [](const ::testing::TestParamInfo<CasoIngresso>& info) { return std::string(info.param.nome); });

}  // namespace
