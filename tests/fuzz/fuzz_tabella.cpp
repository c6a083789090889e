// The input is the whole content of a data file. It goes through the reading
// of the first line and the command line's table, in both layouts and with
// both decimal separators. An accepted table must have one line per row of
// the request, eight cells each, none empty (an empty cell is a value that was
// not finite) and none holding "inf" or "nan".
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "comando.h"
#include "rigadati.h"
#include "tabella.h"

using namespace rigata;

namespace {

[[noreturn]] void Errore(const std::string& cosa, const std::string& testo) {
    std::fprintf(stderr, "fuzz_tabella: %s\n%s\n", cosa.c_str(), testo.c_str());
    std::abort();
}

std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::istringstream in(testo);
    for (std::string r; std::getline(in, r);) righe.push_back(r);
    return righe;
}

std::vector<std::string> Celle(const std::string& riga) {
    std::vector<std::string> celle;
    size_t inizio = 0;
    for (;;) {
        const size_t tab = riga.find('\t', inizio);
        celle.push_back(riga.substr(inizio, tab - inizio));
        if (tab == std::string::npos) return celle;
        inizio = tab + 1;
    }
}

bool Contiene(const std::string& testo, std::string_view parola) {
    for (size_t i = 0; i + parola.size() <= testo.size(); ++i) {
        bool uguale = true;
        for (size_t j = 0; j < parola.size() && uguale; ++j)
            uguale = (testo[i + j] | 0x20) == parola[j];
        if (uguale) return true;
    }
    return false;
}

struct Esito {
    int codice;
    std::string out, err;
};

Esito Tabella(const CampiDati& campi, TipoTabella tipo, const std::string& sep) {
    std::ostringstream out, err;
    const int codice = ScriviTabella(campi, tipo, out, err, sep);
    return {codice, out.str(), err.str()};
}

void ControllaTabella(const Esito& e, const CampiDati& campi, TipoTabella tipo) {
    if (e.codice == kEsitoRifiuto) {
        if (!e.out.empty()) Errore("refused table with output", e.out);
        if (Righe(e.err).size() != 2) Errore("refusal is not title and message", e.err);
        return;
    }
    if (e.codice != kEsitoOk) Errore("unexpected exit status", std::to_string(e.codice));
    if (!e.err.empty()) Errore("accepted table with a message", e.err);

    ShotData d;
    ApplicaRichiesta(d, LeggiRichiesta({campi[6], campi[7], campi[8], campi[9], campi[10], campi[11]}));
    const auto attese = NumeroRighe(d);
    if (!attese || *attese < 0) Errore("accepted request without a row count", e.out.substr(0, 200));

    const auto righe = Righe(e.out);
    if (righe.size() != static_cast<size_t>(*attese) + 2)
        Errore("row count " + std::to_string(righe.size()) + " for " + std::to_string(*attese) + " rows",
               e.out.substr(0, 200));
    if (righe[0].rfind(kTestoDistanzaOttimale, 0) != 0) Errore("first line", righe[0]);
    const auto intestazioni = Intestazioni(tipo);
    if (Celle(righe[1]) != std::vector<std::string>(intestazioni.begin(), intestazioni.end()))
        Errore("header", righe[1]);
    for (size_t r = 2; r < righe.size(); ++r) {
        const auto celle = Celle(righe[r]);
        if (celle.size() != 8) Errore("row without eight cells", righe[r]);
        for (const auto& cella : celle)
            if (cella.empty() || Contiene(cella, "inf") || Contiene(cella, "nan"))
                Errore("cell not a number", righe[r]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view contenuto(reinterpret_cast<const char*>(dati), dimensione);
    CampiDati campi;
    if (CampiDaContenuto(contenuto, campi)) return 0;

    const Esito vari = Tabella(campi, TipoTabella::Vari, ".");
    ControllaTabella(vari, campi, TipoTabella::Vari);
    // The field table shares every check and row: it must agree on the outcome.
    const Esito campagna = Tabella(campi, TipoTabella::Campagna, ",");
    ControllaTabella(campagna, campi, TipoTabella::Campagna);
    if (vari.codice != campagna.codice || vari.err != campagna.err ||
        Righe(vari.out).size() != Righe(campagna.out).size())
        Errore("the two layouts disagree", vari.err + campagna.err);
    return 0;
}
