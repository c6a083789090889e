// Data tables of named cases for GoogleTest, and a figure check.
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <string>

// A table of cases, each a struct whose first member is `const char* nome`:
// the name becomes the test name (blanks and signs as "_") and is what a
// failure prints for the case.
#define TABELLA(Prova, Caso, righe)                                                     \
    [[maybe_unused]] void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }   \
    INSTANTIATE_TEST_SUITE_P(, Prova, ::testing::ValuesIn(righe),                       \
                             [](const auto& i) { return rigata::prova::Identificatore(i.param.nome); })

namespace rigata::prova {

// The core never reads the locale; the tests pin it anyway, so that a slip that
// starts reading it shows the same way on every machine.
inline const bool kLocaleC = std::setlocale(LC_ALL, "C") != nullptr;

inline std::string Identificatore(std::string nome) {
    for (char& c : nome)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return nome;
}

// The value agrees with a figure to half a unit of the figure's last digit:
// "0.0021345830" checks ten decimals.
inline ::testing::AssertionResult ComeLaCifra(const char* espressione, const char*, double valore,
                                              const char* cifra) {
    const char* punto = std::strchr(cifra, '.');
    const int decimali = punto ? static_cast<int>(std::strlen(punto + 1)) : 0;
    if (std::fabs(valore - std::strtod(cifra, nullptr)) <= 0.5 * std::pow(10.0, -decimali) * (1 + 1e-9))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << espressione << " = " << ::testing::PrintToString(valore)
                                         << ", atteso " << cifra;
}

}  // namespace rigata::prova

#define EXPECT_CIFRA(valore, cifra) EXPECT_PRED_FORMAT2(rigata::prova::ComeLaCifra, valore, cifra)
