#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "catalogo.h"
#include "numeri.h"

using namespace rigata;

namespace {

struct Palla {
    std::string diametro, peso, marca, tipo = "";
};

Catalogo Crea(const std::vector<Palla>& palle) {
    Catalogo c;
    for (const auto& p : palle) {
        RigaCatalogo r;
        r[kMarca] = p.marca, r[kDiametro] = p.diametro, r[kPeso] = p.peso, r[kTipoPalla] = p.tipo;
        c.Righe.push_back(r);
    }
    c.NumeroPalle = static_cast<int16_t>(palle.size());
    return c;
}

std::vector<std::string> Chiavi(const Catalogo& c) {
    std::vector<std::string> v;
    for (const auto& r : c.Righe) v.push_back(r[kDiametro] + "/" + r[kPeso] + "/" + r[kMarca] + r[kTipoPalla]);
    return v;
}

struct CasoOrdine {
    const char* nome;
    std::vector<Palla> palle;
    std::vector<std::string> attese;
};

class Ordine : public ::testing::TestWithParam<CasoOrdine> {};

TEST_P(Ordine, DiametroPesoMarca) {
    Catalogo c = Crea(GetParam().palle);
    OrdinaCatalogo(c);
    EXPECT_EQ(Chiavi(c), GetParam().attese);
}

INSTANTIATE_TEST_SUITE_P(
    Esempi, Ordine,
    ::testing::Values(
        CasoOrdine{"Esempio",
                   {{"0.308", "150", "Speer"}, {"0.243", "95", "Nosler"}, {"0.308", "150", "Barnes"},
                    {"0.308", "130", "Sierra"}},
                   {"0.243/95/Nosler", "0.308/130/Sierra", "0.308/150/Barnes", "0.308/150/Speer"}},
        CasoOrdine{"MarchePerCodiceDiCarattere",
                   {{"0.308", "150", "Remington"}, {"0.308", "150", "RWS"}, {"0.308", "150", "RCBS"},
                    {"0.308", "150", "remington"}, {"0.308", "150", "Rem"}},
                   {"0.308/150/RCBS", "0.308/150/RWS", "0.308/150/Rem", "0.308/150/Remington",
                    "0.308/150/remington"}},
        CasoOrdine{"NumeriNonTesti",
                   {{"0.308", "80.5", "A"}, {"0.308", "150", "A"}, {"0.308", "1000", "A"}, {"0.3", "9", "A"}},
                   {"0.3/9/A", "0.308/80.5/A", "0.308/150/A", "0.308/1000/A"}},
        CasoOrdine{"NonNumeriValgonoZero",
                   {{"0.308", "150", "B"}, {"abc", "150", "B"}, {"0.243", "", "B"}, {"0.243", "x", "A"}},
                   {"abc/150/B", "0.243/x/A", "0.243//B", "0.308/150/B"}},
        CasoOrdine{"Vuoto", {}, {}}),
    [](const auto& info) { return std::string(info.param.nome); });

// The exchange procedure as written, swapping whole rows: the reference for
// the order of rows that are equal in all three keys.
void OrdinaComeScritto(Catalogo& c) {
    auto& r = c.Righe;
    const auto num = [&](size_t i, int k) { return LeggiNumero(r[i][static_cast<size_t>(k - 1)]); };
    for (size_t i = 0; i < r.size(); ++i)
        for (size_t j = i + 1; j < r.size(); ++j)
            for (int k = 1; k <= 3; ++k) {
                bool nonMinori = true;
                for (int col = 2; col <= k - 1; ++col) nonMinori = nonMinori && num(j, col) <= num(i, col);
                const bool minore = k == 1 ? r[j][kMarca] < r[i][kMarca] : num(j, k) < num(i, k);
                if (nonMinori && minore) std::swap(r[i], r[j]);
            }
}

TEST(Ordine, StessoRisultatoDellaProceduraScrittaAncheAParita) {
    std::mt19937 caso(7);
    const char* marche[] = {"Sierra", "RWS", "Remington", "Speer", "Müller", "A"};
    for (int prova = 0; prova < 20; ++prova) {
        std::vector<Palla> palle;
        for (int i = 0; i < 60; ++i)
            palle.push_back({"0.30" + std::to_string(caso() % 3), std::to_string(100 + caso() % 3 * 25),
                             marche[caso() % 6], "T" + std::to_string(i)});
        Catalogo atteso = Crea(palle), c = Crea(palle);
        OrdinaComeScritto(atteso);
        OrdinaCatalogo(c);
        ASSERT_EQ(Chiavi(c), Chiavi(atteso)) << "prova " << prova;
        for (size_t i = 1; i < c.Righe.size(); ++i) {
            const auto chiave = [&](size_t r) {
                return std::make_tuple(LeggiNumero(c.Righe[r][kDiametro]), LeggiNumero(c.Righe[r][kPeso]),
                                       c.Righe[r][kMarca]);
            };
            EXPECT_LE(chiave(i - 1), chiave(i));
        }
    }
}

TEST(Ordine, AvanzamentoDopoOgniRiga) {
    Catalogo c = Crea({{"0.3", "1", "C"}, {"0.2", "1", "B"}, {"0.1", "1", "A"}});
    std::vector<int> righe;
    OrdinaCatalogo(c, [&](int i) { righe.push_back(i); });
    EXPECT_EQ(righe, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(c.NumeroPalle, 3);
}

}  // namespace
