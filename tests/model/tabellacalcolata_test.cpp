// A table computed with either model: the point mass refuses what it cannot
// compute, and either names the model and the air it used.
#include "tabellacalcolata.h"

#include "casi.h"
#include "modello.h"
#include "numeri.h"
#include "palla.h"

using namespace rigata;

namespace {

const RichiestaTabella kPredefinita{225, 0, 500, 20, 5, 50};

// The model and the air a table names, the one text that says which model drew the rows.
struct CasoModello {
    const char* nome;
    Scelte modello;
    const char* testo;
};
class ModelloEAria : public ::testing::TestWithParam<CasoModello> {};
TEST_P(ModelloEAria, Testo) {
    const auto t = TabellaCalcolata::Calcola(prova::PallaInAria(), kPredefinita, GetParam().modello);
    EXPECT_EQ(TestoModelloEAria(std::get<TabellaCalcolata>(t), ","), GetParam().testo);
}
Scelte PuntoMateriale(TipoModello m, std::optional<double> pressione, double umidita, double angoloVento,
                      std::vector<CoppiaVelocita> coppie = {}) {
    Scelte s;
    s.modello = m, s.pressione = pressione, s.umidita = umidita, s.angoloVento = angoloVento, s.coppie = std::move(coppie);
    return s;
}
const CasoModello kModelli[] = {
    {"classico", {}, "Classico (forma chiusa), C.B. G1 0,379"},
    {"G7 con l aria data", PuntoMateriale(TipoModello::G7, 960, 50, 45),
     "Punto materiale G7, C.B. G7 0,379; aria: 15,0 °C, 960,0 hPa, umidità 50 %, densità 1,157 kg/m³; vento da 45°"},
    {"G1 con le coppie", PuntoMateriale(TipoModello::G1, {}, 0, 90, {{853, 0.4}, {610, 0.38}}),
     "Punto materiale G1, C.B. G1 dalle coppie velocità-CB; aria: 15,0 °C, 960,3 hPa (atmosfera standard alla quota), "
     "umidità 0 %, densità 1,161 kg/m³; vento da 90°"},
};
TABELLA(ModelloEAria, CasoModello, kModelli);

struct CasoRifiutoPM {
    const char* nome;
    RichiestaTabella richiesta;
    const char *titolo, *inizioMessaggio;
};
class RifiutoPuntoMateriale : public ::testing::TestWithParam<CasoRifiutoPM> {};
TEST_P(RifiutoPuntoMateriale, TitoloEMessaggio) {
    Scelte g1;
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

}  // namespace
