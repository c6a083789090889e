#include "comando.h"

#include <optional>
#include <sstream>

#include "catalogo.h"
#include "controlli.h"
#include "csv.h"
#include "elenco.h"
#include "file.h"
#include "modello.h"
#include "numeri.h"
#include "rigadati.h"
#include "shotdata.h"
#include "tabella.h"
#include "versione.h"

namespace rigata {

namespace {

void ScriviRifiuto(std::ostream& err, const Rifiuto& r) { err << r.titolo << "\n" << r.messaggio << "\n"; }

// The bullet and place of a data file, stored and checked as the start screen does.
std::optional<Rifiuto> LeggiPallaEAmbiente(const CampiDati& campi, ShotData& d) {
    return ControllaIngresso(TestiIngressoDi(campi), d);
}

int Tabella(const std::string& percorso, TipoTabella tipo, std::ostream& out, std::ostream& err,
            const std::string& sep, bool csv) {
    CampiDati campi;
    if (auto errore = LeggiFileDati(percorso, campi)) {
        err << *errore << "\n";
        return kEsitoFile;
    }
    return ScriviTabella(campi, tipo, out, err, sep, csv);
}

// The catalogue as the start screen lists it: read, sorted, one line per row.
int Elenco(const std::string& percorso, bool metrico, std::ostream& out, std::ostream& err) {
    std::string contenuto;
    if (auto errore = LeggiTestoCatalogo(percorso, contenuto)) {
        err << *errore << "\n";
        return kEsitoFile;
    }
    Catalogo catalogo;
    const int escluse = CaricaTestoCatalogo(catalogo, contenuto);
    if (escluse > 0) err << TestoRigheEscluse(escluse) << "\n";
    OrdinaCatalogo(catalogo);
    for (const auto& riga : ElencaCatalogo(catalogo, metrico, {})) out << riga << "\n";
    return kEsitoOk;
}

int ErroreUso(std::ostream& err, const std::string& motivo) {
    err << "rigata: " << motivo << "\n\n" << TestoUso();
    return kEsitoUso;
}

}  // namespace

int ScriviTabella(const CampiDati& campi, TipoTabella tipo, std::ostream& out, std::ostream& err,
                  const std::string& sep, bool csv) {
    ShotData d;
    if (auto r = LeggiPallaEAmbiente(campi, d)) {
        ScriviRifiuto(err, *r);
        return kEsitoRifiuto;
    }
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);

    RichiestaTabella richiesta;
    auto rifiuto = LeggiRichiesta(TestiRichiestaDi(campi), richiesta);
    if (!rifiuto) rifiuto = ControllaRichiesta(d, richiesta);
    if (auto& r = rifiuto) {
        ScriviRifiuto(err, *r);
        return kEsitoRifiuto;
    }
    ApplicaRichiesta(d, richiesta);
    CalcolaAzzeramento(d);

    if (csv) {
        out << TabellaCsv(d, tipo, sep);
        return kEsitoOk;
    }
    out << kTestoDistanzaOttimale << TestoIntero(d.DistanzaOttimale) << "\n";
    auto scriviCelle = [&out](const CelleRiga& celle) {
        for (size_t i = 0; i < celle.size(); ++i) out << (i ? "\t" : "") << celle[i];
        out << "\n";
    };
    scriviCelle(Intestazioni(tipo));
    CalcRisultati(d, [&](const ShotData& riga) { scriviCelle(CelleTabella(tipo, riga, sep)); });
    return kEsitoOk;
}

std::string TestoUso() {
    return "Uso:\n"
           "  rigata                             apre il programma a finestre\n"
           "  rigata --tabella FILE [--campagna] [--csv]\n"
           "                                     stampa la tabella di tiro del file di dati FILE\n"
           "                                     (con --campagna la tabella di campagna, con --csv\n"
           "                                     in CSV come il file esportato dal programma)\n"
           "  rigata --elenco FILE [--metrico]   stampa le righe dell'elenco delle palle del file\n"
           "                                     FILE come le mostra la finestra iniziale, in unità\n"
           "                                     SAE (con --metrico in unità metriche)\n"
           "  rigata --help                      mostra questo aiuto\n"
           "  rigata --version                   mostra la versione\n"
           "\n"
           "Il file di dati ha una riga di dodici valori separati da virgole: diametro (inch),\n"
           "peso (grain), altitudine (m), temperatura (°C), velocità alla bocca (m/s),\n"
           "coefficiente balistico, distanza di azzeramento (m), distanza iniziale (m),\n"
           "distanza finale (m), intervallo (m), vento laterale (m/s), altezza della linea\n"
           "di mira (mm). Esempio: 0.243,95,0,15,965,0.379,225,0,500,20,5,50\n"
           "\n"
           "L'archivio delle palle (stdbulls.bc) ha una palla per riga: marca, diametro (inch),\n"
           "peso (grain), tipo, carico sezionale, coefficiente balistico, poi fino a quattro\n"
           "coppie velocità (feet/s) e coefficiente. Esempio: Nosler,.243,95,BTsb,.230,.379\n"
           "\n"
           "Uscita: 0 eseguito, 1 file non leggibile o risultato non scrivibile, 2 dati rifiutati,\n"
           "64 opzioni errate.\n";
}

bool ChiedeRigaDiComando(const std::vector<std::string>& argomenti) {
    // Options of the window system (-platform, -style...) start with one dash.
    for (const auto& a : argomenti)
        if (a.rfind("--", 0) == 0 || a == "-h") return true;
    return false;
}

int EseguiComando(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
                  const std::string& separatore) {
    std::optional<std::string> fileTabella, fileElenco;
    bool campagna = false, metrico = false, csv = false;
    for (size_t i = 0; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (a == "--help" || a == "-h") {
            out << TestoUso();
            return kEsitoOk;
        }
        if (a == "--version") {
            out << "rigata " << kVersione << " (" << kDataVersione << ")\n";
            return kEsitoOk;
        }
        if (a == "--tabella" || a == "--elenco") {
            auto& file = a == "--tabella" ? fileTabella : fileElenco;
            if (i + 1 >= argomenti.size()) return ErroreUso(err, "manca il file dopo " + a);
            if (file) return ErroreUso(err, a + " ripetuto");
            file = argomenti[++i];
        } else if (a == "--campagna") {
            campagna = true;
        } else if (a == "--csv") {
            csv = true;
        } else if (a == "--metrico") {
            metrico = true;
        } else {
            return ErroreUso(err, "opzione sconosciuta: " + a);
        }
    }
    if (fileTabella && fileElenco) return ErroreUso(err, "--tabella e --elenco non vanno insieme");
    if (campagna && !fileTabella) return ErroreUso(err, "--campagna va con --tabella FILE");
    if (csv && !fileTabella) return ErroreUso(err, "--csv va con --tabella FILE");
    if (metrico && !fileElenco) return ErroreUso(err, "--metrico va con --elenco FILE");
    if (fileElenco) return Elenco(*fileElenco, metrico, out, err);
    if (!fileTabella) return ErroreUso(err, "nessun comando");
    return Tabella(*fileTabella, campagna ? TipoTabella::Campagna : TipoTabella::Vari, out, err, separatore,
                   csv);
}

int EseguiComandoSu(const std::vector<std::string>& argomenti, int fdUscita, std::ostream& err,
                    const std::string& separatore) {
    // The output is written in one go, so that a failed write gives its exact cause.
    std::ostringstream out;
    const int esito = EseguiComando(argomenti, out, err, separatore);
    if (const int errore = ScriviTuttoSu(fdUscita, out.str())) {
        err << "rigata: impossibile scrivere il risultato: " << MotivoErrore(errore) << ".\n";
        return kEsitoFile;
    }
    return esito;
}

}  // namespace rigata
