// The input is the whole content of a file on disk, read as a data file and
// as a catalogue through the bounded readers. Whatever the bytes, the readers
// must agree with the same rules applied to the whole content in memory (the
// data file read only as far as its first line needs, a byte-order mark
// skipped), give valid UTF-8 that Windows-1252 holds, and never load more
// than 4000 rows.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "catalogo.h"
#include "file.h"
#include "rigadati.h"

using namespace rigata;

namespace {

[[noreturn]] void Errore(const std::string& cosa, std::string_view testo) {
    std::fprintf(stderr, "fuzz_lettura_file: %s\n%.*s\n", cosa.c_str(), static_cast<int>(testo.size()), testo.data());
    std::abort();
}

// One file in a folder of its own, on a memory file system where there is
// one; kept on the heap, so that it outlives the removal at exit.
const std::string& FileDiProva() {
    static const std::string* percorso = [] {
        std::string modello = (std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp") + std::string("/rigata-fuzz-XXXXXX");
        auto* p = new std::string(std::string(::mkdtemp(modello.data())) + "/prova");
        std::atexit([] { std::filesystem::remove_all(CartellaDi(FileDiProva())); });
        return p;
    }();
    return *percorso;
}

void ControllaDati(std::string_view contenuto) {
    CampiDati letti, attesi;
    const auto errore = LeggiFileDati(FileDiProva(), letti);
    const auto motivo = CampiDaContenuto(contenuto, attesi);
    if (errore.has_value() != motivo.has_value()) Errore("the bounded read disagrees with the whole content", errore.value_or(*motivo));
    if (errore) return;
    if (letti != attesi) Errore("other fields than the whole content gives", RigaDati(letti));
    for (const auto& campo : letti)
        if (!A1252(campo)) Errore("a field that is not Windows-1252 text", campo);
    // A byte-order mark in front changes nothing.
    CampiDati conMarca;
    if (contenuto.substr(0, 3) != "\xEF\xBB\xBF" &&
        (CampiDaContenuto("\xEF\xBB\xBF" + std::string(contenuto), conMarca) || conMarca != letti))
        Errore("a byte-order mark changes the fields", RigaDati(conMarca));
}

void ControllaCatalogo(std::string_view contenuto) {
    Catalogo letto, atteso;
    const EsitoCaricamento esito = LeggiFileCatalogo(letto, FileDiProva());
    if (esito.errore || esito.fileMancante) Errore("a plain file refused", esito.errore.value_or("missing"));
    const int escluse = CaricaTestoCatalogo(atteso, contenuto);
    if (letto.Righe != atteso.Righe || esito.righeEscluse != escluse) Errore("other rows than the whole content gives", "");
    if (letto.NumeroPalle > kMassimoPalle || static_cast<size_t>(letto.NumeroPalle) != letto.Righe.size())
        Errore("row count", std::to_string(letto.NumeroPalle));
    if (ContaRigheDati(contenuto) != letto.NumeroPalle + escluse) Errore("rows counted otherwise by the store", "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view contenuto(reinterpret_cast<const char*>(dati), dimensione);
    std::ofstream(FileDiProva(), std::ios::binary | std::ios::trunc).write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
    ControllaDati(contenuto);
    ControllaCatalogo(contenuto);
    return 0;
}
