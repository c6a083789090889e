// What the readers and the writer do with every kind of path: plain files,
// folders, FIFOs, devices, sockets, huge files and symbolic links; the first
// line of a data file and the fields that could not come back from it; the
// command line's output that cannot be written.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <sstream>

#include "../supporto/cartella.h"
#include "catalogo.h"
#include "comando.h"
#include "file.h"
#include "rigadati.h"

using namespace rigata;
using prova::Leggi;
using prova::Scrivi;

namespace {

const std::string kRiga = "0.243,95,450,15,965,0.379,225,0,500,20,5,50";

std::string NuovoSocket(const std::string& percorso) {
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    percorso.copy(indirizzo.sun_path, sizeof indirizzo.sun_path - 1);
    bind(s, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo);
    close(s);
    return percorso;
}

// ---- kinds of file: reading and writing ----

struct CasoTipo {
    const char* nome;
    std::function<std::string(const std::string& cartella)> crea;  // gives the path
    const char* motivoDati;
    const char* motivoCatalogo;
    const char* motivoScrittura;  // nullptr: the write succeeds
};

class TipiDiFile : public ::testing::TestWithParam<CasoTipo> {};

TEST_P(TipiDiFile, RifiutatiSenzaBloccarsiNeCambiare) {
    const CasoTipo& caso = GetParam();
    prova::CartellaTemporanea c;
    const std::string percorso = caso.crea(c.Percorso());
    struct stat prima {};
    ASSERT_EQ(lstat(percorso.c_str(), &prima), 0);
    CampiDati campi;
    const std::string dati = LeggiFileDati(percorso, campi).value_or("");
    EXPECT_NE(dati.find("\"" + percorso + "\": " + caso.motivoDati), std::string::npos) << dati;
    std::string contenuto;
    const std::string catalogo = LeggiTestoCatalogo(percorso, contenuto).value_or("");
    EXPECT_NE(catalogo.find("\"" + percorso + "\": " + caso.motivoCatalogo), std::string::npos) << catalogo;
    if (!caso.motivoScrittura) return;
    const std::string scrittura = ScriviFileDati(percorso, DividiRigaDati(kRiga)).value_or("");
    EXPECT_NE(scrittura.find("\"" + percorso + "\": " + caso.motivoScrittura), std::string::npos) << scrittura;
    struct stat dopo {};
    lstat(percorso.c_str(), &dopo);
    EXPECT_EQ(dopo.st_mode & S_IFMT, prima.st_mode & S_IFMT) << "replaced by another kind of file";
}

std::string Dispositivo(const std::string& cartella) {
    // A zero device of its own (root), so that a faulty write cannot replace the system's.
    const std::string percorso = cartella + "/zero";
    return mknod(percorso.c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0 ? percorso : "/dev/zero";
}

INSTANTIATE_TEST_SUITE_P(
    Tipi, TipiDiFile,
    ::testing::Values(
        CasoTipo{"cartella", [](const std::string& c) { return c; }, "è una cartella", "è una cartella",
                 "è una cartella"},
        CasoTipo{"fifo",
                 [](const std::string& c) { return mkfifo((c + "/f").c_str(), 0644), c + "/f"; },
                 "è una pipe (FIFO)", "è una pipe (FIFO)", "è una pipe (FIFO)"},
        CasoTipo{"collegamento_a_fifo",
                 [](const std::string& c) {
                     mkfifo((c + "/f").c_str(), 0644);
                     return symlink("f", (c + "/l").c_str()), c + "/l";
                 },
                 "è una pipe (FIFO)", "è una pipe (FIFO)", "è una pipe (FIFO)"},
        CasoTipo{"dispositivo", Dispositivo, "è un dispositivo", "è un dispositivo", "è un dispositivo"},
        CasoTipo{"socket", [](const std::string& c) { return NuovoSocket(c + "/s"); }, "è un socket",
                 "è un socket", "è un socket"},
        CasoTipo{"sparso_di_3_GB",
                 [](const std::string& c) { return truncate((Scrivi(c + "/g", ""), c + "/g").c_str(), 3LL << 30), c + "/g"; },
                 "la prima riga è troppo lunga", "è troppo grande (più di 256 MB)", nullptr}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---- symbolic links: the target is written, the link stays ----

struct CasoCollegamento {
    const char* nome;
    const char* destinazione;  // of "l"; "m" is a link to "vero/x.dat"
};

class Collegamenti : public ::testing::TestWithParam<CasoCollegamento> {};

TEST_P(Collegamenti, SiScriveIlBersaglio) {
    prova::CartellaTemporanea c;
    std::filesystem::create_directory(c.File("vero"));
    Scrivi(c.File("vero/x.dat"), "vecchio\r\n");
    symlink("vero/x.dat", c.File("m").c_str());
    std::string destinazione = GetParam().destinazione;
    if (destinazione == "ASSOLUTO") destinazione = c.File("vero/x.dat");
    ASSERT_EQ(symlink(destinazione.c_str(), c.File("l").c_str()), 0);
    ASSERT_FALSE(ScriviFileDati(c.File("l"), DividiRigaDati(kRiga)));
    struct stat info {};
    lstat(c.File("l").c_str(), &info);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(Leggi(c.File("l")), kRiga + "\r\n");
    for (const auto& voce : std::filesystem::directory_iterator(c.File("vero")))
        EXPECT_EQ(voce.path().string().find(".rigata-"), std::string::npos) << "a temporary file left";
}

INSTANTIATE_TEST_SUITE_P(Casi, Collegamenti,
                         ::testing::Values(CasoCollegamento{"assoluto", "ASSOLUTO"},
                                           CasoCollegamento{"relativo", "vero/x.dat"},
                                           CasoCollegamento{"catena", "m"},
                                           CasoCollegamento{"pendente", "vero/nuovo.dat"}),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---- the first line of a data file ----

TEST(PrimaRiga, ContaSoloLaPrimaRiga) {
    prova::CartellaTemporanea c;
    CampiDati campi;
    // A byte-order mark is skipped; what follows the first line may be anything, however long.
    Scrivi(c.File("a.dat"), "\xEF\xBB\xBF" + kRiga + "\r\n" + std::string("\0\xff\x01", 3) + std::string(100000, 'x'));
    ASSERT_FALSE(LeggiFileDati(c.File("a.dat"), campi));
    EXPECT_EQ(RigaDati(campi), kRiga);
    // The longest first line, with and without its line end.
    Scrivi(c.File("b.dat"), std::string(32767, '7') + std::string("\r\n\0", 3));
    EXPECT_FALSE(LeggiFileDati(c.File("b.dat"), campi));
    Scrivi(c.File("b.dat"), std::string(32768, '7'));
    EXPECT_TRUE(LeggiFileDati(c.File("b.dat"), campi));
    Scrivi(c.File("c.dat"), "\xEF\xBB\xBF");
    EXPECT_NE(LeggiFileDati(c.File("c.dat"), campi).value_or("").find("vuoto"), std::string::npos);
    // The catalogue skips the mark too: its first note stays a note.
    Catalogo catalogo;
    CaricaTestoCatalogo(catalogo, "\xEF\xBB\xBF(c) note\r\nNosler,.243,95,BTsb,.230,.379\r\n");
    EXPECT_EQ(catalogo.NumeroPalle, 1);
}

// ---- fields that would not come back are refused before writing ----

struct CasoCampo {
    const char* nome;
    size_t indice;
    std::string testo;
    const char* messaggio;
};

class CampiRifiutati : public ::testing::TestWithParam<CasoCampo> {};

TEST_P(CampiRifiutati, MessaggioEFileIntatto) {
    prova::CartellaTemporanea c;
    Scrivi(c.File("x.dat"), "vecchio\r\n");
    CampiDati campi = DividiRigaDati(kRiga);
    campi[GetParam().indice] = GetParam().testo;
    const std::string errore = ScriviFileDati(c.File("x.dat"), campi).value_or("");
    EXPECT_NE(errore.find(GetParam().messaggio), std::string::npos) << errore;
    EXPECT_NE(errore.find("\"" + c.File("x.dat") + "\" non è stato salvato"), std::string::npos) << errore;
    EXPECT_EQ(Leggi(c.File("x.dat")), "vecchio\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Campi, CampiRifiutati,
    ::testing::Values(
        CasoCampo{"virgola_decimale", 10, "3,5",
                  "il campo \"velocità del vento laterale\" contiene una virgola, che nel file separa i valori. "
                  "Per i decimali usare il punto: \"3.5\" invece di \"3,5\"."},
        CasoCampo{"a_capo", 3, "15\n", "il campo \"temperatura\" contiene un a capo"},
        CasoCampo{"ritorno_carrello", 11, "50\r", "il campo \"altezza della linea di mira\" contiene un a capo"},
        CasoCampo{"carattere_nullo", 0, std::string("0.2\0", 4), "carattere di controllo"},
        CasoCampo{"fuori_da_windows_1252", 0, "0.243Ω",
                  "il campo \"diametro della palla\" contiene il carattere \"Ω\""},
        CasoCampo{"segno_di_codifica", 0, "ï»¿0.243", "comincia con \"ï»¿\""},
        CasoCampo{"riga_troppo_lunga", 5, std::string(32767, '1'), "superano 32767 caratteri"}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---- the command line's output ----

struct CasoUscita {
    const char* nome;
    std::function<int()> apri;  // the descriptor of the output
    const char* motivo;
};

class UscitaNonScrivibile : public ::testing::TestWithParam<CasoUscita> {};

TEST_P(UscitaNonScrivibile, EsitoUnoEMessaggio) {
    const auto gestore = std::signal(SIGPIPE, SIG_IGN);
    const int fd = GetParam().apri();
    std::ostringstream err;
    const int esito = EseguiComandoSu({"--tabella", RIGATA_DATI_TEST "/esempio.dat"}, fd, err, ".");
    close(fd);
    std::signal(SIGPIPE, gestore);
    EXPECT_EQ(esito, kEsitoFile);
    EXPECT_EQ(err.str(), std::string("rigata: impossibile scrivere il risultato: ") + GetParam().motivo + ".\n");
}

INSTANTIATE_TEST_SUITE_P(
    Uscite, UscitaNonScrivibile,
    ::testing::Values(CasoUscita{"disco_pieno", [] { return open("/dev/full", O_WRONLY); }, "spazio su disco esaurito"},
                      CasoUscita{"tubo_chiuso",
                                 [] {
                                     int tubo[2];
                                     (void)!pipe(tubo);
                                     close(tubo[0]);
                                     return tubo[1];
                                 },
                                 "l'uscita è stata chiusa"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
