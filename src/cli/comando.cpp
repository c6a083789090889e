#include "comando.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>
#include <variant>

#include "calibrazione.h"
#include "cartellino.h"
#include "catalogo.h"
#include "colonne.h"
#include "controlli.h"
#include "csv.h"
#include "elenco.h"
#include "file.h"
#include "modello.h"
#include "numeri.h"
#include "rigadati.h"
#include "shotdata.h"
#include "tabella.h"
#include "tabellacalcolata.h"
#include "versione.h"

namespace rigata {

namespace {

void ScriviRifiuto(std::ostream& err, const Rifiuto& r) { err << r.titolo << "\n" << r.messaggio << "\n"; }

// The bullet and place of a data file, stored and checked as the start screen does.
std::optional<Rifiuto> LeggiPallaEAmbiente(const CampiDati& campi, ShotData& d) {
    return ControllaIngresso(TestiIngressoDi(campi), d);
}

// The choices given as options, as typed, in the order they were given.
using Sostituzioni = std::vector<std::pair<const DefinizioneScelta*, std::string>>;

// Each option read alone over the defaults, so that a wrong one is refused,
// naming it, whatever the file holds.
std::optional<std::string> ControllaSostituzioni(const Sostituzioni& s) {
    for (const auto& [d, testo] : s) {
        Scelte prova;
        if (auto r = LeggiScelta(d->scelta, testo, prova)) return std::string(d->opzione) + ": " + r->messaggio;
    }
    return std::nullopt;
}

// The options over the file's choices, in the order of the table (a scope
// unit before its click: a unit that changes brings back its usual click,
// unless --click is given too). Checked already by ControllaSostituzioni.
void Sostituisci(const Sostituzioni& s, Scelte& o) {
    for (const auto& d : TabellaScelte())
        for (const auto& [dato, testo] : s)
            if (dato == &d) CambiaScelta(d.scelta, testo, o);
}

// One note per option that does not change what is printed.
void NoteNonConta(const Sostituzioni& s, const Scelte& o, const ComeTabella& come, std::ostream& err) {
    const UsoScelte uso = come.calibra                         ? UsoScelte::Calibrazione
                          : come.riepilogo                     ? UsoScelte::Riepilogo
                          : come.tipo == TipoTabella::Campagna ? UsoScelte::Campagna
                                                               : UsoScelte::Tabella;
    for (const auto& [d, testo] : s)
        if (auto perche = NonConta(d->scelta, o, uso)) err << "rigata: nota: " << d->opzione << " " << *perche << ".\n";
}

int Tabella(const std::string& percorso, const ComeTabella& come, const Sostituzioni& sostituzioni,
            std::ostream& out, std::ostream& err, const std::string& sep) {
    // The options are checked first: a wrong one is refused whatever the file.
    if (auto errore = ControllaSostituzioni(sostituzioni)) {
        err << "rigata: " << *errore << "\n";
        return kEsitoRifiuto;
    }
    CampiDati campi;
    Scelte opzioni;
    std::vector<std::string> avvisi;
    if (auto errore = LeggiFileDati(percorso, campi, opzioni, avvisi)) {
        err << *errore << "\n";
        return kEsitoFile;
    }
    for (const auto& avviso : avvisi) err << "rigata: avviso sul file \"" << percorso << "\": " << avviso << ".\n";
    Sostituisci(sostituzioni, opzioni);
    NoteNonConta(sostituzioni, opzioni, come, err);
    return ScriviTabella(campi, opzioni, come, out, err, sep);
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

// The table's text: the optimal zero, the header, the rows; tabs between cells.
void ScriviTesto(const TabellaCalcolata& t, TipoTabella tipo, std::ostream& out, const std::string& sep) {
    const ColonneAggiunte aggiunte(t.Opzioni(), sep);
    out << TestoDistanzaOttimale(t) << "\n";
    auto scriviCelle = [&out](const auto& celle, bool dopoAltri) {
        for (size_t i = 0; i < celle.size(); ++i) out << (i || dopoAltri ? "\t" : "") << celle[i];
    };
    scriviCelle(Intestazioni(tipo, PendiiInDiscesa(t.Opzioni())), false);
    for (const ColonnaAggiunta& c : aggiunte.Colonne()) out << "\t" << c.intestazione;
    out << "\n";
    std::vector<std::string> celle;
    t.Righe([&](const ShotData& riga) {
        scriviCelle(CelleTabella(tipo, riga, sep), false);
        aggiunte.Celle(riga, celle);
        scriviCelle(celle, true);
        out << "\n";
    });
}

}  // namespace

int ScriviTabella(const CampiDati& campi, const Scelte& opzioni, const ComeTabella& come, std::ostream& out,
                  std::ostream& err, const std::string& sep) {
    ShotData d;
    if (auto r = LeggiPallaEAmbiente(campi, d)) {
        ScriviRifiuto(err, *r);
        return kEsitoRifiuto;
    }
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);

    RichiestaTabella richiesta;
    auto rifiuto = LeggiRichiesta(TestiRichiestaDi(campi), richiesta);
    if (!rifiuto) rifiuto = ControllaScelte(opzioni);
    if (auto& r = rifiuto) {
        ScriviRifiuto(err, *r);
        return kEsitoRifiuto;
    }
    if (const auto& visto = come.calibra) {
        const auto calibrata = CalibraVelocita(d, richiesta, opzioni, visto->distanza, visto->scartoCm);
        if (const auto* r = std::get_if<Rifiuto>(&calibrata)) {
            ScriviRifiuto(err, *r);
            return kEsitoRifiuto;
        }
        out << TestoCalibrazione(std::get<Calibrazione>(calibrata), visto->distanza, sep);
        return kEsitoOk;
    }
    auto calcolata = TabellaCalcolata::Calcola(d, richiesta, opzioni);
    if (const auto* r = std::get_if<Rifiuto>(&calcolata)) {
        ScriviRifiuto(err, *r);
        return kEsitoRifiuto;
    }
    const TabellaCalcolata& t = std::get<TabellaCalcolata>(calcolata);
    if (come.riepilogo)
        for (const auto& frase : ComponiRiepilogo(t, opzioni, sep).Righe()) out << frase << "\n";
    else if (come.csv)
        out << TabellaCsv(t, come.tipo, sep, opzioni);
    else
        ScriviTesto(t, come.tipo, out, sep);
    return kEsitoOk;
}

namespace {

// One line per choice: its option and value, its name, the key of the file.
std::string TestoScelteUso() {
    std::string testo;
    for (const auto& d : TabellaScelte()) {
        std::string valore = d.segnaposto ? d.segnaposto : "";
        for (size_t i = 0; !d.segnaposto && i < d.nomi.size() && d.nomi[i]; ++i)
            valore += (i ? "|" : "") + std::string(d.nomi[i]);
        std::string riga = "  " + std::string(d.opzione) + " " + valore;
        riga += riga.size() < 37 ? std::string(37 - riga.size(), ' ') : "\n" + std::string(37, ' ');
        testo += riga + d.nome + " (" + d.chiave + "=)\n";
    }
    return testo;
}

}  // namespace

std::string TestoUso() {
    return "Uso:\n"
           "  rigata                             apre il programma a finestre\n"
           "  rigata --tabella FILE [--campagna] [--csv] [SCELTE]\n"
           "                                     stampa la tabella di tiro del file di dati FILE\n"
           "                                     (con --campagna la tabella di campagna, con --csv\n"
           "                                     in CSV come il file esportato dal programma; con\n"
           "                                     un'unità delle correzioni aggiunge le colonne\n"
           "                                     delle correzioni del cannocchiale)\n"
           "  rigata --tabella FILE --riepilogo [SCELTE]\n"
           "                                     stampa il riepilogo: azzeramento ottimale, banda,\n"
           "                                     tiro utile ed energia\n"
           "  rigata --tabella FILE --calibra DISTANZA:SCARTO [SCELTE]\n"
           "                                     calibra la velocità alla bocca: stampa quella che,\n"
           "                                     con l'azzeramento del file, dà lo SCARTO osservato\n"
           "                                     (cm, + sopra e - sotto il punto mirato) alla\n"
           "                                     DISTANZA (m), e lo scarto che dà lì\n"
           "  rigata --elenco FILE [--metrico]   stampa le righe dell'elenco delle palle del file\n"
           "                                     FILE come le mostra la finestra iniziale, in unità\n"
           "                                     SAE (con --metrico in unità metriche)\n"
           "  rigata --help                      mostra questo aiuto\n"
           "  rigata --version                   mostra la versione\n"
           "\n"
           "Le SCELTE prevalgono su quelle della seconda riga del file (la chiave tra parentesi);\n"
           "un valore vuoto ('') torna al valore predefinito:\n" +
           TestoScelteUso() +
           "classico è la forma chiusa del programma, g1 e g7 il punto materiale; pressione,\n"
           "umidità, direzione del vento e coppie contano solo per il punto materiale; banda e\n"
           "soglie per il riepilogo; l'unità delle correzioni (con il suo click usuale, se\n"
           "--click non lo cambia) per la tabella. Il pendio (negativo in discesa) aggiunge alla\n"
           "tabella l'ultima colonna, lo scarto sul pendio; il verso dei pendii sceglie se le\n"
           "colonne dei pendii della tabella di campagna del punto materiale sono in salita o in\n"
           "discesa. La sensibilità della polvere (m/s per °C) corregge la velocità alla bocca per\n"
           "la temperatura della cartuccia (senza, quella dell'aria) rispetto a quella di\n"
           "riferimento; le due temperature contano solo con una sensibilità diversa da 0. Ogni\n"
           "velocità del bersaglio (km/h) aggiunge una colonna, l'anticipo in cm davanti\n"
           "all'animale nel verso della sua corsa, con l'angolo del bersaglio (90: di traverso).\n"
           "Una scelta che non conta lo dice con una nota.\n"
           "\n"
           "Il file di dati ha una riga di dodici valori separati da virgole: diametro (inch),\n"
           "peso (grain), altitudine (m), temperatura (°C), velocità alla bocca (m/s),\n"
           "coefficiente balistico, distanza di azzeramento (m), distanza iniziale (m),\n"
           "distanza finale (m), intervallo (m), vento laterale (m/s), altezza della linea\n"
           "di mira (mm). Esempio: 0.243,95,0,15,965,0.379,225,0,500,20,5,50\n"
           "Una seconda riga facoltativa porta le scelte come coppie chiave=valore separate da\n"
           "punto e virgola, per esempio\n"
           "modello=g7;pressione=1013.2;umidita=50;angolo_vento=45;banda=4;soglie=1000,1500;\n"
           "correzione=mrad;click=0.1;sensibilita=0.9;temp_cartuccia=-5;anticipo=10,25\n"
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

namespace {

// The arguments as given.
struct Argomenti {
    std::optional<std::string> fileTabella, fileElenco, calibra;
    bool campagna = false, metrico = false, csv = false, riepilogo = false;
    bool aiuto = false, versione = false;  // the first of either ends the reading
    Sostituzioni sostituzioni;
};

// Reads the arguments in order; the usage error of the first wrong one.
std::variant<Argomenti, std::string> LeggiArgomenti(const std::vector<std::string>& argomenti) {
    Argomenti a;
    for (size_t i = 0; i < argomenti.size(); ++i) {
        const std::string& x = argomenti[i];
        if (x == "--help" || x == "-h" || x == "--version") {
            (x == "--version" ? a.versione : a.aiuto) = true;
            return a;
        }
        const DefinizioneScelta* scelta = SceltaPerOpzione(x);
        std::optional<std::string>* valore = x == "--tabella" ? &a.fileTabella
                                             : x == "--elenco" ? &a.fileElenco
                                             : x == "--calibra" ? &a.calibra
                                                                : nullptr;
        if (valore || scelta) {
            if (i + 1 >= argomenti.size())
                return std::string(x == "--calibra" || scelta ? "manca il valore dopo " : "manca il file dopo ") + x;
            bool ripetuto = valore && valore->has_value();
            for (const auto& data : a.sostituzioni) ripetuto = ripetuto || data.first == scelta;
            if (ripetuto) return x + " ripetuto";
            if (valore) *valore = argomenti[++i];
            else a.sostituzioni.emplace_back(scelta, argomenti[++i]);
        } else if (bool* opzione = x == "--campagna" ? &a.campagna
                                   : x == "--csv" ? &a.csv
                                   : x == "--riepilogo" ? &a.riepilogo
                                   : x == "--metrico" ? &a.metrico
                                                      : nullptr) {
            *opzione = true;
        } else {
            return "opzione sconosciuta: " + x;
        }
    }
    return a;
}

// The first pair of options that do not go together, or an option without its command.
std::optional<std::string> Incompatibili(const Argomenti& a) {
    if (a.fileTabella && a.fileElenco) return "--tabella e --elenco non vanno insieme";
    const std::pair<bool, const char*> conTabella[] = {
        {a.campagna, "--campagna"}, {a.csv, "--csv"}, {a.riepilogo, "--riepilogo"}, {a.calibra.has_value(), "--calibra"}};
    for (const auto& [data, nome] : conTabella)
        if (data && !a.fileTabella) return nome + std::string(" va con --tabella FILE");
    for (const auto& voce : a.sostituzioni)
        if (!a.fileTabella) return voce.first->opzione + std::string(" va con --tabella FILE");
    // What prints instead of the table goes with no other form of it.
    const char* altra = a.riepilogo ? "--riepilogo" : a.csv ? "--csv" : a.campagna ? "--campagna" : nullptr;
    if (a.calibra && altra) return "--calibra e " + std::string(altra) + " non vanno insieme";
    if (a.riepilogo && (a.csv || a.campagna))
        return std::string("--riepilogo e ") + (a.csv ? "--csv" : "--campagna") + " non vanno insieme";
    if (a.metrico && !a.fileElenco) return "--metrico va con --elenco FILE";
    if (!a.fileElenco && !a.fileTabella) return "nessun comando";
    return std::nullopt;
}

// "300:-23.4": the distance (m) and the impact seen (cm); empty for anything else.
std::optional<ScartoOsservato> LeggiScartoOsservato(const std::string& testo) {
    const size_t duepunti = testo.find(':');
    if (duepunti == std::string::npos) return std::nullopt;
    const auto distanza = LeggiNumeroScritto(std::string_view(testo).substr(0, duepunti));
    const auto scarto = LeggiNumeroScritto(std::string_view(testo).substr(duepunti + 1));
    if (!distanza || !scarto) return std::nullopt;
    return ScartoOsservato{*distanza, *scarto};
}

}  // namespace

int EseguiComando(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
                  const std::string& separatore) {
    const auto letti = LeggiArgomenti(argomenti);
    if (const auto* errore = std::get_if<std::string>(&letti)) return ErroreUso(err, *errore);
    const Argomenti& a = std::get<Argomenti>(letti);
    if (a.aiuto) {
        out << TestoUso();
        return kEsitoOk;
    }
    if (a.versione) {
        out << "rigata " << kVersione << " (" << kDataVersione << ")\n";
        return kEsitoOk;
    }
    if (auto errore = Incompatibili(a)) return ErroreUso(err, *errore);
    if (a.fileElenco) return Elenco(*a.fileElenco, a.metrico, out, err);
    ComeTabella come;
    come.tipo = a.campagna ? TipoTabella::Campagna : TipoTabella::Vari;
    come.csv = a.csv;
    come.riepilogo = a.riepilogo;
    if (a.calibra) {
        come.calibra = LeggiScartoOsservato(*a.calibra);
        if (!come.calibra) {
            err << "rigata: --calibra: \"" << *a.calibra
                << "\" non è valido; scrivere la distanza in metri e lo scarto osservato in cm, sopra (+) o sotto "
                   "(-) il punto mirato, uniti dai due punti, per esempio 300:-23.4\n";
            return kEsitoRifiuto;
        }
    }
    return Tabella(*a.fileTabella, come, a.sostituzioni, out, err, separatore);
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
