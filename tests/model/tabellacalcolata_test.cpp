// A table computed with either model: the closed form through the models'
// interface gives the rows of its own formula, the point mass refuses what it
// cannot compute and names the model and the air it used.
#include "tabellacalcolata.h"

#include "casi.h"
#include "modello.h"
#include "numeri.h"
#include "palla.h"

using namespace rigata;

namespace {

const RichiestaTabella kPredefinita{225, 0, 500, 20, 5, 50};

TEST(TabellaCalcolata, IlClassicoDaLeRigheDellaSuaFormula) {
    const auto t = std::get<TabellaCalcolata>(TabellaCalcolata::Calcola(prova::PallaInAria(), kPredefinita, DatiModello{}));
    ShotData d = prova::PallaInAria();
    ApplicaRichiesta(d, kPredefinita);
    CalcolaAzzeramento(d);
    std::vector<CelleRiga> attese, avute;
    CalcRisultati(d, [&](const ShotData& r) { attese.push_back(CelleTabella(TipoTabella::Campagna, r, ".")); });
    t.Righe([&](const ShotData& r) { avute.push_back(CelleTabella(TipoTabella::Campagna, r, ".")); });
    EXPECT_EQ(avute, attese);
    ASSERT_EQ(avute.size(), 26u);
    EXPECT_EQ(TestoDistanzaOttimale(t), std::string(kTestoDistanzaOttimale) + "225");
    EXPECT_EQ(TestoModelloEAria(t, ","), "Classico (forma chiusa)");
}

struct CasoRifiutoPM {
    const char* nome;
    RichiestaTabella richiesta;
    const char *titolo, *inizioMessaggio;
};
class RifiutoPuntoMateriale : public ::testing::TestWithParam<CasoRifiutoPM> {};
TEST_P(RifiutoPuntoMateriale, TitoloEMessaggio) {
    DatiModello g1;
    g1.modello = TipoModello::G1;
    const auto esito = TabellaCalcolata::Calcola(prova::PallaInAria(), GetParam().richiesta, g1);
    ASSERT_TRUE(std::holds_alternative<Rifiuto>(esito));
    const Rifiuto& r = std::get<Rifiuto>(esito);
    EXPECT_EQ(r.titolo, GetParam().titolo);
    EXPECT_EQ(r.messaggio.rfind(GetParam().inizioMessaggio, 0), 0u) << r.messaggio;
    // The closed form computes every one of them.
    EXPECT_TRUE(std::holds_alternative<TabellaCalcolata>(TabellaCalcolata::Calcola(prova::PallaInAria(), GetParam().richiesta, {})));
}
const CasoRifiutoPM kRifiutiPM[] = {
    {"distanze negative", {225, -100, 500, 20, 5, 50}, "CAMBIA DISTANZE!!", "con il modello a punto materiale le distanze"},
    {"verso negativo", {225, 500, -20, -20, 5, 50}, "CAMBIA DISTANZE!!", "con il modello a punto materiale le distanze"},
    {"azzeramento negativo", {-225, 0, 500, 20, 5, 50}, "CAMBIA DISTANZA!!", "con il modello a punto materiale la distanza di azzeramento"},
    {"oltre la gittata", {225, 0, 20000, 100, 5, 50}, "DISTANZA TROPPO GRANDE!!", "con il modello a punto materiale la tabella si può calcolare fino a "},
    {"zero irraggiungibile", {20000, 0, 500, 20, 5, 50}, "CAMBIA DISTANZA!!", "con il modello a punto materiale la palla non arriva"},
};
TABELLA(RifiutoPuntoMateriale, CasoRifiutoPM, kRifiutiPM);

TEST(TabellaCalcolata, IlPuntoMaterialeCercaLoZeroOttimaleEDiceLAria) {
    DatiModello g7;
    g7.modello = TipoModello::G7;
    g7.pressione = 960;
    g7.umidita = 50;
    g7.angoloVento = 45;
    const auto t = std::get<TabellaCalcolata>(TabellaCalcolata::Calcola(prova::PallaInAria(), kPredefinita, g7));
    ASSERT_TRUE(t.DistanzaOttimale());
    // The highest point of the path with that zero is +6 cm.
    const auto zero = ZeroPerBanda(t.Dati(), g7, 6.0);
    ASSERT_TRUE(zero);
    EXPECT_EQ(t.DistanzaOttimale(), InLong(*zero));
    int righe = 0;
    t.Righe([&](const ShotData& r) { righe += std::isfinite(r.ScartoMira) && std::isfinite(r.Scarto60); });
    EXPECT_EQ(righe, 26);
    EXPECT_EQ(TestoModelloEAria(t, ","),
              "Punto materiale G7; aria: 15,0 °C, 960,0 hPa, umidità 50 %, densità 1,157 kg/m³; vento da 45°");
}

}  // namespace
