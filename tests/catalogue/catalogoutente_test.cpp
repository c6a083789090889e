#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "../supporto/cartella.h"
#include "catalogoutente.h"

using namespace rigata;

namespace {

struct CasoCartella {
    const char* nome;
    const char* xdg;   // XDG_DATA_HOME, null when unset
    const char* home;  // HOME, null when unset
    const char* atteso;
};

class CartellaUtente : public ::testing::TestWithParam<CasoCartella> {};

TEST_P(CartellaUtente, SegueLeRegoleXdg) {
    const auto& c = GetParam();
    EXPECT_EQ(PercorsoCatalogoUtente(c.xdg, c.home), c.atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Ambiente, CartellaUtente,
    ::testing::Values(
        CasoCartella{"xdg_impostata", "/dati/anna", "/home/anna", "/dati/anna/rigata/stdbulls.bc"},
        CasoCartella{"xdg_con_barra_finale", "/dati/anna//", "/home/anna", "/dati/anna/rigata/stdbulls.bc"},
        CasoCartella{"senza_xdg", nullptr, "/home/anna", "/home/anna/.local/share/rigata/stdbulls.bc"},
        CasoCartella{"xdg_vuota", "", "/home/anna", "/home/anna/.local/share/rigata/stdbulls.bc"},
        CasoCartella{"xdg_relativa_ignorata", "dati", "/home/anna", "/home/anna/.local/share/rigata/stdbulls.bc"},
        CasoCartella{"home_radice", nullptr, "/", "/.local/share/rigata/stdbulls.bc"},
        CasoCartella{"home_relativa", nullptr, "anna", ""},
        CasoCartella{"nessuna_variabile", nullptr, nullptr, ""}),
    [](const auto& info) { return std::string(info.param.nome); });

std::string Righe(const std::string& marca, int quante) {
    std::string testo;
    for (int i = 0; i < quante; ++i) testo += marca + ",.308," + std::to_string(100 + i) + ",SP,.2,.3\r\n";
    return testo;
}

TEST(CatalogoUnito, UnSoloLimiteDi4000Righe) {
    Catalogo c;
    EXPECT_EQ(CaricaTestiCatalogo(c, Righe("Sierra", 3998), Righe("Mia", 5)), 3);
    ASSERT_EQ(c.NumeroPalle, 4000);
    EXPECT_EQ(c.Righe[3997][kMarca], "Sierra");
    EXPECT_EQ(c.Righe[3998][kMarca], "Mia");
    EXPECT_EQ(c.Righe[3999][kPeso], "101");
    // Rows beyond the limit in the delivered file count as well.
    EXPECT_EQ(CaricaTestiCatalogo(c, Righe("Sierra", 4001), Righe("Mia", 2)), 3);
    EXPECT_EQ(c.Righe[3999][kMarca], "Sierra");
}

TEST(CatalogoUnito, DaiFile) {
    prova::CartellaTemporanea cartella;
    const std::string consegnato = cartella.File("stdbulls.bc"), proprio = cartella.File("mio.bc");
    prova::Scrivi(consegnato, "Sierra,.308,150,SP,.226,.4\r\n");
    Catalogo c;
    // A user who stored nothing: no file of his, no message.
    EsitoCaricamento esito = CaricaCatalogoUnito(c, consegnato, proprio);
    EXPECT_FALSE(esito.fileMancante || esito.errore);
    EXPECT_EQ(c.NumeroPalle, 1);

    prova::Scrivi(proprio, "Mia,.243,95,BT,.230,.379\r\n");
    esito = CaricaCatalogoUnito(c, consegnato, proprio);
    EXPECT_FALSE(esito.fileMancante || esito.errore);
    ASSERT_EQ(c.NumeroPalle, 2);
    EXPECT_EQ(c.Righe[1][kMarca], "Mia");

    // The delivered file gone: the warning, and the user's rows alone.
    esito = CaricaCatalogoUnito(c, cartella.File("manca.bc"), proprio);
    EXPECT_TRUE(esito.fileMancante);
    ASSERT_EQ(c.NumeroPalle, 1);
    EXPECT_EQ(c.Righe[0][kMarca], "Mia");
}

TEST(CatalogoUnito, CartellaPreparataEScrivibile) {
    prova::CartellaTemporanea cartella;
    const std::string proprio = cartella.File("dati/rigata/stdbulls.bc");
    EXPECT_FALSE(CatalogoScrivibile(proprio));  // its folder does not exist yet
    EXPECT_FALSE(PreparaCartellaCatalogo(proprio));
    struct stat info {};
    ASSERT_EQ(::stat(cartella.File("dati/rigata").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(CatalogoScrivibile(proprio));
    EXPECT_FALSE(PreparaCartellaCatalogo(proprio));  // a second time: nothing to do
    // A package's catalogue is never written, even by whom may write it.
    EXPECT_TRUE(MemorizzaNelCatalogoConsegnato(proprio));
    prova::Scrivi(cartella.File("dati/rigata/catalogo-del-pacchetto"), "");
    EXPECT_FALSE(MemorizzaNelCatalogoConsegnato(proprio));
    EXPECT_TRUE(CatalogoScrivibile(proprio));

    // A file where a folder should be.
    prova::Scrivi(cartella.File("file"), "x");
    const auto errore = PreparaCartellaCatalogo(cartella.File("file/rigata/stdbulls.bc"));
    ASSERT_TRUE(errore);
    EXPECT_NE(errore->find(cartella.File("file")), std::string::npos) << *errore;
    EXPECT_FALSE(CatalogoScrivibile(cartella.File("file/stdbulls.bc")));
}

}  // namespace
