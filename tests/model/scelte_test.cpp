// The table of choices, row by row: every row's reader takes the ends of its
// range and refuses one step beyond, naming the choice; its writer's text
// reads back to the same value; the second line keeps it. Then the second
// line as a whole: data files that carry it, opened and saved again.
#include "scelte.h"

#include <cmath>
#include <set>

#include "../supporto/cartella.h"
#include "casi.h"
#include "numeri.h"
#include "rigadati.h"

using namespace rigata;

namespace {

// --- Every row ---------------------------------------------------------------

struct CasoRiga {
    const char* nome;
    Scelta scelta;
};
std::vector<CasoRiga> Righe() {
    std::vector<CasoRiga> righe;
    for (const auto& d : TabellaScelte()) righe.push_back({d.chiave, d.scelta});
    return righe;
}
class RigaScelta : public ::testing::TestWithParam<CasoRiga> {
protected:
    const DefinizioneScelta& D() const { return Definizione(GetParam().scelta); }
    // The text read, then written and read again: the same value both times.
    ValoreScelta Torna(const std::string& testo) const {
        Scelte s;
        const auto r = LeggiScelta(D().scelta, testo, s);
        EXPECT_FALSE(r) << testo << ": " << (r ? r->messaggio : "");
        const std::string scritto = TestoScelta(D().scelta, s);
        Scelte riletta;
        riletta.unita = UnitaCorrezione::Moa;  // not the default: the reader must set what it reads
        EXPECT_FALSE(LeggiScelta(D().scelta, scritto, riletta)) << scritto;
        EXPECT_EQ(Valore(D().scelta, riletta), Valore(D().scelta, s)) << testo << " -> " << scritto;
        EXPECT_EQ(TestoScelta(D().scelta, riletta), scritto);
        return Valore(D().scelta, s);
    }
    // The text refused, naming the choice, and the choices left as they were.
    void Rifiutato(const std::string& testo, const char* titolo = "CAMBIA VALORE!!") const {
        Scelte s;
        s.banda = 4.5;
        s.soglie = {700};
        const auto r = LeggiScelta(D().scelta, testo, s);
        ASSERT_TRUE(r) << testo;
        EXPECT_EQ(r->titolo, titolo) << testo;
        EXPECT_NE(r->messaggio.find(D().nome), std::string::npos) << r->messaggio;
        EXPECT_EQ(s.banda, 4.5);
        EXPECT_EQ(s.soglie, std::vector<double>{700});
    }
};

TEST_P(RigaScelta, KeyAndOptionMatch) {
    std::string chiave = D().chiave;
    for (char& c : chiave) c = c == '_' ? '-' : c;
    EXPECT_EQ("--" + chiave, D().opzione);
    EXPECT_EQ(SceltaPerChiave(D().chiave), &D());
    EXPECT_EQ(SceltaPerOpzione(D().opzione), &D());
    EXPECT_EQ(&Definizione(D().scelta), &D()) << "rows out of the order of Scelta";
}

TEST_P(RigaScelta, DefaultWrittenAndReadBack) {
    const Scelte predefinite;
    EXPECT_TRUE(Predefinita(D().scelta, predefinite));
    EXPECT_EQ(Torna(TestoScelta(D().scelta, predefinite)), Valore(D().scelta, predefinite));
}

TEST_P(RigaScelta, RangeEndsTakenAndOneStepBeyondRefused) {
    const DefinizioneScelta& d = D();
    const auto testo = [](double v) { return TestoNumeroScritto(v); };
    switch (d.genere) {
        case GenereScelta::Nome:
            for (size_t i = 0; i < d.nomi.size() && d.nomi[i]; ++i) {
                EXPECT_EQ(Torna(d.nomi[i]).numero, static_cast<double>(i));
                std::string maiuscolo = d.nomi[i];
                for (char& c : maiuscolo) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                EXPECT_EQ(Torna(maiuscolo).numero, static_cast<double>(i));
            }
            Rifiutato("g8");
            Rifiutato("");
            break;
        case GenereScelta::Numero:
        case GenereScelta::Frazione:
            EXPECT_EQ(Torna(testo(d.minimo)).numero, d.minimo);
            EXPECT_EQ(Torna(" " + testo(d.massimo) + " ").numero, d.massimo);
            EXPECT_EQ(Torna(testo(d.minimo + (d.massimo - d.minimo) / 3)).numero, d.minimo + (d.massimo - d.minimo) / 3);
            Rifiutato(testo(std::nextafter(d.minimo, -1e300)));
            Rifiutato(testo(std::nextafter(d.massimo, 1e300)));
            for (const char* t : {"1x", "1e3", "1.2.3", "+"}) Rifiutato(t);
            Rifiutato(testo(d.minimo) + ",5", "USA IL PUNTO!!");
            if (d.vuota) EXPECT_EQ(Torna("  ").numero, Valore(d.scelta, Scelte{}).numero);
            else Rifiutato(" ");
            break;
        case GenereScelta::Interi:
            EXPECT_EQ(Torna(testo(d.minimo) + ", " + testo(d.massimo) + " " + testo(d.minimo)).elementi,
                      (std::vector<double>{d.minimo, d.massimo, d.minimo}));
            Rifiutato(testo(d.minimo - 1));
            Rifiutato(testo(d.massimo + 1));
            Rifiutato(testo(d.minimo) + ".5");
            {
                std::string troppi;
                for (int i = 0; i <= d.elementi; ++i) troppi += testo(d.minimo) + ",";
                Rifiutato(troppi);
            }
            EXPECT_TRUE(Torna("").elementi.empty());
            break;
        case GenereScelta::Coppie:
            EXPECT_EQ(Torna(testo(d.minimo) + ":0.5, " + testo(d.massimo) + ":2").elementi,
                      (std::vector<double>{d.minimo, 0.5, d.massimo, 2}));
            Rifiutato(testo(std::nextafter(d.minimo, 0.0)) + ":0.5");
            Rifiutato(testo(std::nextafter(d.massimo, 1e300)) + ":0.5");
            Rifiutato("800:0");
            Rifiutato("800");
            Rifiutato("si");
            EXPECT_TRUE(Torna("no").elementi.empty());
            EXPECT_TRUE(Torna("").elementi.empty());
            break;
    }
}

// What a file keeps: any value the reader takes comes back from the second
// line as it was, digits and all.
TEST_P(RigaScelta, SecondLineKeepsTheValue) {
    const DefinizioneScelta& d = D();
    std::string testo;
    switch (d.genere) {
        case GenereScelta::Nome: testo = d.nomi[1]; break;
        case GenereScelta::Numero:
        case GenereScelta::Frazione: testo = TestoNumeroScritto(d.minimo + (d.massimo - d.minimo) / 7); break;
        case GenereScelta::Interi: testo = TestoNumeroScritto(std::floor(d.massimo / 7)); break;
        case GenereScelta::Coppie: testo = "853.4:0.42,731.5:0.4"; break;
    }
    Scelte scritte;
    ASSERT_FALSE(LeggiScelta(d.scelta, testo, scritte));
    const std::string riga = RigaOpzioni(scritte);
    EXPECT_EQ(riga.substr(0, riga.find(';')), std::string(d.chiave) + "=" + TestoScelta(d.scelta, scritte));
    Scelte lette;
    EXPECT_TRUE(LeggiRigaOpzioni(riga, lette).empty());
    EXPECT_EQ(Valore(d.scelta, lette), Valore(d.scelta, scritte));
    EXPECT_FALSE(ControllaScelte(lette));
}

TABELLA(RigaScelta, CasoRiga, Righe());

// Values no reader gives (set by code) are caught before a file is written.
struct CasoNonScrivibile {
    const char* nome;
    void (*imposta)(Scelte&);
};
class NonScrivibile : public ::testing::TestWithParam<CasoNonScrivibile> {};
TEST_P(NonScrivibile, ControllaScelteLoRifiuta) {
    Scelte s;
    GetParam().imposta(s);
    EXPECT_TRUE(ControllaScelte(s));
}
const CasoNonScrivibile kNonScrivibili[] = {
    {"soglia sotto un joule", [](Scelte& s) { s.soglie = {1e-10}; }},
    {"soglia non intera", [](Scelte& s) { s.soglie = {1000.5}; }},
    {"umidita non finita", [](Scelte& s) { s.umidita = std::nan(""); }},
    {"banda infinita", [](Scelte& s) { s.banda = HUGE_VAL; }},
    {"modello fuori dall elenco", [](Scelte& s) { s.modello = static_cast<TipoModello>(7); }},
};
TABELLA(NonScrivibile, CasoNonScrivibile, kNonScrivibili);

TEST(Scelte, UnitThatChangesBringsBackItsClick) {
    Scelte s;
    ASSERT_FALSE(CambiaScelta(Scelta::Correzione, "mrad", s));
    ASSERT_FALSE(CambiaScelta(Scelta::Click, "1/20", s));
    EXPECT_EQ(ClickDi(s), 0.05);
    ASSERT_FALSE(CambiaScelta(Scelta::Correzione, "mrad", s));
    EXPECT_EQ(ClickDi(s), 0.05) << "the same unit keeps its click";
    ASSERT_FALSE(CambiaScelta(Scelta::Correzione, "moa", s));
    EXPECT_EQ(ClickDi(s), 0.25);
}

// --- The second line as a whole ----------------------------------------------

// A data file opened (the first line's fields, the warnings) and saved again
// with what was read: the choices written back in the table's order,
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
    Scelte opzioni;
    std::vector<std::string> avvisi;
    ASSERT_FALSE(LeggiFileDati(percorso, campi, opzioni, avvisi));
    EXPECT_EQ(RigaDati(campi), kRiga);
    ASSERT_EQ(avvisi.size(), caso.avviso ? 1u : 0u) << (avvisi.empty() ? "" : avvisi[0]);
    if (caso.avviso) {
        EXPECT_NE(avvisi[0].find(caso.avviso), std::string::npos) << avvisi[0];
    }
    ASSERT_FALSE(ScriviFileDati(percorso, campi, opzioni));
    EXPECT_EQ(prova::Leggi(percorso), kRiga + "\r\n" + caso.salvato);
}
#define PREDEFINITO "; è stato usato il valore predefinito"
const CasoFileDati kFileDati[] = {
    {"vecchio file di una riga", "", nullptr, ""},
    {"valori predefiniti non riscritti",
     "modello=classico;umidita=0;angolo_vento=90;coppie=no;banda=6;soglie=1000,2000\r\n", nullptr, ""},
    {"tutte le chiavi in altro ordine",
     "click=1/20; correzione=mrad;soglie=1500 2500;banda=4;coppie=800:0.4;angolo_vento=45;umidita=50.5;"
     "pressione=1013.2;modello=g7",
     nullptr,
     "modello=g7;pressione=1013.2;umidita=50.5;angolo_vento=45;coppie=800:0.4;banda=4;soglie=1500,2500;"
     "correzione=mrad;click=0.05\r\n"},
    {"nessuna soglia", "soglie=", nullptr, "soglie=\r\n"},
    {"solo LF e righe dopo ignorate", "umidita=50\nmodello=g7\n", nullptr, "umidita=50\r\n"},
    {"chiave sconosciuta riscritta", "colore=rosso;modello=g1",
     "la chiave \"colore\" non è conosciuta da questa versione del programma: è stata conservata e sarà "
     "riscritta al salvataggio",
     "modello=g1;colore=rosso\r\n"},
    {"chiave ripetuta: vale l'ultima", "modello=g7;modello=g1", "la chiave \"modello\" compare più volte: vale l'ultima, \"g1\"",
     "modello=g1\r\n"},
    {"valore ripetuto errato: resta il precedente", "modello=g7;banda=4;modello=x",
     "è stato tenuto il valore precedente, \"g7\"", "modello=g7;banda=4\r\n"},
    {"umidita oltre 100", "umidita=101;modello=g7\r\n", "la chiave \"umidita\": umidità relativa: \"101\" non è valido",
     "modello=g7\r\n"},
    {"virgola decimale rifiutata", "pressione=1013,2", "il separatore decimale è il punto", ""},
    {"banda sotto 2 cm", "banda=1.9", "(per esempio 4 o 4.5)" PREDEFINITO, ""},
    {"coppie di un file vecchio", "coppie=si", "non contiene le coppie", ""},
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
    Scelte o;
    o.soglie = {1e-10};
    EXPECT_NE(ScriviFileDati(percorso, DividiRigaDati(kRiga), o).value_or("").find("soglie di energia"),
              std::string::npos);
    o = {};
    o.altre.assign(300, {"nota", "0123456789"});  // over 4096 characters
    EXPECT_NE(ScriviFileDati(percorso, DividiRigaDati(kRiga), o).value_or("").find("troppo lunghe"),
              std::string::npos);
    o = {};
    o.altre.emplace_back("nota", "Ω");
    EXPECT_NE(ScriviFileDati(percorso, DividiRigaDati(kRiga), o).value_or("").find("\"Ω\""), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(percorso));
}

}  // namespace
