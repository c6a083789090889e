#include "rigadati.h"

#include "file.h"

namespace rigata {

namespace {

// The bytes of a UTF-8 byte-order mark as Windows-1252 shows them ("ï»¿"): a
// file starting with them would lose them on opening.
const std::string kBOMIn1252 = Da1252(kBomUtf8);

std::optional<std::string> ProblemaCampo(const std::string& testo) {
    if (testo.find(',') != std::string::npos) {
        std::string conPunto = testo;
        for (char& c : conPunto)
            if (c == ',') c = '.';
        return "contiene una virgola, che nel file separa i valori. Per i decimali usare il punto: \"" + conPunto +
               "\" invece di \"" + testo + "\"";
    }
    for (char c : testo) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\r' || c == '\n') return std::string("contiene un a capo: scrivere il valore su una sola riga");
        if ((b < 0x20 && c != '\t') || b == 0x7F)
            return "contiene un carattere di controllo (codice " + std::to_string(b) + "): toglierlo";
    }
    const std::string carattere = PrimoCarattereNon1252(testo);
    if (!carattere.empty())
        return "contiene il carattere \"" + carattere +
               "\", che un file di dati non può contenere: sostituirlo o toglierlo";
    return std::nullopt;
}

}  // namespace

TestiIngresso TestiIngressoDi(const CampiDati& campi) {
    TestiIngresso testi;
    for (const DefinizioneCampo& c : kCampi)
        if (c.gruppo == GruppoCampo::Ingresso) testi[IndiceNelGruppo(c.campo)] = campi[Indice(c.campo)];
    return testi;
}

TestiRichiesta TestiRichiestaDi(const CampiDati& campi) {
    TestiRichiesta testi;
    for (const DefinizioneCampo& c : kCampi)
        if (c.gruppo == GruppoCampo::Richiesta) testi[IndiceNelGruppo(c.campo)] = campi[Indice(c.campo)];
    return testi;
}

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
    bool dopoVirgola = true;  // every field so far ended at a comma
    for (size_t k = 0; k < campi.size(); ++k) {
        if (p >= riga.size()) break;  // fields after the end of the line stay empty
        const size_t virgola = riga.find(',', p);
        if (virgola != std::string_view::npos) {
            campi[k] = std::string(riga.substr(p, virgola - p));
            p = virgola + 1;
        } else if (k == campi.size() - 1 && dopoVirgola) {
            campi[k] = std::string(riga.substr(p));  // the last value, up to the line end
        } else {
            campi[k] = std::string(riga.substr(p, 5));
            p += 6;
            dopoVirgola = false;
        }
    }
    return campi;
}

namespace {

// The data line of a content without its byte-order mark, and where the rest begins.
std::string_view PrimaRiga(std::string_view contenuto, size_t& dopo) {
    const size_t fine = contenuto.find('\n');
    dopo = fine == std::string_view::npos ? contenuto.size() : fine + 1;
    std::string_view riga = contenuto.substr(0, fine);
    if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
    return riga;
}

bool ControlloNellaRiga(std::string_view riga) {
    for (char c : riga) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && c != '\t') || b == 0x7F) return true;
    }
    return false;
}

}  // namespace

std::optional<std::string> CampiDaContenuto(std::string_view contenuto, CampiDati& campi, Scelte& opzioni,
                                            std::vector<std::string>& avvisi) {
    CampiDati letti;
    if (auto motivo = CampiDaContenuto(contenuto, letti)) return motivo;
    campi = letti;
    opzioni = Scelte{};
    avvisi.clear();
    size_t dopo = 0;
    PrimaRiga(SenzaBOM(contenuto), dopo);
    const std::string_view riga = PrimaRiga(SenzaBOM(contenuto).substr(dopo), dopo);
    if (riga.size() > kLunghezzaMassimaRigaOpzioni)
        avvisi.push_back("la seconda riga è troppo lunga (più di " + std::to_string(kLunghezzaMassimaRigaOpzioni) +
                         " caratteri): è stata ignorata");
    else if (ControlloNellaRiga(riga))
        avvisi.push_back("la seconda riga contiene caratteri di controllo: è stata ignorata");
    else
        avvisi = LeggiRigaOpzioni(Da1252(riga), opzioni);
    return std::nullopt;
}

std::optional<std::string> CampiDaContenuto(std::string_view contenuto, CampiDati& campi) {
    contenuto = SenzaBOM(contenuto);
    if (contenuto.empty()) return "il file è vuoto";
    size_t dopo = 0;
    const std::string_view riga = PrimaRiga(contenuto, dopo);
    if (riga.size() > kLunghezzaMassimaRigaDati)
        return "la prima riga è troppo lunga (più di 32767 caratteri), non è un file di dati";
    // Only the first line counts: what follows it may be anything.
    if (riga.find('\0') != std::string_view::npos) return "non è un file di testo";
    const CampiDati grezzi = DividiRigaDati(riga);
    for (size_t i = 0; i < campi.size(); ++i) campi[i] = Da1252(grezzi[i]);
    return std::nullopt;
}

std::optional<std::string> LeggiFileDati(const std::string& percorso, CampiDati& campi) {
    std::string contenuto;
    // A byte-order mark, the longest first line and its CR LF: enough to
    // tell a data file, however large the file is.
    if (auto errore = LeggiInizioFile(percorso, contenuto, 3 + kLunghezzaMassimaRigaDati + 2)) return errore;
    if (auto motivo = CampiDaContenuto(contenuto, campi))
        return "Impossibile aprire il file \"" + percorso + "\": " + *motivo + ".";
    return std::nullopt;
}

std::optional<std::string> LeggiFileDati(const std::string& percorso, CampiDati& campi, Scelte& opzioni,
                                         std::vector<std::string>& avvisi) {
    std::string contenuto;
    // As above, then the longest second line and its CR LF: one character
    // more than the longest is enough to tell it too long.
    if (auto errore = LeggiInizioFile(percorso, contenuto,
                                      3 + kLunghezzaMassimaRigaDati + 2 + kLunghezzaMassimaRigaOpzioni + 2))
        return errore;
    if (auto motivo = CampiDaContenuto(contenuto, campi, opzioni, avvisi))
        return "Impossibile aprire il file \"" + percorso + "\": " + *motivo + ".";
    return std::nullopt;
}

std::optional<std::string> ControllaCampiDati(const CampiDati& campi) {
    for (size_t i = 0; i < campi.size(); ++i)
        if (auto problema = ProblemaCampo(campi[i]))
            return "il campo \"" + std::string(kCampi[i].nome) + "\" " + *problema + ".";
    if (campi.front().compare(0, kBOMIn1252.size(), kBOMIn1252) == 0)
        return "il campo \"" + std::string(kCampi.front().nome) + "\" comincia con \"" + kBOMIn1252 +
               "\", che all'apertura del file andrebbe perso: toglierlo.";
    if (A1252(RigaDati(campi))->size() > kLunghezzaMassimaRigaDati)
        return "i valori sono troppo lunghi: insieme superano 32767 caratteri.";
    return std::nullopt;
}

std::optional<std::string> ScriviFileDati(const std::string& percorso, const CampiDati& campi) {
    if (auto motivo = ControllaCampiDati(campi))
        return "Il file \"" + percorso + "\" non è stato salvato: " + *motivo;
    return ScriviFileSicuro(percorso, *A1252(RigaDati(campi)) + "\r\n");
}

std::optional<std::string> ScriviFileDati(const std::string& percorso, const CampiDati& campi,
                                          const Scelte& opzioni) {
    if (auto r = ControllaScelte(opzioni))
        return "Il file \"" + percorso + "\" non è stato salvato: " + r->messaggio + ".";
    const std::string seconda = RigaOpzioni(opzioni);
    if (seconda.empty()) return ScriviFileDati(percorso, campi);
    if (auto motivo = ControllaCampiDati(campi))
        return "Il file \"" + percorso + "\" non è stato salvato: " + *motivo;
    const auto in1252 = A1252(seconda);
    std::optional<std::string> problema;
    if (!in1252)
        problema = "contengono il carattere \"" + PrimoCarattereNon1252(seconda) +
                   "\", che un file di dati non può contenere";
    else if (ControlloNellaRiga(*in1252))
        problema = "contengono un a capo o un carattere di controllo";
    else if (in1252->size() > kLunghezzaMassimaRigaOpzioni)
        problema = "sono troppo lunghe: insieme superano " + std::to_string(kLunghezzaMassimaRigaOpzioni) +
                   " caratteri";
    if (problema)
        return "Il file \"" + percorso + "\" non è stato salvato: le scelte del modello e del cartellino " +
               *problema + ".";
    return ScriviFileSicuro(percorso, *A1252(RigaDati(campi)) + "\r\n" + *in1252 + "\r\n");
}

}  // namespace rigata
