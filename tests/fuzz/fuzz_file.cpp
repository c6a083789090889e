// The input is the whole content of a file on disk, read through the bounded
// readers as a data file and as a catalogue; both must agree with the same
// rules applied to the content in memory. An accepted data file gives both
// range tables with the model, air, wind and powder of its second line: one
// line per row, eight number cells each, or the same refusal for both; the
// truing of its closed form gives a velocity or a refusal; saved again with
// its second line's choices, it opens to the same. The catalogue, sorted,
// lists its rows 110 characters wide.
//
// The input split at the byte 0x1F also gives thirteen typed texts: saved as
// a data file (the first twelve) they open to the same texts or are refused;
// as a new bullet the checks accept, they are stored
// and read back as one row with the texts in their columns. Each text goes
// through the number readers, and the value read through every number writer.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "catalogo.h"
#include "comando.h"
#include "elenco.h"
#include "file.h"
#include "numeri.h"
#include "nuovapalla.h"
#include "rigadati.h"
#include "tabella.h"

using namespace rigata;

namespace {

[[noreturn]] void Errore(const std::string& cosa, std::string_view testo) {
    std::fprintf(stderr, "fuzz_file: %s\n%.*s\n", cosa.c_str(), static_cast<int>(testo.size()), testo.data());
    std::abort();
}

// A folder of its own, on a memory file system where there is one; kept on
// the heap, so that it outlives the removal at exit.
std::string File(const char* nome) {
    static const std::string* cartella = [] {
        std::string modello = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        modello += "/rigata-fuzz-XXXXXX";
        auto* c = new std::string(::mkdtemp(modello.data()));
        std::atexit([] { std::filesystem::remove_all(*cartella); });
        return c;
    }();
    return *cartella + "/" + nome;
}

const char* const kSchemi[] = {"####0", "###0.0", "####.0", "0.##0", "###",  "###.#", "##",
                               "0.#0",  "#0.#0",  "###.#0", "0.0#0", "0.###", "0.00"};

// A value written by every pattern, with either separator, is digits, a point
// and a sign only, and reads back within half a unit of its last place (plus
// the 15-digit cut of the value); a value that is not finite gives an empty text.
void ControllaNumero(double valore) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%.17g", valore);
    for (const char* schema : kSchemi) {
        const std::string conPunto = FormattaNumero(valore, schema, ".");
        std::string conVirgola = FormattaNumero(valore, schema, ",");
        std::replace(conVirgola.begin(), conVirgola.end(), ',', '.');
        if (conVirgola != conPunto || conPunto.find_first_not_of("0123456789.-") != std::string::npos ||
            (!std::isfinite(valore) && !conPunto.empty()))
            Errore(std::string("written otherwise with ") + schema, testo + (" [" + conPunto + "]"));
        const char* punto = std::strchr(schema, '.');
        const double decimali = punto ? static_cast<double>(std::strlen(punto + 1)) : 0;
        const double riletto = LeggiNumero(conPunto);
        // Within half a unit of the 15th digit below DBL_MAX, the 15-digit form
        // (1.79769313486232E+308) is beyond the double range and reads as infinity.
        if (!std::isfinite(valore) || (std::isinf(riletto) && std::fabs(valore) >= 1.797693134862315e308)) continue;
        if (!(std::fabs(riletto - valore) <= 0.5 * std::pow(10.0, -decimali) * (1 + 1e-9) + std::fabs(valore) * 1e-14))
            Errore(std::string("reads back too far, ") + schema, testo + (" [" + conPunto + "]"));
    }
}

// A typed text: a plain decimal reads as the C library reads it (with or
// without the "&H"/"&O" forms), and nothing reads as NaN.
void ControllaTesto(const std::string& t) {
    char* fine = nullptr;
    const double c = std::strtod(t.c_str(), &fine), letto = LeggiNumero(t), esteso = LeggiNumeroEsteso(t);
    if (std::isnan(letto) || std::isnan(esteso) ||
        (!t.empty() && t.find_first_not_of("0123456789+-.eE") == std::string::npos && fine == t.c_str() + t.size() &&
         (letto != c || esteso != c)))
        Errore("a number read otherwise", t);
    ControllaNumero(letto);
    ControllaNumero(esteso);
}

// Truing with the closed form (the point mass is too slow for the fuzzer's
// pace): the velocity and its impact, two lines without "nan" or "inf", or
// a refusal's title and message.
void ControllaCalibrazione(const CampiDati& campi, Scelte opzioni) {
    opzioni.modello = TipoModello::Classico;
    std::ostringstream uscita, errori;
    ComeTabella come;
    come.calibra = ScartoOsservato{300, -20};
    const int codice = ScriviTabella(campi, opzioni, come, uscita, errori, ".");
    const std::string out = uscita.str(), err = errori.str();
    const auto righe = [](const std::string& t) { return std::count(t.begin(), t.end(), '\n'); };
    if (codice == kEsitoRifiuto && out.empty() && righe(err) == 2) return;
    if (codice != kEsitoOk || !err.empty() || righe(out) != 2 || out.find("nan") != std::string::npos ||
        out.find("inf") != std::string::npos)
        Errore("neither a velocity nor a refusal", out + err);
}

void ControllaTabelle(const CampiDati& campi, Scelte opzioni) {
    // The table's eight columns, without the corrections, the slope and the leads.
    opzioni.unita = UnitaCorrezione::Nessuna;
    opzioni.pendio.reset();
    opzioni.anticipi.clear();
    std::string esiti[2];
    for (const TipoTabella tipo : {TipoTabella::Vari, TipoTabella::Campagna}) {
        std::ostringstream uscita, errori;
        ComeTabella come;
        come.tipo = tipo;
        const int codice = ScriviTabella(campi, opzioni, come, uscita, errori, tipo == TipoTabella::Vari ? "." : ",");
        const std::string out = uscita.str(), err = errori.str();
        esiti[tipo == TipoTabella::Campagna] = std::to_string(codice) + err;
        if (codice == kEsitoRifiuto && out.empty() && std::count(err.begin(), err.end(), '\n') == 2) continue;
        if (codice != kEsitoOk || !err.empty()) Errore("neither a table nor a refusal", err);
        ShotData d;
        RichiestaTabella richiesta;
        if (LeggiRichiesta(TestiRichiestaDi(campi), richiesta)) Errore("a table from a refused request", out);
        ApplicaRichiesta(d, richiesta);
        // After the first line, the header and one line a row: eight cells each, none empty, "inf" or "nan".
        std::string corpo = out.substr(out.find('\n') + 1);
        const long righe = NumeroRighe(d).value_or(-2) + 1;
        if (std::count(corpo.begin(), corpo.end(), '\n') != righe ||
            std::count(corpo.begin(), corpo.end(), '\t') != 7 * righe ||
            ("\n" + corpo).find("\n\t") != std::string::npos || corpo.find("\t\t") != std::string::npos ||
            corpo.find("\t\n") != std::string::npos)
            Errore("not a line of eight cells a row", corpo.substr(0, 300));
        corpo.erase(0, corpo.find('\n'));
        std::transform(corpo.begin(), corpo.end(), corpo.begin(), [](char c) { return c | 0x20; });
        if (corpo.find("inf") != std::string::npos || corpo.find("nan") != std::string::npos)
            Errore("a cell not a number", corpo.substr(0, 300));
    }
    if (esiti[0] != esiti[1]) Errore("the two layouts disagree", esiti[0] + esiti[1]);
}

// Saved with these choices and opened again: the same texts and choices, and a
// warning for each unknown pair kept; or refused as not saved.
void Riscrivi(const char* nome, const CampiDati& campi, const Scelte& opzioni = {}) {
    CampiDati riletti;
    Scelte opzioniRilette;
    std::vector<std::string> avvisi;
    if (const auto scrittura = ScriviFileDati(File(nome), campi, opzioni)) {
        if (scrittura->find("non è stato salvato") == std::string::npos) Errore("a failed write", *scrittura);
    } else if (const auto nonAperto = LeggiFileDati(File(nome), riletti, opzioniRilette, avvisi)) {
        Errore("a saved file does not open", *nonAperto);
    } else if (riletti != campi || RigaOpzioni(opzioniRilette) != RigaOpzioni(opzioni) ||
               avvisi.size() != opzioni.altre.size()) {
        Errore("other texts or choices came back", RigaDati(riletti) + "\n" + RigaOpzioni(opzioniRilette));
    }
}

void ControllaDati(std::string_view contenuto) {
    CampiDati letti, attesi;
    Scelte opzioni, opzioniAttese;
    std::vector<std::string> avvisi, avvisiAttesi;
    const auto errore = LeggiFileDati(File("letto"), letti, opzioni, avvisi);
    const auto motivo = CampiDaContenuto(contenuto, attesi, opzioniAttese, avvisiAttesi);
    if (errore.has_value() != motivo.has_value()) Errore("the bounded read disagrees", errore ? *errore : *motivo);
    if (errore) return;
    if (letti != attesi) Errore("other fields than the whole content gives", RigaDati(letti));
    if (RigaOpzioni(opzioni) != RigaOpzioni(opzioniAttese) || avvisi != avvisiAttesi)
        Errore("another second line than the whole content gives", RigaOpzioni(opzioni));
    ControllaTabelle(letti, opzioni);
    ControllaCalibrazione(letti, opzioni);
    Riscrivi("riscritto", letti, opzioni);
}

void ControllaCatalogo(std::string_view contenuto) {
    Catalogo catalogo, atteso;
    const EsitoCaricamento esito = LeggiFileCatalogo(catalogo, File("letto"));
    if (esito.errore || esito.fileMancante) Errore("a plain file refused", esito.errore.value_or("missing"));
    const int escluse = CaricaTestoCatalogo(atteso, contenuto);
    if (catalogo.Righe != atteso.Righe || esito.righeEscluse != escluse) Errore("other rows than in memory", "");
    if (catalogo.NumeroPalle > kMassimoPalle || static_cast<size_t>(catalogo.NumeroPalle) != catalogo.Righe.size() ||
        ContaRigheDati(contenuto) != catalogo.NumeroPalle + escluse)
        Errore("row count", std::to_string(catalogo.NumeroPalle));
    OrdinaCatalogo(catalogo);
    for (bool metrico : {false, true}) {
        const auto righe = ElencaCatalogo(catalogo, metrico, {});
        if (righe.size() != catalogo.Righe.size()) Errore("list line count", "");
        for (const auto& riga : righe)
            if (std::count_if(riga.begin(), riga.end(), [](char c) { return (c & 0xC0) != 0x80; }) !=
                kLunghezzaRigaElenco)
                Errore("list line width", riga);
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

void ControllaScrittura(const std::vector<std::string>& testi) {
    CampiDati campi;
    std::copy_n(testi.begin(), campi.size(), campi.begin());
    Riscrivi("dati", campi);

    DatiNuovaPalla palla{testi[0], testi[1], testi[2], testi[3], testi[4], {}, {}};
    for (size_t n = 0; n < 4; ++n) {
        palla.velocita[n] = testi[5 + 2 * n];
        palla.cb[n] = testi[6 + 2 * n];
    }
    if (ControllaNuovaPalla(palla)) return;
    const std::string densita = CalcolaCaricoSezionale(palla.diametro, palla.peso);
    ::unlink(File("palle.bc").c_str());
    if (const auto errore = MemorizzaPalla(File("palle.bc"), palla)) Errore("an accepted bullet not stored", *errore);
    Catalogo letto;
    if (LeggiFileCatalogo(letto, File("palle.bc")).errore || letto.Righe.size() != 1)
        Errore("the stored catalogue does not hold one row", RigaNuovaPalla(palla));
    std::vector<std::string> attese = {palla.marca, palla.diametro, palla.peso, palla.tipo, densita, palla.cbStd};
    for (size_t n = 0; n < 4; ++n)
        for (const std::string* t : {&palla.velocita[n], &palla.cb[n]})
            if (!t->empty()) attese.push_back(*t);
    attese.resize(kColonneCatalogo);
    for (size_t c = 0; c < attese.size(); ++c)
        if (letto.Righe[0][c] != ComeLetto(attese[c]))
            Errore("column " + std::to_string(c + 1) + " reads back as " + letto.Righe[0][c], RigaNuovaPalla(palla));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view contenuto(reinterpret_cast<const char*>(dati), dimensione);
    std::ofstream(File("letto"), std::ios::binary).write(contenuto.data(), static_cast<std::streamsize>(dimensione));
    ControllaDati(contenuto);
    ControllaCatalogo(contenuto);
    std::vector<std::string> testi;
    for (size_t inizio = 0; testi.size() < 13; inizio = std::min(contenuto.find('\x1f', inizio), dimensione) + 1) {
        const std::string_view testo = inizio < dimensione ? contenuto.substr(inizio) : "";
        testi.emplace_back(testo.substr(0, testo.find('\x1f')));
    }
    ControllaScrittura(testi);
    // The typed texts and, from the first eight bytes, any double (huge, tiny,
    // subnormal, negative zero, infinities, NaNs) through the number readers and writers.
    for (const auto& testo : testi) ControllaTesto(testo);
    double v = 0;
    std::memcpy(&v, dati, std::min(dimensione, sizeof v));
    ControllaNumero(v);
    return 0;
}
