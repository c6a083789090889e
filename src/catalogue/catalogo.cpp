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

bool ChiaviNonMinori(const ChiaviRiga& rigaI, const ChiaviRiga& rigaJ, int k) {
    for (int c = 2; c <= k - 1; ++c)
        if (!(rigaJ.numero[c - 2] <= rigaI.numero[c - 2])) return false;
    return true;
}

void OrdinaCatalogo(Catalogo& catalogo, const std::function<void(int i)>& dopoRiga) {
    auto& righe = catalogo.Righe;
    const int n = static_cast<int>(righe.size());

    // The makers' ranks: equal texts share a rank, and rank order is the order
    // of the texts by character code (UTF-8 bytes compare as code points).
    std::vector<int> perMarca(static_cast<size_t>(n));
    std::iota(perMarca.begin(), perMarca.end(), 0);
    const auto marca = [&](int r) -> const std::string& { return righe[static_cast<size_t>(r)][kMarca]; };
    std::sort(perMarca.begin(), perMarca.end(), [&](int a, int b) { return marca(a) < marca(b); });
    std::vector<ChiaviRiga> chiavi(static_cast<size_t>(n));
    int rango = 0;
    for (size_t t = 0; t < perMarca.size(); ++t) {
        const int r = perMarca[t];
        if (t > 0 && marca(r) != marca(perMarca[t - 1])) ++rango;
        const auto& riga = righe[static_cast<size_t>(r)];
        chiavi[static_cast<size_t>(r)] = ChiaviRiga{{LeggiNumero(riga[kDiametro]), LeggiNumero(riga[kPeso])}, rango, r};
    }

    // The exchange procedure runs on the keys, row i held aside while j runs;
    // the rows are moved once at the end, into the order the swaps leave them in.
    for (size_t i = 0; i < chiavi.size(); ++i) {
        ChiaviRiga a = chiavi[i];
        for (size_t j = i + 1; j < chiavi.size(); ++j) {
            ChiaviRiga b = chiavi[j];
            if (b.marca < a.marca) std::swap(a, b);
            for (int k = 2; k <= 3; ++k)
                if (ChiaviNonMinori(a, b, k) && b.numero[k - 2] < a.numero[k - 2]) std::swap(a, b);
            chiavi[j] = b;
        }
        chiavi[i] = a;
        if (dopoRiga) dopoRiga(static_cast<int>(i) + 1);
    }

    std::vector<RigaCatalogo> ordinate;
    ordinate.reserve(righe.size());
    for (const auto& k : chiavi) ordinate.push_back(std::move(righe[static_cast<size_t>(k.riga)]));
    righe = std::move(ordinate);
}

}  // namespace rigata
