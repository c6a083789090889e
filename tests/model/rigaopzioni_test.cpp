// The data file's second line: pairs read into the model's and the card's
// choices, refused values and unknown keys named, and what is written back.
#include "rigaopzioni.h"

#include "casi.h"

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

}  // namespace
