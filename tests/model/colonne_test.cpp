// The columns after the layout's eight, and the leads on running game: each
// lead cell against the row's own time of flight, with either model, across
// and at an angle; the card's lead block against the model at its distances.
#include "colonne.h"

#include "cartellino.h"
#include "casi.h"
#include "numeri.h"
#include "palla.h"
#include "tabellacalcolata.h"

using namespace rigata;

namespace {

// Every extra column in order, and which of them the compact grid shows.
TEST(ColonneAggiunte, OrdineEGriglia) {
    Scelte s;
    s.unita = UnitaCorrezione::Moa;
    s.pendio = -12.5;
    s.anticipi = {10, 100};
    std::vector<std::string> intestazioni;
    std::vector<bool> griglia;
    const ColonneAggiunte colonne(s, ",");
    for (const ColonnaAggiunta& c : colonne.Colonne()) {
        intestazioni.push_back(c.intestazione);
        griglia.push_back(c.griglia);
    }
    EXPECT_EQ(intestazioni, (std::vector<std::string>{"Correzione (MOA)", "Correzione (click)",
                                                      "Correzione vento (MOA)", "Correzione vento (click)",
                                                      "Scarto a -12.5° (cm)", "Anticipo 10 km/h (cm)",
                                                      "Anticipo 100 km/h (cm)"}));
    EXPECT_EQ(griglia, (std::vector<bool>{false, true, false, true, true, true, true}));
    EXPECT_TRUE(ColonneAggiunte(Scelte{}, ".").Colonne().empty());
}

// The lead of every row: km/h over 3.6 (m/s), times the row's time of flight
// (the field, not its three-decimal cell), times the sine of the angle
// (1 across, 1/2 at 30 degrees), in cm with the table's centimetre pattern;
// the cells after the correction and slope cells.
struct CasoAnticipo {
    const char* nome;
    TipoModello modello;
    double gradi, seno;
};
class Anticipo : public ::testing::TestWithParam<CasoAnticipo> {};
TEST_P(Anticipo, OgniRigaDalSuoTempoDiVolo) {
    const CasoAnticipo& c = GetParam();
    Scelte m;
    m.modello = c.modello;
    m.anticipi = {7, 100};
    m.angoloBersaglio = c.gradi;
    m.unita = UnitaCorrezione::Mrad;
    m.pendio = 20;
    const TabellaCalcolata t = prova::Tabella(m);
    const ColonneAggiunte colonne(m, ",");
    int righe = 0;
    t.Righe([&](const ShotData& r) {
        ++righe;
        const auto celle = colonne.Celle(r);
        ASSERT_EQ(celle.size(), 7u);
        for (size_t i = 0; i < 2; ++i) {
            const double metriAlSecondo = m.anticipi[i] * 1000 / 3600;
            EXPECT_EQ(celle[5 + i], FormattaNumero(metriAlSecondo * r.TempoVolo * c.seno * 100, "###0.0", ","))
                << r.Distanza;
        }
    });
    EXPECT_EQ(righe, 26);
}
const CasoAnticipo kAnticipi[] = {
    {"classico di traverso", TipoModello::Classico, 90, 1},
    {"classico a 30 gradi", TipoModello::Classico, 30, 0.5},
    {"G1 di traverso", TipoModello::G1, 90, 1},
    {"G7 a 30 gradi", TipoModello::G7, 30, 0.5},
};
TABELLA(Anticipo, CasoAnticipo, kAnticipi);

// The card's leads: 25 to 150 m every 25, the model's time of flight there,
// the legend that says where to aim; none without speeds.
TEST(CartellinoAnticipo, BloccoDa25A150) {
    Scelte m;
    m.modello = TipoModello::G1;
    m.anticipi = {20, 40};
    m.angoloBersaglio = 30;
    const TabellaCalcolata t = prova::Tabella(m);
    const auto k = std::get<Cartellino>(ComponiCartellino(t, m, kPassoCartellino, ","));
    ASSERT_TRUE(k.anticipi);
    EXPECT_EQ(k.anticipi->intestazioni, (std::vector<std::string>{"m", "20 km/h", "40 km/h"}));
    ASSERT_EQ(k.anticipi->righe.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        const int x = 25 * static_cast<int>(i + 1);
        const float tempo = RigaA(t.Modello(), x).TempoVolo;
        EXPECT_EQ(k.anticipi->righe[i],
                  (std::vector<std::string>{std::to_string(x), FormattaNumero(20 / 3.6 * tempo * 50, "###0.0", ","),
                                            FormattaNumero(40 / 3.6 * tempo * 50, "###0.0", ",")}));
    }
    EXPECT_NE(k.anticipi->legenda.find("a 30° dalla linea di mira: davanti all'animale, nel verso della sua corsa"),
              std::string::npos)
        << k.anticipi->legenda;
    EXPECT_FALSE(std::get<Cartellino>(ComponiCartellino(prova::Tabella(), {}, kPassoCartellino, ",")).anticipi);
}

}  // namespace
