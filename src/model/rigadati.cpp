#include "rigadati.h"

#include "file.h"

namespace rigata {

std::string RigaDati(const CampiDati& campi) {
    std::string riga;
    for (size_t i = 0; i < campi.size(); ++i) {
        if (i > 0) riga.push_back(',');
        riga += campi[i];
    }
    return riga;
}

CampiDati DividiRigaDati(std::string_view riga) {
    CampiDati campi;
    size_t p = 0;  // characters before the field: the previous separator's position
    for (auto& campo : campi) {
        if (p >= riga.size()) break;  // fields after the end of the line stay empty
        const size_t virgola = riga.find(',', p);
        if (virgola != std::string_view::npos) {
            campo = std::string(riga.substr(p, virgola - p));
            p = virgola + 1;
        } else {
            campo = std::string(riga.substr(p, 5));
            p += 6;
        }
    }
    return campi;
}

std::optional<std::string> CampiDaContenuto(std::string_view contenuto, CampiDati& campi) {
    if (contenuto.empty()) return "il file è vuoto";
    std::string_view riga = contenuto.substr(0, contenuto.find('\n'));
    if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
    if (riga.size() > kLunghezzaMassimaRigaDati)
        return "la prima riga è troppo lunga (più di 32767 caratteri), non è un file di dati";
    if (contenuto.find('\0') != std::string_view::npos) return "non è un file di testo";
    const CampiDati grezzi = DividiRigaDati(riga);
    for (size_t i = 0; i < campi.size(); ++i) campi[i] = Da1252(grezzi[i]);
    return std::nullopt;
}

std::optional<std::string> LeggiFileDati(const std::string& percorso, CampiDati& campi) {
    std::string contenuto;
    if (auto errore = LeggiFile(percorso, contenuto)) return errore;
    if (auto motivo = CampiDaContenuto(contenuto, campi))
        return "Impossibile aprire il file \"" + percorso + "\": " + *motivo + ".";
    return std::nullopt;
}

std::optional<std::string> ScriviFileDati(const std::string& percorso, std::string_view rigaUtf8) {
    const auto testo = A1252(rigaUtf8);
    if (!testo)
        return "Impossibile salvare il file \"" + percorso + "\": il carattere \"" +
               PrimoCarattereNon1252(rigaUtf8) +
               "\" non si può scrivere nei file di dati; toglierlo dai campi. Il file non è stato modificato.";
    return ScriviFileSicuro(percorso, *testo + "\r\n");
}

}  // namespace rigata
