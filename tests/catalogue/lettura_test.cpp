#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../supporto/cartella.h"
#include "catalogo.h"
#include "elenco.h"

using namespace rigata;

namespace {

struct CasoDivisione {
    const char* riga;
    std::vector<std::string> celle;  // the first cells; the others must be empty
};

class Divisione : public ::testing::TestWithParam<CasoDivisione> {};

TEST_P(Divisione, SegueLaRegolaDelFile) {
    const auto& c = GetParam();
    const RigaCatalogo celle = DividiRigaCatalogo(c.riga);
    for (size_t i = 0; i < celle.size(); ++i)
        EXPECT_EQ(celle[i], i < c.celle.size() ? c.celle[i] : "") << "colonna " << i + 1 << " di " << c.riga;
}

INSTANTIATE_TEST_SUITE_P(
    Righe, Divisione,
    ::testing::Values(
        CasoDivisione{"Nosler,.243,95,BTsb,.230,.379", {"Nosler", "0.243", "95", "BTsb", "0.230", "0.379"}},
        CasoDivisione{"Sierra,.308,150,SPBT,.226,.400,2800,.420,2000,.400,1600,.380",
                      {"Sierra", "0.308", "150", "SPBT", "0.226", "0.400", "2800", "0.420", "2000", "0.400",
                       "1600", "0.380"}},
        // The last field is four characters at most; the fifth of every group is lost.
        CasoDivisione{"A,.3,1,T,.1,.3795", {"A", "0.3", "1", "T", "0.1", "0.379"}},
        CasoDivisione{"A,.3,1,T,.1,.3,2800123456789",
                      {"A", "0.3", "1", "T", "0.1", "0.3", "2800", "2345", "789"}},
        CasoDivisione{"A,.3,1,T,.1,.3,280", {"A", "0.3", "1", "T", "0.1", "0.3", "280"}},
        // Fields before a comma have no limit; a final comma keeps a long coefficient whole.
        CasoDivisione{"Sierra,.243,55,BlitzKing,.133,.225,2950,.225,2275,.2106,",
                      {"Sierra", "0.243", "55", "BlitzKing", "0.133", "0.225", "2950", "0.225", "2275", "0.2106"}},
        // Blanks: trimmed only from point-led fields, which get their zero.
        CasoDivisione{" Nosler, .308,95 ,BTsb,.230 ,.379", {" Nosler", "0.308", "95 ", "BTsb", "0.230", "0.379"}},
        CasoDivisione{"A,\t.308,1", {"A", "\t.308", "1"}},
        CasoDivisione{"A,0.308,1", {"A", "0.308", "1"}},
        CasoDivisione{"   ", {"   "}},
        CasoDivisione{"A,,1,,", {"A", "", "1"}},
        CasoDivisione{",,,,,,,,,,,,,,,,,", {}},
        // Fourteen fields at most.
        CasoDivisione{"a,b,c,d,e,f,1,2,3,4,5,6,7,8,9,10",
                      {"a", "b", "c", "d", "e", "f", "1", "2", "3", "4", "5", "6", "7", "8"}},
        CasoDivisione{"", {}}));

std::vector<std::string> Marche(const Catalogo& c) {
    std::vector<std::string> m;
    for (const auto& r : c.Righe) m.push_back(r[kMarca]);
    return m;
}

struct CasoTesto {
    const char* nome;
    std::string contenuto;
    std::vector<std::string> marche;
};

class TestoFile : public ::testing::TestWithParam<CasoTesto> {};

TEST_P(TestoFile, RigheDiDati) {
    Catalogo c;
    EXPECT_EQ(CaricaTestoCatalogo(c, GetParam().contenuto), 0);
    EXPECT_EQ(Marche(c), GetParam().marche);
    EXPECT_EQ(c.NumeroPalle, static_cast<int16_t>(GetParam().marche.size()));
}

INSTANTIATE_TEST_SUITE_P(
    File, TestoFile,
    ::testing::Values(
        CasoTesto{"SoloNote", "(c) 2018 Rigata\r\n\r\n(c)\r\n\r\n", {}},
        CasoTesto{"CMaiuscolaEUnDato", "(C) 2018 A,.308,1\r\n(c)x\r\nB,.3,1\r\n", {"(C) 2018 A", "B"}},
        CasoTesto{"NotaConSpazioDavanti", " (c) A\r\n", {" (c)"}},  // the last field: four characters
        CasoTesto{"FineRigaMiste", "A,.3,1\nB,.3,1\r\n\nC,.3,1", {"A", "B", "C"}},
        CasoTesto{"RigaDiSpazi", "A\r\n  \r\n", {"A", "  "}},
        CasoTesto{"Windows1252", "M\xfcller,.3\r\n\x80 Tip,.3\r\n", {"Müller", "€ Tip"}}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(TestoFile, UltimoCampoConCrPrimaDelLf) {
    Catalogo c;
    CaricaTestoCatalogo(c, "A,.3,1,T,.1,.38\r\nB,.3,1,T,.1,.39");
    EXPECT_EQ(c.Righe.at(0)[kCBStd], "0.38");
    EXPECT_EQ(c.Righe.at(1)[kCBStd], "0.39");
}

TEST(TestoFile, OltreLe4000RigheSiContanoQuelleEscluse) {
    std::string testo = "(c) nota\r\n";
    for (int i = 1; i <= 4003; ++i) testo += "M" + std::to_string(i) + ",.308,150\r\n\r\n";
    Catalogo c;
    EXPECT_EQ(CaricaTestoCatalogo(c, testo), 3);
    EXPECT_EQ(c.NumeroPalle, 4000);
    EXPECT_EQ(c.Righe.back()[kMarca], "M4000");
    EXPECT_EQ(TestoRigheEscluse(3),
              "L'archivio delle palle contiene più di 4000 palle: le ultime 3 righe non sono state caricate. Per usarle togliere dall'archivio le palle che non servono.");
    EXPECT_EQ(TestoRigheEscluse(1),
              "L'archivio delle palle contiene più di 4000 palle: l'ultima riga non è stata caricata. Per usarle togliere dall'archivio le palle che non servono.");
}

// Whatever the file holds, reading, sorting and listing end normally.
TEST(TestoFile, FileMalformatiNonRomponoNulla) {
    std::string binario;
    for (int i = 0; i < 3000; ++i) binario.push_back(static_cast<char>((i * 37 + i / 256) % 256));
    std::string diecimila;
    for (int i = 0; i < 10000; ++i) diecimila += std::to_string(i % 7) + ",." + std::to_string(i) + "\n";
    const std::string lunga(100000, 'x');
    const std::string virgole = std::string(50000, ',') + std::string(50000, '.');
    for (const std::string& contenuto : {binario, diecimila, lunga, virgole, std::string("\r\n\r\r\n\n")}) {
        Catalogo c;
        CaricaTestoCatalogo(c, contenuto);
        OrdinaCatalogo(c);
        for (const auto& riga : ElencaCatalogo(c, true, "")) EXPECT_GE(riga.size(), 110u);
        ElencaCatalogo(c, false, "");
    }
}

TEST(FileCatalogo, FileMancanteLasciaIlCatalogo) {
    prova::CartellaTemporanea cartella;
    Catalogo c;
    CaricaTestoCatalogo(c, "A,.3\r\nB,.3\r\n");
    const EsitoCaricamento esito = CaricaCatalogo(c, cartella.Percorso());
    EXPECT_TRUE(esito.fileMancante);
    EXPECT_FALSE(esito.errore);
    EXPECT_EQ(c.NumeroPalle, 2);
    EXPECT_EQ(c.PercorsoApp, cartella.Percorso());
    EXPECT_EQ(c.NomeFileCatalogo, "stdbulls.bc");
    EXPECT_EQ(c.PercorsoCatalogo, cartella.Percorso() + "/stdbulls.bc");
}

}  // namespace
