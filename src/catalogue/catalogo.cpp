#include "catalogo.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "caratteri.h"
#include "file.h"
#include "numeri.h"

namespace rigata {

namespace {

std::string ValoreCampo(std::string_view campo) {
    const std::string_view pulito = SenzaSpazi(campo);
    if (!pulito.empty() && pulito.front() == '.') return "0" + std::string(pulito);
    return std::string(campo);
}

}  // namespace

RigaCatalogo DividiRigaCatalogo(std::string_view riga) {
    RigaCatalogo celle;
    size_t p = 0;  // characters before the field, i.e. the previous separator's position
    for (auto& cella : celle) {
        std::string_view campo;
        const size_t virgola = p < riga.size() ? riga.find(',', p) : std::string_view::npos;
        if (virgola != std::string_view::npos) {
            campo = riga.substr(p, virgola - p);
            p = virgola + 1;
        } else {
            // The last field: four characters at most; the fifth is skipped.
            if (p < riga.size()) campo = riga.substr(p, 4);
            p += 5;
        }
        cella = ValoreCampo(campo);
    }
    return celle;
}

bool RigaDiNota(std::string_view riga) { return riga.substr(0, kPrefissoNota.size()) == kPrefissoNota; }

namespace {

// Calls fai(riga) for each data line of a catalogue text, in order.
template <class F>
void PerRigaDati(std::string_view contenuto, F fai) {
    contenuto = SenzaBOM(contenuto);
    size_t inizio = 0;
    while (inizio < contenuto.size()) {
        size_t fine = contenuto.find('\n', inizio);
        if (fine == std::string_view::npos) fine = contenuto.size();
        std::string_view riga = contenuto.substr(inizio, fine - inizio);
        inizio = fine + 1;
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        if (riga.empty() || RigaDiNota(riga)) continue;
        fai(riga);
    }
}

}  // namespace

int CaricaTestoCatalogo(Catalogo& catalogo, std::string_view contenuto) {
    catalogo.Righe.clear();
    int escluse = 0;
    PerRigaDati(contenuto, [&](std::string_view riga) {
        if (catalogo.Righe.size() >= static_cast<size_t>(kMassimoPalle)) {
            ++escluse;
            return;
        }
        RigaCatalogo celle = DividiRigaCatalogo(riga);
        for (auto& cella : celle) cella = Da1252(cella);
        catalogo.Righe.push_back(std::move(celle));
    });
    catalogo.NumeroPalle = static_cast<int16_t>(catalogo.Righe.size());
    return escluse;
}

int ContaRigheDati(std::string_view contenuto) {
    int righe = 0;
    PerRigaDati(contenuto, [&](std::string_view) { ++righe; });
    return righe;
}

std::optional<std::string> LeggiTestoCatalogo(const std::string& percorso, std::string& contenuto) {
    return LeggiFile(percorso, contenuto, kMassimoByteCatalogo);
}

EsitoCaricamento LeggiFileCatalogo(Catalogo& catalogo, const std::string& percorso) {
    EsitoCaricamento esito;
    if (!FileEsiste(percorso)) {
        esito.fileMancante = true;
        return esito;
    }
    std::string contenuto;
    if (auto errore = LeggiTestoCatalogo(percorso, contenuto)) {
        esito.errore = std::move(errore);
        return esito;
    }
    esito.righeEscluse = CaricaTestoCatalogo(catalogo, contenuto);
    return esito;
}

const std::string& ImpostaPercorsiCatalogo(Catalogo& catalogo, const std::string& cartellaProgramma) {
    catalogo.PercorsoApp = cartellaProgramma;
    catalogo.NomeFileCatalogo = "stdbulls.bc";
    catalogo.PercorsoCatalogo = cartellaProgramma + "/" + catalogo.NomeFileCatalogo;
    return catalogo.PercorsoCatalogo;
}

EsitoCaricamento CaricaCatalogo(Catalogo& catalogo, const std::string& cartellaProgramma) {
    return LeggiFileCatalogo(catalogo, ImpostaPercorsiCatalogo(catalogo, cartellaProgramma));
}

std::string TestoRigheEscluse(int righeEscluse) {
    return "L'archivio delle palle contiene più di " + std::to_string(kMassimoPalle) +
           " palle: " + (righeEscluse == 1 ? "l'ultima riga non è stata caricata."
                                          : "le ultime " + std::to_string(righeEscluse) +
                                                " righe non sono state caricate.") +
           " Per usarle togliere dall'archivio le palle che non servono.";
}

namespace {

// Each row's place in the order by diameter, weight and maker, as one number:
// equal for rows equal in all three keys, lower for a lexicographically lower
// row. Numbers are the cells read as decimals (a text that is not a number
// reads as 0, never NaN); makers compare by character code (UTF-8 bytes
// compare as code points).
std::vector<uint32_t> RanghiChiavi(const std::vector<RigaCatalogo>& righe) {
    struct Chiave {
        double diametro, peso;
        const std::string* marca;
    };
    const auto minore = [](const Chiave& a, const Chiave& b) {
        if (a.diametro != b.diametro) return a.diametro < b.diametro;
        if (a.peso != b.peso) return a.peso < b.peso;
        return *a.marca < *b.marca;
    };
    std::vector<Chiave> chiavi;
    chiavi.reserve(righe.size());
    for (const auto& r : righe) chiavi.push_back({LeggiNumero(r[kDiametro]), LeggiNumero(r[kPeso]), &r[kMarca]});
    std::vector<uint32_t> ordine(righe.size());
    std::iota(ordine.begin(), ordine.end(), 0u);
    std::sort(ordine.begin(), ordine.end(), [&](uint32_t a, uint32_t b) { return minore(chiavi[a], chiavi[b]); });
    std::vector<uint32_t> rango(righe.size());
    uint32_t r = 0;
    for (size_t t = 0; t < ordine.size(); ++t) {
        if (t > 0 && minore(chiavi[ordine[t - 1]], chiavi[ordine[t]])) ++r;
        rango[ordine[t]] = r;
    }
    return rango;
}

// The exchange procedure compares each pair i < j in three steps: the smaller
// maker to i; then, if j's diameter is below i's, swap; then, if j's diameter
// is not above i's and its weight is below, swap. After the first step the
// pair is in maker order, the second puts different diameters in order, and
// the third acts only at equal diameters, putting different weights in order.
// So the three steps amount to "swap when j's rank is below i's": rows equal
// in all three keys are never swapped with each other directly.
//
// Pass i of the procedure holds row i aside and, as j runs, swaps whenever
// row j's rank is below the held row's: each running minimum (each row below
// all the rows before it in the pass) moves to the place of the next one, and
// the last, the least, ends in place i. Seen from one rank v: the first row
// of rank v or lower in a pass is a running minimum whatever higher rows stand
// before it, and a higher row is never one after it, so the lower and equal
// rows move among themselves as in a pass over them alone; only the pattern
// of lower and equal rows counts:
// - while lower rows are left, each pass places one of them; when equal rows
//   stand before the first lower row, the first of them is a running minimum
//   and moves to that lower row's place, behind the other equal rows before
//   it; no other equal row moves. In the pattern the first lower row is gone.
// - once no lower row is left, each pass places the first equal row left, so
//   they end in the order they then stand in.
// The equal rows thus end in the order of a queue: walking the rows in their
// first order, an equal row joins the back, and each lower row met moves the
// queue's front to its back.
std::vector<uint32_t> OrdineDegliScambi(const std::vector<uint32_t>& rango) {
    const size_t ranghi = rango.empty() ? 0 : *std::max_element(rango.begin(), rango.end()) + size_t{1};
    struct Coda {
        std::vector<uint32_t> righe;  // the queue is righe[testa...]
        size_t testa = 0, minoriVisti = 0;
        void Ruota(size_t volte) {
            const size_t lunghezza = righe.size() - testa;
            if (lunghezza == 0) return;
            for (volte %= lunghezza; volte > 0; --volte) righe.push_back(righe[testa++]);
        }
    };
    std::vector<Coda> code(ranghi);
    std::vector<size_t> visti(ranghi + 1);  // Fenwick tree: rows met, by rank
    for (size_t r = 0; r < rango.size(); ++r) {
        const uint32_t v = rango[r];
        size_t minori = 0;
        for (size_t k = v; k > 0; k -= k & (~k + 1)) minori += visti[k];
        Coda& coda = code[v];
        coda.Ruota(minori - coda.minoriVisti);
        coda.righe.push_back(static_cast<uint32_t>(r));
        coda.minoriVisti = minori;
        for (size_t k = v + size_t{1}; k <= ranghi; k += k & (~k + 1)) ++visti[k];
    }
    std::vector<uint32_t> ordine;
    ordine.reserve(rango.size());
    for (Coda& coda : code) {
        coda.Ruota(ordine.size() - coda.minoriVisti);  // the lower rows met after its last equal row
        ordine.insert(ordine.end(), coda.righe.begin() + static_cast<std::ptrdiff_t>(coda.testa), coda.righe.end());
    }
    return ordine;
}

}  // namespace

void OrdinaCatalogo(Catalogo& catalogo, const std::function<void(int i)>& dopoRiga) {
    auto& righe = catalogo.Righe;
    const std::vector<uint32_t> ordine = OrdineDegliScambi(RanghiChiavi(righe));
    // The rows move in place, cycle by cycle: place k takes the row first at
    // ordine[k]. (A second table of rows would cost more in fresh memory than
    // the whole sort.)
    std::vector<bool> messa(righe.size());
    int messe = 0;
    for (size_t inizio = 0; inizio < righe.size(); ++inizio) {
        if (messa[inizio]) continue;
        RigaCatalogo prima = std::move(righe[inizio]);
        size_t k = inizio;
        for (; ordine[k] != inizio; k = ordine[k]) {
            righe[k] = std::move(righe[ordine[k]]);
            messa[k] = true;
            if (dopoRiga) dopoRiga(++messe);
        }
        righe[k] = std::move(prima);
        messa[k] = true;
        if (dopoRiga) dopoRiga(++messe);
    }
}

}  // namespace rigata
