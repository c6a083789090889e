#include "rigaopzioni.h"

#include <cmath>
#include <optional>

#include "caratteri.h"
#include "numeri.h"

namespace rigata {

namespace {

constexpr std::pair<TipoModello, const char*> kModelli[] = {
    {TipoModello::Classico, "classico"}, {TipoModello::G1, "g1"}, {TipoModello::G7, "g7"}};
constexpr std::pair<UnitaCorrezione, const char*> kUnita[] = {{UnitaCorrezione::Nessuna, "nessuna"},
                                                              {UnitaCorrezione::Cm100, "cm100"},
                                                              {UnitaCorrezione::Mrad, "mrad"},
                                                              {UnitaCorrezione::Moa, "moa"}};


std::optional<double> NumeroFra(std::string_view t, double minimo, double massimo) {
    const auto v = LeggiNumeroScritto(t);
    if (!v || *v < minimo || *v > massimo) return std::nullopt;
    return v;
}


template <typename E, size_t N>
std::optional<E> Nome(std::string_view t, const std::pair<E, const char*> (&nomi)[N]) {
    for (const auto& [valore, nome] : nomi)
        if (t == nome) return valore;
    return std::nullopt;
}

template <typename E, size_t N>
const char* NomeDi(E valore, const std::pair<E, const char*> (&nomi)[N]) {
    for (const auto& [v, nome] : nomi)
        if (v == valore) return nome;
    return nomi[0].second;
}

// The thresholds as the command line reads them; empty: no threshold at all.
std::optional<std::vector<double>> Soglie(std::string_view t) {
    if (SenzaBianchi(t).empty()) return std::vector<double>{};
    auto soglie = LeggiSoglie(t);
    if (auto* v = std::get_if<std::vector<double>>(&soglie)) return std::move(*v);
    return std::nullopt;
}

// Takes one pair; false when the value is refused.
bool Prendi(std::string_view chiave, std::string_view valore, OpzioniFile& o) {
    DatiModello& m = o.modello;
    DatiCartellino& c = o.cartellino;
    if (chiave == "modello") {
        if (auto v = Nome(valore, kModelli)) return m.modello = *v, true;
    } else if (chiave == "pressione") {
        if (auto v = NumeroFra(valore, kPressioneMinima, kPressioneMassima)) return m.pressione = *v, true;
    } else if (chiave == "umidita") {
        if (auto v = NumeroFra(valore, kUmiditaMinima, kUmiditaMassima)) return m.umidita = *v, true;
    } else if (chiave == "angolo_vento") {
        if (auto v = NumeroFra(valore, kAngoloVentoMinimo, kAngoloVentoMassimo)) return m.angoloVento = *v, true;
    } else if (chiave == "coppie") {
        if (valore == "si" || valore == "no") return m.coppie = valore == "si", true;
    } else if (chiave == "banda") {
        if (auto v = NumeroFra(valore, kBandaMinima, kBandaMassima)) return c.banda = *v, true;
    } else if (chiave == "soglie") {
        if (auto v = Soglie(valore)) return c.soglie = *v, true;
    } else if (chiave == "correzione") {
        if (auto v = Nome(valore, kUnita)) return c.unita = *v, true;
    } else if (chiave == "click") {
        if (auto v = NumeroFra(valore, 1e-6, 1000)) return c.click = *v, true;
    }
    return false;
}

constexpr const char* kChiavi[] = {"modello", "pressione", "umidita",    "angolo_vento", "coppie",
                                   "banda",   "soglie",    "correzione", "click"};

bool Conosciuta(std::string_view chiave) {
    for (const char* k : kChiavi)
        if (chiave == k) return true;
    return false;
}

}  // namespace

std::vector<std::string> LeggiRigaOpzioni(std::string_view riga, OpzioniFile& o) {
    std::vector<std::string> avvisi;
    while (!riga.empty()) {
        const size_t fine = riga.find(';');
        const std::string_view coppia = SenzaBianchi(riga.substr(0, fine));
        riga = fine == std::string_view::npos ? std::string_view{} : riga.substr(fine + 1);
        if (coppia.empty()) continue;
        const size_t uguale = coppia.find('=');
        const std::string_view chiave = SenzaBianchi(coppia.substr(0, uguale));
        const std::string_view valore =
            uguale == std::string_view::npos ? std::string_view{} : SenzaBianchi(coppia.substr(uguale + 1));
        if (!Conosciuta(chiave)) {
            o.altre.emplace_back(std::string(chiave), std::string(valore));
            avvisi.push_back("la chiave \"" + std::string(chiave) +
                             "\" non è conosciuta da questa versione del programma: è stata conservata "
                             "e sarà riscritta al salvataggio");
        } else if (!Prendi(chiave, valore, o)) {
            avvisi.push_back("il valore \"" + std::string(valore) + "\" della chiave \"" + std::string(chiave) +
                             "\" non è valido: è stato usato il valore predefinito");
        }
    }
    return avvisi;
}

std::string RigaOpzioni(const OpzioniFile& o) {
    const DatiModello m;
    const DatiCartellino c;
    std::vector<std::string> coppie;
    const auto aggiungi = [&coppie](const char* chiave, const std::string& valore) {
        coppie.push_back(std::string(chiave) + "=" + valore);
    };
    if (o.modello.modello != m.modello) aggiungi("modello", NomeDi(o.modello.modello, kModelli));
    if (o.modello.pressione) aggiungi("pressione", TestoNumeroScritto(*o.modello.pressione));
    if (o.modello.umidita != m.umidita) aggiungi("umidita", TestoNumeroScritto(o.modello.umidita));
    if (o.modello.angoloVento != m.angoloVento) aggiungi("angolo_vento", TestoNumeroScritto(o.modello.angoloVento));
    if (o.modello.coppie != m.coppie) aggiungi("coppie", o.modello.coppie ? "si" : "no");
    if (o.cartellino.banda != c.banda) aggiungi("banda", TestoNumeroScritto(o.cartellino.banda));
    if (o.cartellino.soglie != c.soglie) {
        std::string soglie;
        for (double s : o.cartellino.soglie) soglie += (soglie.empty() ? "" : ",") + TestoNumeroScritto(s);
        aggiungi("soglie", soglie);
    }
    if (o.cartellino.unita != c.unita) aggiungi("correzione", NomeDi(o.cartellino.unita, kUnita));
    if (o.cartellino.click != c.click) aggiungi("click", TestoNumeroScritto(o.cartellino.click));
    for (const auto& [chiave, valore] : o.altre) aggiungi(chiave.c_str(), valore);
    std::string riga;
    for (const auto& coppia : coppie) riga += (riga.empty() ? "" : ";") + coppia;
    return riga;
}

}  // namespace rigata
