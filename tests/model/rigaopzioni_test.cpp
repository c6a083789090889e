// The data file's second line: pairs read into the model's and the card's
// choices, refused values and unknown keys named, and what is written back;
// data files that carry it, opened and saved again.
#include "rigaopzioni.h"

#include "../supporto/cartella.h"
#include "casi.h"
#include "rigadati.h"

using namespace rigata;

namespace {

struct CasoRigaOpzioni {
    const char *nome, *riga;
    const char* riscritta;  // RigaOpzioni of what was read
    size_t avvisi;
    const char* primoAvviso = "";
};
class RigaOpzioniLetta : public ::testing::TestWithParam<CasoRigaOpzioni> {};
TEST_P(RigaOpzioniLetta, RiscrittaEAvvisi) {
    OpzioniFile o;
    const auto avvisi = LeggiRigaOpzioni(GetParam().riga, o);
    EXPECT_EQ(RigaOpzioni(o), GetParam().riscritta);
    ASSERT_EQ(avvisi.size(), GetParam().avvisi);
    if (!avvisi.empty()) {
        EXPECT_EQ(avvisi[0], GetParam().primoAvviso);
    }
}
const CasoRigaOpzioni kRigheOpzioni[] = {
    {"vuota", "", "", 0},
    {"tutte le chiavi in altro ordine",
     "click=0.05; correzione=mrad;soglie=1500;banda=4;coppie=si;angolo_vento=45;umidita=50;pressione=1013.2;modello=g7",
     "modello=g7;pressione=1013.2;umidita=50;angolo_vento=45;coppie=si;banda=4;soglie=1500;correzione=mrad;click=0.05",
     0},
    {"valori predefiniti non riscritti", "modello=classico;umidita=0;angolo_vento=90;coppie=no;banda=6;soglie=1000,2000",
     "", 0},
    {"nessuna soglia", "soglie=", "soglie=", 0},
    {"chiave sconosciuta conservata", "colore=rosso;modello=g1", "modello=g1;colore=rosso", 1,
     "la chiave \"colore\" non è conosciuta da questa versione del programma: è stata conservata e sarà "
     "riscritta al salvataggio"},
    {"umidita oltre 100", "umidita=101", "", 1,
     "il valore \"101\" della chiave \"umidita\" non è valido: è stato usato il valore predefinito"},
    {"virgola decimale rifiutata", "pressione=1013,2", "", 1,
     "il valore \"1013,2\" della chiave \"pressione\" non è valido: è stato usato il valore predefinito"},
    {"banda sotto 2 cm", "banda=1.9", "", 1,
     "il valore \"1.9\" della chiave \"banda\" non è valido: è stato usato il valore predefinito"},
    {"modello sconosciuto", "modello=g8;banda=15", "banda=15", 1,
     "il valore \"g8\" della chiave \"modello\" non è valido: è stato usato il valore predefinito"},
    {"soglia non numerica", "soglie=1000,x", "", 1,
     "il valore \"1000,x\" della chiave \"soglie\" non è valido: è stato usato il valore predefinito"},
};
TABELLA(RigaOpzioniLetta, CasoRigaOpzioni, kRigheOpzioni);

// A data file opened (the first line's fields, the model, the warnings) and
// saved again with what was read: the bytes of the second line written back.
const std::string kRiga = "0.243,95,450,15,965,0.379,225,0,500,20,5,50";
struct CasoFileDati {
    const char* nome;
    std::string dopoLaRiga;  // what follows the data line's CR LF
    TipoModello modello;
    double umidita;
    const char* avviso;   // a text the one warning holds; nullptr: none
    std::string salvato;  // the file written back with the options read
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
    EXPECT_EQ(opzioni.modello.modello, caso.modello);
    EXPECT_EQ(opzioni.modello.umidita, caso.umidita);
    ASSERT_EQ(avvisi.size(), caso.avviso ? 1u : 0u);
    if (caso.avviso) {
        EXPECT_NE(avvisi[0].find(caso.avviso), std::string::npos) << avvisi[0];
    }
    ASSERT_FALSE(ScriviFileDati(percorso, campi, opzioni));
    EXPECT_EQ(prova::Leggi(percorso), kRiga + "\r\n" + caso.salvato);
}
const CasoFileDati kFileDati[] = {
    {"vecchio file di una riga", "", TipoModello::Classico, 0, nullptr, ""},
    {"scelte usuali riscritte in una riga", "modello=classico;umidita=0\r\n", TipoModello::Classico, 0, nullptr, ""},
    {"G7 e umidita 50", "modello=g7;umidita=50\r\n", TipoModello::G7, 50, nullptr, "modello=g7;umidita=50\r\n"},
    {"solo LF e righe dopo ignorate", "umidita=50\nmodello=g7\n", TipoModello::Classico, 50, nullptr,
     "umidita=50\r\n"},
    {"chiave sconosciuta riscritta", "colore=rosso;modello=g1", TipoModello::G1, 0, "\"colore\"",
     "modello=g1;colore=rosso\r\n"},
    {"valore errato: il predefinito", "umidita=150;modello=g7\r\n", TipoModello::G7, 0, "\"umidita\"",
     "modello=g7\r\n"},
    {"seconda riga di 4096 caratteri", "modello=g7;x=" + std::string(4096 - 13, 'a') + "\r\n", TipoModello::G7, 0,
     "\"x\"", "modello=g7;x=" + std::string(4096 - 13, 'a') + "\r\n"},
    {"seconda riga troppo lunga ignorata", "modello=g7;x=" + std::string(4096 - 12, 'a') + "\r\n",
     TipoModello::Classico, 0, "troppo lunga", ""},
    {"caratteri di controllo ignorati", std::string("modello=g7\0\xff", 12), TipoModello::Classico, 0,
     "caratteri di controllo", ""},
    {"Windows-1252 conservato", "nota=caf\xe9\r\n", TipoModello::Classico, 0, "\"nota\"", "nota=caf\xe9\r\n"},
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
