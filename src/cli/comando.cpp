#include "comando.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>

#include "cartellino.h"
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
#include "tabellacalcolata.h"
#include "traiettoria.h"
#include "versione.h"

namespace rigata {

namespace {

void ScriviRifiuto(std::ostream& err, const Rifiuto& r) { err << r.titolo << "\n" << r.messaggio << "\n"; }

// The bullet and place of a data file, stored and checked as the start screen does.
std::optional<Rifiuto> LeggiPallaEAmbiente(const CampiDati& campi, ShotData& d) {
    return ControllaIngresso(TestiIngressoDi(campi), d);
}

// The options that change the model's inputs and the card's choices of the
// data file, as typed (empty: not given).
struct Sostituzioni {
    std::map<std::string, std::string> valori;  // option -> its text
    const std::string* Valore(const std::string& opzione) const {
        const auto v = valori.find(opzione);
        return v == valori.end() ? nullptr : &v->second;
    }
};

// One card option's value into campo through its reader, which names the
// option in its refusal.
template <typename T, typename Lettore>
std::optional<std::string> Prendi(const Sostituzioni& s, const char* opzione, Lettore leggi, T& campo) {
    if (const std::string* t = s.Valore(opzione)) {
        auto v = leggi(*t);
        if (auto* e = std::get_if<std::string>(&v)) return *e;
        campo = std::get<T>(std::move(v));
    }
    return std::nullopt;
}

// The options' values into o, each checked: the message names the option.
std::optional<std::string> Sostituisci(const Sostituzioni& s, OpzioniFile& o) {
    if (const std::string* t = s.Valore("--modello")) {
        if (*t == "classico") o.modello.modello = TipoModello::Classico;
        else if (*t == "g1") o.modello.modello = TipoModello::G1;
        else if (*t == "g7") o.modello.modello = TipoModello::G7;
        else return "--modello: \"" + *t + "\" non è un modello conosciuto; scrivere classico, g1 o g7";
    }
    const std::pair<const char*, void (*)(DatiModello&, double)> numeri[] = {
        {"--pressione", [](DatiModello& m, double v) { m.pressione = v; }},
        {"--umidita", [](DatiModello& m, double v) { m.umidita = v; }},
        {"--angolo-vento", [](DatiModello& m, double v) { m.angoloVento = v; }}};
    for (const auto& [opzione, assegna] : numeri) {
        const std::string* t = s.Valore(opzione);
        if (!t) continue;
        const auto v = LeggiNumeroScritto(*t);
        if (!v)
            return std::string(opzione) + ": \"" + *t +
                   "\" non è un numero; scriverlo con il punto come separatore decimale (per esempio 50 o 1013.2)";
        DatiModello solo;  // only this field, so that the refusal is this option's
        assegna(solo, *v);
        if (auto r = ControllaDatiModello(solo)) return std::string(opzione) + ": " + r->messaggio;
        assegna(o.modello, *v);
    }
    if (auto e = Prendi(s, "--banda", LeggiBanda, o.cartellino.banda)) return e;
    if (auto e = Prendi(s, "--soglie", LeggiSoglie, o.cartellino.soglie)) return e;
    if (auto e = Prendi(s, "--correzione", LeggiUnita, o.cartellino.unita)) return e;
    if (auto e = Prendi(s, "--click", LeggiClick, o.cartellino.click)) return e;
    return std::nullopt;
}

int Tabella(const std::string& percorso, const ComeTabella& come, const Sostituzioni& sostituzioni,
            std::ostream& out, std::ostream& err, const std::string& sep) {
    // The options are checked first: a wrong one is refused whatever the file.
    OpzioniFile prova;
    if (auto errore = Sostituisci(sostituzioni, prova)) {
        err << "rigata: " << *errore << "\n";
        return kEsitoRifiuto;
    }
    CampiDati campi;
    OpzioniFile opzioni;
    std::vector<std::string> avvisi;
    if (auto errore = LeggiFileDati(percorso, campi, opzioni, avvisi)) {
        err << *errore << "\n";
        return kEsitoFile;
    }
    for (const auto& avviso : avvisi) err << "rigata: avviso sul file \"" << percorso << "\": " << avviso << ".\n";
    Sostituisci(sostituzioni, opzioni);
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

}  // namespace

int ScriviTabella(const CampiDati& campi, TipoTabella tipo, std::ostream& out, std::ostream& err,
                  const std::string& sep, bool csv) {
    ComeTabella come;
    come.tipo = tipo;
    come.csv = csv;
    return ScriviTabella(campi, OpzioniFile{}, come, out, err, sep);
}

int ScriviTabella(const CampiDati& campi, const OpzioniFile& opzioni, const ComeTabella& come, std::ostream& out,
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
    if (!rifiuto) rifiuto = ControllaDatiModello(opzioni.modello);
    if (auto& r = rifiuto) {
        ScriviRifiuto(err, *r);
        return kEsitoRifiuto;
    }
    auto calcolata = TabellaCalcolata::Calcola(d, richiesta, opzioni.modello);
    if (const auto* r = std::get_if<Rifiuto>(&calcolata)) {
        ScriviRifiuto(err, *r);
        return kEsitoRifiuto;
    }
    const TabellaCalcolata& t = std::get<TabellaCalcolata>(calcolata);
    const DatiCartellino& cartellino = opzioni.cartellino;

    if (come.riepilogo) {
        for (const auto& frase : FrasiRiepilogo(t, cartellino, sep)) out << frase << "\n";
        return kEsitoOk;
    }
    if (come.csv) {
        out << TabellaCsv(t, come.tipo, sep, cartellino);
        return kEsitoOk;
    }
    const bool conCorrezione = cartellino.unita != UnitaCorrezione::Nessuna;
    out << TestoDistanzaOttimale(t) << "\n";
    auto scriviCelle = [&out](const auto& celle, bool dopoAltri) {
        for (size_t i = 0; i < celle.size(); ++i) out << (i || dopoAltri ? "\t" : "") << celle[i];
    };
    scriviCelle(Intestazioni(come.tipo), false);
    if (conCorrezione) scriviCelle(IntestazioniCorrezione(cartellino.unita), true);
    out << "\n";
    t.Righe([&](const ShotData& riga) {
        scriviCelle(CelleTabella(come.tipo, riga, sep), false);
        if (conCorrezione) scriviCelle(CelleCorrezioneRiga(riga, cartellino, sep), true);
        out << "\n";
    });
    return kEsitoOk;
}

std::string TestoUso() {
    return "Uso:\n"
           "  rigata                             apre il programma a finestre\n"
           "  rigata --tabella FILE [--campagna] [--csv] [--correzione UNITÀ [--click VALORE]]\n"
           "         [--modello classico|g1|g7] [--pressione HPA] [--umidita PERCENTO]\n"
           "         [--angolo-vento GRADI]\n"
           "                                     stampa la tabella di tiro del file di dati FILE\n"
           "                                     (con --campagna la tabella di campagna, con --csv\n"
           "                                     in CSV come il file esportato dal programma; con\n"
           "                                     --correzione cm100, mrad o moa aggiunge le colonne\n"
           "                                     delle correzioni del cannocchiale, --click il valore\n"
           "                                     di un click nell'unità)\n"
           "  rigata --tabella FILE --riepilogo [--banda CM] [--soglie J,J...]\n"
           "                                     stampa il riepilogo: azzeramento ottimale, banda,\n"
           "                                     tiro utile ed energia (soglie in joule)\n"
           "  rigata --elenco FILE [--metrico]   stampa le righe dell'elenco delle palle del file\n"
           "                                     FILE come le mostra la finestra iniziale, in unità\n"
           "                                     SAE (con --metrico in unità metriche)\n"
           "  rigata --help                      mostra questo aiuto\n"
           "  rigata --version                   mostra la versione\n"
           "\n"
           "--modello sceglie il modello della traiettoria: classico (la forma chiusa del\n"
           "programma), g1 o g7 (punto materiale); --pressione è la pressione alla stazione\n"
           "(da 100 a 2000 hPa; senza, l'atmosfera standard alla quota), --umidita l'umidità\n"
           "relativa (da 0 a 100), --angolo-vento la direzione da cui viene il vento (90 di\n"
           "traverso, 0 da dietro, 180 contro). Le opzioni prevalgono sulla seconda riga del file.\n"
           "\n"
           "Il file di dati ha una riga di dodici valori separati da virgole: diametro (inch),\n"
           "peso (grain), altitudine (m), temperatura (°C), velocità alla bocca (m/s),\n"
           "coefficiente balistico, distanza di azzeramento (m), distanza iniziale (m),\n"
           "distanza finale (m), intervallo (m), vento laterale (m/s), altezza della linea\n"
           "di mira (mm). Esempio: 0.243,95,0,15,965,0.379,225,0,500,20,5,50\n"
           "Una seconda riga facoltativa porta le scelte del modello e del cartellino come\n"
           "coppie chiave=valore separate da punto e virgola, per esempio\n"
           "modello=g7;pressione=1013.2;umidita=50;angolo_vento=45;banda=4;soglie=1000,1500;\n"
           "correzione=mrad;click=0.1\n"
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
    // The options of --tabella that take a value.
    static const char* const kConValore[] = {"--modello", "--pressione", "--umidita", "--angolo-vento",
                                             "--banda",   "--soglie",    "--correzione", "--click"};
    std::optional<std::string> fileTabella, fileElenco;
    bool campagna = false, metrico = false, csv = false, riepilogo = false;
    Sostituzioni sostituzioni;
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
        const bool conValore =
            std::find(std::begin(kConValore), std::end(kConValore), a) != std::end(kConValore);
        if (a == "--tabella" || a == "--elenco") {
            auto& file = a == "--tabella" ? fileTabella : fileElenco;
            if (i + 1 >= argomenti.size()) return ErroreUso(err, "manca il file dopo " + a);
            if (file) return ErroreUso(err, a + " ripetuto");
            file = argomenti[++i];
        } else if (conValore) {
            if (i + 1 >= argomenti.size()) return ErroreUso(err, "manca il valore dopo " + a);
            if (!sostituzioni.valori.emplace(a, argomenti[++i]).second) return ErroreUso(err, a + " ripetuto");
        } else if (a == "--campagna") {
            campagna = true;
        } else if (a == "--csv") {
            csv = true;
        } else if (a == "--riepilogo") {
            riepilogo = true;
        } else if (a == "--metrico") {
            metrico = true;
        } else {
            return ErroreUso(err, "opzione sconosciuta: " + a);
        }
    }
    if (fileTabella && fileElenco) return ErroreUso(err, "--tabella e --elenco non vanno insieme");
    if (campagna && !fileTabella) return ErroreUso(err, "--campagna va con --tabella FILE");
    if (csv && !fileTabella) return ErroreUso(err, "--csv va con --tabella FILE");
    if (riepilogo && !fileTabella) return ErroreUso(err, "--riepilogo va con --tabella FILE");
    for (const auto& voce : sostituzioni.valori)
        if (!fileTabella) return ErroreUso(err, voce.first + " va con --tabella FILE");
    for (const char* opzione : {"--banda", "--soglie"})
        if (sostituzioni.Valore(opzione) && !riepilogo) return ErroreUso(err, opzione + std::string(" va con --riepilogo"));
    if (sostituzioni.Valore("--click") && !sostituzioni.Valore("--correzione"))
        return ErroreUso(err, "--click va con --correzione");
    if (riepilogo && (csv || campagna || sostituzioni.Valore("--correzione")))
        return ErroreUso(err, std::string("--riepilogo e ") +
                                  (csv ? "--csv" : campagna ? "--campagna" : "--correzione") + " non vanno insieme");
    if (metrico && !fileElenco) return ErroreUso(err, "--metrico va con --elenco FILE");
    if (fileElenco) return Elenco(*fileElenco, metrico, out, err);
    if (!fileTabella) return ErroreUso(err, "nessun comando");
    ComeTabella come;
    come.tipo = campagna ? TipoTabella::Campagna : TipoTabella::Vari;
    come.csv = csv;
    come.riepilogo = riepilogo;
    return Tabella(*fileTabella, come, sostituzioni, out, err, separatore);
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
