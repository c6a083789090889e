// The command line: range tables from a data line, the catalogue's list
// lines, and the checks and exit statuses.
#include "comando.h"

#include <sstream>

#include "../supporto/cartella.h"
#include "casi.h"

using namespace rigata;

namespace {

struct Uscita {
    int esito;
    std::string out, err;
    std::string Riga(size_t n) const {  // line n of the output, from 0
        std::istringstream in(out);
        std::string r;
        for (size_t i = 0; i <= n; ++i) std::getline(in, r);
        return r;
    }
};
Uscita Esegui(const std::vector<std::string>& argomenti, const std::string& sep = ".") {
    std::ostringstream out, err;
    const int esito = EseguiComando(argomenti, out, err, sep);
    return {esito, out.str(), err.str()};
}

TEST(Tabella, GeneraleEDiCampagna) {
    const std::string file = std::string(RIGATA_DATI_TEST) + "/esempio.dat";
    const Uscita vari = Esegui({"--tabella", file}), campagna = Esegui({"--campagna", "--tabella", file}, ",");
    ASSERT_EQ(vari.esito, kEsitoOk) << vari.err;
    EXPECT_EQ(std::count(vari.out.begin(), vari.out.end(), '\n'), 28);
    EXPECT_EQ(vari.Riga(0), "La distanza ottimale di azzeramento per uno scarto max. di +6cm è di m 224");
    EXPECT_EQ(vari.Riga(1), "Distanza (m)\tCaduta (cm)\tOrdinata (cm)\tVelocità (m/s)\tEnergia   (J) \tDev.Vento (cm)\tTempo volo (s)\tScarto mira (cm)");
    EXPECT_EQ(vari.Riga(2), "0\t0.0\t0.0\t965.0\t2866.3\t0.0\t0.000\t-5.0");
    EXPECT_EQ(vari.Riga(27), "500\t-186.3\t-117.5\t597.0\t1096.9\t-73.5\t0.665\t-111.4");
    EXPECT_EQ(campagna.Riga(1), "Distanza (m\tVelocità (m/s)\tEnergia   (J)\tScarto  0°(cm)\tScarto 15°(cm)\tScarto 30°(cm)\tScarto 45°(cm)\tScarto 60°(cm)");
    EXPECT_EQ(campagna.Riga(27), "500\t597,0\t1096,9\t-111,4\t-105,1\t-86,4\t-56,8\t-18,2");
}

// The data line's bullet and place pass the checks of the entry screen, in
// its order; the first refusal goes to stderr with nothing on stdout.
struct CasoDati {
    const char *nome, *riga, *errore;  // title, line end, message; "" when accepted
};
class Dati : public ::testing::TestWithParam<CasoDati> {};
TEST_P(Dati, PrimoRifiuto) {
    std::ostringstream out, err;
    const bool rifiuto = *GetParam().errore;
    EXPECT_EQ(ScriviTabella(DividiRigaDati(GetParam().riga), TipoTabella::Vari, out, err, "."), rifiuto ? kEsitoRifiuto : kEsitoOk);
    EXPECT_EQ(err.str(), rifiuto ? std::string(GetParam().errore) + "\n" : "");
    EXPECT_EQ(out.str().empty(), rifiuto);
}
#define VELOCITA "CAMBIA VALORE!!\nvalori consentiti fra 92 e 1370 m/sec"
#define SEPARATORE "VALORE NON CORRETTO\nUsa il punto come separatore decimale dopo lo 0"
#define GRANDE(campo) "CAMBIA VALORE!!\nvalore troppo grande per il campo " campo "; inserire un numero più piccolo"
#define GELO "CAMBIA VALORE!!\nalla quota indicata la temperatura scende sotto lo zero assoluto (-273 °C); aumentare la temperatura o diminuire l'altitudine"
const CasoDati kDati[] = {
    {"diametro con la virgola", "0,243,95,0,15,965,0.379,225,0,500,20,5,50", "CAMBIA VALORE!!\nvalori consentiti maggiori di zero; usare il punto come separatore decimale"},
    {"coefficiente 1.1 ammesso", "0.243,95,0,15,965,1.1,225,0,500,20,5,50", ""},
    {"coefficiente 1.11", "0.243,95,0,15,965,1.11,225,0,500,20,5,50", "VALORE TROPPO GRANDE\nInserisci valore minore di 1.1"},
    {"coefficiente senza zero", "0.243,95,0,15,965,.379,225,0,500,20,5,50", SEPARATORE},
    {"separatore prima della velocita", "0.243,95,0,15,50,.379,225,0,500,20,5,50", SEPARATORE},
    {"velocita 92", "0.243,95,0,15,92,0.379,225,0,500,20,5,50", VELOCITA},
    {"velocita 92.5 ammessa", "0.243,95,0,15,92.5,0.379,225,0,500,20,5,50", ""},
    {"velocita 1370", "0.243,95,0,15,1370,0.379,225,0,500,20,5,50", VELOCITA},
    {"velocita 1369.9 ammessa", "&H1,95,0,15,1369.9,0.379,225,0,500,20,5,50", ""},
    {"velocita oltre la singola", "0.243,95,0,15,1e39,0.379,225,0,500,20,5,50", GRANDE("velocità alla bocca")},
    {"temperatura oltre la singola", "0.243,95,0,1e39,965,0.379,225,0,500,20,5,50", GRANDE("temperatura")},
    {"temperatura sotto lo zero assoluto", "0.243,95,0,-272.9743,965,0.379,225,0,500,20,5,50", GELO},
    {"temperatura -272 ammessa", "0.243,95,0,-272,965,0.379,225,0,500,20,5,50", ""},
    {"gelo in quota", "0.243,95,20000,-200,965,0.379,225,0,500,20,5,50", GELO},
    {"altitudine oltre gli interi", "0.243,95,32767.5,15,965,0.379,225,0,500,20,5,50", "CAMBIA VALORE!!\naltitudine consentita fra -32768 e 32767 m; correggere l'altitudine"},
    {"richiesta dopo i dati", "0.243,95,0,15,965,0.379,225,0,500,0,5,50", "CAMBIA INTERVALLO!!\nl'intervallo di calcolo deve essere un numero intero di metri diverso da zero, fra -32768 e 32767; correggere l'intervallo"}};
TABELLA(Dati, CasoDati, kDati);

TEST(Elenco, RigheOrdinateSaeEMetriche) {
    prova::CartellaTemporanea cartella;
    prova::Scrivi(cartella.File("palle.bc"), "(c) note\r\nSpeer,.308,150,Hot-Cor,.226,.389\r\n\r\nRemington,.308,130,Core-Lokt,.196,.336,3000,.3405");
    const std::string fine(42, ' ');
    const Uscita sae = Esegui({"--elenco", cartella.File("palle.bc")}), metrico = Esegui({"--metrico", "--elenco", cartella.File("palle.bc")});
    EXPECT_EQ(sae.out, "0.308\"   130gr   Remingt Core-Lokt             0.336  3000   0.340  " + fine + "\n"
                       "0.308\"   150gr   Speer   Hot-Cor               0.389  " + fine + std::string(14, ' ') + "\n");
    EXPECT_EQ(metrico.Riga(0), "7.82mm   8.42g   Remingt Core-Lokt             0.336  914.4  0.340  " + fine);
    std::string grande;
    for (int i = 0; i < 4002; ++i) grande += "A,.308,150,T,.226,.400\r\n";
    prova::Scrivi(cartella.File("grande.bc"), grande);
    const Uscita e = Esegui({"--elenco", cartella.File("grande.bc")});
    EXPECT_EQ(std::count(e.out.begin(), e.out.end(), '\n'), 4000);
    EXPECT_EQ(e.err, "L'archivio delle palle contiene più di 4000 palle: le ultime 2 righe non sono state caricate. Per usarle togliere dall'archivio le palle che non servono.\n");
}

struct CasoUso {
    const char* nome;
    std::vector<std::string> argomenti;
    int esito;
    std::string errore;  // the start of stderr
};
class Uso : public ::testing::TestWithParam<CasoUso> {};
TEST_P(Uso, EsitoEMessaggio) {
    const Uscita u = Esegui(GetParam().argomenti);
    EXPECT_EQ(u.esito, GetParam().esito);
    EXPECT_EQ(u.err.substr(0, GetParam().errore.size()), GetParam().errore) << u.err;
}
const CasoUso kUsi[] = {
    {"aiuto", {"--help"}, kEsitoOk, ""}, {"opzione sconosciuta", {"--boh"}, kEsitoUso, "rigata: opzione sconosciuta: --boh\n"},
    {"tabella senza file", {"--tabella"}, kEsitoUso, "rigata: manca il file dopo --tabella\n"},
    {"elenco ripetuto", {"--elenco", "a", "--elenco", "b"}, kEsitoUso, "rigata: --elenco ripetuto\n"},
    {"tabella ed elenco", {"--elenco", "a", "--tabella", "b"}, kEsitoUso, "rigata: --tabella e --elenco non vanno insieme\n"},
    {"campagna senza tabella", {"--campagna"}, kEsitoUso, "rigata: --campagna va con --tabella FILE\n"},
    {"metrico senza elenco", {"--metrico"}, kEsitoUso, "rigata: --metrico va con --elenco FILE\n"},
    {"catalogo mancante", {"--elenco", "/non/esiste.bc"}, kEsitoFile, "Impossibile aprire il file \"/non/esiste.bc\": il file o la cartella non esiste.\n"},
    {"tabella da una cartella", {"--tabella", "/"}, kEsitoFile, "Impossibile aprire il file \"/\": è una cartella"}};
TABELLA(Uso, CasoUso, kUsi);

}  // namespace
