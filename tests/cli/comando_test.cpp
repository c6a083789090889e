// The command line: range tables and CSV from a data file, the catalogue's
// list lines, exit statuses, and the one entry check it shares with the start
// screen.
#include "comando.h"

#include <sstream>

#include "../supporto/cartella.h"
#include "casi.h"
#include "controlli.h"
#include "csv.h"
#include "numeri.h"
#include "scelte.h"

using namespace rigata;

namespace {

const std::string kEsempio = std::string(RIGATA_DATI_TEST) + "/esempio.dat";
const prova::CartellaTemporanea kCartella;
const std::string kPalle = kCartella.File("palle.bc"), kGrande = kCartella.File("grande.bc");
const std::string kIntervalloZero = kCartella.File("intervallo.dat");
const std::string kG7 = kCartella.File("g7.dat");
const std::string kMassima = kCartella.File("massima.dat"), kMiraAlta = kCartella.File("mira_alta.dat");
[[maybe_unused]] const bool kScritti = [] {
    prova::Scrivi(
        kPalle,
        "(c) note\r\nSpeer,.308,150,Hot-Cor,.226,.389\r\n\r\nRemington,.308,130,Core-Lokt,.196,.336,3000,.3405");
    std::string grande;
    for (int i = 0; i < 4002; ++i) grande += "A,.308,150,T,.226,.400\r\n";
    prova::Scrivi(kGrande, grande);
    prova::Scrivi(kIntervalloZero, "0.243,95,0,15,965,0.379,225,0,500,0,5,50");
    prova::Scrivi(kG7, "0.243,95,0,15,965,0.379,225,0,500,20,5,50\r\nmodello=g7;umidita=50;colore=rosso\r\n");
    prova::Scrivi(kMassima, "0.243,95,0,15,965,0.379,225,0,32765,1,5,50");
    prova::Scrivi(kMiraAlta, "0.243,95,0,15,965,0.379,225,1,1,1,0,3e38");
    return true;
}();

// The arguments ("@" the example data file), the exit status, and line n of
// the output (from 0, without its "\n") or, after "!", the start of stderr.
struct CasoComando {
    const char* nome;
    std::string argomenti;
    int esito;
    size_t riga;
    std::string atteso;
    const char* separatore = ".";
};
class Comando : public ::testing::TestWithParam<CasoComando> {};
TEST_P(Comando, RigaEsitoEMessaggio) {
    std::vector<std::string> argomenti;
    std::istringstream parole(GetParam().argomenti);
    for (std::string a; parole >> a;) argomenti.push_back(a == "@" ? kEsempio : a);
    std::ostringstream out, err;
    EXPECT_EQ(EseguiComando(argomenti, out, err, GetParam().separatore), GetParam().esito);
    std::istringstream righe(out.str());
    std::string riga;
    for (size_t i = 0; i <= GetParam().riga; ++i)
        if (!std::getline(righe, riga)) riga = "(fine)";
    const std::string& atteso = GetParam().atteso;
    if (atteso[0] == '!')
        EXPECT_EQ(err.str().substr(0, atteso.size() - 1), atteso.substr(1)) << err.str();
    else
        EXPECT_EQ(riga, atteso);
}
const std::string kBianchi(56, ' ');
const CasoComando kComandi[] = {
    {"distanza ottimale", "--tabella @", kEsitoOk, 0,
     "La distanza ottimale di azzeramento per uno scarto max. di +6cm è di m 224"},
    {"riga a 500 m", "--tabella @", kEsitoOk, 27, "500\t-186.3\t-117.5\t597.0\t1096.9\t-73.5\t0.665\t-111.4"},
    {"campagna con la virgola", "--campagna --tabella @", kEsitoOk, 27,
     "500\t597,0\t1096,9\t-111,4\t-105,1\t-86,4\t-56,8\t-18,2", ","},
    {"csv con la virgola", "--tabella @ --csv", kEsitoOk, 0,
     "Distanza (m);Caduta (cm);Ordinata (cm);Velocità (m/s);Energia   (J);Dev.Vento (cm);Tempo volo (s);Scarto "
     "mira (cm)\r",
     ","},
    {"elenco ordinato", "--elenco " + kPalle, kEsitoOk, 1,
     "0.308\"   150gr   Speer   Hot-Cor               0.389  " + kBianchi},
    {"elenco metrico", "--metrico --elenco " + kPalle, kEsitoOk, 0,
     "7.82mm   8.42g   Remingt Core-Lokt             0.336  914.4  0.340" + std::string(44, ' ')},
    {"elenco oltre 4000 palle", "--elenco " + kGrande, kEsitoOk, 0,
     "!L'archivio delle palle contiene più di 4000 palle: le ultime 2 righe non sono state caricate."},
    {"richiesta rifiutata dopo i dati", "--tabella " + kIntervalloZero, kEsitoRifiuto, 0, "!CAMBIA INTERVALLO!!\n"},
    {"tabella senza file", "--tabella", kEsitoUso, 0, "!rigata: manca il file dopo --tabella\n"},
    {"csv senza tabella", "--csv", kEsitoUso, 0, "!rigata: --csv va con --tabella FILE\n"},
    {"file G7: la distanza ottimale del punto materiale", "--tabella " + kG7, kEsitoOk, 0,
     "La distanza ottimale di azzeramento per uno scarto max. di +6cm è di m 237"},
    {"chiave sconosciuta del file nominata", "--tabella " + kG7, kEsitoOk, 0,
     "!rigata: avviso sul file \"" + kG7 + "\": la chiave \"colore\" non è conosciuta"},
    {"--umidita senza valore", "--tabella @ --umidita", kEsitoUso, 0, "!rigata: manca il valore dopo --umidita\n"},
    {"--correzione mrad in CSV", "--tabella @ --csv --correzione mrad", kEsitoOk, 0,
     "Distanza (m),Caduta (cm),Ordinata (cm),Velocità (m/s),Energia   (J),Dev.Vento (cm),Tempo volo (s),Scarto mira "
     "(cm),Correzione (mrad),Correzione (click),Correzione vento (mrad),Correzione vento (click)\r"},
    // Far out the click counts no longer fit a Long: their cells are empty
    // (and the sanitized run catches a conversion beyond the integer's range).
    {"tabella massima: click fuori misura vuoti", "--tabella " + kMassima + " --correzione mrad", kEsitoOk, 32767,
     "32765\t-620400027771567000000000000000.0\t-620400027771567000000000000000.0\t.0\t.0\t-25145317678645200.0\t"
     "50290636095488.000\t-620400027771567000000000000000.0\t189348398526344000000000000.00\t\t7674444583746.45\t"},
    // A sight 3e35 m high: the correction at 1 m, 1e39 MOA, is beyond single precision.
    {"correzione oltre la singola vuota", "--tabella " + kMiraAlta + " --correzione moa", kEsitoOk, 2,
     "1\t-0.0\t0.1\t964.1\t2860.8\t0.0\t0.001\t-29866667043664800000000000000000000000.0\t\t\t0.00\t0"},
    {"--click prima di --correzione resta", "--tabella @ --click 0.05 --correzione mrad", kEsitoOk, 27,
     "500\t-186.3\t-117.5\t597.0\t1096.9\t-73.5\t0.665\t-111.4\t2.23\t45\t1.47\t29"},
    {"--click senza unità: una nota", "--tabella @ --click 0.1", kEsitoOk, 0,
     "!rigata: nota: --click non conta senza un'unità delle correzioni.\n"},
    {"--pressione con il classico: una nota", "--tabella @ --pressione 1000", kEsitoOk, 27,
     "500\t-186.3\t-117.5\t597.0\t1096.9\t-73.5\t0.665\t-111.4"},
    {"--riepilogo: zero con la banda", "--tabella @ --riepilogo --banda 4 --soglie 1500", kEsitoOk, 1,
     "Con banda ±4 cm: azzerare a m 196; a 100 m il colpo va 3,7 cm alto; tiro utile da 7 m a 226 m", ","},
    {"--riepilogo: le sei frasi e nient altro", "--tabella @ --riepilogo --banda 4 --soglie 1500", kEsitoOk, 6,
     "(fine)"},
    {"--banda senza --riepilogo: una nota", "--tabella @ --banda 4", kEsitoOk, 0,
     "!rigata: nota: --banda non cambia la tabella: vale per il riepilogo.\n"},
    {"--pendio in CSV a 500 m", "--tabella @ --csv --correzione mrad --pendio 12.5", kEsitoOk, 26,
     "500;-186,3;-117,5;597,0;1096,9;-73,5;0,665;-111,4;2,23;22;1,47;15;-107,0\r", ","},
    {"--verso-pendii discesa: le intestazioni", "--campagna --tabella @ --modello g1 --verso-pendii discesa", kEsitoOk, 1,
     "Distanza (m\tVelocità (m/s)\tEnergia   (J)\tScarto  0°(cm)\tScarto -15°(cm)\tScarto -30°(cm)\tScarto "
     "-45°(cm)\tScarto -60°(cm)"},
    {"--verso-pendii senza --campagna: una nota", "--tabella @ --modello g1 --verso-pendii discesa", kEsitoOk, 0,
     "!rigata: nota: --verso-pendii non conta senza --campagna: vale per le colonne dei pendii della tabella di "
     "campagna.\n"},
    {"--anticipo dopo le correzioni e il pendio", "--tabella @ --anticipo 10,100 --correzione moa --pendio 10",
     kEsitoOk, 27, "500\t-186.3\t-117.5\t597.0\t1096.9\t-73.5\t0.665\t-111.4\t7.66\t31\t5.05\t20\t-108.6\t184.8\t1847.6"},
    {"--angolo-bersaglio senza --anticipo: una nota", "--tabella @ --angolo-bersaglio 30", kEsitoOk, 0,
     "!rigata: nota: --angolo-bersaglio non conta senza le velocità del bersaglio (--anticipo).\n"},
    {"--sensibilita: la velocita nel riepilogo", "--tabella @ --riepilogo --sensibilita 1 --temp-cartuccia -10",
     kEsitoOk, 0, "Velocità alla bocca a -10 °C: 940 m/s"},
    {"--sensibilita: la velocita corretta fuori dai limiti", "--tabella @ --sensibilita 10 --temp-cartuccia 80",
     kEsitoRifiuto, 0,
     "!CAMBIA VALORE!!\ncon la sensibilità della polvere di 10 m/s per °C e la cartuccia a 80 °C invece di 15 °C la "
     "velocità alla bocca diventa 1615 m/s, fuori dai valori consentiti fra 92 e 1370 m/s"},
    {"--temp-cartuccia senza sensibilita: una nota", "--tabella @ --temp-cartuccia -10", kEsitoOk, 0,
     "!rigata: nota: --temp-cartuccia non conta con la sensibilità della polvere a 0.\n"},
    {"--calibra: la velocita", "--tabella @ --calibra 300:-40", kEsitoOk, 0, "Velocità alla bocca calibrata: 635,8 m/s",
     ","},
    {"--calibra: lo scarto che da", "--tabella @ --calibra 300:-40", kEsitoOk, 1, "Scarto a 300 m con 635,8 m/s: -40,0 cm",
     ","},
    {"--calibra: nessuna velocita", "--tabella @ --calibra 300:40", kEsitoRifiuto, 0, "!CAMBIA SCARTO!!\n"},
    {"--calibra: valore errato", "--tabella @ --calibra 300", kEsitoRifiuto, 0,
     "!rigata: --calibra: \"300\" non è valido; scrivere la distanza in metri e lo scarto"},
    {"--calibra con --csv", "--tabella @ --calibra 300:-40 --csv", kEsitoUso, 0,
     "!rigata: --calibra e --csv non vanno insieme\n"},
    {"--banda con --calibra: una nota", "--tabella @ --calibra 300:-40 --banda 4", kEsitoOk, 0,
     "!rigata: nota: --banda non cambia la calibrazione: vale per il riepilogo.\n"},
    {"catalogo mancante", "--elenco /non/esiste.bc", kEsitoFile, 0,
     "!Impossibile aprire il file \"/non/esiste.bc\": il file o la cartella non esiste.\n"},
};
TABELLA(Comando, CasoComando, kComandi);

// Every choice of the table on the command line: its option gives what its
// key in the file gives, sets a file's choice back to the default, and a
// refused value names the option, whatever the file holds. The base file
// holds the point mass, a scope unit, a powder sensitivity with the
// cartridge off the reference temperature, and a target speed at an angle,
// so that every choice counts.
struct CasoSceltaComando {
    const char* nome;
    Scelta scelta;
};
std::vector<CasoSceltaComando> RigheScelte() {
    std::vector<CasoSceltaComando> righe;
    for (const auto& d : TabellaScelte()) righe.push_back({d.opzione + 2, d.scelta});
    return righe;
}
class SceltaComando : public ::testing::TestWithParam<CasoSceltaComando> {
protected:
    const DefinizioneScelta& D() const { return Definizione(GetParam().scelta); }
    // A value the reader takes, other than the default and the base file's.
    std::string Campione() const {
        const DefinizioneScelta& d = D();
        switch (d.genere) {
            case GenereScelta::Nome: {
                size_t ultimo = 0;  // the last name: neither the first (the default) nor g1 nor mrad
                while (ultimo + 1 < d.nomi.size() && d.nomi[ultimo + 1]) ++ultimo;
                return d.nomi[ultimo];
            }
            case GenereScelta::Numero:
            case GenereScelta::Frazione: return TestoNumeroScritto(d.massimo);
            case GenereScelta::Interi: return TestoNumeroScritto(d.minimo) + "," + TestoNumeroScritto(d.massimo);
            case GenereScelta::Coppie: break;
        }
        return "853.4:0.42,731.5:0.4";
    }
    // The data file with the base choices and, over them, a choice as typed.
    std::string File(const char* nome, std::optional<std::string> testo) const {
        Scelte s;
        EXPECT_TRUE(LeggiRigaOpzioni(kBase, s).empty());
        if (testo) {
            EXPECT_FALSE(LeggiScelta(D().scelta, *testo, s));
        }
        const std::string percorso = kCartella.File(nome);
        prova::Scrivi(percorso, "0.243,95,0,15,965,0.379,225,0,500,20,5,50\r\n" + RigaOpzioni(s) + "\r\n");
        return percorso;
    }
    // The output the choice counts for: the table, the field table or the summary.
    std::string Uscita(std::vector<std::string> argomenti, int esito = kEsitoOk) const {
        Scelte base;
        LeggiRigaOpzioni(kBase, base);
        if (NonConta(D().scelta, base, UsoScelte::Tabella))
            argomenti.push_back(NonConta(D().scelta, base, UsoScelte::Campagna) ? "--riepilogo" : "--campagna");
        std::ostringstream out, err;
        EXPECT_EQ(EseguiComando(argomenti, out, err, "."), esito) << err.str();
        return esito == kEsitoOk ? out.str() : err.str();
    }
    static constexpr const char* kBase =
        "modello=g1;correzione=mrad;sensibilita=1;temp_cartuccia=25;anticipo=20;angolo_bersaglio=45";
};
TEST_P(SceltaComando, OpzioneComeChiaveDelFile) {
    const std::string base = Uscita({"--tabella", File("base.dat", std::nullopt)});
    const std::string conChiave = Uscita({"--tabella", File("chiave.dat", Campione())});
    EXPECT_NE(conChiave, base) << "the choice changes nothing";
    EXPECT_EQ(Uscita({"--tabella", File("base.dat", std::nullopt), D().opzione, Campione()}), conChiave);
}
TEST_P(SceltaComando, OpzioneRiportaIlPredefinito) {
    const std::string predefinito = TestoScelta(D().scelta, Scelte{});
    EXPECT_EQ(Uscita({"--tabella", File("chiave.dat", Campione()), D().opzione, predefinito}),
              Uscita({"--tabella", File("predefinito.dat", predefinito)}));
}
TEST_P(SceltaComando, ValoreRifiutatoNominaLOpzione) {
    const std::string errore = Uscita({"--tabella", File("base.dat", std::nullopt), D().opzione, "1x"}, kEsitoRifiuto);
    EXPECT_EQ(errore.rfind("rigata: " + std::string(D().opzione) + ": " + D().nome + ": ", 0), 0u) << errore;
}
TABELLA(SceltaComando, CasoSceltaComando, RigheScelte());

TEST(Csv, CampoConSeparatoreTraVirgolette) {
    EXPECT_EQ(RigaCsv({"1,5", "a\"b", "", "", "", "", "", "x"}, ','), "\"1,5\",\"a\"\"b\",,,,,,x\r\n");
}

// The six entry fields of a data line go through the start screen's check
// (ControllaIngresso) and through --tabella: both give the same first refusal,
// on stderr with nothing on stdout for the command line.
struct CasoIngresso {
    const char *nome, *campi, *errore;  // title "\n" message; "" when accepted
};
class Ingresso : public ::testing::TestWithParam<CasoIngresso> {};
TEST_P(Ingresso, StessaRispostaSulloSchermoESullaRigaDiComando) {
    const CampiDati campi = DividiRigaDati(std::string(GetParam().campi) + ",225,0,500,20,5,50");
    ShotData d;
    const auto rifiuto = ControllaIngresso(TestiIngressoDi(campi), d);
    EXPECT_EQ(rifiuto ? rifiuto->titolo + "\n" + rifiuto->messaggio : "", GetParam().errore);
    std::ostringstream out, err;
    const bool rifiutata = *GetParam().errore;
    EXPECT_EQ(ScriviTabella(campi, Scelte{}, ComeTabella{}, out, err, "."), rifiutata ? kEsitoRifiuto : kEsitoOk);
    EXPECT_EQ(err.str(), rifiutata ? GetParam().errore + std::string("\n") : "");
    EXPECT_EQ(out.str().empty(), rifiutata);
}
#define CAMBIA "CAMBIA VALORE!!\n"
#define VELOCITA CAMBIA "valori consentiti fra 92 e 1370 m/sec"
const CasoIngresso kIngressi[] = {
    {"accettata", "&H1,95,450,15,965,0.379", ""},
    {"ai limiti accettati", "0.243,95,0,15,1369.9,1.1", ""},
    {"diametro zero", "0,95,0,15,965,0.379",
     CAMBIA "valori consentiti maggiori di zero; usare il punto come separatore decimale"},
    {"coefficiente oltre 1.1", "0.243,95,0,15,965,1.11", "VALORE TROPPO GRANDE\nInserisci valore minore di 1.1"},
    {"separatore prima della velocita", "0.243,95,0,15,50,.379",
     "VALORE NON CORRETTO\nUsa il punto come separatore decimale dopo lo 0"},
    {"velocita 92", "0.243,95,0,15,92,0.379", VELOCITA},
    {"velocita 1370 prima dell altitudine", "0.243,95,40000,15,1370,0.379", VELOCITA},
    {"velocita oltre la singola", "0.243,95,0,15,1e39,0.379",
     CAMBIA "valore troppo grande per il campo velocità alla bocca; inserire un numero più piccolo"},
    {"temperatura oltre la singola prima di tutto", "0.243,95,40000,-1e39,965,0",
     CAMBIA "valore troppo piccolo per il campo temperatura; inserire un numero più grande"},
    {"zero assoluto", "0.243,95,0,-272.9743,965,0.379",
     CAMBIA "alla quota indicata la temperatura scende sotto lo zero assoluto (-273 °C); aumentare la temperatura o "
            "diminuire l'altitudine"},
    {"altitudine 32767.5 prima del coefficiente zero", "0.243,95,32767.5,15,965,0",
     CAMBIA "altitudine consentita fra -32768 e 32767 m; correggere l'altitudine"},
    {"coefficiente zero", "0.243,95,450,15,965,0",
     "INSERISCI COEFFICIENTE!!\ncoefficiente balistico mancante o uguale a zero; inserire il coefficiente "
     "balistico (il calcolo da due velocità misurate si fa nella finestra del programma)"},
};
TABELLA(Ingresso, CasoIngresso, kIngressi);

}  // namespace
