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

// Half a unit of a figure's last digit: "0.0021345830" checks ten decimals.
inline double MezzaUnita(const char* cifra) {
    const char* punto = std::strchr(cifra, '.');
    return 0.5 * std::pow(10.0, punto ? -static_cast<int>(std::strlen(punto + 1)) : 0) * (1 + 1e-9);
}

}  // namespace rigata::prova

// The value agrees with a figure to half a unit of the figure's last digit.
#define EXPECT_CIFRA(valore, cifra) EXPECT_NEAR(valore, std::strtod(cifra, nullptr), rigata::prova::MezzaUnita(cifra))
