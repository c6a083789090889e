// The input, split at the byte 0x1F, gives the twelve texts of a data file
// (UTF-8, as the screens pass them). Saving must either refuse them and leave
// the file as it was, or write a file that opens to exactly the same twelve
// texts. The same texts, as the thirteen boxes of a new bullet, are stored
// into a catalogue when the checks accept them: the store must succeed and
// the catalogue must then hold that one row.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalogo.h"
#include "file.h"
#include "nuovapalla.h"
#include "rigadati.h"

using namespace rigata;

namespace {

[[noreturn]] void Errore(const std::string& cosa, const std::string& testo) {
    std::fprintf(stderr, "fuzz_scrittura_file: %s\n%s\n", cosa.c_str(), testo.c_str());
    std::abort();
}

// A folder of its own, on a memory file system where there is one; kept on
// the heap, so that it outlives the removal at exit.
const std::string& Cartella() {
    static const std::string* cartella = [] {
        std::string modello = (std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp") + std::string("/rigata-fuzz-XXXXXX");
        auto* c = new std::string(::mkdtemp(modello.data()));
        std::atexit([] { std::filesystem::remove_all(Cartella()); });
        return c;
    }();
    return *cartella;
}

std::string Contenuto(const std::string& percorso) {
    std::string c;
    if (FileEsiste(percorso) && LeggiFile(percorso, c, 1 << 20)) Errore("cannot read back", percorso);
    return c;
}

void ControllaDati(const std::vector<std::string>& testi) {
    const std::string file = Cartella() + "/dati.dat";
    CampiDati campi;
    for (size_t i = 0; i < campi.size(); ++i) campi[i] = testi[i];
    const std::string prima = Contenuto(file);
    if (const auto errore = ScriviFileDati(file, campi)) {
        if (errore->find("non è stato salvato") == std::string::npos) Errore("a failed write", *errore);
        if (Contenuto(file) != prima) Errore("a refusal changed the file", *errore);
        return;
    }
    CampiDati letti;
    if (const auto errore = LeggiFileDati(file, letti)) Errore("a saved file does not open", *errore);
    if (letti != campi) Errore("other texts came back", RigaDati(campi) + "\n" + RigaDati(letti));
}

void ControllaCatalogo(const std::vector<std::string>& testi) {
    DatiNuovaPalla palla{testi[0], testi[1], testi[2], testi[3], testi[4], {}, {}};
    for (size_t n = 0; n < 4; ++n) {
        palla.velocita[n] = testi[5 + 2 * n];
        palla.cb[n] = testi[6 + 2 * n];
    }
    if (ControllaNuovaPalla(palla)) return;
    const std::string catalogo = Cartella() + "/stdbulls.bc";
    ::unlink(catalogo.c_str());
    if (const auto errore = MemorizzaPalla(catalogo, palla)) Errore("an accepted bullet was not stored", *errore);
    Catalogo letto;
    const EsitoCaricamento esito = LeggiFileCatalogo(letto, catalogo);
    if (esito.errore || letto.NumeroPalle != 1) Errore("the stored catalogue does not hold one row", RigaNuovaPalla(palla));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view ingresso(reinterpret_cast<const char*>(dati), dimensione);
    std::vector<std::string> testi;
    size_t inizio = 0;
    while (testi.size() < 13) {
        const size_t fine = std::min(ingresso.find('\x1f', inizio), ingresso.size());
        testi.emplace_back(inizio < ingresso.size() ? ingresso.substr(inizio, fine - inizio) : std::string_view{});
        inizio = fine + 1;
    }
    ControllaDati(testi);
    ControllaCatalogo(testi);
    return 0;
}
