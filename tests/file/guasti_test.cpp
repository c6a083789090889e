// Writes that fail: a folder that became read-only, a full file system, a
// process killed half-way. The old catalogue and data file stay whole, and a
// failure comes back as a message for the user.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "../supporto/cartella.h"
#include "file.h"
#include "nuovapalla.h"
#include "rigadati.h"

using namespace rigata;
using prova::Leggi;
using prova::Scrivi;

namespace {

const std::string kCatalogoVecchio = "Nosler,.243,95,BTsb,.230,.379\r\nSierra,.308,150,SPBT,.226,.400\r\n";
const std::string kDatiVecchi = "0.243,95,450,15,965,0.379,225,0,500,20,5,50\r\n";

DatiNuovaPalla Palla() {
    DatiNuovaPalla d;
    d.marca = "Hornady", d.diametro = ".308", d.peso = "180", d.tipo = "SP", d.cbStd = ".425";
    return d;
}

// The two writes of the program into one folder; each message must name its file.
void ScriviEntrambi(const std::string& cartella, std::string& erroreCatalogo, std::string& erroreDati) {
    const std::string catalogo = cartella + "/stdbulls.bc", dati = cartella + "/caccia.dat";
    erroreCatalogo = MemorizzaPalla(catalogo, Palla()).value_or("");
    erroreDati = ScriviFileDati(dati, "0.308,150,0,15,820,0.4,200,0,400,20,3,45").value_or("");
}

void PreparaVecchi(const std::string& cartella) {
    Scrivi(cartella + "/stdbulls.bc", kCatalogoVecchio);
    Scrivi(cartella + "/caccia.dat", kDatiVecchi);
}

void VerificaVecchiInteri(const std::string& cartella) {
    EXPECT_EQ(Leggi(cartella + "/stdbulls.bc"), kCatalogoVecchio);
    EXPECT_EQ(Leggi(cartella + "/caccia.dat"), kDatiVecchi);
}

TEST(Guasti, CartellaDiventataDiSolaLettura) {
    prova::CartellaTemporanea c;
    PreparaVecchi(c.Percorso());
    if (geteuid() != 0) {
        chmod(c.Percorso().c_str(), 0555);
        std::string ec, ed;
        ScriviEntrambi(c.Percorso(), ec, ed);
        chmod(c.Percorso().c_str(), 0755);
        EXPECT_NE(ec.find("stdbulls.bc\": permesso negato"), std::string::npos) << ec;
        EXPECT_NE(ed.find("caccia.dat\": permesso negato"), std::string::npos) << ed;
        VerificaVecchiInteri(c.Percorso());
        return;
    }
    // Root writes anywhere: the writes run in a child that has become an ordinary user.
    const uid_t uid = 65534;  // nobody
    const gid_t gid = 65534;
    for (const std::string nome : {"", "/stdbulls.bc", "/caccia.dat"})
        ASSERT_EQ(chown((c.Percorso() + nome).c_str(), uid, gid), 0);
    chmod(c.Percorso().c_str(), 0555);
    int tubo[2];
    ASSERT_EQ(pipe(tubo), 0);
    const pid_t figlio = fork();
    if (figlio == 0) {
        close(tubo[0]);
        if (setgid(gid) != 0 || setuid(uid) != 0) _exit(3);
        std::string ec, ed;
        ScriviEntrambi(c.Percorso(), ec, ed);
        const std::string risposta = ec + "\n" + ed;
        (void)!write(tubo[1], risposta.data(), risposta.size());
        _exit(0);
    }
    close(tubo[1]);
    std::string risposta;
    char buf[512];
    for (ssize_t n; (n = read(tubo[0], buf, sizeof buf)) > 0;) risposta.append(buf, static_cast<size_t>(n));
    close(tubo[0]);
    int stato = 0;
    waitpid(figlio, &stato, 0);
    chmod(c.Percorso().c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << "the child could not become an ordinary user";
    EXPECT_NE(risposta.find("stdbulls.bc\": permesso negato"), std::string::npos) << risposta;
    EXPECT_NE(risposta.find("caccia.dat\": permesso negato"), std::string::npos) << risposta;
    VerificaVecchiInteri(c.Percorso());
}

TEST(Guasti, FileSystemPieno) {
    prova::CartellaTemporanea c;
    // A small file system of its own; needs the right to mount (root).
    if (mount("rigata-prova", c.Percorso().c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small file system cannot be mounted here";
    PreparaVecchi(c.Percorso());
    // Fill what is left, so that no new block can be had.
    Scrivi(c.Percorso() + "/riempitivo", std::string(200 * 1024, 'x'));
    std::string ec, ed;
    ScriviEntrambi(c.Percorso(), ec, ed);
    EXPECT_NE(ec.find("stdbulls.bc\": spazio su disco esaurito"), std::string::npos) << ec;
    EXPECT_NE(ed.find("caccia.dat\": spazio su disco esaurito"), std::string::npos) << ed;
    EXPECT_NE(ed.find("non è stato modificato"), std::string::npos) << ed;
    VerificaVecchiInteri(c.Percorso());
    // No temporary file is left to fill the disk further.
    int temporanei = 0;
    for (const auto& voce : std::filesystem::directory_iterator(c.Percorso()))
        temporanei += voce.path().filename().string().rfind(".rigata-", 0) == 0;
    EXPECT_EQ(temporanei, 0);
    umount2(c.Percorso().c_str(), MNT_DETACH);
}

TEST(Guasti, ProcessoUccisoDuranteLaScrittura) {
    prova::CartellaTemporanea c;
    const std::string catalogo = c.File("stdbulls.bc");
    Scrivi(catalogo, kCatalogoVecchio);
    const pid_t figlio = fork();
    if (figlio == 0) {
        // A large new content, so that the write takes a while.
        std::string nuovo;
        for (int i = 0; i < 4000000; ++i) nuovo += "Sierra,.308,150,SPBT,.226,.400\r\n";
        ScriviFileSicuro(catalogo, nuovo);
        _exit(0);
    }
    // Kill it as soon as its temporary file appears.
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    bool visto = false;
    while (!visto && std::chrono::steady_clock::now() < limite) {
        for (const auto& voce : std::filesystem::directory_iterator(c.Percorso()))
            visto = visto || voce.path().filename().string().rfind(".rigata-", 0) == 0;
        if (!visto) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    kill(figlio, SIGKILL);
    int stato = 0;
    waitpid(figlio, &stato, 0);
    ASSERT_TRUE(visto) << "the write never started";
    // Either the old file whole or (had the write just ended) the new one whole: never a mixture.
    const std::string dopo = Leggi(catalogo);
    if (dopo != kCatalogoVecchio) {
        EXPECT_EQ(dopo.size(), 4000000u * 32) << "a partial catalogue";
    }
}

}  // namespace
