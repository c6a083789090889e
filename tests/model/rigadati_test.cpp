#include "rigadati.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "file.h"

using namespace rigata;

namespace {

struct CasoDivisione {
    const char* riga;
    CampiDati campi;
};

class DivisioneRigaDati : public ::testing::TestWithParam<CasoDivisione> {};

TEST_P(DivisioneRigaDati, RegolaDellaPrimaRiga) { EXPECT_EQ(DividiRigaDati(GetParam().riga), GetParam().campi); }

INSTANTIATE_TEST_SUITE_P(
    Righe, DivisioneRigaDati,
    ::testing::Values(
        CasoDivisione{"0.243,95,450,15,965,0.379,225,0,500,20,5,50",
                      {"0.243", "95", "450", "15", "965", "0.379", "225", "0", "500", "20", "5", "50"}},
        // The twelfth field after eleven commas runs to the line end.
        CasoDivisione{"0.243,95,450,15,965,0.379,225,0,500,20,5,123.45",
                      {"0.243", "95", "450", "15", "965", "0.379", "225", "0", "500", "20", "5", "123.45"}},
        // Fewer commas: five characters, one skipped, five more...
        CasoDivisione{"1,2,abcdefghijklmnopq", {"1", "2", "abcde", "ghijk", "mnopq", "", "", "", "", "", "", ""}},
        CasoDivisione{"0.308", {"0.308", "", "", "", "", "", "", "", "", "", "", ""}},
        CasoDivisione{"", {"", "", "", "", "", "", "", "", "", "", "", ""}},
        // Extra commas: the text after the twelfth is unused.
        CasoDivisione{"a,b,c,d,e,f,g,h,i,j,k,l,m,n", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"}},
        CasoDivisione{",,,,,,,,,,,", {"", "", "", "", "", "", "", "", "", "", "", ""}},
        CasoDivisione{"1,2,3,4,5,6,7,8,9,10,11,", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", ""}}));

TEST(RigaDati, DodiciTestiConLaVirgola) {
    const CampiDati campi{"0.243", "95", "450", "15", "965", "0.379", "225", "0", "500", "20", "5", "50"};
    EXPECT_EQ(RigaDati(campi), "0.243,95,450,15,965,0.379,225,0,500,20,5,50");
    EXPECT_EQ(DividiRigaDati(RigaDati(campi)), campi);
}

class FileDati : public ::testing::Test {
protected:
    void SetUp() override {
        char modello[] = "/tmp/rigata-dati-XXXXXX";
        ASSERT_NE(mkdtemp(modello), nullptr);
        cartella = modello;
    }
    void TearDown() override {
        chmod(cartella.c_str(), 0755);
        std::system(("rm -rf '" + cartella + "'").c_str());
    }
    void Scrivi(const std::string& nome, const std::string& byte) {
        std::ofstream(cartella + "/" + nome, std::ios::binary) << byte;
    }
    std::string Leggi(const std::string& nome) {
        std::string c;
        EXPECT_FALSE(LeggiFile(cartella + "/" + nome, c, 1 << 20));
        return c;
    }
    std::string cartella;
};

TEST_F(FileDati, SalvaERiapre) {
    const std::string riga = "0.243,95,450,15,965,0.379,225,0,500,20,5,50";
    ASSERT_FALSE(ScriviFileDati(cartella + "/a.dat", DividiRigaDati(riga)));
    EXPECT_EQ(Leggi("a.dat"), riga + "\r\n");
    CampiDati campi;
    ASSERT_FALSE(LeggiFileDati(cartella + "/a.dat", campi));
    EXPECT_EQ(RigaDati(campi), riga);
}

TEST_F(FileDati, SoloLaPrimaRigaAncheConLF) {
    Scrivi("b.txt", "1,2,3,4,5,6,7,8,9,10,11,12\nqualcosa,altro\n");
    CampiDati campi;
    ASSERT_FALSE(LeggiFileDati(cartella + "/b.txt", campi));
    EXPECT_EQ(campi[11], "12");
}

TEST_F(FileDati, TestoWindows1252) {
    Scrivi("c.dat", "caf\xe9,\x80\r\n");
    CampiDati campi;
    ASSERT_FALSE(LeggiFileDati(cartella + "/c.dat", campi));
    EXPECT_EQ(campi[0], "café");
    EXPECT_EQ(campi[1], "€");
    ASSERT_FALSE(ScriviFileDati(cartella + "/d.dat", DividiRigaDati("café,€")));
    EXPECT_EQ(Leggi("d.dat"), "caf\xe9,\x80,,,,,,,,,,\r\n");
}

struct CasoErrore {
    const char* contenuto;  // nullptr: no file
    const char* motivo;
};

class FileDatiIllegibile : public FileDati, public ::testing::WithParamInterface<CasoErrore> {};

TEST_P(FileDatiIllegibile, MessaggioCheNominaIlFile) {
    const std::string percorso = cartella + "/x.dat";
    if (GetParam().contenuto) Scrivi("x.dat", GetParam().contenuto);
    CampiDati campi;
    campi[0] = "intatto";
    const auto errore = LeggiFileDati(percorso, campi);
    ASSERT_TRUE(errore);
    EXPECT_NE(errore->find("\"" + percorso + "\""), std::string::npos) << *errore;
    EXPECT_NE(errore->find(GetParam().motivo), std::string::npos) << *errore;
    EXPECT_EQ(campi[0], "intatto");
}

INSTANTIATE_TEST_SUITE_P(Casi, FileDatiIllegibile,
                         ::testing::Values(CasoErrore{nullptr, "non esiste"}, CasoErrore{"", "vuoto"}));

TEST_F(FileDati, ByteNulloNonETesto) {
    Scrivi("n.dat", std::string("1,2\0,3", 6));
    CampiDati campi;
    const auto errore = LeggiFileDati(cartella + "/n.dat", campi);
    ASSERT_TRUE(errore);
    EXPECT_NE(errore->find("non è un file di testo"), std::string::npos);
}

TEST_F(FileDati, ScritturaInterrottaLasciaIlVecchioFile) {
    // A file-size limit makes the write fail half-way, for root as well.
    Scrivi("g.dat", "vecchio\r\n");
    struct rlimit prima {};
    getrlimit(RLIMIT_FSIZE, &prima);
    const auto gestore = signal(SIGXFSZ, SIG_IGN);
    struct rlimit piccolo = prima;
    piccolo.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &piccolo);
    const auto errore = ScriviFileDati(cartella + "/g.dat", DividiRigaDati(std::string(100, '1')));
    setrlimit(RLIMIT_FSIZE, &prima);
    signal(SIGXFSZ, gestore);
    ASSERT_TRUE(errore);
    EXPECT_NE(errore->find("non è stato modificato"), std::string::npos) << *errore;
    EXPECT_EQ(Leggi("g.dat"), "vecchio\r\n");
    // No temporary file is left behind.
    EXPECT_EQ(std::system(("test $(ls -A '" + cartella + "' | wc -l) -eq 1").c_str()), 0);
}

TEST_F(FileDati, ConservaIPermessiDelFileSostituito) {
    Scrivi("h.dat", "vecchio\r\n");
    chmod((cartella + "/h.dat").c_str(), 0600);
    ASSERT_FALSE(ScriviFileDati(cartella + "/h.dat", DividiRigaDati("nuovo")));
    struct stat info {};
    stat((cartella + "/h.dat").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(Leggi("h.dat"), "nuovo,,,,,,,,,,,\r\n");
}

TEST(Codifica, Windows1252AndataERitorno) {
    std::string tutti;
    for (int b = 1; b < 256; ++b) tutti.push_back(static_cast<char>(b));
    const auto ritorno = A1252(Da1252(tutti));
    ASSERT_TRUE(ritorno);
    EXPECT_EQ(*ritorno, tutti);
    EXPECT_EQ(Da1252("\x93Velocit\xe0\x94"), "“Velocità”");
    EXPECT_FALSE(A1252("\xff\xfe"));  // not UTF-8
    EXPECT_EQ(PrimoCarattereNon1252("abc€Ωd"), "Ω");
    EXPECT_EQ(PrimoCarattereNon1252("abc€"), "");
}

}  // namespace
