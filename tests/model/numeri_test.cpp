#include "numeri.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace rigata;

namespace {

struct CasoLettura {
    const char* testo;
    double valore;
};

class Lettura : public ::testing::TestWithParam<CasoLettura> {};

TEST_P(Lettura, LeggeIlNumeroIniziale) {
    EXPECT_DOUBLE_EQ(LeggiNumero(GetParam().testo), GetParam().valore) << GetParam().testo;
    // The entry screen's reading agrees on every text without a & prefix.
    EXPECT_DOUBLE_EQ(LeggiNumeroEsteso(GetParam().testo), GetParam().valore) << GetParam().testo;
}

INSTANTIATE_TEST_SUITE_P(
    Testi, Lettura,
    ::testing::Values(CasoLettura{"0.308", 0.308}, CasoLettura{"0,308", 0}, CasoLettura{"450 m", 450},
                      CasoLettura{"450 m/s", 450}, CasoLettura{"9 65", 965}, CasoLettura{"1 000", 1000},
                      CasoLettura{"abc", 0}, CasoLettura{"", 0}, CasoLettura{"   ", 0},
                      CasoLettura{"12,5", 12}, CasoLettura{"225,5", 225}, CasoLettura{"20m", 20},
                      CasoLettura{".35", 0.35}, CasoLettura{"-.5", -0.5}, CasoLettura{"+7", 7},
                      CasoLettura{"- 5", -5}, CasoLettura{"\t1\n2", 12}, CasoLettura{"1.2.3", 1.2},
                      CasoLettura{"1e3", 1000}, CasoLettura{"1E+3", 1000}, CasoLettura{"2.5D-1", 0.25},
                      CasoLettura{"1e", 1}, CasoLettura{"1e-", 1}, CasoLettura{"1ex", 1},
                      CasoLettura{"-", 0}, CasoLettura{".", 0}, CasoLettura{"-0", 0},
                      CasoLettura{"0.1", 0.1}, CasoLettura{"881.3", 881.3}, CasoLettura{"1e-400", 0},
                      CasoLettura{"00000000000000000000000000000012.5", 12.5},
                      CasoLettura{"3.00000000000000000000000000000000000000001", 3.0},
                      CasoLettura{"x&H1", 0}));

TEST(Lettura, NumeriEnormiDiventanoInfiniti) {
    EXPECT_EQ(LeggiNumero("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeggiNumero("-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeggiNumero(std::string(500, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeggiNumero("0." + std::string(500, '0') + "1"), 0.0);
}

struct CasoVirgola {
    const char* nome;
    const char* testo;
    bool virgola;
};

class Virgola : public ::testing::TestWithParam<CasoVirgola> {};

TEST_P(Virgola, VirgolaDopoLeCifre) { EXPECT_EQ(VirgolaDecimale(GetParam().testo), GetParam().virgola); }

INSTANTIATE_TEST_SUITE_P(
    Testi, Virgola,
    ::testing::Values(CasoVirgola{"coefficiente", "0,30", true}, CasoVirgola{"velocita", "965,5", true},
                      CasoVirgola{"negativo", "-1,5", true}, CasoVirgola{"senza_zero", ",30", true},
                      CasoVirgola{"con_spazi", " 9 65 ,5", true}, CasoVirgola{"dopo_il_punto", ".3,5", true},
                      CasoVirgola{"virgola_finale", "12,", true}, CasoVirgola{"col_punto", "965.5", false},
                      CasoVirgola{"unita", "450 m/s", false}, CasoVirgola{"parola", "abc,5", false},
                      CasoVirgola{"sola_virgola", ",", false}, CasoVirgola{"virgola_e_lettera", ",a", false},
                      CasoVirgola{"vuoto", "", false}, CasoVirgola{"dopo_unita", "450 m, 5", false}),
    [](const ::testing::TestParamInfo<CasoVirgola>& i) { return std::string(i.param.nome); });

TEST(Lettura, EsadecimaleEOttaleSoloSulloSchermoDiIngresso) {
    EXPECT_EQ(LeggiNumeroEsteso("&H1F"), 31);
    EXPECT_EQ(LeggiNumeroEsteso("&hff"), 255);
    EXPECT_EQ(LeggiNumeroEsteso(" & H 1 0"), 16);
    EXPECT_EQ(LeggiNumeroEsteso("&O17"), 15);
    EXPECT_EQ(LeggiNumeroEsteso("&o19"), 1);  // 9 is no octal digit
    EXPECT_EQ(LeggiNumeroEsteso("&H"), 0);
    EXPECT_EQ(LeggiNumeroEsteso("&X1"), 0);
    EXPECT_EQ(LeggiNumero("&H1F"), 0);
}

TEST(Arrotondamento, InteroConMetaAlPari) {
    EXPECT_EQ(InInteger(450.5), 450);
    EXPECT_EQ(InInteger(451.5), 452);
    EXPECT_EQ(InInteger(20.5), 20);
    EXPECT_EQ(InInteger(21.5), 22);
    EXPECT_EQ(InInteger(-2.5), -2);
    EXPECT_EQ(InInteger(-32768.4), -32768);
    EXPECT_EQ(InInteger(32767.4), 32767);
    EXPECT_FALSE(InInteger(32767.5));  // rounds to 32768
    EXPECT_FALSE(InInteger(-32768.6));
    EXPECT_FALSE(InInteger(std::nan("")));
    EXPECT_FALSE(InInteger(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(InLong(223.5), 224);
    EXPECT_EQ(InLong(2147483647.0), 2147483647);
    EXPECT_FALSE(InLong(2147483647.5));
    EXPECT_FALSE(InLong(-2147483649.0));
}

TEST(Arrotondamento, Singolo) {
    EXPECT_EQ(InSingle(0.243), 0.243f);
    EXPECT_FALSE(InSingle(1e39));
    EXPECT_FALSE(InSingle(-1e39));
    EXPECT_FALSE(InSingle(std::nan("")));
    EXPECT_EQ(InSingle(1e-50), 0.0f);
}

struct CasoSchema {
    double valore;
    const char* schema;
    const char* testo;
};

class Schema : public ::testing::TestWithParam<CasoSchema> {};

TEST_P(Schema, ScriveIlNumero) {
    const auto& c = GetParam();
    EXPECT_EQ(FormattaNumero(c.valore, c.schema), c.testo) << c.valore << " " << c.schema;
}

INSTANTIATE_TEST_SUITE_P(
    Schemi, Schema,
    ::testing::Values(
        // Whole metres of the tables.
        CasoSchema{20, "####0", "20"}, CasoSchema{0, "####0", "0"}, CasoSchema{-20, "####0", "-20"},
        CasoSchema{123456, "####0", "123456"}, CasoSchema{2.5, "####0", "3"}, CasoSchema{-2.5, "####0", "-3"},
        // One decimal, at least one digit before the point.
        CasoSchema{-0.2134583, "###0.0", "-0.2"}, CasoSchema{0, "###0.0", "0.0"},
        CasoSchema{-0.04, "###0.0", "-0.0"}, CasoSchema{-0.0, "###0.0", "0.0"},
        CasoSchema{0.05, "###0.0", "0.1"}, CasoSchema{-0.05, "###0.0", "-0.1"},
        CasoSchema{1234.56, "###0.0", "1234.6"},
        // No digit before the point.
        CasoSchema{0.26, "####.0", ".3"}, CasoSchema{946.638, "####.0", "946.6"}, CasoSchema{0, "####.0", ".0"},
        CasoSchema{-0.26, "####.0", "-.3"},
        // Three decimals.
        CasoSchema{0.020925751, "0.##0", "0.021"}, CasoSchema{0, "0.##0", "0.000"},
        CasoSchema{0.2259, "0.##0", "0.226"}, CasoSchema{1.1429, "0.##0", "1.143"},
        // Optional decimals.
        CasoSchema{12, "###.#", "12."}, CasoSchema{0, "###.#", "."}, CasoSchema{0.5, "###.#", ".5"},
        CasoSchema{26.162, "###.#", "26.2"}, CasoSchema{74.0, "###.#", "74."}, CasoSchema{-8.3, "###.#", "-8.3"},
        CasoSchema{918.191, "###.#", "918.2"}, CasoSchema{0.04, "###.#", "."},
        // Whole numbers without a point.
        CasoSchema{0, "###", ""}, CasoSchema{0.4, "###", ""}, CasoSchema{52.914, "###", "53"},
        CasoSchema{179.94, "###", "180"}, CasoSchema{28.18, "##", "28"}, CasoSchema{26.58, "##", "27"},
        CasoSchema{1234, "##", "1234"},
        // Two decimals.
        CasoSchema{0.5505, "0.#0", "0.55"}, CasoSchema{1.1141, "0.#0", "1.11"}, CasoSchema{0, "0.#0", "0.00"},
        CasoSchema{0.285, "0.#0", "0.29"}, CasoSchema{1.005, "0.#0", "1.01"},
        CasoSchema{9.72, "#0.#0", "9.72"}, CasoSchema{6.156, "#0.#0", "6.16"}, CasoSchema{0.5, "#0.#0", "0.50"},
        CasoSchema{7.8232, "###.#0", "7.82"}, CasoSchema{0.5, "###.#0", ".50"}, CasoSchema{8.5852, "###.#0", "8.59"},
        // The coefficient.
        CasoSchema{0.379, "0.0#0", "0.379"}, CasoSchema{0.25, "0.0#0", "0.250"}, CasoSchema{1, "0.0#0", "1.000"},
        // Carries through every digit.
        CasoSchema{999.96, "###0.0", "1000.0"}, CasoSchema{0.9996, "0.##0", "1.000"},
        CasoSchema{9.5, "###", "10"}, CasoSchema{0.96, "####.0", "1.0"}));

TEST(Schema, SeparatoreDecimaleDelChiamante) {
    EXPECT_EQ(FormattaNumero(946.638, "####.0", ","), "946,6");
    EXPECT_EQ(FormattaNumero(12, "###.#", ","), "12,");
    EXPECT_EQ(FormattaNumero(-0.2, "###0.0", "٫"), "-0٫2");
    EXPECT_EQ(FormattaNumero(20, "####0", ","), "20");
}

TEST(Schema, ValoriNonFinitiNonDiventanoTesto) {
    EXPECT_EQ(FormattaNumero(std::numeric_limits<double>::infinity(), "###0.0"), "");
    EXPECT_EQ(FormattaNumero(std::nan(""), "0.##0"), "");
    EXPECT_EQ(FormattaNumero(1e300, "####0").size(), 301u);
}

struct CasoSingolo {
    float valore;
    const char* testo;
};

class TestoGenerale : public ::testing::TestWithParam<CasoSingolo> {};

TEST_P(TestoGenerale, SetteCifreSignificative) {
    EXPECT_EQ(TestoSingolo(GetParam().valore), GetParam().testo) << GetParam().valore;
}

INSTANTIATE_TEST_SUITE_P(
    Valori, TestoGenerale,
    ::testing::Values(CasoSingolo{0.308f, "0.308"}, CasoSingolo{0.243f, "0.243"}, CasoSingolo{150, "150"},
                      CasoSingolo{-5.5f, "-5.5"}, CasoSingolo{0, "0"}, CasoSingolo{965, "965"},
                      CasoSingolo{92.5f, "92.5"}, CasoSingolo{1369.9f, "1369.9"}, CasoSingolo{15, "15"},
                      CasoSingolo{0.05f, "0.05"}, CasoSingolo{1234567, "1234567"},
                      CasoSingolo{12345678, "1.234568E+07"}, CasoSingolo{0.00001f, "1E-05"},
                      CasoSingolo{0.0001f, "0.0001"}, CasoSingolo{1.0f / 3, "0.3333333"},
                      CasoSingolo{-0.0f, "0"}));

TEST(TestoGenerale, SeparatoreDelChiamante) { EXPECT_EQ(TestoSingolo(0.308f, ","), "0,308"); }

}  // namespace
