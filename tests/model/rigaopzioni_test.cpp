// The data file's second line: pairs read into the model's and the card's
// choices, refused values and unknown keys named, and what is written back;
// data files that carry it, opened and saved again.
#include "rigaopzioni.h"

#include "../supporto/cartella.h"
#include "casi.h"
#include "rigadati.h"

using namespace rigata;

namespace {

// A data file opened (the first line's fields, the warnings) and saved again
// with what was read: the second line's choices written back in their order,
// without the default values.
const std::string kRiga = "0.243,95,450,15,965,0.379,225,0,500,20,5,50";
struct CasoFileDati {
    const char* nome;
    std::string dopoLaRiga;  // what follows the data line's CR LF
    const char* avviso;      // a text the one warning holds; nullptr: none
    std::string salvato;     // the file written back with the options read
};
class FileDatiConOpzioni : public ::testing::TestWithParam<CasoFileDati> {};
TEST_P(FileDatiConOpzioni, SiApreESiRisalva) {
    const CasoFileDati& caso = GetParam();
    prova::CartellaTemporanea cartella;
    const std::string percorso = cartella.File("a.dat");
    prova::Scrivi(percorso, kRiga + "\r\n" + caso.dopoLaRiga);
    CampiDati campi;
    OpzioniFile opzioni;
    std::vector<std::string> avvisi;
    ASSERT_FALSE(LeggiFileDati(percorso, campi, opzioni, avvisi));
    EXPECT_EQ(RigaDati(campi), kRiga);
    ASSERT_EQ(avvisi.size(), caso.avviso ? 1u : 0u);
    if (caso.avviso) {
        EXPECT_NE(avvisi[0].find(caso.avviso), std::string::npos) << avvisi[0];
    }
    ASSERT_FALSE(ScriviFileDati(percorso, campi, opzioni));
    EXPECT_EQ(prova::Leggi(percorso), kRiga + "\r\n" + caso.salvato);
}
#define NON_VALIDO "\" non è valido: è stato usato il valore predefinito"
const CasoFileDati kFileDati[] = {
    {"vecchio file di una riga", "", nullptr, ""},
    {"valori predefiniti non riscritti",
     "modello=classico;umidita=0;angolo_vento=90;coppie=no;banda=6;soglie=1000,2000\r\n", nullptr, ""},
    {"G7 e umidita 50", "modello=g7;umidita=50\r\n", nullptr, "modello=g7;umidita=50\r\n"},
    {"tutte le chiavi in altro ordine",
     "click=0.05; correzione=mrad;soglie=1500;banda=4;coppie=si;angolo_vento=45;umidita=50.5;pressione=1013.2;modello=g7",
     nullptr,
     "modello=g7;pressione=1013.2;umidita=50.5;angolo_vento=45;coppie=si;banda=4;soglie=1500;correzione=mrad;click=0.05\r\n"},
    {"nessuna soglia", "soglie=", nullptr, "soglie=\r\n"},
    {"solo LF e righe dopo ignorate", "umidita=50\nmodello=g7\n", nullptr, "umidita=50\r\n"},
    {"chiave sconosciuta riscritta", "colore=rosso;modello=g1",
     "la chiave \"colore\" non è conosciuta da questa versione del programma: è stata conservata e sarà "
     "riscritta al salvataggio",
     "modello=g1;colore=rosso\r\n"},
    {"umidita oltre 100", "umidita=101;modello=g7\r\n", "il valore \"101\" della chiave \"umidita" NON_VALIDO,
     "modello=g7\r\n"},
    {"virgola decimale rifiutata", "pressione=1013,2", "\"1013,2\" della chiave \"pressione" NON_VALIDO, ""},
    {"banda sotto 2 cm", "banda=1.9", "\"1.9\" della chiave \"banda" NON_VALIDO, ""},
    {"modello sconosciuto", "modello=g8;banda=15", "\"g8\" della chiave \"modello" NON_VALIDO, "banda=15\r\n"},
    {"soglia non numerica", "soglie=1000,x", "\"1000,x\" della chiave \"soglie" NON_VALIDO, ""},
    {"seconda riga di 4096 caratteri", "modello=g7;x=" + std::string(4096 - 13, 'a') + "\r\n", "\"x\"",
     "modello=g7;x=" + std::string(4096 - 13, 'a') + "\r\n"},
    {"seconda riga troppo lunga ignorata", "modello=g7;x=" + std::string(4096 - 12, 'a') + "\r\n", "troppo lunga",
     ""},
    {"caratteri di controllo ignorati", std::string("modello=g7\0\xff", 12), "caratteri di controllo", ""},
    {"Windows-1252 conservato", "nota=caf\xe9\r\n", "\"nota\"", "nota=caf\xe9\r\n"},
};
TABELLA(FileDatiConOpzioni, CasoFileDati, kFileDati);

TEST(SalvataggioConOpzioni, SceltaCheNonTornaRifiutataSenzaScrivere) {
    prova::CartellaTemporanea cartella;
    const std::string percorso = cartella.File("a.dat");
    OpzioniFile o;
    o.cartellino.soglie.assign(1000, 1e8);  // "soglie=100000000,..." over 4096 characters
    EXPECT_NE(ScriviFileDati(percorso, DividiRigaDati(kRiga), o).value_or("").find("troppo lunghe"),
              std::string::npos);
    o = {};
    o.altre.emplace_back("nota", "Ω");
    EXPECT_NE(ScriviFileDati(percorso, DividiRigaDati(kRiga), o).value_or("").find("\"Ω\""), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(percorso));
}

}  // namespace
