// The bullet catalogue: splitting and loading its lines, the sort, the list
// lines of the start screen and their pick, the delivered stdbulls.bc, new
// bullets, and the user's own catalogue.
#include "catalogo.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <set>

#include "../supporto/cartella.h"
#include "casi.h"
#include "catalogoutente.h"
#include "elenco.h"
#include "nuovapalla.h"
#include "numeri.h"

using namespace rigata;

namespace {

TEST(Caricamento, NoteFineRigaECodifica) {
    Catalogo c;
    EXPECT_EQ(CaricaTestoCatalogo(c, "(c) nota\r\n(C) A,.3\r\n\r\nB,.3\nM\xfcller,.3\r\n\x80 T,.3,1,T,.1,.38"), 0);
    std::string marche;
    for (const auto& r : c.Righe) marche += r[kMarca] + "|";
    EXPECT_EQ(marche, "(C) A|B|Müller|€ T|");
    EXPECT_EQ(c.Righe[3][kCBStd], "0.38");
    prova::CartellaTemporanea cartella;  // a missing file leaves the catalogue as it was
    EXPECT_TRUE(CaricaCatalogo(c, cartella.Percorso()).fileMancante);
    EXPECT_EQ(c.NumeroPalle, 4);
}

// The exchange procedure step by step: for each pair i < j, the maker step,
// then the diameter step, then the weight step at a diameter of j not above
// i's. A row's numbers are read once and travel with it; the cells move at
// the end.
void OrdinaConTrePassi(std::vector<RigaCatalogo>& righe) {
    struct Riga {
        const RigaCatalogo* celle;
        double diametro, peso;
    };
    std::vector<Riga> r;
    for (const auto& celle : righe) r.push_back({&celle, LeggiNumero(celle[kDiametro]), LeggiNumero(celle[kPeso])});
    for (size_t i = 0; i < r.size(); ++i)
        for (size_t j = i + 1; j < r.size(); ++j) {
            if ((*r[j].celle)[kMarca] < (*r[i].celle)[kMarca]) std::swap(r[i], r[j]);
            if (r[j].diametro < r[i].diametro) std::swap(r[i], r[j]);
            if (r[j].diametro <= r[i].diametro && r[j].peso < r[i].peso) std::swap(r[i], r[j]);
        }
    std::vector<RigaCatalogo> ordinate;
    for (const Riga& riga : r) ordinate.push_back(*riga.celle);
    righe = std::move(ordinate);
}

// Shuffled catalogues full of rows equal in diameter, weight and maker (some
// written differently: "0.3080", "abc" reading as 0), told apart by their
// type; each key drawn from its first `varieta` texts.
std::vector<RigaCatalogo> ConParita(size_t righe, unsigned seme, unsigned varieta = 6) {
    const char* diametri[] = {"0.308", "0.3080", "0.243", "abc", "0", "0.224"};
    const char* pesi[] = {"150", "150.0", "95", "", "1000", "80.5"};
    const char* marche[] = {"Sierra", "sierra", "Sier", "Müller", "", "RWS"};
    std::mt19937 caso(seme);
    std::vector<RigaCatalogo> c(righe);
    for (size_t r = 0; r < righe; ++r) {
        c[r][kDiametro] = diametri[caso() % varieta], c[r][kPeso] = pesi[caso() % varieta];
        c[r][kMarca] = marche[caso() % varieta], c[r][kTipoPalla] = std::to_string(r);
    }
    return c;
}

// The order found without the pairwise swaps is the procedure's, ties included.
TEST(Ordinamento, UgualeAllaProceduraDegliScambi) {
    Catalogo consegnato;
    ASSERT_FALSE(LeggiFileCatalogo(consegnato, std::string(RIGATA_DATI) + "/stdbulls.bc").errore);
    std::vector<std::vector<RigaCatalogo>> prove = {consegnato.Righe, ConParita(0, 1), ConParita(1, 1),
                                                    ConParita(2, 3), ConParita(3, 4)};
    prove.emplace_back(consegnato.Righe.rbegin(), consegnato.Righe.rend());
    for (unsigned seme = 1; seme <= 3; ++seme) {
        prove.push_back(consegnato.Righe);
        std::shuffle(prove.back().begin(), prove.back().end(), std::mt19937(seme));
        for (unsigned varieta : {2u, 3u, 6u}) prove.push_back(ConParita(400, seme, varieta));
    }
    for (size_t p = 0; p < prove.size(); ++p) {
        Catalogo c;
        c.Righe = prove[p];
        OrdinaCatalogo(c);
        OrdinaConTrePassi(prove[p]);
        EXPECT_TRUE(c.Righe == prove[p]) << "prova " << p;
    }
}

// A list line, and what the start screen's pick reads back from it: diameter,
// weight, standard coefficient, then velocity and coefficient pairs, joined by
// "|" without the empty ones at the end.
struct CasoElenco {
    const char *nome, *riga;  // as in the file
    bool metrico;
    const char *elenco, *scelta;  // the list line without its trailing blanks
};
class RigaDellElenco : public ::testing::TestWithParam<CasoElenco> {};
TEST_P(RigaDellElenco, ColonneEScelta) {
    const std::string riga = RigaElenco(DividiRigaCatalogo(GetParam().riga), GetParam().metrico);
    EXPECT_EQ(riga.substr(0, riga.find_last_not_of(' ') + 1), GetParam().elenco);
    const PallaScelta p = LeggiRigaElenco(riga, GetParam().metrico);
    std::string scelta = p.diametro + "|" + p.peso + "|" + p.cbStd;
    for (size_t i = 0; i < 4; ++i) scelta += "|" + p.velocita[i] + "|" + p.cb[i];
    EXPECT_EQ(scelta.substr(0, scelta.find_last_not_of('|') + 1), GetParam().scelta);
}
const CasoElenco kElenco[] = {
    {"quattro coppie SAE", "Sierra,.308,150,SPBT,.226,.400,2800,.420,2000,.400,1600,.380,3000,.3805", false,
     "0.308\"   150gr   Sierra  SPBT                  0.400  2800   0.420  2000   0.400  1600   0.380  3000   0.380",
     "0.308|150|0.400|2800|0.420|2000|0.400|1600|0.380|3000|0.380"},
    {"marca e tipo tagliati", "Remington,.338,1000,Tipo di ventidue lettere,.1,.4", true,
     "8.59mm   64.80g  Remingt Tipo di ventidue let  0.4", "0.338|1000|0.4"},
    {"sotto un decimo di pollice", "A,.090,20,T,.1,.4", true, "2.29mm   1.30g   A       T                     0.4",
     "0.090|20|0.4"},
    {"accento conta un carattere", "Müller,.3,150,Kupfer,.1,.4", false,
     "0.3\"     150gr   Müller  Kupfer                0.4", "0.3|150|0.4"},
    {"velocita non numerica", "A,.308,150,T,.1,.4,2800 fps,.4,abc,.3", true,
     "7.82mm   9.72g   A       T                     0.4    853.4  0.4    .0     0.3",
     "0.308|150|0.4|853.4|0.4|.0|0.3"},
};
TABELLA(RigaDellElenco, CasoElenco, kElenco);

// The delivered catalogue loads whole and lists the default bullet once, selected.
TEST(CatalogoConsegnato, PallaPredefinitaSelezionata) {
    Catalogo c;
    const EsitoCaricamento esito = LeggiFileCatalogo(c, std::string(RIGATA_DATI) + "/stdbulls.bc");
    ASSERT_FALSE(esito.fileMancante || esito.errore || esito.righeEscluse);
    // A hunter can tell every bullet from the others: no two rows with the same
    // maker, diameter, weight and type; coefficients with three decimals at most.
    std::set<std::array<std::string, 4>> chiavi;
    for (const RigaCatalogo& r : c.Righe) {
        EXPECT_TRUE(chiavi.insert({r[kMarca], r[kDiametro], r[kPeso], r[kTipoPalla]}).second)
            << r[kMarca] << " " << r[kDiametro] << " " << r[kPeso] << " " << r[kTipoPalla];
        for (size_t k : {kCBStd, kCB1, kCB2, kCB3, kCB4})
            EXPECT_LE(r[k].size() - std::min(r[k].size(), r[k].find('.') + 1), 3u) << r[kMarca] << " " << r[k];
    }
    OrdinaCatalogo(c);
    const std::string predefinita = "0.243\"   95gr    Nosler  BTsb                  0.379" + std::string(58, ' ');
    EXPECT_EQ(RigaPallaDefaultSAE(), predefinita);
    auto righe = ElencaCatalogo(c, false, predefinita);
    EXPECT_EQ(righe.at(static_cast<size_t>(c.IndicePallaDefault)), predefinita);
    righe = ElencaCatalogo(c, true, righe[0]);  // a SAE line matches no metric one: the place is kept
    EXPECT_EQ(righe.at(static_cast<size_t>(c.IndicePallaDefault)).substr(0, 23), "6.17mm   6.16g   Nosler");
}

// The build copies the catalogue beside the program only where none is.
TEST(CatalogoConsegnato, LaCopiaNonSovrascriveLePalleDellUtente) {
    prova::CartellaTemporanea cartella;
    const std::string nuova = cartella.File("stdbulls.bc"), origine = std::string(RIGATA_DATI) + "/stdbulls.bc";
    const std::string copia = std::string("\"") + RIGATA_CMAKE + "\" -DORIGINE=\"" + origine + "\" -DDESTINAZIONE=\"" +
                              nuova + "\" -P \"" + RIGATA_COPIA_CATALOGO + "\"";
    ASSERT_EQ(std::system(copia.c_str()), 0);
    EXPECT_EQ(prova::Leggi(nuova), prova::Leggi(origine));
    prova::Scrivi(nuova, "Mia,.308,150,T,.226,.400\r\n");
    ASSERT_EQ(std::system(copia.c_str()), 0);
    EXPECT_EQ(prova::Leggi(nuova), "Mia,.308,150,T,.226,.400\r\n");
}

// A new bullet: the file line, or "!", the title and the start of the message
// of the first failing check of "Memorizza dati".
using D = DatiNuovaPalla;
struct CasoNuova {
    const char* nome;
    std::function<void(D&)> modifica;
    std::string atteso;
};
class NuovaPalla : public ::testing::TestWithParam<CasoNuova> {};
TEST_P(NuovaPalla, RifiutoORiga) {
    D d;
    d.marca = "Nosler", d.diametro = ".243", d.peso = "95", d.tipo = "BTsb", d.cbStd = ".379";
    GetParam().modifica(d);
    const auto r = ControllaNuovaPalla(d);
    const std::string esito = r ? "!" + r->titolo + " " + r->messaggio : RigaNuovaPalla(d), &atteso = GetParam().atteso;
    EXPECT_EQ(atteso[0] == '!' ? esito.substr(0, atteso.size()) : esito, atteso);
}
#define VALIDO "!INSERISCI VALORE VALIDO!! "
#define SEPARATORE VALIDO "usare il punto come separatore decimale\nsenza zero iniziale\nusa valori minori di "
const std::string kDiametro = SEPARATORE ".780", kCoeff = SEPARATORE ".650";
const CasoNuova kNuove[] = {
    {"senza coppie", [](D&) {}, "Nosler,.243,95,BTsb,.230,.379"},
    {"marca vuota", [](D& d) { d.marca.clear(); }, VALIDO "               I CAMPI NON POSSONO ESSERE VUOTI!"},
    {"diametro con lo zero", [](D& d) { d.diametro = "0.308"; }, kDiametro},
    {"diametro .780 e peso 800", [](D& d) { d.diametro = ".780", d.peso = "800"; }, "Nosler,.780,800,BTsb,.188,.379"},
    {"peso 19", [](D& d) { d.peso = "19"; }, VALIDO "usa valori >= 20 e <= di 800 "},
    {"densita oltre 1", [](D& d) { d.diametro = ".171", d.peso = "234"; }, "Nosler,.171,234,BTsb,1.143,.379"},
    {"coefficiente .650", [](D& d) { d.cbStd = ".650"; }, kCoeff},
    {"velocita 31", [](D& d) { d.velocita[0] = "31"; },
     VALIDO "inserire valori maggiori di 32 feet/s\ne minori di 4500 feet/sec"},
    {"coefficiente 2 senza velocita", [](D& d) { d.cb[1] = ".380"; },
     "!INSERISCI VALORE!!  Inserire la velocità relativa\n\nal proprio coefficiente balistico"},
    {"solo la coppia 2", [](D& d) { d.cb[1] = ".390", d.velocita[1] = "2000"; },
     "Nosler,.243,95,BTsb,.230,.379,2000,.390"},
    {"ultimo campo lungo chiuso da virgola", [](D& d) { d.cbStd = ".3795"; }, "Nosler,.243,95,BTsb,.230,.3795,"},
    {"virgola nella marca", [](D& d) { d.marca = "Smith,Jones"; }, VALIDO "il campo Marca non può contenere virgole"},
    {"carattere fuori da Windows-1252", [](D& d) { d.tipo = "Ωmega"; }, VALIDO "il carattere \"Ω\" del campo Tipo"},
    {"diametro con un decimale", [](D& d) { d.diametro = ".3"; }, VALIDO "scrivere il diametro in pollici"},
    {"marca come una nota", [](D& d) { d.marca = "(c)Artigiana"; }, VALIDO "la marca non può iniziare con \"(c)\""},
};
TABELLA(NuovaPalla, CasoNuova, kNuove);

TEST(Memorizza, InFondoAlFileSuUnaRigaNuova) {
    prova::CartellaTemporanea cartella;
    const std::string percorso = cartella.File("stdbulls.bc");
    D d;
    d.marca = "Müller", d.diametro = ".243", d.peso = "95", d.tipo = "BTsb", d.cbStd = ".379", d.cb[0] = ".4015",
    d.velocita[0] = "2500";
    ASSERT_FALSE(MemorizzaPalla(percorso, d));  // a missing catalogue is created
    EXPECT_EQ(prova::Leggi(percorso), "M\xfcller,.243,95,BTsb,.230,.379,2500,.4015,\r\n");
    prova::Scrivi(percorso, "A,.3,1,T,.1,.2");
    ASSERT_FALSE(MemorizzaPalla(percorso, d));
    EXPECT_EQ(prova::Leggi(percorso), "A,.3,1,T,.1,.2\r\nM\xfcller,.243,95,BTsb,.230,.379,2500,.4015,\r\n");
}

// The user's own catalogue: where it lives, and how it joins the delivered one.
struct CasoCartella {
    const char *nome, *xdg, *home, *atteso;  // XDG_DATA_HOME and HOME, null when unset
};
class CartellaUtente : public ::testing::TestWithParam<CasoCartella> {};
TEST_P(CartellaUtente, SegueLeRegoleXdg) {
    EXPECT_EQ(PercorsoCatalogoUtente(GetParam().xdg, GetParam().home), GetParam().atteso);
}
const CasoCartella kCartelle[] = {
    {"xdg con barra finale", "/dati/anna//", "/home/anna", "/dati/anna/rigata/stdbulls.bc"},
    {"senza xdg", nullptr, "/home/anna", "/home/anna/.local/share/rigata/stdbulls.bc"},
    {"xdg relativa ignorata", "dati", "/home/anna", "/home/anna/.local/share/rigata/stdbulls.bc"},
    {"home relativa", nullptr, "anna", ""},
};
TABELLA(CartellaUtente, CasoCartella, kCartelle);

TEST(CatalogoUnito, UnSoloLimiteDi4000Righe) {
    prova::CartellaTemporanea cartella;
    std::string consegnate, proprie;
    for (int i = 0; i < 3998; ++i) consegnate += "Sierra,.308,150,SP,.2,.3\r\n";
    for (int i = 0; i < 5; ++i) proprie += "Mia,.308,150,SP,.2,.3\r\n";
    Catalogo c;
    const auto esito = CaricaCatalogoUnito(c, prova::Scrivi(cartella.File("consegnato.bc"), consegnate),
                                           prova::Scrivi(cartella.File("proprio.bc"), proprie));
    EXPECT_EQ(esito.righeEscluse, 3);
    EXPECT_EQ(esito.righeConsegnate, 3998);
    EXPECT_EQ(c.Righe[3998][kMarca], "Mia");
}

TEST(CatalogoUnito, CartellaPreparataEScrivibile) {
    prova::CartellaTemporanea cartella;
    const std::string proprio = cartella.File("dati/rigata/stdbulls.bc");
    const auto destinazione = DoveMemorizzare(cartella.File("manca/stdbulls.bc"), proprio, 3998);
    EXPECT_EQ(destinazione.percorso, proprio);  // the delivered folder cannot be written: his own, its folder made
    EXPECT_TRUE(destinazione.primaDellUtente && !destinazione.errore && destinazione.righeAltrove == 3998);
    struct stat info {};
    ASSERT_EQ(::stat(cartella.File("dati/rigata").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(MemorizzaNelCatalogoConsegnato(proprio));
    prova::Scrivi(cartella.File("dati/rigata/catalogo-del-pacchetto"), "");  // a package's catalogue is never written
    EXPECT_FALSE(MemorizzaNelCatalogoConsegnato(proprio));
}

}  // namespace
