// Writes that fail or race: permissions, group and owner, temporary files
// left by a killed program, two programs storing bullets at once, a full
// catalogue. The old files stay whole, and a failure comes back as a message.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "../supporto/cartella.h"
#include "catalogo.h"
#include "file.h"
#include "nuovapalla.h"
#include "rigadati.h"
#include "utente.h"

using namespace rigata;
using prova::Leggi;
using prova::Scrivi;

namespace {

const std::string kVecchio = "Nosler,.243,95,BTsb,.230,.379\r\n";

DatiNuovaPalla Palla(const std::string& marca = "Hornady") {
    DatiNuovaPalla d;
    d.marca = marca, d.diametro = ".308", d.peso = "180", d.tipo = "SP", d.cbStd = ".425";
    return d;
}

int Temporanei(const std::string& cartella) {
    int n = 0;
    for (const auto& voce : std::filesystem::directory_iterator(cartella))
        n += voce.path().filename().string().find(".rigata-") != std::string::npos;
    return n;
}

// ---- permissions, checked as an ordinary user ----

struct CasoPermessi {
    const char* nome;
    mode_t file;       // 0: no file there
    mode_t cartella;
    bool sottocartellaMancante;
    const char* motivo;  // "%C" stands for the folder
    bool esisteva;       // the message speaks of the previous content
};

class Permessi : public ::testing::TestWithParam<CasoPermessi> {};

TEST_P(Permessi, RifiutoCheNominaFileOCartella) {
    const CasoPermessi& caso = GetParam();
    prova::CartellaTemporanea c;
    const std::string cartella = caso.sottocartellaMancante ? c.File("manca") : c.Percorso();
    const std::string file = cartella + "/caccia.dat";
    if (caso.file) {
        Scrivi(file, kVecchio);
        prova::CediANobody(file);
        chmod(file.c_str(), caso.file);
    }
    prova::CediANobody(c.Percorso());
    chmod(c.Percorso().c_str(), caso.cartella);
    const auto errore = prova::ComeUtenteComune([&] { return ScriviFileSicuro(file, "nuovo").value_or("(riuscito)"); });
    chmod(c.Percorso().c_str(), 0755);
    ASSERT_TRUE(errore) << "the child could not become an ordinary user";
    std::string motivo = caso.motivo;
    if (motivo.find("%C") != std::string::npos) motivo.replace(motivo.find("%C"), 2, cartella);
    EXPECT_EQ(errore->rfind("Impossibile salvare il file \"" + file + "\": " + motivo + ".", 0), 0u) << *errore;
    EXPECT_EQ(errore->find("precedente") != std::string::npos, caso.esisteva) << *errore;
    if (caso.file) {
        EXPECT_EQ(Leggi(file), kVecchio);
    }
    EXPECT_EQ(Temporanei(c.Percorso()), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Permessi,
    ::testing::Values(
        CasoPermessi{"file_di_sola_lettura", 0444, 0755, false, "il file è protetto dalla scrittura", true},
        CasoPermessi{"cartella_di_sola_lettura", 0644, 0555, false,
                     "nella cartella \"%C\" non si può scrivere (permesso negato)", true},
        CasoPermessi{"file_nuovo_in_cartella_di_sola_lettura", 0, 0555, false,
                     "nella cartella \"%C\" non si può scrivere (permesso negato)", false},
        CasoPermessi{"cartella_mancante", 0, 0755, true, "la cartella \"%C\" non esiste", false}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Guasti, GruppoPermessiEProprietarioConservati) {
    if (geteuid() != 0) GTEST_SKIP() << "files of another owner and group need root to be set up";
    prova::CartellaTemporanea c;
    // A catalogue shared by a group: root's file, writable by the group nobody belongs to.
    const std::string condiviso = c.File("stdbulls.bc");
    Scrivi(condiviso, kVecchio);
    ASSERT_EQ(chown(condiviso.c_str(), 0, prova::kGruppoCondiviso), 0);
    chmod(condiviso.c_str(), 0664);
    prova::CediANobody(c.Percorso());
    const auto errore = prova::ComeUtenteComune([&] { return MemorizzaPalla(condiviso, Palla()).value_or(""); });
    ASSERT_EQ(errore, "");
    struct stat info {};
    stat(condiviso.c_str(), &info);
    EXPECT_EQ(info.st_gid, prova::kGruppoCondiviso);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
    // Root, who may, keeps the owner as well.
    const std::string altrui = c.File("altrui.dat");
    Scrivi(altrui, kVecchio);
    ASSERT_EQ(chown(altrui.c_str(), prova::kNobody, prova::kGruppoCondiviso), 0);
    chmod(altrui.c_str(), 0640);
    ASSERT_FALSE(ScriviFileSicuro(altrui, "nuovo"));
    stat(altrui.c_str(), &info);
    EXPECT_EQ(info.st_uid, prova::kNobody);
    EXPECT_EQ(info.st_gid, prova::kGruppoCondiviso);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// ---- temporary files left by a killed program ----

TEST(Guasti, TemporaneiAbbandonatiRimossiAllaScritturaSeguente) {
    prova::CartellaTemporanea c;
    const std::string catalogo = c.File("stdbulls.bc");
    Scrivi(catalogo, kVecchio);
    // A killed writer's file, a live writer's (it holds the lock), another file's.
    for (const char* nome : {".stdbulls.bc.rigata-MORTO0", ".stdbulls.bc.rigata-VIVO00", ".altro.dat.rigata-ALTRO0"})
        Scrivi(c.File(nome), "parziale");
    const int vivo = open(c.File(".stdbulls.bc.rigata-VIVO00").c_str(), O_RDONLY);
    ASSERT_EQ(flock(vivo, LOCK_EX), 0);
    ASSERT_FALSE(MemorizzaPalla(catalogo, Palla()));
    close(vivo);
    EXPECT_FALSE(FileEsiste(c.File(".stdbulls.bc.rigata-MORTO0")));
    EXPECT_TRUE(FileEsiste(c.File(".stdbulls.bc.rigata-VIVO00")));
    EXPECT_TRUE(FileEsiste(c.File(".altro.dat.rigata-ALTRO0")));
}

// ---- the catalogue shared by programs ----

TEST(Catalogo, DueProgrammiCheMemorizzanoInsiemeNonPerdonoPalle) {
    prova::CartellaTemporanea c;
    const std::string catalogo = c.File("stdbulls.bc");
    Scrivi(catalogo, kVecchio);
    pid_t figli[2];
    for (int k = 0; k < 2; ++k) {
        figli[k] = fork();
        if (figli[k] == 0) {
            for (int i = 0; i < 50; ++i)
                if (MemorizzaPalla(catalogo, Palla(std::string(1, static_cast<char>('A' + k)) + std::to_string(i))))
                    _exit(1);
            _exit(0);
        }
    }
    for (pid_t figlio : figli) {
        int stato = 0;
        waitpid(figlio, &stato, 0);
        EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << "a store reported a failure";
    }
    Catalogo letto;
    CaricaTestoCatalogo(letto, Leggi(catalogo));
    EXPECT_EQ(letto.NumeroPalle, 101);
    EXPECT_TRUE(FileEsiste(c.File(".stdbulls.bc.lock")));
}

TEST(Catalogo, LaPalla4001NonVieneMemorizzata) {
    prova::CartellaTemporanea c;
    const std::string catalogo = c.File("stdbulls.bc");
    std::string pieno = "(c) note do not count\r\n\r\n";
    for (int i = 1; i < kMassimoPalle; ++i) pieno += "Sierra,.308,150,SPBT,.226,.400\r\n";
    Scrivi(catalogo, pieno);
    ASSERT_FALSE(MemorizzaPalla(catalogo, Palla()));  // row 4000 still fits
    const std::string conQuattromila = Leggi(catalogo);
    const auto errore = MemorizzaPalla(catalogo, Palla());
    ASSERT_TRUE(errore);
    EXPECT_NE(errore->find("contiene già 4000 palle"), std::string::npos) << *errore;
    EXPECT_NE(errore->find("non è stato modificato"), std::string::npos) << *errore;
    EXPECT_EQ(Leggi(catalogo), conQuattromila);
}

}  // namespace
