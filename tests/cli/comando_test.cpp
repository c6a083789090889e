#include "comando.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

using namespace rigata;

namespace {

const std::string kDati = RIGATA_DATI_TEST;

struct Uscita {
    int esito;
    std::string out, err;
};

Uscita Esegui(const std::vector<std::string>& argomenti, const std::string& sep = ".") {
    std::ostringstream out, err;
    const int esito = EseguiComando(argomenti, out, err, sep);
    return {esito, out.str(), err.str()};
}

std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::istringstream in(testo);
    for (std::string r; std::getline(in, r);) righe.push_back(r);
    return righe;
}

std::string FileTemporaneo(const std::string& contenuto) {
    char nome[] = "/tmp/rigata-cmd-XXXXXX";
    const int fd = mkstemp(nome);
    close(fd);
    std::ofstream(nome, std::ios::binary) << contenuto;
    return nome;
}

TEST(RigaDiComando, TabellaGenerale) {
    const auto u = Esegui({"--tabella", kDati + "/esempio.dat"});
    ASSERT_EQ(u.esito, 0) << u.err;
    const auto righe = Righe(u.out);
    ASSERT_EQ(righe.size(), 28u);
    EXPECT_EQ(righe[0], "La distanza ottimale di azzeramento per uno scarto max. di +6cm è di m 224");
    EXPECT_EQ(righe[1],
              "Distanza (m)\tCaduta (cm)\tOrdinata (cm)\tVelocità (m/s)\tEnergia   (J) \tDev.Vento (cm)\tTempo volo "
              "(s)\tScarto mira (cm)");
    EXPECT_EQ(righe[3], "20\t-0.2\t2.5\t946.6\t2758.3\t-0.1\t0.021\t-2.0");
    EXPECT_EQ(righe[27], "500\t-186.3\t-117.5\t597.0\t1096.9\t-73.5\t0.665\t-111.4");
    EXPECT_TRUE(u.err.empty());
}

TEST(RigaDiComando, TabellaDiCampagnaConLaVirgola) {
    const auto u = Esegui({"--tabella", kDati + "/esempio.dat", "--campagna"}, ",");
    ASSERT_EQ(u.esito, 0) << u.err;
    const auto righe = Righe(u.out);
    ASSERT_EQ(righe.size(), 28u);
    EXPECT_EQ(righe[1], "Distanza (m\tVelocità (m/s)\tEnergia   (J)\tScarto  0°(cm)\tScarto 15°(cm)\tScarto 30°(cm)\tScarto "
                        "45°(cm)\tScarto 60°(cm)");
    EXPECT_EQ(righe[2], "0\t965,0\t2866,3\t-5,0\t-5,0\t-5,0\t-5,0\t-5,0");
    EXPECT_EQ(righe[27], "500\t597,0\t1096,9\t-111,4\t-105,1\t-86,4\t-56,8\t-18,2");
}

struct CasoRifiuto {
    const char* riga;
    const char* titolo;
};
class DatiRifiutati : public ::testing::TestWithParam<CasoRifiuto> {};

TEST_P(DatiRifiutati, TitoloEMessaggioSuStderr) {
    const std::string file = FileTemporaneo(GetParam().riga);
    const auto u = Esegui({"--tabella", file});
    std::remove(file.c_str());
    EXPECT_EQ(u.esito, kEsitoRifiuto);
    EXPECT_TRUE(u.out.empty());
    EXPECT_EQ(Righe(u.err).at(0), GetParam().titolo) << u.err;
    EXPECT_EQ(Righe(u.err).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Righe, DatiRifiutati,
    ::testing::Values(CasoRifiuto{"0,243,95,0,15,965,0.379,225,0,500,20,5,50", "CAMBIA VALORE!!"},
                      CasoRifiuto{"0.243,95,0,15,965,1.2,225,0,500,20,5,50", "VALORE TROPPO GRANDE"},
                      CasoRifiuto{"0.243,95,0,15,965,.379,225,0,500,20,5,50", "VALORE NON CORRETTO"},
                      CasoRifiuto{"0.243,95,0,15,1370,0.379,225,0,500,20,5,50", "CAMBIA VALORE!!"},
                      CasoRifiuto{"0.243,95,0,15,965,0,225,0,500,20,5,50", "INSERISCI COEFFICIENTE!!"},
                      CasoRifiuto{"0.243,95,40000,15,965,0.379,225,0,500,20,5,50", "CAMBIA VALORE!!"},
                      CasoRifiuto{"0.243,95,0,-300,965,0.379,225,0,500,20,5,50", "CAMBIA VALORE!!"},
                      CasoRifiuto{"1e39,95,0,15,965,0.379,225,0,500,20,5,50", "CAMBIA VALORE!!"},
                      CasoRifiuto{"0.243,95,0,15,965,0.379,225,0,500,0,5,50", "CAMBIA INTERVALLO!!"},
                      CasoRifiuto{"0.243,95,0,15,965,0.379,0,0,500,20,5,50", "CAMBIA DISTANZA!!"},
                      CasoRifiuto{"0.243,95,0,15,965,0.379,225,0,99999,1,5,50", "TROPPE RIGHE!!"},
                      CasoRifiuto{"0.243,95,0,15,965,0.379,225,0,90000,100,5,50", "DISTANZA TROPPO GRANDE!!"},
                      CasoRifiuto{"0.243,95,0,15,965,-.3,225,0,500,20,5,50", "CAMBIA VALORE!!"},
                      CasoRifiuto{"\xff\xfe,\x01", "CAMBIA VALORE!!"}));

TEST(RigaDiComando, ZeroRigheSoloIntestazioni) {
    const std::string file = FileTemporaneo("0.243,95,0,15,965,0.379,225,20,0,20,5,50\r\n");
    const auto u = Esegui({"--tabella", file});
    std::remove(file.c_str());
    ASSERT_EQ(u.esito, 0);
    EXPECT_EQ(Righe(u.out).size(), 2u);
}

TEST(RigaDiComando, FileIllegibile) {
    const auto u = Esegui({"--tabella", kDati + "/non-esiste.dat"});
    EXPECT_EQ(u.esito, kEsitoFile);
    EXPECT_NE(u.err.find("non-esiste.dat"), std::string::npos);
    EXPECT_EQ(Esegui({"--tabella", kDati}).esito, kEsitoFile);
}

struct CasoUso {
    std::vector<std::string> argomenti;
    int esito;
};
class Uso : public ::testing::TestWithParam<CasoUso> {};
TEST_P(Uso, OpzioniErrate) { EXPECT_EQ(Esegui(GetParam().argomenti).esito, GetParam().esito); }
INSTANTIATE_TEST_SUITE_P(Opzioni, Uso,
                         ::testing::Values(CasoUso{{"--help"}, 0}, CasoUso{{"--version"}, 0},
                                           CasoUso{{"--tabella"}, kEsitoUso}, CasoUso{{"--boh"}, kEsitoUso},
                                           CasoUso{{"--campagna"}, kEsitoUso},
                                           CasoUso{{"--tabella", "a", "--tabella", "b"}, kEsitoUso}));

}  // namespace
