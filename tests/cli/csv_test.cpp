#include "csv.h"

#include <gtest/gtest.h>

#include <sstream>

#include "comando.h"

using namespace rigata;

namespace {

struct CasoCsv {
    const char* nome;
    const char* separatoreDecimale;
    bool campagna;
    const char *intestazione, *riga20m, *riga500m;
};

class CsvEsempio : public ::testing::TestWithParam<CasoCsv> {};

// --tabella FILE --csv writes the bytes of the exported file, without the mark.
TEST_P(CsvEsempio, BytesDellaTabella) {
    const CasoCsv& c = GetParam();
    std::vector<std::string> argomenti{"--tabella", std::string(RIGATA_DATI_TEST) + "/esempio.dat", "--csv"};
    if (c.campagna) argomenti.push_back("--campagna");
    std::ostringstream out, err;
    ASSERT_EQ(EseguiComando(argomenti, out, err, c.separatoreDecimale), kEsitoOk) << err.str();
    const std::string testo = out.str();
    std::vector<std::string> righe;
    for (size_t inizio = 0, fine; (fine = testo.find("\r\n", inizio)) != std::string::npos; inizio = fine + 2)
        righe.push_back(testo.substr(inizio, fine - inizio));
    ASSERT_EQ(righe.size(), 27u);
    EXPECT_EQ(testo.size(), [&] { size_t n = 0; for (auto& r : righe) n += r.size() + 2; return n; }())
        << "every line ends with CR LF, nothing after the last";
    EXPECT_EQ(righe[0], c.intestazione);
    EXPECT_EQ(righe[2], c.riga20m);
    EXPECT_EQ(righe[26], c.riga500m);
}

INSTANTIATE_TEST_SUITE_P(
    Locali, CsvEsempio,
    ::testing::Values(
        CasoCsv{"generale_punto", ".", false,
                "Distanza (m),Caduta (cm),Ordinata (cm),Velocità (m/s),Energia   (J),Dev.Vento (cm),Tempo volo "
                "(s),Scarto mira (cm)",
                "20,-0.2,2.5,946.6,2758.3,-0.1,0.021,-2.0", "500,-186.3,-117.5,597.0,1096.9,-73.5,0.665,-111.4"},
        CasoCsv{"generale_virgola", ",", false,
                "Distanza (m);Caduta (cm);Ordinata (cm);Velocità (m/s);Energia   (J);Dev.Vento (cm);Tempo volo "
                "(s);Scarto mira (cm)",
                "20;-0,2;2,5;946,6;2758,3;-0,1;0,021;-2,0", "500;-186,3;-117,5;597,0;1096,9;-73,5;0,665;-111,4"},
        CasoCsv{"campagna_virgola", ",", true,
                "Distanza (m;Velocità (m/s);Energia   (J);Scarto  0°(cm);Scarto 15°(cm);Scarto 30°(cm);Scarto "
                "45°(cm);Scarto 60°(cm)",
                "20;946,6;2758,3;-2,0;-2,0;-2,0;-2,0;-1,9", "500;597,0;1096,9;-111,4;-105,1;-86,4;-56,8;-18,2"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Csv, CampoConSeparatoreTraVirgolette) {
    EXPECT_EQ(RigaCsv({"1,5", "a\"b", "", "", "", "", "", "x"}, ','), "\"1,5\",\"a\"\"b\",,,,,,x\r\n");
}

TEST(Csv, SoloConTabella) {
    std::ostringstream out, err;
    EXPECT_EQ(EseguiComando({"--csv"}, out, err, "."), kEsitoUso);
    EXPECT_TRUE(out.str().empty());
}

}  // namespace
