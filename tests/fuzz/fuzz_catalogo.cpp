// The input is the whole content of a catalogue file. It is read, sorted and
// listed in SAE and metric units as the start screen does. The rows must stay
// the same rows, end in order of diameter, weight and maker, and give one
// list line of 110 characters each.
//
// The first line, split at "|", is also typed into the new-bullet screen's
// thirteen boxes: a bullet the checks accept must give a file line that
// Windows-1252 holds and that the reader reads back as one row with the typed
// texts in their columns.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "catalogo.h"
#include "elenco.h"
#include "file.h"
#include "numeri.h"
#include "nuovapalla.h"

using namespace rigata;

namespace {

[[noreturn]] void Errore(const std::string& cosa, const std::string& testo) {
    std::fprintf(stderr, "fuzz_catalogo: %s\n%s\n", cosa.c_str(), testo.c_str());
    std::abort();
}

size_t Caratteri(std::string_view utf8) {
    size_t n = 0;
    for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// Digits, a point and a sign only: what the number writers give for a finite value.
bool Numerico(const std::string& t) { return t.find_first_not_of("0123456789.-") == std::string::npos; }

void ControllaCatalogo(std::string_view contenuto) {
    Catalogo catalogo;
    CaricaTestoCatalogo(catalogo, contenuto);
    if (catalogo.NumeroPalle < 0 || catalogo.NumeroPalle > kMassimoPalle ||
        static_cast<size_t>(catalogo.NumeroPalle) != catalogo.Righe.size())
        Errore("row count", std::to_string(catalogo.NumeroPalle));

    std::vector<RigaCatalogo> prima = catalogo.Righe;
    OrdinaCatalogo(catalogo);
    std::vector<RigaCatalogo> dopo = catalogo.Righe;
    const auto chiave = [](const RigaCatalogo& r) {
        return std::make_tuple(LeggiNumero(r[kDiametro]), LeggiNumero(r[kPeso]), r[kMarca]);
    };
    for (size_t i = 1; i < dopo.size(); ++i)
        if (chiave(dopo[i]) < chiave(dopo[i - 1]))
            Errore("not sorted at row " + std::to_string(i + 1), dopo[i][kMarca] + "," + dopo[i][kDiametro]);
    std::sort(prima.begin(), prima.end());
    std::sort(dopo.begin(), dopo.end());
    if (prima != dopo) Errore("the sort changed the rows", "");

    for (bool metrico : {false, true}) {
        const auto righe = ElencaCatalogo(catalogo, metrico, {});
        if (righe.size() != catalogo.Righe.size()) Errore("list line count", "");
        for (const auto& riga : righe)
            if (Caratteri(riga) != static_cast<size_t>(kLunghezzaRigaElenco)) Errore("list line width", riga);
    }
    // The converted numbers of the metric list, before they are cut to their
    // columns: digits, a point and a sign only (a value that is not finite
    // gives an empty text, never "inf" or "nan").
    for (const auto& r : catalogo.Righe) {
        std::string diametro = r[kDiametro], peso = r[kPeso];
        std::array<std::string, 4> velocita = {r[kVelocita1], r[kVelocita2], r[kVelocita3], r[kVelocita4]};
        ConvertiUnitaElenco(true, diametro, peso, velocita);
        if (LeggiNumero(r[kDiametro]) > 0 && !Numerico(diametro)) Errore("metric diameter", diametro);
        for (const std::string* t : {&peso, &velocita[0], &velocita[1], &velocita[2], &velocita[3]})
            if (!Numerico(*t)) Errore("metric value not a number", *t);
    }
}

// The blanks-trimmed text with a leading "0" when it begins with a point, as
// the reader holds such a cell; any other text as it is.
std::string ComeLetto(const std::string& testo) {
    const auto primo = testo.find_first_not_of(' ');
    if (primo == std::string::npos) return testo;
    const std::string pulito = testo.substr(primo, testo.find_last_not_of(' ') - primo + 1);
    return pulito.front() == '.' ? "0" + pulito : testo;
}

void ControllaNuovaPalla(std::string_view contenuto) {
    const std::string_view riga = contenuto.substr(0, contenuto.find('\n'));
    std::vector<std::string> caselle;
    size_t inizio = 0;
    while (caselle.size() < 13) {
        const size_t fine = std::min(riga.find('|', inizio), riga.size());
        caselle.emplace_back(inizio < riga.size() ? riga.substr(inizio, fine - inizio) : std::string_view{});
        inizio = fine + 1;
    }
    DatiNuovaPalla dati{caselle[0], caselle[1], caselle[2], caselle[3], caselle[4], {}, {}};
    for (size_t n = 0; n < 4; ++n) {
        dati.velocita[n] = caselle[5 + 2 * n];
        dati.cb[n] = caselle[6 + 2 * n];
    }
    if (rigata::ControllaNuovaPalla(dati)) return;

    const std::string densita = CalcolaCaricoSezionale(dati.diametro, dati.peso);
    if (densita.empty() || !Numerico(densita))
        Errore("sectional density not a number", "[" + densita + "]");
    const std::string rigaFile = RigaNuovaPalla(dati);
    const auto riga1252 = A1252(rigaFile);
    if (!riga1252) Errore("accepted bullet not in Windows-1252", rigaFile);

    Catalogo letto;
    CaricaTestoCatalogo(letto, ContenutoConNuovaRiga("", *riga1252));
    if (letto.Righe.size() != 1) Errore("the new line does not read back as one row", rigaFile);
    const RigaCatalogo& celle = letto.Righe[0];
    std::vector<std::string> attese = {dati.marca, dati.diametro, dati.peso, dati.tipo, densita, dati.cbStd};
    for (size_t n = 0; n < 4; ++n)
        for (const std::string* t : {&dati.velocita[n], &dati.cb[n]})
            if (!t->empty()) attese.push_back(*t);
    attese.resize(kColonneCatalogo);
    for (size_t c = 0; c < attese.size(); ++c)
        if (celle[c] != ComeLetto(attese[c]))
            Errore("column " + std::to_string(c + 1) + " reads back as [" + celle[c] + "]", rigaFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view contenuto(reinterpret_cast<const char*>(dati), dimensione);
    ControllaCatalogo(contenuto);
    ControllaNuovaPalla(contenuto);
    return 0;
}
