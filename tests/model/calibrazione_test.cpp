// Truing the muzzle velocity: the impact a table of a known velocity gives
// at a distance brings a load typed at another velocity back to it, with
// either model, from above and from below, and with the powder's correction
// (the typed velocity is what is solved for); what cannot be trued is refused.
#include "calibrazione.h"

#include <cmath>

#include "casi.h"
#include "palla.h"
#include "tabellacalcolata.h"

using namespace rigata;

namespace {

using prova::kRichiesta;
using prova::PallaAVelocita;

struct CasoCalibra {
    const char* nome;
    TipoModello modello;
    float vera;      // the velocity whose impact is seen
    double distanza;
    double sensibilita;  // with the cartridge at -10 degrees
};
class Calibra : public ::testing::TestWithParam<CasoCalibra> {};
TEST_P(Calibra, RitrovaLaVelocita) {
    const CasoCalibra& c = GetParam();
    Scelte m;
    m.modello = c.modello;
    m.sensibilita = c.sensibilita, m.tempCartuccia = -10;
    const TabellaCalcolata vera = prova::Tabella(m, PallaAVelocita(c.vera));
    const float visto = S(RigaA(vera.Modello(), c.distanza).ScartoMira * 100.0);
    const auto esito = CalibraVelocita(PallaAVelocita(965), kRichiesta, m, c.distanza, visto);
    ASSERT_TRUE(std::holds_alternative<Calibrazione>(esito)) << std::get<Rifiuto>(esito).messaggio;
    const Calibrazione& k = std::get<Calibrazione>(esito);
    EXPECT_NEAR(k.velocita, c.vera, 1);
    EXPECT_EQ(k.velocita, std::round(k.velocita * 10) / 10) << "to a tenth";
    // Its impact is the one of the table typed with it, and close to the one seen.
    const TabellaCalcolata calibrata = prova::Tabella(m, PallaAVelocita(k.velocita));
    EXPECT_EQ(k.scartoCm, S(RigaA(calibrata.Modello(), c.distanza).ScartoMira * 100.0));
    EXPECT_NEAR(k.scartoCm, visto, 0.1);
}
const CasoCalibra kCalibre[] = {
    {"classico piu lenta a 300 m", TipoModello::Classico, 930, 300, 0},
    {"G1 piu lenta a 300 m", TipoModello::G1, 930, 300, 0},
    {"classico piu veloce a 100 m, prima dello zero", TipoModello::Classico, 1010, 100, 0},
    {"G1 con la polvere a -10 gradi", TipoModello::G1, 930, 300, 1.5},
};
TABELLA(Calibra, CasoCalibra, kCalibre);

struct CasoRifiutoCalibra {
    const char* nome;
    TipoModello modello;
    double distanza, scarto;
    const char *titolo, *testo;
};
class RifiutoCalibra : public ::testing::TestWithParam<CasoRifiutoCalibra> {};
TEST_P(RifiutoCalibra, TitoloEMessaggio) {
    const CasoRifiutoCalibra& c = GetParam();
    Scelte m;
    m.modello = c.modello;
    const auto esito = CalibraVelocita(PallaAVelocita(965), kRichiesta, m, c.distanza, c.scarto);
    ASSERT_TRUE(std::holds_alternative<Rifiuto>(esito));
    EXPECT_EQ(std::get<Rifiuto>(esito).titolo, c.titolo);
    EXPECT_NE(std::get<Rifiuto>(esito).messaggio.find(c.testo), std::string::npos) << std::get<Rifiuto>(esito).messaggio;
}
const CasoRifiutoCalibra kRifiutiCalibra[] = {
    {"alla distanza di azzeramento", TipoModello::Classico, 225, -1, "CAMBIA DISTANZA!!", "alla distanza di azzeramento"},
    {"distanza zero", TipoModello::G1, 0, -1, "CAMBIA DISTANZA!!", "maggiore di zero"},
    {"oltre la portata", TipoModello::G1, 20000, -1, "CAMBIA DISTANZA!!", "non si può calcolare"},
    {"scarto che nessuna velocita da", TipoModello::G7, 300, 50, "CAMBIA SCARTO!!", "nessuna velocità alla bocca fra 92 e 1370"},
};
TABELLA(RifiutoCalibra, CasoRifiutoCalibra, kRifiutiCalibra);

}  // namespace
