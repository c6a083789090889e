// The pick of a list line: LeggiRigaElenco reads lines laid out here by
// column number, independently of the writer, so that a reader column
// shifted by one fails. Every field of the first row fills its width.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "elenco.h"

using namespace rigata;

namespace {

// 110 blanks with each text written from its 1-based column (ASCII only).
std::string Riga(const std::vector<std::pair<size_t, std::string>>& testi) {
    std::string riga(110, ' ');
    for (const auto& [colonna, testo] : testi) riga.replace(colonna - 1, testo.size(), testo);
    return riga;
}

struct CasoScelta {
    const char* nome;
    std::string riga;
    bool metrico;
    PallaScelta attesa;
};

void PrintTo(const CasoScelta& c, std::ostream* os) { *os << c.nome; }

class Scelta : public ::testing::TestWithParam<CasoScelta> {};

TEST_P(Scelta, CampiDellaPallaScelta) {
    const CasoScelta& c = GetParam();
    const PallaScelta p = LeggiRigaElenco(c.riga, c.metrico);
    EXPECT_EQ(p.diametro, c.attesa.diametro);
    EXPECT_EQ(p.peso, c.attesa.peso);
    EXPECT_EQ(p.cbStd, c.attesa.cbStd);
    EXPECT_EQ(p.velocita, c.attesa.velocita);
    EXPECT_EQ(p.cb, c.attesa.cb);
}

INSTANTIATE_TEST_SUITE_P(
    Righe, Scelta,
    ::testing::Values(
        CasoScelta{"SaeCampiPieni",
                   Riga({{1, "0.458000\""}, {10, "12345gr"}, {18, "Hornady"}, {26, "RN"}, {48, "0.45678"},
                         {55, "2800.25"}, {62, "0.41234"}, {69, "2400.50"}, {76, "0.40123"},
                         {83, "2000.75"}, {90, "0.39012"}, {97, "1600.00"}, {104, "0.38901"}}),
                   false,
                   {"0.458000", "12345", "0.45678", {"2800.25", "2400.50", "2000.75", "1600.00"},
                    {"0.41234", "0.40123", "0.39012", "0.38901"}}},
        CasoScelta{"SaeMilleGrain", Riga({{1, "0.458\""}, {10, "1000gr"}, {18, "Hornady"}, {26, "RN"}, {48, "0.4"}}),
                   false, {"0.458", "1000", "0.4", {}, {}}},
        CasoScelta{"SaePesoConDecimali", Riga({{1, "0.308\""}, {10, "155.5gr"}, {18, "Sierra"}, {48, "0.45"}}),
                   false, {"0.308", "155.5", "0.45", {}, {}}},
        CasoScelta{"MetricoMilleGrain",
                   Riga({{1, "11.63mm"}, {10, "64.80g"}, {18, "Hornady"}, {48, "0.4"}, {55, "853.4"}, {62, "0.42"}}),
                   true, {"0.458", "1000", "0.4", {"853.4", "", "", ""}, {"0.42", "", "", ""}}},
        CasoScelta{"MetricoCentesimiDiMillimetro", Riga({{1, "10.16mm"}, {10, "9.72g"}}), true,
                   {"0.400", "150", "", {}, {}}},
        CasoScelta{"MetricoSottoUnDecimoDiPollice", Riga({{1, "2.29mm"}, {10, "1.30g"}}), true,
                   {"0.090", "20", "", {}, {}}},
        CasoScelta{"RigaCorta", "0.243\"   95gr", false, {"0.243", "95", "", {}, {}}}),
    [](const ::testing::TestParamInfo<CasoScelta>& info) { return std::string(info.param.nome); });

}  // namespace
