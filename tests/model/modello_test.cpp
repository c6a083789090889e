// The core's numbers and model: reading and writing numbers, the ballistic
// model, the range table and the five calculators. Figures are for the .243
// bullet of 95 grains (coefficient 0.379, 965 m/s) unless a case says otherwise.
#include "modello.h"

#include <functional>
#include <limits>
#include <map>

#include "calcolatori.h"
#include "casi.h"
#include "numeri.h"
#include "tabella.h"

using namespace rigata;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Typed texts: LeggiNumero everywhere, LeggiNumeroEsteso (&H, &O) on the entry screen.
struct CasoLettura {
    const char *nome, *testo;
    double valore, esteso;
};
class Lettura : public ::testing::TestWithParam<CasoLettura> {};
TEST_P(Lettura, Valore) {
    EXPECT_DOUBLE_EQ(LeggiNumero(GetParam().testo), GetParam().valore);
    EXPECT_DOUBLE_EQ(LeggiNumeroEsteso(GetParam().testo), GetParam().esteso);
}
const CasoLettura kLetture[] = {
    {"punto", "0.308", 0.308, 0.308}, {"virgola ferma", "0,308", 0, 0}, {"unita dopo", "450 m/s", 450, 450},
    {"spazi ovunque", "\t9 6\n5", 965, 965}, {"non numero", "abc", 0, 0}, {"punto iniziale", "-.5", -0.5, -0.5},
    {"segno staccato", "- 5", -5, -5}, {"secondo punto", "1.2.3", 1.2, 1.2}, {"esponente E", "1E+3", 1000, 1000},
    {"esponente D", "2.5D-1", 0.25, 0.25}, {"esponente monco", "1e-", 1, 1}, {"sotto il minimo", "1e-400", 0, 0},
    {"oltre il massimo", "1e400", kInf, kInf}, {"cifre oltre la precisione", "3.000000000000000000000001", 3, 3},
    {"esadecimale", "&H1F", 0, 31}, {"esadecimale minuscolo spaziato", " & h 1 0", 0, 16},
    {"ottale", "&O17", 0, 15}, {"ottale si ferma all 8", "&o18", 0, 1}, {"ottale senza cifre", "&O9", 0, 0},
    {"prefisso ignoto", "&X1", 0, 0}};
TABELLA(Lettura, CasoLettura, kLetture);

// A decimal comma right after the digits is refused on the screens instead of
// reading as the whole part.
struct CasoVirgola {
    const char* nome;
    const char* testo;
    bool virgola;
};
class Virgola : public ::testing::TestWithParam<CasoVirgola> {};
TEST_P(Virgola, DopoLeCifre) { EXPECT_EQ(VirgolaDecimale(GetParam().testo), GetParam().virgola); }
const CasoVirgola kVirgole[] = {
    {"coefficiente", "0,30", true}, {"negativo", "-1,5", true},     {"senza zero", ",30", true},
    {"con spazi", " 9 65 ,5", true}, {"dopo il punto", ".3,5", true}, {"col punto", "965.5", false},
    {"dopo le unita", "450 m, 5", false}, {"parola", "abc,5", false}, {"sola virgola", ",", false}};
TABELLA(Virgola, CasoVirgola, kVirgole);

TEST(Arrotondamento, InteriAlPariEFuoriMisura) {
    EXPECT_EQ(InInteger(450.5), 450); EXPECT_EQ(InInteger(451.5), 452); EXPECT_EQ(InInteger(-2.5), -2);
    EXPECT_EQ(InInteger(32767.4), 32767); EXPECT_FALSE(InInteger(32767.5)); EXPECT_FALSE(InInteger(-32768.6));
    EXPECT_EQ(InLong(223.5), 224); EXPECT_FALSE(InLong(2147483647.5)); EXPECT_FALSE(InSingle(1e39));
}

struct CasoSchema {
    const char* nome;
    double valore;
    const char *schema, *testo, *separatore;
};
class Schema : public ::testing::TestWithParam<CasoSchema> {};
TEST_P(Schema, Testo) {
    EXPECT_EQ(FormattaNumero(GetParam().valore, GetParam().schema, GetParam().separatore), GetParam().testo);
}
const CasoSchema kSchemi[] = {
    {"intero", 20, "####0", "20", "."}, {"meta lontano da zero", -2.5, "####0", "-3", "."},
    {"un decimale", -0.2134583, "###0.0", "-0.2", "."}, {"meno zero resta", -0.04, "###0.0", "-0.0", "."},
    {"zero negativo senza segno", -0.0, "###0.0", "0.0", "."}, {"meta al decimale", 0.05, "###0.0", "0.1", "."},
    {"senza zero davanti", 0.26, "####.0", ".3", "."}, {"tre decimali", 0.020925751, "0.##0", "0.021", "."},
    {"quindici cifre", 0.285, "0.#0", "0.29", "."}, {"quindici cifre 1005", 1.005, "0.#0", "1.01", "."},
    {"punto solo", 12, "###.#", "12.", "."}, {"zero solo punto", 0, "###.#", ".", "."},
    {"zero senza cifre", 0.4, "###", "", "."}, {"oltre lo schema", 1234, "##", "1234", "."},
    {"riporto", 999.96, "###0.0", "1000.0", "."}, {"coefficiente", 0.25, "0.0#0", "0.250", "."},
    {"virgola", 946.638, "####.0", "946,6", ","}, {"separatore lungo", -0.2, "###0.0", "-0٫2", "٫"},
    {"infinito", kInf, "###0.0", "", "."}};
TABELLA(Schema, CasoSchema, kSchemi);

TEST(TestoGenerale, SetteCifre) {
    EXPECT_EQ(TestoSingolo(1369.9f), "1369.9"); EXPECT_EQ(TestoSingolo(1.0f / 3), "0.3333333");
    EXPECT_EQ(TestoSingolo(12345678), "1.234568E+07"); EXPECT_EQ(TestoSingolo(0.00001f), "1E-05");
    EXPECT_EQ(TestoSingolo(-0.0f), "0"); EXPECT_EQ(TestoSingolo(-5.5f, ","), "-5,5");
    EXPECT_EQ(TestoCoeffBalistico(0.37923), "0.379"); EXPECT_EQ(TestoCoeffBalistico(0.3), "0.30");
    EXPECT_EQ(TestoCoeffBalistico(0.0995), "0.10"); EXPECT_EQ(TestoCoeffBalistico(0.0004), "0.0");
}

// The bullet at a place; with a zero (m) and sight height (mm) also zeroed;
// with a residual velocity the coefficient comes from two velocities 100 m apart.
ShotData Palla(int16_t quota = 0, float gradi = 15, double coeff = 0.379, float zero = 0, float mira = 0,
               float residua = 0, float diametro = 0.243f, float peso = 95, float v0 = 965) {
    ShotData d;
    d.DiametroInch = diametro, d.PesoGrain = peso, d.VelocitaBocca = v0, d.CoeffBalistico = coeff;
    d.Altitudine = quota, d.Temperatura = gradi, d.DistanzaAzzeramento = zero, d.AltezzaMira = mira;
    d.VelocitaIniziale = v0, d.VelocitaResidua = residua, d.TrattoMisurato = 100;
    CalcolaAtmosfera(d);
    if (residua > 0) CalcolaResistenzaMisurata(d), CalcolaCoeffBalistico(d);
    else CalcolaResistenza(d);
    if (zero > 0) CalcolaAzzeramento(d);
    return d;
}

struct CasoValore {
    const char* nome;
    double (*valore)();
    const char* cifra;
};
class Valore : public ::testing::TestWithParam<CasoValore> {};
TEST_P(Valore, ComeLaCifra) { EXPECT_CIFRA(GetParam().valore(), GetParam().cifra); }
#define V(espressione) [] { return double(espressione); }
const float k308d = Palla(0, 15, 0.4, 0, 0, 0, 0.308f, 150).DiametroMm, k308m = Palla(0, 15, 0.4, 0, 0, 0, 0.308f, 150).PesoGrammi;
ShotData Zero(float mira = 50) { return Palla(0, 15, .379, 225, mira); }
ShotData DueVelocita(int16_t quota) { return Palla(quota, 15, 0, 0, 0, 881.3f); }
const CasoValore kValori[] = {
    {"diametro in mm", V(Palla().DiametroMm), "6.1722002"}, {"peso in g", V(Palla().PesoGrammi), "6.1560001"},
    {"densita al mare", V(Palla().DensitaAria), "1.2281358"}, {"pressione a 1000 m", V(Palla(1000, 20).Pressione), "894.06171"},
    {"temperatura a 1000 m", V(Palla(1000, 20).TemperaturaQuota), "13.4743"}, {"densita a 1000 m", V(Palla(1000, 20).DensitaAria), "1.0893447"},
    {"mach", V(Palla().NumeroMach), "2.8333637"}, {"fattore di forma", V(Palla().FattoreForma), "0.61909791"},
    {"funzione di Siacci", V(Palla().FunzioneSiacci), "2.5627235"}, {"resistenza al mare", V(Palla().CoeffResistenza), "0.32184000"},
    {"resistenza a 1000 m", V(Palla(1000, 20).CoeffResistenza), "0.32014132"}, {"costante", V(Zero().CostanteResistenza), "0.00096056711"},
    {"coefficiente di caduta", V(Zero().CoeffCaduta), "2.8548777"}, {"caduta all azzeramento", V(Zero().CadutaAzzeramento), "0.30967733"},
    {"ordinata massima", V(Zero().OrdinataMaxOttimale), "8.1999998"}, {"ordinata senza mira", V(Zero(0).OrdinataMaxOttimale), "6.0"},
    {"tempo di volo ottimale", V(Zero().TempoVoloOttimale), "0.25859416"}, {"distanza ottimale", V(Zero().DistanzaOttimale), "224"},
    {"due velocita densita a 450 m", V(DueVelocita(450).DensitaAria), "1.1727976"}, {"due velocita resistenza", V(DueVelocita(450).CoeffResistenza), "0.3183368"},
    {"due velocita a 450 m", V(DueVelocita(450).CoeffBalistico), "0.3792321"}, {"due velocita al mare", V(DueVelocita(0).CoeffBalistico), "0.4012507"},
    {"due velocita .308", V(Palla(0, 15, 0, 0, 0, 700, .308f, 180, 800).CoeffBalistico), "0.3035124"},
    {"legno profondita", V(CalcolaLegno(500, k308d, k308m).PenetrazioneLegno), "52.914"}, {"legno volume", V(CalcolaLegno(500, k308d, k308m).VolumeCavita), "26.162"},
    {"ferro energia", V(CalcolaFerro(800, k308d, k308m).EnergiaKgm), "317.064"}, {"ferro profondita", V(CalcolaFerro(500, k308d, k308m).PenetrazioneFerro), "0.5505"},
    {"uomo densita sezionale", V(CalcolaUomo(500, k308d, k308m).DensitaSezionale), "20.2214"}, {"uomo soglia", V(CalcolaUomo(500, k308d, k308m).VelLimiteCute), "28.1816"},
    {"canna costante", V(CalcolaVarVelCanna(900, 60, 55, 65, k308d, k308m).CostanteCanna), "1588.236"},
    {"canna polvere in grammi", V(CalcolaVarVelCanna(900, 60, 55, 65, k308d, k308m).PesoPolvere), "3.564000"}};
TABELLA(Valore, CasoValore, kValori);

// A checked request run through, every row kept by its number.
std::map<int, ShotData> Righe(const std::array<std::string, 6>& testi) {
    ShotData d = Palla();
    const RichiestaTabella r = LeggiRichiesta(testi);
    EXPECT_FALSE(ControllaRichiesta(d, r));
    ApplicaRichiesta(d, r);
    CalcolaAzzeramento(d);
    std::map<int, ShotData> righe;
    CalcRisultati(d, [&](const ShotData& riga) { righe[riga.RigaGriglia] = riga; });
    return righe;
}

struct CasoRiga {
    const char* nome;
    int riga;
    const char* cifre[12];  // distance, drop, ordinate, velocity, energy, time, drift, sight offset, slopes 15 to 60
};
class RigaTabella : public ::testing::TestWithParam<CasoRiga> {};
TEST_P(RigaTabella, Valori) {
    const ShotData r = Righe({"225", "0", "500", "20", "5", "50"}).at(GetParam().riga);
    const float valori[] = {r.Distanza, r.Caduta, r.Ordinata, r.Velocita, r.Energia, r.TempoVolo,
                            r.DerivaVento, r.ScartoMira, r.Scarto15, r.Scarto30, r.Scarto45, r.Scarto60};
    for (int i = 0; i < 12; ++i) EXPECT_CIFRA(valori[i], GetParam().cifre[i]) << "colonna " << i;
}
const CasoRiga kRighe[] = {
    {"a 20 m", 2, {"20", "0.0021345830", "0.025392290", "946.638", "2758.2683", "0.020925751", "0.10018118",
                   "-0.020163268", "-2.0091078", "-1.9876837", "-1.9538255", "-1.9096023"}},
    {"a 500 m", 26, {"500", "1.8631243", "-1.1749524", "596.95667", "1096.8677", "0.66512167", "73.493477",
                     "-1.1138413", "-105.08319", "-86.383492", "-56.831116", "-18.231869"}}};
TABELLA(RigaTabella, CasoRiga, kRighe);

// The wind, the drop and the sight height times 100 are rounded to single
// precision before they enter the drift, the slope columns and the optimal
// zero: one unit in the last place here.
TEST(SingolaPrecisione, ValoriPerCento) {
    EXPECT_EQ(Zero(40).OrdinataMaxOttimale, 7.76000023f);
    EXPECT_EQ(Righe({"225", "0", "500", "20", "3.7", "50"}).at(26).DerivaVento, 54.3851738f);
    EXPECT_EQ(Righe({"225", "0", "500", "20", "5", "50"}).at(6).Scarto45, 7.00941515f);
}

struct CasoConteggio {
    const char *nome, *inizio, *fine, *passo;
    size_t righe;
    float ultima;
};
class Conteggio : public ::testing::TestWithParam<CasoConteggio> {};
TEST_P(Conteggio, RigheEUltimaDistanza) {
    const auto& c = GetParam();
    const auto righe = Righe({"225", c.inizio, c.fine, c.passo, "5", "50"});
    ASSERT_EQ(righe.size(), c.righe);
    if (c.righe) {
        EXPECT_EQ(righe.rbegin()->second.Distanza, c.ultima);
    }
}
const CasoConteggio kConteggi[] = {
    {"fine non sul passo", "0", "510", "20", 26, 500}, {"fine oltre meta passo", "0", "530", "20", 28, 540},
    {"nessuna riga", "20", "0", "20", 0, 0}, {"all indietro", "500", "0", "-20", 26, 0},
    {"passo 20.5 al pari", "0", "100", "20.5", 6, 100}, {"passo 21.5 al pari", "0", "110", "21.5", 6, 110},
    {"tabella massima", "0", "32765", "1", 32766, 32765}};
TABELLA(Conteggio, CasoConteggio, kConteggi);

struct CasoRifiuto {
    const char* nome;
    std::array<std::string, 6> testi;
    const char *titolo, *inizio;  // of the message
    double coeff = 0.379;
};
class RichiestaRifiutata : public ::testing::TestWithParam<CasoRifiuto> {};
TEST_P(RichiestaRifiutata, Messaggio) {
    const auto r = ControllaRichiesta(Palla(0, 15, GetParam().coeff), LeggiRichiesta(GetParam().testi));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->titolo, GetParam().titolo);
    EXPECT_EQ(r->messaggio.rfind(GetParam().inizio, 0), 0u) << r->messaggio;
}
const char* const kPasso = "l'intervallo di calcolo";
const CasoRifiuto kRifiuti[] = {
    {"passo arrotondato a zero", {"225", "0", "500", "0.4", "5", "50"}, "CAMBIA INTERVALLO!!", kPasso},
    {"passo oltre 32767", {"225", "0", "500", "32767.5", "5", "50"}, "CAMBIA INTERVALLO!!", kPasso},
    {"azzeramento illeggibile", {"abc", "0", "500", "20", "5", "50"}, "CAMBIA DISTANZA!!", "la distanza di azzeramento"},
    {"esattamente 32767 righe", {"225", "0", "32766", "1", "5", "50"}, "TROPPE RIGHE!!", "la tabella avrebbe più di 32766"},
    {"righe oltre gli interi", {"225", "0", "1e9", "30000", "5", "50"}, "TROPPE RIGHE!!", "la tabella avrebbe"},
    {"fine prima dell inizio", {"225", "500", "0", "20", "5", "50"}, "CAMBIA DISTANZE!!", "la distanza finale viene prima"},
    {"fine oltre il modello", {"225", "0", "60000", "20", "5", "50"}, "DISTANZA TROPPO GRANDE!!", "con questa palla il calcolo vale fino a 42040 m"},
    {"inizio oltre il modello", {"225", "-60000", "0", "20", "5", "50"}, "DISTANZA TROPPO GRANDE!!", "con questa palla"},
    {"deriva infinita", {"225", "0", "500", "20", "1e38", "50"}, "CAMBIA VALORE!!", "con questi dati la tabella"},
    {"vento oltre la singola", {"225", "0", "500", "20", "1e39", "50"}, "CAMBIA VALORE!!", "valore troppo grande per il campo velocità del vento"},
    {"mira negativa", {"225", "0", "500", "20", "5", "-200"}, "CAMBIA VALORE!!", "altezza della linea di mira non valida"},
    {"coefficiente negativo", {"225", "0", "500", "20", "5", "50"}, "CAMBIA VALORE!!", "", -0.3}};
TABELLA(RichiestaRifiutata, CasoRifiuto, kRifiuti);

// The calculators as their screens call them: box texts in, result texts and
// refusal out, for the .308 bullet of 150 grains unless a case says otherwise.
struct Uscita {
    std::vector<std::string> testi;
    std::optional<Rifiuto> rifiuto;
};
struct CasoCalcolo {
    const char* nome;
    std::function<Uscita()> calcola;
    std::vector<std::string> testi;
    std::optional<Rifiuto> rifiuto;
};
class Calcolatore : public ::testing::TestWithParam<CasoCalcolo> {};
TEST_P(Calcolatore, Risultati) {
    const Uscita u = GetParam().calcola();
    EXPECT_EQ(u.testi, GetParam().testi);
    EXPECT_EQ(u.rifiuto, GetParam().rifiuto);
}
const float k375d = Palla(0, 15, 0.4, 0, 0, 0, 0.375f, 300).DiametroMm, k375m = Palla(0, 15, 0.4, 0, 0, 0, 0.375f, 300).PesoGrammi;
auto Legno(std::string v, std::string sep = ".", float d = k308d, float m = k308m) {
    return [=] { auto r = CalcolaLegnoDaTesti(v, d, m, sep); return Uscita{{r.penetrazioneLegno, r.volumeLegno}, r.rifiuto}; };
}
auto Ferro(std::string v, std::string sep = ".", float d = k308d, float m = k308m) {
    return [=] { auto r = CalcolaFerroDaTesti(v, d, m, sep); return Uscita{{r.penetrazioneFerro}, r.rifiuto}; };
}
auto Osso(std::string v, std::string k, float d = k308d, float m = k308m) {
    return [=] { auto r = CalcolaOssoDaTesti(v, k, d, m); return Uscita{{r.penetrazioneOsso}, r.rifiuto}; };
}
auto Uomo(std::string v, std::string sep = ".", float d = k308d, float m = k308m) {
    return [=] { auto r = CalcolaUomoDaTesti(v, d, m, sep); return Uscita{{r.penetrazioneUomo, r.velocitaLimiteCute}, r.rifiuto}; };
}
auto Canna(std::string nota, std::string diversa, std::string polvere = "55", float d = k308d, float m = k308m) {
    return [=] { auto r = CalcolaVarVelCannaDaTesti({"900", nota, polvere, diversa}, d, m); return Uscita{{r.velocitaNuovaCanna}, r.rifiuto}; };
}
Rifiuto Cambia(std::string messaggio) { return {"CAMBIA VALORE!!", messaggio}; }
const Rifiuto kSoglia = Cambia("la velocità di impatto deve superare la velocità limite sulla cute (28.18 m/s); inserire un valore maggiore");
const Rifiuto kGrande = Cambia("valore troppo grande per il campo velocità di impatto; inserire un numero più piccolo");
const Rifiuto kPiccolo = Cambia("valore troppo piccolo per il campo velocità di impatto; inserire un numero più grande");
const Rifiuto kPalla = Cambia("diametro e peso della palla devono essere maggiori di zero; correggerli nella finestra dei dati della palla");
const Rifiuto kNota = Cambia("il percorso del proiettile in canna nota deve essere maggiore di zero; inserire il percorso in mm");
const CasoCalcolo kCalcoli[] = {
    {"legno 500 virgola", Legno("500", ","), {"53", "26,2"}, {}}, {"legno unita dopo il numero", Legno("450 m/s"), {"45", "22.3"}, {}},
    {"legno vuoto", Legno(""), {"", "."}, {}}, {"legno volume dalla sola velocita", Legno("1000", ".", k375d, k375m), {"202", "74."}, {}},
    {"legno negativo", Legno("-0.001"), {"", ""}, Cambia("la velocità di impatto non può essere negativa; inserire un valore maggiore o uguale a zero")},
    {"legno enorme", Legno("1e250"), {"", ""}, kGrande}, {"legno senza palla", Legno("500", ".", 0, 0), {"", ""}, kPalla},
    {"ferro 800 virgola", Ferro("800", ","), {"1,11"}, {}}, {"ferro negativo come positivo", Ferro("-500"), {"0.55"}, {}},
    {"ferro enorme", Ferro("-1e200"), {""}, kPiccolo}, {"osso camiciata", Osso("200", "0.44"), {"10.71"}, {}},
    {"osso wad cutter", Osso("200", "0.15"), {"3.65"}, {}}, {"osso sotto 60 cresce", Osso("", "0.44"), {"1.97"}, {}},
    {"osso coefficiente con virgola", Osso("200", "0,30"), {"0.00"}, {}},
    {"osso coefficiente enorme", Osso("200", "1e400"), {""}, Cambia("valore troppo grande per il campo coefficiente; inserire un numero più piccolo")},
    {"uomo 500", Uomo("500"), {"104.4", "28"}, {}}, {"uomo 900 virgola", Uomo("900", ","), {"132,9", "28"}, {}},
    {"uomo logaritmo negativo", Uomo("70"), {"-8.3", "28"}, {}}, {"uomo palla pesante", Uomo("500", ".", k375d, k375m), {"141.1", "27"}, {}},
    {"uomo appena sopra la soglia", Uomo("28.1816"), {"-650.6", "28"}, {}}, {"uomo enorme", Uomo("1e400"), {"", "28"}, kGrande},
    {"uomo esattamente sulla soglia", Uomo("28.181557905360513"), {"", "28"}, kSoglia},
    {"uomo soglia con virgola", Uomo("", ","), {"", "28"}, Cambia("la velocità di impatto deve superare la velocità limite sulla cute (28,18 m/s); inserire un valore maggiore")},
    {"canna piu corta", Canna("600", "500"), {"859.9"}, {}}, {"canna altra palla uguale", Canna("60", "65", "55", k375d, k375m), {"918.2"}, {}},
    {"canna diversa zero", Canna("60", "0"), {"."}, {}}, {"canna nota prima della diversa", Canna("-60", "-65"), {""}, kNota},
    {"canna diversa negativa", Canna("60", "-65"), {""}, Cambia("il percorso del proiettile nella canna diversa non può essere negativo; inserire un valore maggiore o uguale a zero")},
    {"canna senza polvere", Canna("60", "65", "0"), {""}, Cambia("velocità e percorsi fuori misura, il risultato non è calcolabile; inserire valori realistici")},
    {"canna senza palla", Canna("60", "65", "55", 0, 0), {""}, kPalla}};
TABELLA(Calcolatore, CasoCalcolo, kCalcoli);

}  // namespace
