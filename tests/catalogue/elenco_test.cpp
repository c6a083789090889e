#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogo.h"
#include "elenco.h"

using namespace rigata;

namespace {

// Characters (code points) from column inizio (1-based), as many as larghezza.
std::string Colonne(const std::string& riga, size_t inizio, size_t larghezza) {
    std::vector<std::string> caratteri;
    for (size_t i = 0; i < riga.size();) {
        const auto b = static_cast<unsigned char>(riga[i]);
        const size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        caratteri.push_back(riga.substr(i, n));
        i += n;
    }
    EXPECT_EQ(caratteri.size(), 110u) << riga;
    std::string out;
    for (size_t c = inizio - 1; c < inizio - 1 + larghezza && c < caratteri.size(); ++c) out += caratteri[c];
    return out;
}

const std::string kRigaDefault = std::string("0.243\"   95gr    Nosler  BTsb") + std::string(18, ' ') + "0.379" +
                                 std::string(58, ' ');

TEST(RigaElenco, PallaDiDefault) {
    ASSERT_EQ(kRigaDefault.size(), 110u);
    EXPECT_EQ(RigaPallaDefaultSAE(), kRigaDefault);
    Catalogo c;
    CaricaTestoCatalogo(c, "Nosler,.243,95,BTsb,.230,.379\r\n");
    EXPECT_EQ(RigaElenco(c.Righe[0], false), kRigaDefault);
}

struct CasoColonna {
    const char* riga;  // as in the file
    bool metrico;
    size_t inizio, larghezza;
    const char* atteso;
};

class Colonna : public ::testing::TestWithParam<CasoColonna> {};

TEST_P(Colonna, TestoNellaSuaColonna) {
    const auto& c = GetParam();
    const std::string riga = RigaElenco(DividiRigaCatalogo(c.riga), c.metrico);
    EXPECT_EQ(Colonne(riga, c.inizio, c.larghezza), c.atteso) << riga;
}

const char* const kQuattroCoppie = "Sierra,.308,150,SPBT,.226,.400,2800,.420,2000,.400,1600,.380,3000,.3805";

INSTANTIATE_TEST_SUITE_P(
    Righe, Colonna,
    ::testing::Values(
        CasoColonna{"Hornady,.338,95,SP,.1,.4", true, 1, 9, "8.59mm   "},
        CasoColonna{"Hornady,.308,95,SP,.1,.4", true, 1, 9, "7.82mm   "},
        CasoColonna{"Hornady,.308,95,SP,.1,.4", true, 10, 7, "6.16g  "},
        CasoColonna{"Hornady,.308,150,SP,.1,.4", true, 10, 7, "9.72g  "},
        CasoColonna{"Hornady,.308,150,SP,.1,.4", false, 1, 16, "0.308\"   150gr  "},
        CasoColonna{"Hornady,.3,150,SP,.1,.4", true, 1, 9, ".01mm    "},  // last three characters: "0.3"
        CasoColonna{"Hornady,,150,SP,.1,.4", true, 1, 9, "mm       "},
        CasoColonna{"Remington,.308,150,Core-Lokt,.1,.4", false, 17, 9, " Remingt "},
        CasoColonna{"Müller,.308,150,Kupfer Spitz,.1,.4", false, 18, 28, "Müller  Kupfer Spitz        "},
        CasoColonna{"A,.308,150,Tipo di ventidue lettere,.1,.4", false, 26, 22, "Tipo di ventidue let  "},
        CasoColonna{"A,.308,150,T,.1,.4", false, 46, 9, "  0.4    "},
        CasoColonna{kQuattroCoppie, false, 55, 56,
                    "2800   0.420  2000   0.400  1600   0.380  3000   0.380  "},
        CasoColonna{kQuattroCoppie, true, 55, 56,
                    "853.4  0.420  609.6  0.400  487.7  0.380  914.4  0.380  "},
        CasoColonna{"A,.308,150,T,.1,.4,3000,.1,3,.1,4,.1,5,.3800123,", false, 104, 7, "0.38001"},
        CasoColonna{"A,.308,150,T,.1,.4,3000,.1,3,.1,4,.1,5,.3800123,", false, 97, 14, "5      0.38001"}));

struct CasoVelocita {
    const char* piedi;
    const char* metri;
};

class Velocita : public ::testing::TestWithParam<CasoVelocita> {};

TEST_P(Velocita, DaPiediAMetri) { EXPECT_EQ(ConvertiVelocita(GetParam().piedi), GetParam().metri); }

INSTANTIATE_TEST_SUITE_P(Testi, Velocita,
                         ::testing::Values(CasoVelocita{"2800", "853.4"}, CasoVelocita{"3000", "914.4"},
                                           CasoVelocita{"", ""}, CasoVelocita{"2800 fps", "853.4"},
                                           CasoVelocita{" 2800", ".0"}, CasoVelocita{"abc", ".0"},
                                           CasoVelocita{"1.5.5", ".5"}, CasoVelocita{"-2800", ".0"}));

TEST(ElencaCatalogo, RiselezionaLaRigaUguale) {
    Catalogo c;
    CaricaTestoCatalogo(c, "A,.224,55,T,.1,.2\r\nNosler,.243,95,BTsb,.230,.379\r\nB,.308,150,T,.1,.4\r\n");
    const auto sae = ElencaCatalogo(c, false, RigaPallaDefaultSAE());
    ASSERT_EQ(sae.size(), 3u);
    EXPECT_EQ(c.IndicePallaDefault, 1);

    // Unit switch: the selected line in the old units, then the same bullet in the new ones.
    c.IndicePallaDefault = 0;
    ElencaCatalogo(c, false, sae[2]);
    EXPECT_EQ(c.IndicePallaDefault, 2);
    const auto metriche = ElencaCatalogo(c, true, sae[1]);
    EXPECT_EQ(c.IndicePallaDefault, 2) << "a SAE line never equals a metric one";
    ElencaCatalogo(c, true, metriche[1]);
    EXPECT_EQ(c.IndicePallaDefault, 1);
}

TEST(ElencaCatalogo, SenzaRigaUgualeTieneLaPosizionePrecedente) {
    Catalogo c;
    CaricaTestoCatalogo(c, "A,.224,55,T,.1,.2\r\n");
    c.IndicePallaDefault = 7;
    EXPECT_EQ(ElencaCatalogo(c, false, RigaPallaDefaultSAE()).size(), 1u);
    EXPECT_EQ(c.IndicePallaDefault, 7);

    Catalogo vuoto;
    vuoto.IndicePallaDefault = 3;
    EXPECT_TRUE(ElencaCatalogo(vuoto, false, RigaPallaDefaultSAE()).empty());
    EXPECT_EQ(vuoto.IndicePallaDefault, 3);
}

}  // namespace
