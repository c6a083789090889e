// The core's numbers and model: reading and writing numbers, the ballistic
// model, the range table, the point-blank range, the five calculators, and the
// lines of the two file formats with the data files and their Windows-1252 text.
// Figures are for the .243 bullet of 95 grains (coefficient 0.379, 965 m/s)
// unless a case says otherwise.
#include "modello.h"

#include <map>

#include "../supporto/cartella.h"
#include "calcolatori.h"
#include "casi.h"
#include "catalogo.h"
#include "nuovapalla.h"
#include "file.h"
#include "numeri.h"
#include "palla.h"
#include "rigadati.h"
#include "tabella.h"
#include "traiettoria.h"

using namespace rigata;

namespace {

// Typed texts: LeggiNumero everywhere, LeggiNumeroEsteso (&H, &O) on the entry
// screen, and whether a decimal comma follows the digits (the screens refuse
// it rather than read the whole part).
struct CasoLettura {
    const char *nome, *testo;
    double valore, esteso;
    bool virgola = false;
};
class Lettura : public ::testing::TestWithParam<CasoLettura> {};
TEST_P(Lettura, ValoreEVirgola) {
    EXPECT_DOUBLE_EQ(LeggiNumero(GetParam().testo), GetParam().valore);
    EXPECT_DOUBLE_EQ(LeggiNumeroEsteso(GetParam().testo), GetParam().esteso);
    EXPECT_EQ(VirgolaDecimale(GetParam().testo), GetParam().virgola);
}
const CasoLettura kLetture[] = {
    {"virgola dopo il segno", "-1,5", -1, -1, true},
    {"virgola senza zero", ",30", 0, 0, true},
    {"virgola dopo spazi", " 9 65 ,5", 965, 965, true},
    {"virgola dopo le unita", "450 m, 5", 450, 450},
    {"sola virgola", ",", 0, 0},
    {"punto iniziale", "-.5", -0.5, -0.5},
    {"secondo punto", "1.2.3", 1.2, 1.2},
    {"esponente D", "2.5D-1", 0.25, 0.25},
    {"esponente monco", "1e-", 1, 1},
    {"esadecimale spaziato", " & h 1F", 0, 31},
    {"ottale si ferma all 8", "&o18", 0, 1},
    {"prefisso ignoto", "&X1", 0, 0},
};
TABELLA(Lettura, CasoLettura, kLetture);

struct CasoSchema {
    const char* nome;
    double valore;
    const char *schema, *testo, *separatore = ".";
};
class Schema : public ::testing::TestWithParam<CasoSchema> {};
TEST_P(Schema, Testo) {
    EXPECT_EQ(FormattaNumero(GetParam().valore, GetParam().schema, GetParam().separatore), GetParam().testo);
}
const CasoSchema kSchemi[] = {
    {"meta lontano da zero", -2.5, "####0", "-3"},
    {"meno zero resta", -0.04, "###0.0", "-0.0"},
    {"zero negativo senza segno", -0.0, "###0.0", "0.0"},
    {"senza zero davanti", 0.26, "####.0", ".3"},
    {"quindici cifre", 0.285, "0.#0", "0.29"},
    {"zero solo punto", 0, "###.#", "."},
    {"zero senza cifre", 0.4, "###", ""},
    {"riporto", 999.96, "###0.0", "1000.0"},
    {"zeri finali tenuti", 0.25, "0.0#0", "0.250"},
    {"virgola", 946.638, "####.0", "946,6", ","},
};
TABELLA(Schema, CasoSchema, kSchemi);

TEST(TestoGenerale, SetteCifre) {
    EXPECT_EQ(TestoSingolo(1369.9f), "1369.9");
    EXPECT_EQ(TestoSingolo(1.0f / 3), "0.3333333");
    EXPECT_EQ(TestoSingolo(12345678), "1.234568E+07");
    EXPECT_EQ(TestoSingolo(0.00001f), "1E-05");
    EXPECT_EQ(TestoCoeffBalistico(0.0995), "0.10");
}

// The bullet at a place; with a zero (m) and sight height (mm) also zeroed;
// with a residual velocity the coefficient comes from two velocities 100 m apart.
ShotData Palla(int16_t quota = 0, float gradi = 15, double coeff = 0.379, float zero = 0, float mira = 0,
               float residua = 0, float diametro = 0.243f, float peso = 95, float v0 = 965) {
    ShotData d = prova::PallaInAria(quota, gradi, coeff, diametro, peso, v0);
    d.DistanzaAzzeramento = zero, d.AltezzaMira = mira;
    d.VelocitaIniziale = v0, d.VelocitaResidua = residua, d.TrattoMisurato = 100;
    if (residua > 0) CalcolaResistenzaMisurata(d), CalcolaCoeffBalistico(d);
    if (zero > 0) CalcolaAzzeramento(d);
    return d;
}
const ShotData k308 = Palla(0, 15, 0.4, 0, 0, 0, 0.308f, 150);

// The request texts of "zero,start,end,step,wind,sight".
TestiRichiesta TestiDi(const std::string& richiesta) { return TestiRichiestaDi(DividiRigaDati(",,,,,," + richiesta)); }

// A checked request run through, every row kept by its number.
std::map<int, ShotData> Righe(const std::string& richiesta) {
    ShotData d = Palla();
    RichiestaTabella r;
    EXPECT_FALSE(LeggiRichiesta(TestiDi(richiesta), r));
    EXPECT_FALSE(ControllaRichiesta(d, r));
    ApplicaRichiesta(d, r);
    CalcolaAzzeramento(d);
    std::map<int, ShotData> righe;
    CalcRisultati(d, [&](const ShotData& riga) { righe[riga.RigaGriglia] = riga; });
    return righe;
}

// Model values to the last figure. The wind, the drop and the sight height
// times 100 are rounded to single precision before they enter the drift, the
// slope columns and the optimal zero: the figures of 3.7 m/s, of the 45 degree
// slope at 100 m and of a 40 mm sight tell the rounded value from the unrounded.
struct CasoValore {
    const char* nome;
    double (*valore)();
    const char* cifra;
};
class Valore : public ::testing::TestWithParam<CasoValore> {};
TEST_P(Valore, ComeLaCifra) { EXPECT_CIFRA(GetParam().valore(), GetParam().cifra); }
#define V(espressione) [] { return double(espressione); }
const CasoValore kValori[] = {
    {"caduta a 500 m", V(Righe("225,0,500,20,5,50").at(26).Caduta), "1.8631243"},
    {"energia a 500 m", V(Righe("225,0,500,20,5,50").at(26).Energia), "1096.8677"},
    {"deriva a 500 m", V(Righe("225,0,500,20,5,50").at(26).DerivaVento), "73.493477"},
    {"scarto a 500 m", V(Righe("225,0,500,20,5,50").at(26).ScartoMira), "-1.1138413"},
    {"scarto 60 gradi a 500 m", V(Righe("225,0,500,20,5,50").at(26).Scarto60), "-18.231869"},
    {"deriva con vento 3.7", V(Righe("225,0,500,20,3.7,50").at(26).DerivaVento), "54.3851738"},
    {"scarto 45 gradi a 100 m", V(Righe("225,0,500,20,5,50").at(6).Scarto45), "7.00941515"},
    {"ordinata massima con mira 40", V(Palla(0, 15, .379, 225, 40).OrdinataMaxOttimale), "7.76000023"},
    {"tempo di volo ottimale", V(Palla(0, 15, .379, 225, 50).TempoVoloOttimale), "0.25859416"},
    {"due velocita densita a 450 m", V(Palla(450, 15, 0, 0, 0, 881.3f).DensitaAria), "1.1727976"},
    {"due velocita a 450 m", V(Palla(450, 15, 0, 0, 0, 881.3f).CoeffBalistico), "0.3792321"},
    {"legno profondita", V(CalcolaLegno(500, k308.DiametroMm, k308.PesoGrammi).PenetrazioneLegno), "52.914"},
    {"legno volume", V(CalcolaLegno(500, k308.DiametroMm, k308.PesoGrammi).VolumeCavita), "26.162"},
    {"ferro profondita", V(CalcolaFerro(500, k308.DiametroMm, k308.PesoGrammi).PenetrazioneFerro), "0.5505"},
    {"uomo soglia", V(CalcolaUomo(500, k308.DiametroMm, k308.PesoGrammi).VelLimiteCute), "28.1816"},
};
TABELLA(Valore, CasoValore, kValori);

// A request ("zero,start,end,step,wind,sight") as the table runs it: the rows,
// the last distance and the point-blank range (the stretch from the muzzle where
// the level point of impact, read to a tenth of a cm as the table shows it,
// stays within +-6 cm); or "!" and the refusal's title and the start of its message.
struct CasoRichiesta {
    const char *nome, *richiesta;
    std::string atteso;
    double coeff = 0.379;
};
class Richiesta : public ::testing::TestWithParam<CasoRichiesta> {};
TEST_P(Richiesta, RigheORifiuto) {
    RichiestaTabella letta;
    auto r = LeggiRichiesta(TestiDi(GetParam().richiesta), letta);
    if (!r) r = ControllaRichiesta(Palla(0, 15, GetParam().coeff), letta);
    const std::string& atteso = GetParam().atteso;
    if (atteso[0] == '!') {
        ASSERT_TRUE(r);
        EXPECT_EQ(("!" + r->titolo + " " + r->messaggio).substr(0, atteso.size()), atteso) << r->messaggio;
        return;
    }
    ShotData d = Palla();
    ApplicaRichiesta(d, letta);
    CalcolaAzzeramento(d);
    const auto righe = Righe(GetParam().richiesta);
    const float ultima = righe.empty() ? 0 : righe.rbegin()->second.Distanza;
    const auto utile =
        TiroUtile(*CreaTraiettoria(d, {}, kMassimoTiroUtile), kFasciaTiroUtile).value_or(TrattoUtile{-1, -1});
    EXPECT_EQ(std::to_string(righe.size()) + " righe fino a " + TestoSingolo(ultima) + ", utile da " +
                  std::to_string(utile.da) + " a " + std::to_string(utile.a),
              atteso);
}
const CasoRichiesta kRichieste[] = {
    // The highest point reads 6.1 cm (6.09 unrounded): the stretch breaks there.
    {"fine non sul passo", "225,0,510,20,5,50", "26 righe fino a 500, utile da 0 a 125"},
    {"fine oltre meta passo", "225,0,530,20,5,50", "28 righe fino a 540, utile da 0 a 125"},
    {"nessuna riga", "225,20,0,20,5,50", "0 righe fino a 0, utile da 0 a 125"},
    {"all indietro", "225,500,0,-20,5,50", "26 righe fino a 0, utile da 0 a 125"},
    {"passo 21.5 al pari", "225,0,110,21.5,5,50", "6 righe fino a 110, utile da 0 a 125"},
    {"tabella massima", "225,0,32765,1,5,50", "32766 righe fino a 32765, utile da 0 a 125"},
    {"mira alta comincia dopo la bocca", "225,0,500,20,5,150", "26 righe fino a 500, utile da 51 a 271"},
    // At 188 m the bullet is 6.04 cm below the line: the table shows -6.0, inside the band.
    {"letto al decimo come la tabella", "103,0,500,20,5,50", "26 righe fino a 500, utile da 0 a 188"},
    {"esattamente 32767 righe", "225,0,32766,1,5,50", "!TROPPE RIGHE!! la tabella avrebbe più di 32766"},
    {"passo arrotondato a zero", "225,0,500,0.4,5,50", "!CAMBIA INTERVALLO!! l'intervallo di calcolo"},
    {"azzeramento illeggibile", "abc,0,500,20,5,50", "!CAMBIA DISTANZA!! la distanza di azzeramento"},
    {"fine prima dell inizio", "225,500,0,20,5,50", "!CAMBIA DISTANZE!! la distanza finale viene prima"},
    {"fine oltre il modello", "225,0,60000,20,5,50",
     "!DISTANZA TROPPO GRANDE!! con questa palla il calcolo vale fino a 42040 m"},
    {"vento oltre la singola", "225,0,500,20,1e39,50",
     "!CAMBIA VALORE!! valore troppo grande per il campo velocità del vento laterale"},
    {"coefficiente negativo", "225,0,500,20,5,50", "!CAMBIA VALORE!! la resistenza dell'aria", -0.3},
};
TABELLA(Richiesta, CasoRichiesta, kRichieste);

// The chart's points are the table's rows wherever the two meet.
TEST(Campioni, CoincidonoConLeRigheDellaTabella) {
    const PuntoTraiettoria p = Campiona(*CreaTraiettoria(Palla(0, 15, .379, 225, 50), {}, 500), 0, 500, 26).at(25);
    const ShotData r = Righe("225,0,500,20,5,50").at(26);
    EXPECT_FLOAT_EQ(p.scarto, static_cast<float>(r.ScartoMira * 100.0));
    EXPECT_FLOAT_EQ(p.pendii[3], r.Scarto60);
}

// The calculators as their screens call them, for the .308 bullet of 150
// grains: box texts in, the result texts joined by "|" out, or "!" and the
// refusal's title and message, then the result texts (if any is not empty).
std::string Testi(const std::optional<Rifiuto>& rifiuto, const std::vector<std::string>& testi) {
    std::string uscita;
    for (const auto& testo : testi) uscita += (uscita.empty() ? "" : "|") + testo;
    if (rifiuto) return "!" + rifiuto->titolo + " " + rifiuto->messaggio + (uscita.find_first_not_of('|') == std::string::npos ? "" : " => " + uscita);
    return uscita;
}
std::string Legno(const char* v, const char* sep = ".", float peso = k308.PesoGrammi) {
    const auto r = CalcolaLegnoDaTesti(v, k308.DiametroMm, peso, sep);
    return Testi(r.rifiuto, {r.penetrazioneLegno, r.volumeLegno});
}
std::string Ferro(const char* v, float peso = k308.PesoGrammi) {
    const auto r = CalcolaFerroDaTesti(v, k308.DiametroMm, peso, ".");
    return Testi(r.rifiuto, {r.penetrazioneFerro});
}
std::string Uomo(const char* v, float peso = k308.PesoGrammi) {
    const auto r = CalcolaUomoDaTesti(v, k308.DiametroMm, peso, ".");
    return Testi(r.rifiuto, {r.penetrazioneUomo, r.velocitaLimiteCute});
}
std::string Canna(const char* nota, const char* polvere, const char* diversa, float peso = k308.PesoGrammi) {
    const auto r = CalcolaVarVelCannaDaTesti({"900", nota, polvere, diversa}, k308.DiametroMm, peso, ".");
    return Testi(r.rifiuto, {r.velocitaNuovaCanna});
}
std::string Osso(const char* v, const char* coeff, float peso = k308.PesoGrammi) {
    const auto r = CalcolaOssoDaTesti(v, coeff, k308.DiametroMm, peso, ".");
    return Testi(r.rifiuto, {r.penetrazioneOsso});
}
// The entry check and the request reader, with a muzzle velocity or a cross-wind typed.
std::string Ingresso(const char* velocita) {
    ShotData d;
    return Testi(ControllaIngresso({"0.243", "95", "0", "15", velocita, "0.379"}, d), {});
}
std::string LettaRichiesta(const char* vento) {
    RichiestaTabella r;
    return Testi(LeggiRichiesta({"225", "0", "500", "20", vento, "50"}, r), {});
}
// The coefficient from two velocities 100 m apart, at 450 m.
std::string DueVelocita(const char* iniziale, const char* residua) {
    ShotData d = Palla(450);
    const auto r = CalcolaCoeffDaVelocita(iniziale, residua, "100", d);
    return r ? Testi(r, {}) : TestoCoeffBalistico(d.CoeffBalistico);
}
struct CasoCalcolo {
    const char* nome;
    std::string (*calcola)();
    std::string atteso;  // the whole text, or the start of a refusal
};
class Calcolatore : public ::testing::TestWithParam<CasoCalcolo> {};
TEST_P(Calcolatore, Risultati) {
    const std::string u = GetParam().calcola(), &atteso = GetParam().atteso;
    EXPECT_EQ(atteso[0] == '!' ? u.substr(0, atteso.size()) : u, atteso);
}
#define T(chiamata) [] { return chiamata; }
#define CAMBIA "!CAMBIA VALORE!! "
const CasoCalcolo kCalcoli[] = {
    {"legno 500 virgola", T(Legno("500", ",")), "53|26,2"},
    {"legno negativo", T(Legno("-0.001")), CAMBIA "la velocità di impatto non può essere negativa"},
    {"ferro 800 virgola", T(CalcolaFerroDaTesti("800", k308.DiametroMm, k308.PesoGrammi, ",").penetrazioneFerro),
     "1,11"},
    {"due velocita", T(DueVelocita("965", "881.3")), "0.379"},
    {"due velocita uguali", T(DueVelocita("965", "965")), CAMBIA "VALORI NON CONSENTITI"},
    {"osso camiciata", T(Osso("200", "0.44")), "10.71"},
    {"uomo 500", T(Uomo("500")), "104.4|28"},
    {"uomo esattamente sulla soglia", T(Uomo("28.181557905360513")),
     CAMBIA "la velocità di impatto deve superare la velocità limite sulla cute (28.18 m/s)"},
    {"canna piu corta", T(Canna("600", "55", "500")), "859.9"},
    {"canna nota zero prima della diversa", T(Canna("0", "55", "-65")), CAMBIA "il percorso del proiettile in canna nota"},
    {"canna senza polvere", T(Canna("60", "0", "65")), CAMBIA "velocità e percorsi fuori misura"},
};
TABELLA(Calcolatore, CasoCalcolo, kCalcoli);

// Every reader of typed numbers, with a text typed into one of its number
// boxes (the others as the screens start) and the bullet's weight in g. A
// decimal comma is refused before anything is read, so no result is given;
// a calculator refuses a weightless bullet.
struct CasoLettore {
    const char *nome, *campo;
    std::string (*leggi)(const char* testo, float peso);
    bool calcolatore = true;
};
class Lettore : public ::testing::TestWithParam<CasoLettore> {};
TEST_P(Lettore, VirgolaEPallaSenzaPeso) {
    EXPECT_EQ(GetParam().leggi("500,5", k308.PesoGrammi),
              std::string("!USA IL PUNTO!! virgola nel campo ") + GetParam().campo +
                  ": il separatore decimale è il punto; scrivere 500.5 e non 500,5");
    if (GetParam().calcolatore) {
        EXPECT_EQ(GetParam().leggi("500", 0), CAMBIA "diametro e peso della palla devono essere maggiori di zero; "
                                                     "correggerli nella finestra dei dati della palla");
    }
}
#define L(chiamata) [](const char* t, [[maybe_unused]] float peso) { return chiamata; }
const CasoLettore kLettori[] = {
    {"ingresso", "velocità alla bocca", L(Ingresso(t)), false},
    {"richiesta", "velocità del vento laterale", L(LettaRichiesta(t)), false},
    {"due velocita", "velocità residua", L(DueVelocita("965", t)), false},
    {"nuova palla", "Peso",
     L(Testi(ControllaNuovaPalla({"Nosler", ".308", t, "BTsb", ".379", {}, {}}), {})), false},
    {"legno", "velocità di impatto", L(Legno(t, ".", peso))},
    {"ferro", "velocità di impatto", L(Ferro(t, peso))},
    {"osso", "velocità di impatto", L(Osso(t, "0.44", peso))},
    {"osso coefficiente", "coefficiente", L(Osso("200", t, peso))},
    {"uomo", "velocità di impatto", L(Uomo(t, peso))},
    {"canna", "percorso nella canna diversa", L(Canna("60", "55", t, peso))},
};
TABELLA(Lettore, CasoLettore, kLettori);

// The fields of a data line ('D') or of a catalogue line ('C'), joined by "|".
struct CasoDivisione {
    const char* nome;
    char formato;
    const char *riga, *campi;
};
class DivisioneRiga : public ::testing::TestWithParam<CasoDivisione> {};
TEST_P(DivisioneRiga, Campi) {
    std::string campi;
    if (GetParam().formato == 'D')
        for (const auto& campo : DividiRigaDati(GetParam().riga)) campi += "|" + campo;
    else
        for (const auto& campo : DividiRigaCatalogo(GetParam().riga)) campi += "|" + campo;
    EXPECT_EQ(campi.substr(1, campi.find_last_not_of('|')), GetParam().campi);
}
const CasoDivisione kDivisioni[] = {
    {"dati ultimo campo fino alla fine", 'D', "1,2,3,4,5,6,7,8,9,10,11,123.45", "1|2|3|4|5|6|7|8|9|10|11|123.45"},
    {"dati senza virgole cinque caratteri e uno saltato", 'D', "1,2,abcdefghijklmnopq", "1|2|abcde|ghijk|mnopq"},
    {"dati oltre il dodicesimo ignorato", 'D', "a,b,c,d,e,f,g,h,i,j,k,l,m", "a|b|c|d|e|f|g|h|i|j|k|l"},
    {"catalogo ultimo campo di quattro caratteri", 'C', "A,.3,1,T,.1,.3795", "A|0.3|1|T|0.1|0.379"},
    {"catalogo quinto carattere perso", 'C', "A,.3,1,T,.1,.3,2800123456789", "A|0.3|1|T|0.1|0.3|2800|2345|789"},
    {"catalogo virgola finale tiene il campo", 'C', "A,.3,1,T,.1,.3,2950,.2106,", "A|0.3|1|T|0.1|0.3|2950|0.2106"},
    {"catalogo spazi tolti solo davanti al punto", 'C', " Nosler, .308,95 ,BTsb", " Nosler|0.308|95 |BTsb"},
    {"catalogo quattordici campi al massimo", 'C', "a,b,c,d,e,f,1,2,3,4,5,6,7,8,9", "a|b|c|d|e|f|1|2|3|4|5|6|7|8"},
};
TABELLA(DivisioneRiga, CasoDivisione, kDivisioni);

// Bytes 0x80 to 0x9F: the letters and signs Windows-1252 puts there, and the
// five bytes without a character kept as the control of the same code.
TEST(Windows1252, CaratteriDeiByteAlti) {
    std::string alti, tutti;
    for (int b = 0x80; b < 0xA0; ++b) alti.push_back(static_cast<char>(b));
    EXPECT_EQ(Da1252(alti), "€\xC2\x81‚ƒ„…†‡ˆ‰Š‹Œ\xC2\x8DŽ\xC2\x8F\xC2\x90‘’“”•–—˜™š›œ\xC2\x9DžŸ");
    EXPECT_EQ(Da1252("\xA0\xB0\xE0\xFF"), "\xC2\xA0°àÿ");
    for (int b = 1; b < 256; ++b) tutti.push_back(static_cast<char>(b));
    EXPECT_EQ(A1252(Da1252(tutti)), tutti);
    EXPECT_FALSE(A1252("Ω"));
    EXPECT_FALSE(A1252("\xff\xfe"));  // not UTF-8
}

// Written in Windows-1252 and read back; a refused
// write or read leaves the file, or the fields, as they were.
TEST(FileDati, SalvaERiapreLaPrimaRiga) {
    prova::CartellaTemporanea cartella;
    const std::string percorso = cartella.File("a.dat"), riga = "0.243,95,450,15,965,0.379,225,0,500,20,5,50";
    CampiDati campi;
    ASSERT_FALSE(ScriviFileDati(percorso, DividiRigaDati("café,€," + riga.substr(10))));
    EXPECT_EQ(prova::Leggi(percorso), "caf\xe9,\x80," + riga.substr(10) + "\r\n");
    ASSERT_FALSE(LeggiFileDati(percorso, campi));
    EXPECT_EQ(RigaDati(campi), "café,€," + riga.substr(10));
    prova::Scrivi(percorso, std::string("1,2\0,3", 6));
    EXPECT_NE(LeggiFileDati(percorso, campi).value_or("").find("non è un file di testo"), std::string::npos);
    EXPECT_EQ(RigaDati(campi), "café,€," + riga.substr(10));
    ASSERT_TRUE(ScriviFileDati(percorso, DividiRigaDati("0.243,Ω")));
    EXPECT_EQ(prova::Leggi(percorso), std::string("1,2\0,3", 6));
}

}  // namespace
