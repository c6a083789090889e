// The readers and the safe writer on every kind of path, on files of other
// users and groups, through links, under a file-size limit; the catalogue
// store shared by two programs; the command line's output that cannot be
// written. A failure is a message that names the file, and the old file
// stays whole.
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sstream>

#include "../supporto/cartella.h"
#include "casi.h"
#include "catalogo.h"
#include "comando.h"
#include "file.h"
#include "nuovapalla.h"
#include "rigadati.h"

using namespace rigata;
using prova::Leggi;
using prova::Scrivi;

namespace {

const std::string kRiga = "0.243,95,450,15,965,0.379,225,0,500,20,5,50";
const std::string kLunga(32767, '1');
constexpr uid_t kNobody = 65534;
constexpr gid_t kUtenti = 100;  // the extra group of the child ("users")

// What fai() returns in a forked child: as root the child becomes nobody
// (member of kUtenti), since root writes anywhere. "(figlio fallito)" when
// the child could not.
std::string NelFiglio(const std::function<std::string()>& fai) {
    int tubo[2];
    if (::pipe(tubo) != 0) return "(figlio fallito)";
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        const gid_t gruppi[] = {kUtenti};
        if (::geteuid() == 0 && (::setgroups(1, gruppi) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(3);
        const std::string risposta = fai();
        (void)!::write(tubo[1], risposta.data(), risposta.size());
        ::_exit(0);
    }
    ::close(tubo[1]);
    int stato = 0;
    ::waitpid(figlio, &stato, 0);  // the answer, a message, fits in the pipe
    char risposta[4096];
    const ssize_t n = ::read(tubo[0], risposta, sizeof risposta);
    ::close(tubo[0]);
    return WIFEXITED(stato) && WEXITSTATUS(stato) == 0 && n >= 0 ? std::string(risposta, static_cast<size_t>(n))
                                                                 : "(figlio fallito)";
}

long Temporanei(const std::string& cartella) {
    return std::count_if(std::filesystem::recursive_directory_iterator(cartella), {}, [](const auto& voce) {
        return voce.path().filename().string().find(".rigata-") != std::string::npos;
    });
}

// ---- kinds of file: refused by the readers and the writer, never replaced ----

struct CasoTipo {
    const char* nome;
    std::function<std::string(const std::string& cartella)> crea;  // gives the path
    const char *dati, *catalogo;  // the reasons; "": read, the first field "0.243"
    const char* scrittura;        // the reason; nullptr: no write tried
};
class TipiDiFile : public ::testing::TestWithParam<CasoTipo> {};

TEST_P(TipiDiFile, RifiutatiOLettiSenzaCambiare) {
    const CasoTipo& caso = GetParam();
    prova::CartellaTemporanea c;
    const std::string percorso = caso.crea(c.Percorso());
    struct stat prima {}, dopo {};
    ASSERT_EQ(lstat(percorso.c_str(), &prima), 0);
    const std::string inizio = "\"" + percorso + "\": ";
    CampiDati campi;
    const auto dati = LeggiFileDati(percorso, campi);
    ASSERT_EQ(dati.has_value(), *caso.dati != 0) << dati.value_or("");
    EXPECT_NE(dati.value_or(inizio).find(inizio + caso.dati), std::string::npos) << *dati;
    EXPECT_EQ(RigaDati(campi), dati ? RigaDati({}) : kRiga);  // a refusal leaves the fields alone
    Catalogo catalogo;
    const auto esito = LeggiFileCatalogo(catalogo, percorso);
    ASSERT_EQ(esito.errore.has_value(), *caso.catalogo != 0) << esito.errore.value_or("");
    EXPECT_NE(esito.errore.value_or(inizio).find(inizio + caso.catalogo), std::string::npos) << *esito.errore;
    EXPECT_EQ(catalogo.Righe.empty() ? "" : catalogo.Righe[0][kMarca], esito.errore ? "" : "0.243");
    if (!caso.scrittura) return;
    const auto scrittura = ScriviFileDati(percorso, DividiRigaDati(kRiga)).value_or("");
    EXPECT_NE(scrittura.find(inizio + caso.scrittura), std::string::npos) << scrittura;
    lstat(percorso.c_str(), &dopo);
    EXPECT_EQ(dopo.st_mode & S_IFMT, prima.st_mode & S_IFMT) << "replaced by another kind of file";
}

const CasoTipo kTipi[] = {
    {"cartella", [](const std::string& c) { return c; }, "è una cartella", "è una cartella", "è una cartella"},
    {"fifo", [](const std::string& c) { return mkfifo((c + "/f").c_str(), 0644), c + "/f"; }, "è una pipe (FIFO)",
     "è una pipe (FIFO)", "è una pipe (FIFO)"},
    // A zero device of its own (root), so that a faulty write cannot replace the system's.
    {"dispositivo",
     [](const std::string& c) {
         return mknod((c + "/z").c_str(), S_IFCHR | 0666, makedev(1, 5)) ? "/dev/zero" : c + "/z";
     },
     "è un dispositivo", "è un dispositivo", "è un dispositivo"},
    {"sparso di 3 GB", [](const std::string& c) { return truncate(Scrivi(c + "/g", "").c_str(), 3LL << 30), c + "/g"; },
     "la prima riga è troppo lunga", "è troppo grande (più di 256 MB)", nullptr},
    // After the first line, anything of any length.
    {"segno di codifica",
     [](const std::string& c) { return Scrivi(c + "/b", "\xEF\xBB\xBF" + kRiga + std::string("\r\n\0\xff", 4)); }, "", "",
     nullptr}};
TABELLA(TipiDiFile, CasoTipo, kTipi);

// ---- a data file saved by an ordinary user: permissions, links, group, size limit, fields ----

struct CasoScrittura {
    const char* nome;
    std::function<std::string(const std::string& cartella)> prepara;  // as root; gives the path written
    const char* motivo;   // nullptr: written
    size_t indice = 0;    // the field given this text, if any
    const char* testo = nullptr;
    rlim_t limite = RLIM_INFINITY;  // of the file size, in the child
};
class Scrittura : public ::testing::TestWithParam<CasoScrittura> {};

TEST_P(Scrittura, RiuscitaORifiutoCheLasciaIlVecchio) {
    const CasoScrittura& caso = GetParam();
    prova::CartellaTemporanea c;
    const std::string percorso = caso.prepara(c.Percorso());
    // Everything to the child's user, but what a case gave to another group.
    struct stat info {}, prima {}, dopo {};
    for (const auto& voce : std::filesystem::recursive_directory_iterator(c.Percorso()))
        if (lstat(voce.path().c_str(), &info) == 0 && info.st_gid == 0)
            (void)!lchown(voce.path().c_str(), kNobody, kNobody);
    if (geteuid() == 0) (void)!chown(c.Percorso().c_str(), kNobody, kNobody);
    const bool esisteva = stat(percorso.c_str(), &prima) == 0;
    const std::string vecchio = esisteva ? Leggi(percorso) : "";
    CampiDati campi = DividiRigaDati(kRiga);
    if (caso.testo) campi[caso.indice] = caso.testo;
    const std::string errore = NelFiglio([&] {
        const rlimit limite{caso.limite, caso.limite};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limite);
        return ScriviFileDati(percorso, campi).value_or("(scritto)");
    });
    chmod(c.Percorso().c_str(), 0755);
    EXPECT_EQ(Temporanei(c.Percorso()), 0);
    if (caso.motivo) {
        EXPECT_NE(errore.find("\"" + percorso + "\""), std::string::npos) << errore;
        EXPECT_NE(errore.find(caso.motivo), std::string::npos) << errore;
        EXPECT_EQ(esisteva ? Leggi(percorso) : "", vecchio);
        return;
    }
    ASSERT_EQ(errore, "(scritto)");
    EXPECT_EQ(Leggi(percorso), kRiga + "\r\n");
    lstat(percorso.c_str(), &info);
    EXPECT_EQ(S_ISLNK(info.st_mode), percorso.back() == 'l') << "the link was replaced";
    stat(percorso.c_str(), &dopo);
    EXPECT_EQ(dopo.st_gid, esisteva ? prima.st_gid : dopo.st_gid);
    EXPECT_EQ(dopo.st_mode, esisteva ? prima.st_mode : dopo.st_mode);
}

// "vero/x.dat" with an old content, and a link "l" to where.
std::string Collegamento(const std::string& c, const std::string& dove) {
    std::filesystem::create_directory(c + "/vero");
    Scrivi(c + "/vero/x.dat", "vecchio\r\n");
    symlink(dove == "ASSOLUTO" ? (c + "/vero/x.dat").c_str() : dove.c_str(), (c + "/l").c_str());
    return c + "/l";
}

std::string Vecchio(const std::string& c, mode_t file = 0644, mode_t cartella = 0755) {
    Scrivi(c + "/x.dat", "vecchio\r\n");
    chmod((c + "/x.dat").c_str(), file);
    chmod(c.c_str(), cartella);
    return c + "/x.dat";
}
std::string Normale(const std::string& c) { return Vecchio(c); }

const CasoScrittura kScritture[] = {
    {"file di sola lettura", [](const std::string& c) { return Vecchio(c, 0444); },
     "il file è protetto dalla scrittura. Il contenuto precedente del file non è stato modificato."},
    {"cartella di sola lettura", [](const std::string& c) { return Vecchio(c, 0644, 0555); },
     "\" non si può scrivere (permesso negato)"},
    {"cartella mancante", [](const std::string& c) { return c + "/manca/x.dat"; },
     "/manca\" non esiste. Il file non è stato creato."},
    {"limite di dimensione", Normale, "file troppo grande", 0, nullptr, 3},
    {"collegamento assoluto", [](const std::string& c) { return Collegamento(c, "ASSOLUTO"); }, nullptr},
    {"collegamento relativo", [](const std::string& c) { return Collegamento(c, "vero/x.dat"); }, nullptr},
    {"collegamento pendente", [](const std::string& c) { return Collegamento(c, "vero/nuovo.dat"); }, nullptr},
    // A catalogue shared by a group: root's file, writable by the group the child belongs to.
    {"gruppo e permessi conservati",
     [](const std::string& c) {
         const std::string f = Vecchio(c, 0664);
         if (geteuid() == 0) (void)!chown(f.c_str(), 0, kUtenti);
         return f;
     },
     nullptr},
    // Fields that would not come back are refused before writing.
    {"a capo", Normale, "il campo \"altezza della linea di mira\" contiene un a capo", 11, "50\r"},
    {"segno di codifica", Normale, "il campo \"diametro della palla\" comincia con \"ï»¿\"", 0, "ï»¿0.243"},
    {"riga troppo lunga", Normale, "superano 32767 caratteri", 5, kLunga.c_str()}};
TABELLA(Scrittura, CasoScrittura, kScritture);

// ---- the catalogue store ----

DatiNuovaPalla Palla(const std::string& marca) { return {marca, ".308", "180", "SP", ".425", {}, {}}; }

TEST(Catalogo, DueProgrammiInsiemeNonPerdonoPalle) {
    prova::CartellaTemporanea c;
    const std::string catalogo = Scrivi(c.File("stdbulls.bc"), "");
    pid_t figli[2];
    for (int k = 0; k < 2; ++k)
        if ((figli[k] = fork()) == 0) {
            for (int i = 0; i < 50; ++i)
                if (MemorizzaPalla(catalogo, Palla(std::string(1, static_cast<char>('A' + k)) + std::to_string(i))))
                    _exit(1);
            _exit(0);
        }
    for (pid_t figlio : figli) {
        int stato = 0;
        waitpid(figlio, &stato, 0);
        EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << "a store reported a failure";
    }
    Catalogo letto;
    CaricaTestoCatalogo(letto, Leggi(catalogo));
    EXPECT_EQ(letto.NumeroPalle, 100);
}

// Stored through a link, the lock is the one beside the file it leads to,
// the lock a program storing by the file's own path takes turns on.
TEST(Catalogo, BloccoAccantoAlFileDelCollegamento) {
    prova::CartellaTemporanea c;
    ASSERT_FALSE(MemorizzaPalla(Collegamento(c.Percorso(), "vero/x.dat"), Palla("Hornady")));
    EXPECT_TRUE(FileEsiste(c.File("vero/.x.dat.lock")));
    EXPECT_FALSE(FileEsiste(c.File(".l.lock")));
}

TEST(Catalogo, PienoNonCambiaETemporaneiAbbandonatiRimossi) {
    prova::CartellaTemporanea c;
    std::string pieno = "(c) note do not count\r\n\r\n";
    for (int i = 1; i < kMassimoPalle; ++i) pieno += "Sierra,.308,150,SPBT,.226,.400\r\n";
    const std::string catalogo = Scrivi(c.File("stdbulls.bc"), pieno);
    // A killed writer's temporary file, a live writer's (it holds the lock), another file's.
    for (const char* nome : {".stdbulls.bc.rigata-MORTO0", ".stdbulls.bc.rigata-VIVO00", ".altro.dat.rigata-ALTRO0"})
        Scrivi(c.File(nome), "parziale");
    const int vivo = open(c.File(".stdbulls.bc.rigata-VIVO00").c_str(), O_RDONLY);
    ASSERT_EQ(flock(vivo, LOCK_EX), 0);
    ASSERT_FALSE(MemorizzaPalla(catalogo, Palla("Hornady")));  // row 4000 still fits
    close(vivo);
    EXPECT_EQ(Temporanei(c.Percorso()), 2);
    EXPECT_TRUE(FileEsiste(c.File(".stdbulls.bc.rigata-VIVO00")));
    const std::string conQuattromila = Leggi(catalogo);
    const std::string errore = MemorizzaPalla(catalogo, Palla("Hornady")).value_or("");
    EXPECT_NE(errore.find("contiene già 4000 palle"), std::string::npos) << errore;
    EXPECT_NE(errore.find("non è stato modificato"), std::string::npos) << errore;
    EXPECT_EQ(Leggi(catalogo), conQuattromila);
    // A user's own catalogue shares the limit with the delivered one listed before it.
    const std::string proprio = c.File("proprio.bc");
    EXPECT_TRUE(MemorizzaPalla(proprio, Palla("Hornady"), kMassimoPalle));
    EXPECT_FALSE(FileEsiste(proprio));
    EXPECT_FALSE(MemorizzaPalla(proprio, Palla("Hornady"), kMassimoPalle - 1));
}

// ---- the command line's output ----

TEST(Uscita, DiscoPienoDaEsitoUnoEMessaggio) {
    const int fd = open("/dev/full", O_WRONLY);
    std::ostringstream err;
    EXPECT_EQ(EseguiComandoSu({"--tabella", RIGATA_DATI_TEST "/esempio.dat"}, fd, err, "."), kEsitoFile);
    EXPECT_EQ(err.str(), "rigata: impossibile scrivere il risultato: spazio su disco esaurito.\n");
    close(fd);
}

}  // namespace
