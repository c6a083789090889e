#include "comando.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "../supporto/cartella.h"

using namespace rigata;

namespace {

struct Esecuzione {
    int esito;
    std::string out, err;
};

Esecuzione Esegui(const std::vector<std::string>& argomenti) {
    std::ostringstream out, err;
    const int esito = EseguiComando(argomenti, out, err, ",");
    return {esito, out.str(), err.str()};
}

// The examples of the catalogue: Part of a file with notes, a blank-led
// maker, a long maker, a final comma; the lines in sorted order.
const char* const kCatalogo =
    "(c) note\r\n"
    "Speer,.308,150,Hot-Cor,.226,.389\r\n"
    "\r\n"
    "Nosler,.243,95,BTsb,.230,.379\n"
    "Sierra,.308,150,SPBT,.226,.400,2800,.420,2000,.400,1600,.380\r\n"
    "Remington,.308,130,Core-Lokt,.196,.336,3000,.3405";

const std::vector<std::string> kRigheSae = {
    "0.243\"   95gr    Nosler  BTsb                  0.379                                                          ",
    "0.308\"   130gr   Remingt Core-Lokt             0.336  3000   0.340                                            ",
    "0.308\"   150gr   Sierra  SPBT                  0.400  2800   0.420  2000   0.400  1600   0.380                ",
    "0.308\"   150gr   Speer   Hot-Cor               0.389                                                          ",
};

const std::vector<std::string> kRigheMetriche = {
    "6.17mm   6.16g   Nosler  BTsb                  0.379                                                          ",
    "7.82mm   8.42g   Remingt Core-Lokt             0.336  914.4  0.340                                            ",
    "7.82mm   9.72g   Sierra  SPBT                  0.400  853.4  0.420  609.6  0.400  487.7  0.380                ",
    "7.82mm   9.72g   Speer   Hot-Cor               0.389                                                          ",
};

std::string Righe(const std::vector<std::string>& righe) {
    std::string testo;
    for (const auto& r : righe) testo += r + "\n";
    return testo;
}

TEST(ComandoElenco, RigheOrdinateInUnitaSaeEMetriche) {
    prova::CartellaTemporanea cartella;
    const std::string file = cartella.File("palle.bc");
    prova::Scrivi(file, kCatalogo);

    const Esecuzione sae = Esegui({"--elenco", file});
    EXPECT_EQ(sae.esito, kEsitoOk);
    EXPECT_EQ(sae.out, Righe(kRigheSae));
    EXPECT_EQ(sae.err, "");

    const Esecuzione metrico = Esegui({"--metrico", "--elenco", file});
    EXPECT_EQ(metrico.esito, kEsitoOk);
    EXPECT_EQ(metrico.out, Righe(kRigheMetriche));
}

TEST(ComandoElenco, RigheOltreLe4000SuErrore) {
    prova::CartellaTemporanea cartella;
    const std::string file = cartella.File("grande.bc");
    std::string testo;
    for (int i = 0; i < 4002; ++i) testo += "A,.308,150,T,.226,.400\r\n";
    prova::Scrivi(file, testo);
    const Esecuzione e = Esegui({"--elenco", file});
    EXPECT_EQ(e.esito, kEsitoOk);
    EXPECT_EQ(std::count(e.out.begin(), e.out.end(), '\n'), 4000);
    EXPECT_EQ(e.err,
              "L'archivio delle palle contiene più di 4000 palle: le ultime 2 righe non sono state caricate. Per usarle togliere dall'archivio le palle che non servono.\n");
}

struct CasoErrore {
    std::vector<std::string> argomenti;
    int esito;
    std::string errore;  // the start of the error output
};

class ErroreElenco : public ::testing::TestWithParam<CasoErrore> {};

TEST_P(ErroreElenco, MessaggioEUscita) {
    const Esecuzione e = Esegui(GetParam().argomenti);
    EXPECT_EQ(e.esito, GetParam().esito);
    EXPECT_EQ(e.err.substr(0, GetParam().errore.size()), GetParam().errore) << e.err;
    EXPECT_EQ(e.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ErroreElenco,
    ::testing::Values(
        CasoErrore{{"--elenco", "/non/esiste.bc"}, kEsitoFile,
                   "Impossibile aprire il file \"/non/esiste.bc\": il file o la cartella non esiste.\n"},
        CasoErrore{{"--elenco", "/"}, kEsitoFile, "Impossibile aprire il file \"/\": è una cartella"},
        CasoErrore{{"--elenco"}, kEsitoUso, "rigata: manca il file dopo --elenco\n"},
        CasoErrore{{"--metrico"}, kEsitoUso, "rigata: --metrico va con --elenco FILE\n"},
        CasoErrore{{"--elenco", "a", "--elenco", "b"}, kEsitoUso, "rigata: --elenco ripetuto\n"},
        CasoErrore{{"--elenco", "a", "--tabella", "b"}, kEsitoUso, "rigata: --tabella e --elenco non vanno insieme\n"},
        CasoErrore{{"--elenco", "a", "--campagna"}, kEsitoUso, "rigata: --campagna va con --tabella FILE\n"}));

}  // namespace
