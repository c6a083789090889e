#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <string>

#include "../supporto/cartella.h"
#include "catalogo.h"
#include "nuovapalla.h"

using namespace rigata;

namespace {

const std::string kNonValido = "INSERISCI VALORE VALIDO!!";
const std::string kVuoti =
    "               I CAMPI NON POSSONO ESSERE VUOTI!\n\n"
    "Per i numeri usare il punto come separatore decimale senza zero iniziale";
const std::string kDiametro = "usare il punto come separatore decimale\nsenza zero iniziale\nusa valori minori di .780 ";
const std::string kPeso = "usa valori >= 20 e <= di 800 ";
const std::string kCoeff = "usare il punto come separatore decimale\nsenza zero iniziale\nusa valori minori di .650 ";
const std::string kVelocita = "inserire valori maggiori di 32 feet/s\ne minori di 4500 feet/sec";
const std::string kRelativa = " Inserire la velocità relativa\n\nal proprio coefficiente balistico";
const std::string kVirgolaPeso =
    "il campo Peso non può contenere virgole né a capo\nla virgola separa i dati nell'archivio delle palle\n"
    "per i numeri usare il punto come separatore decimale";
const std::string kDiametroZero =
    "il diametro deve essere maggiore di zero\nusare il punto come separatore decimale\n"
    "senza zero iniziale (esempio: .308)";

DatiNuovaPalla Valida() {
    DatiNuovaPalla d;
    d.marca = "Nosler", d.diametro = ".243", d.peso = "95", d.tipo = "BTsb", d.cbStd = ".379";
    return d;
}

struct CasoControllo {
    const char* nome;
    std::function<void(DatiNuovaPalla&)> modifica;
    std::string titolo;     // empty: accepted
    std::string messaggio;  // the whole message, or a part of it for the added checks
    bool intero = true;
};

class Controllo : public ::testing::TestWithParam<CasoControllo> {};

TEST_P(Controllo, PrimoRifiutoInOrdine) {
    const auto& c = GetParam();
    DatiNuovaPalla d = Valida();
    c.modifica(d);
    const auto r = ControllaNuovaPalla(d);
    if (c.titolo.empty()) {
        EXPECT_FALSE(r) << r->titolo << " " << r->messaggio;
        return;
    }
    ASSERT_TRUE(r);
    EXPECT_EQ(r->titolo, c.titolo);
    if (c.intero)
        EXPECT_EQ(r->messaggio, c.messaggio);
    else
        EXPECT_NE(r->messaggio.find(c.messaggio), std::string::npos) << r->messaggio;
}

using D = DatiNuovaPalla;
INSTANTIATE_TEST_SUITE_P(
    Casi, Controllo,
    ::testing::Values(
        CasoControllo{"Valida", [](D&) {}, "", ""},
        CasoControllo{"MarcaVuota", [](D& d) { d.marca.clear(); }, kNonValido, kVuoti},
        CasoControllo{"TipoVuoto", [](D& d) { d.tipo.clear(); }, kNonValido, kVuoti},
        CasoControllo{"PesoVuotoPrimaDelDiametro", [](D& d) { d.peso.clear(), d.diametro = "0.308"; }, kNonValido, kVuoti},
        CasoControllo{"DiametroConZero", [](D& d) { d.diametro = "0.308"; }, kNonValido, kDiametro},
        CasoControllo{"DiametroSenzaPunto", [](D& d) { d.diametro = "308"; }, kNonValido, kDiametro},
        CasoControllo{"DiametroConVirgola", [](D& d) { d.diametro = ",308"; }, kNonValido, kDiametro},
        CasoControllo{"Diametro79", [](D& d) { d.diametro = ".79"; }, kNonValido, kDiametro},
        CasoControllo{"Diametro7801", [](D& d) { d.diametro = ".7801"; }, kNonValido, kDiametro},
        CasoControllo{"Diametro780", [](D& d) { d.diametro = ".780"; }, "", ""},
        CasoControllo{"DiametroPrimaDelPeso", [](D& d) { d.diametro = "308", d.peso = "19"; }, kNonValido, kDiametro},
        CasoControllo{"Peso19", [](D& d) { d.peso = "19"; }, kNonValido, kPeso},
        CasoControllo{"Peso20", [](D& d) { d.peso = "20"; }, "", ""},
        CasoControllo{"Peso800", [](D& d) { d.peso = "800"; }, "", ""},
        CasoControllo{"Peso800e1", [](D& d) { d.peso = "800.1"; }, kNonValido, kPeso},
        CasoControllo{"PesoNonNumero", [](D& d) { d.peso = "abc"; }, kNonValido, kPeso},
        CasoControllo{"PesoPrimaDelCoeff", [](D& d) { d.peso = "19", d.cbStd = ".7"; }, kNonValido, kPeso},
        CasoControllo{"Coeff65", [](D& d) { d.cbStd = ".65"; }, "", ""},
        CasoControllo{"Coeff649", [](D& d) { d.cbStd = ".649"; }, "", ""},
        CasoControllo{"Coeff650", [](D& d) { d.cbStd = ".650"; }, kNonValido, kCoeff},
        CasoControllo{"Coeff7", [](D& d) { d.cbStd = ".7"; }, kNonValido, kCoeff},
        CasoControllo{"CoeffConZero", [](D& d) { d.cbStd = "0.4"; }, kNonValido, kCoeff},
        CasoControllo{"CoeffVuoto", [](D& d) { d.cbStd.clear(); }, kNonValido, kCoeff},
        CasoControllo{"Coppia1", [](D& d) { d.cb[0] = ".420", d.velocita[0] = "2800"; }, "", ""},
        CasoControllo{"CB1Troppo", [](D& d) { d.cb[0] = ".700", d.velocita[0] = "2800"; }, kNonValido, kCoeff},
        CasoControllo{"CB1PrimaDellaVelocita1", [](D& d) { d.cb[0] = ".700", d.velocita[0] = "10"; }, kNonValido, kCoeff},
        CasoControllo{"Velocita31", [](D& d) { d.velocita[0] = "31"; }, kNonValido, kVelocita},
        CasoControllo{"Velocita32", [](D& d) { d.velocita[0] = "32"; }, "", ""},
        CasoControllo{"Velocita4500", [](D& d) { d.velocita[3] = "4500"; }, "", ""},
        CasoControllo{"Velocita4501", [](D& d) { d.velocita[3] = "4501"; }, kNonValido, kVelocita},
        CasoControllo{"CB2SenzaVelocita", [](D& d) { d.cb[1] = ".380"; }, "INSERISCI VALORE!!", kRelativa},
        CasoControllo{"Velocita2SenzaCB", [](D& d) { d.velocita[1] = "1800"; }, "", ""},
        CasoControllo{"Coppia1PrimaDellaCoppia2", [](D& d) { d.cb[0] = ".4", d.cb[1] = ".9"; },
                      "INSERISCI VALORE!!", kRelativa},
        // Added checks, after the program's own ones.
        CasoControllo{"VirgolaNelPeso", [](D& d) { d.peso = "150,5"; }, kNonValido, kVirgolaPeso},
        CasoControllo{"VirgolaNellaMarca", [](D& d) { d.marca = "Smith,Jones"; }, kNonValido, "campo Marca", false},
        CasoControllo{"VirgolaNelTipo", [](D& d) { d.tipo = "SP,BT"; }, kNonValido, "campo Tipo palla", false},
        CasoControllo{"VirgolaNelDiametro", [](D& d) { d.diametro = ".3,08"; }, kNonValido, "campo Diametro", false},
        CasoControllo{"VirgolaNelCB4", [](D& d) { d.cb[3] = ".4,1", d.velocita[3] = "900"; }, kNonValido,
                      "campo Coeff. Bal. 4", false},
        CasoControllo{"ACapoNelTipo", [](D& d) { d.tipo = "SP\nBT"; }, kNonValido, "campo Tipo palla", false},
        CasoControllo{"PesoPrimaDellaVirgola", [](D& d) { d.peso = "19", d.marca = "A,B"; }, kNonValido, kPeso},
        CasoControllo{"CarattereNon1252", [](D& d) { d.tipo = "Ωmega"; }, kNonValido,
                      "il carattere \"Ω\" del campo Tipo palla non si può scrivere", false},
        CasoControllo{"Caratteri1252", [](D& d) { d.marca = "Müller €"; }, "", ""},
        CasoControllo{"DiametroPunto", [](D& d) { d.diametro = "."; }, kNonValido, kDiametroZero},
        CasoControllo{"DiametroZero", [](D& d) { d.diametro = ".000"; }, kNonValido, kDiametroZero},
        // Above zero, but its square underflows: the density would be written empty.
        CasoControllo{"DiametroSottoIlCalcolo", [](D& d) { d.diametro = ".1e-200"; }, kNonValido,
                      "il diametro è troppo piccolo per calcolare il carico sezionale", false},
        CasoControllo{"DiametroConDuecentoZeri", [](D& d) { d.diametro = "." + std::string(200, '0') + "1"; },
                      kNonValido, "il diametro è troppo piccolo", false},
        CasoControllo{"DiametroPiccoloMaCalcolabile", [](D& d) { d.diametro = ".1e-100"; }, "", ""},
        CasoControllo{"MarcaComeNota", [](D& d) { d.marca = "(c)Artigiana"; }, kNonValido,
                      "la marca non può iniziare con \"(c)\"", false},
        CasoControllo{"MarcaMaiuscola", [](D& d) { d.marca = "(C)Artigiana"; }, "", ""}),
    [](const auto& info) { return std::string(info.param.nome); });

struct CasoDensita {
    const char* diametro;
    const char* peso;
    const char* testo;
};

class Densita : public ::testing::TestWithParam<CasoDensita> {};

TEST_P(Densita, TestoDelCaricoSezionale) {
    EXPECT_EQ(CalcolaCaricoSezionale(GetParam().diametro, GetParam().peso), GetParam().testo);
}

INSTANTIATE_TEST_SUITE_P(
    Valori, Densita,
    ::testing::Values(CasoDensita{".243", "95", ".230"}, CasoDensita{".308", "150", ".226"},
                      CasoDensita{".458", "20", ".014"}, CasoDensita{".172", "20", ".097"},
                      CasoDensita{".308", "800", "1.205"}, CasoDensita{".224", "800", "2.278"},
                      CasoDensita{".171", "234", "1.143"}));

struct CasoRiga {
    const char* nome;
    std::function<void(DatiNuovaPalla&)> modifica;
    const char* riga;
};

class Riga : public ::testing::TestWithParam<CasoRiga> {};

TEST_P(Riga, ComeDigitata) {
    DatiNuovaPalla d = Valida();
    GetParam().modifica(d);
    EXPECT_EQ(RigaNuovaPalla(d), GetParam().riga);
}

INSTANTIATE_TEST_SUITE_P(
    Righe, Riga,
    ::testing::Values(
        CasoRiga{"SenzaCoppie", [](D&) {}, "Nosler,.243,95,BTsb,.230,.379"},
        CasoRiga{"UnaCoppia", [](D& d) { d.cb[0] = ".400", d.velocita[0] = "2500"; },
                 "Nosler,.243,95,BTsb,.230,.379,2500,.400"},
        CasoRiga{"VelocitaSenzaCoeff", [](D& d) { d.cb[0] = ".400", d.velocita[0] = "2500", d.velocita[1] = "1800"; },
                 "Nosler,.243,95,BTsb,.230,.379,2500,.400,1800"},
        CasoRiga{"SoloLaCoppia2", [](D& d) { d.cb[1] = ".390", d.velocita[1] = "2000"; },
                 "Nosler,.243,95,BTsb,.230,.379,2000,.390"},
        CasoRiga{"TestiNonToccati", [](D& d) { d.marca = " Nosler ", d.peso = "95 "; },
                 " Nosler ,.243,95 ,BTsb,.230,.379"},
        CasoRiga{"DensitaIntera", [](D& d) { d.diametro = ".308", d.peso = "800"; },
                 "Nosler,.308,800,BTsb,1.205,.379"},
        CasoRiga{"UltimoCampoLungo", [](D& d) { d.cbStd = ".3795"; }, "Nosler,.243,95,BTsb,.230,.3795,"},
        CasoRiga{"UltimaVelocitaLunga", [](D& d) { d.velocita[0] = "2500.5"; },
                 "Nosler,.243,95,BTsb,.230,.379,2500.5,"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Riga, UltimoCampoLungoSiRileggeIntero) {
    DatiNuovaPalla d = Valida();
    d.cb[0] = ".4015", d.velocita[0] = "2500";
    const RigaCatalogo r = DividiRigaCatalogo(RigaNuovaPalla(d));
    EXPECT_EQ(r[kCB1], "0.4015");
    EXPECT_EQ(r[kVelocita2], "");
}

// What the reader makes of a stored line: the typed texts, the point-led ones with their zero.
TEST(Riga, SiRileggeComeDigitata) {
    DatiNuovaPalla d = Valida();
    d.cb[0] = ".400", d.velocita[0] = "2500";
    const RigaCatalogo r = DividiRigaCatalogo(RigaNuovaPalla(d));
    EXPECT_EQ(r, (RigaCatalogo{"Nosler", "0.243", "95", "BTsb", "0.230", "0.379", "2500", "0.400"}));
}

struct CasoAggiunta {
    const char* vecchio;  // nullptr: no catalogue (removed since start-up)
    const char* marca;
    std::string nuovo;
};

class Aggiunta : public ::testing::TestWithParam<CasoAggiunta> {};

TEST_P(Aggiunta, LaNuovaRigaNonSiAttaccaAllUltima) {
    prova::CartellaTemporanea cartella;
    const std::string percorso = cartella.File("stdbulls.bc");
    if (GetParam().vecchio) prova::Scrivi(percorso, GetParam().vecchio);
    DatiNuovaPalla d = Valida();
    d.marca = GetParam().marca;
    ASSERT_FALSE(MemorizzaPalla(percorso, d));
    EXPECT_EQ(prova::Leggi(percorso), GetParam().nuovo);
}

const std::string kNuova = "Nosler,.243,95,BTsb,.230,.379\r\n";
INSTANTIATE_TEST_SUITE_P(
    Contenuti, Aggiunta,
    ::testing::Values(CasoAggiunta{"A,.3,1,T,.1,.2\r\n", "Nosler", "A,.3,1,T,.1,.2\r\n" + kNuova},
                      CasoAggiunta{"A,.3,1,T,.1,.2", "Nosler", "A,.3,1,T,.1,.2\r\n" + kNuova},
                      CasoAggiunta{"A,.3,1,T,.1,.2\n", "Nosler", "A,.3,1,T,.1,.2\n" + kNuova},
                      CasoAggiunta{"", "Nosler", kNuova}, CasoAggiunta{nullptr, "Nosler", kNuova},
                      CasoAggiunta{nullptr, "Müller", "M\xfcller" + kNuova.substr(6)},
                      // The bytes of a byte-order mark would be skipped at the start of the file.
                      CasoAggiunta{"", "ï»¿(c)", "\r\n\xEF\xBB\xBF(c)" + kNuova.substr(6)}));

TEST(Memorizza, CarattereNon1252NonScriveNulla) {
    prova::CartellaTemporanea cartella;
    const std::string percorso = cartella.File("stdbulls.bc");
    prova::Scrivi(percorso, "A,.3\r\n");
    DatiNuovaPalla d = Valida();
    d.tipo = "Ωmega";
    const auto errore = MemorizzaPalla(percorso, d);
    ASSERT_TRUE(errore);
    EXPECT_NE(errore->find("\"Ω\""), std::string::npos) << *errore;
    EXPECT_EQ(prova::Leggi(percorso), "A,.3\r\n");
}

// An injected write error (the file size limit, which holds for root too):
// the old catalogue stays whole and no temporary file is left behind.
TEST(Memorizza, ScritturaFallitaLasciaIlVecchioFile) {
    prova::CartellaTemporanea cartella;
    const std::string percorso = cartella.File("stdbulls.bc");
    const std::string vecchio = std::string(3000, 'x') + "\r\n";
    prova::Scrivi(percorso, vecchio);
    rlimit prima{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &prima), 0);
    const auto segnale = signal(SIGXFSZ, SIG_IGN);
    rlimit stretto = prima;
    stretto.rlim_cur = 2048;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &stretto), 0);
    const auto errore = MemorizzaPalla(percorso, Valida());
    setrlimit(RLIMIT_FSIZE, &prima);
    signal(SIGXFSZ, segnale);

    ASSERT_TRUE(errore);
    EXPECT_NE(errore->find(percorso), std::string::npos) << *errore;
    EXPECT_EQ(prova::Leggi(percorso), vecchio);
    int file = 0;
    for ([[maybe_unused]] const auto& voce : std::filesystem::directory_iterator(cartella.Percorso())) ++file;
    EXPECT_EQ(file, 2);  // the catalogue and its lock file
}

}  // namespace
