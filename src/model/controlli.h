// Checks of the entered bullet and place. Each returns the first refusal as a
// short capital title ending in "!!" (or the program's other titles) and an
// Italian message that says what to change; nothing is shown here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rigata {

struct Rifiuto {
    std::string titolo;
    std::string messaggio;
    bool operator==(const Rifiuto& o) const { return titolo == o.titolo && messaggio == o.messaggio; }
};

// Confirmation of the entry screen, after the values were stored: diameter and
// weight above zero, coefficient not above 1.1 and written with a point after
// its first digit, muzzle velocity strictly between 92 and 1370 m/s.
std::optional<Rifiuto> ControllaDatiIngresso(float diametroInch, float pesoGrain,
                                             std::string_view testoCoeff, float velocitaBocca);

// The place: the altitude must round into the 16-bit range, and the air at
// that altitude must stay above absolute zero (the density divides by it).
std::optional<Rifiuto> ControllaAmbiente(double altitudineLetta, float temperatura);

// A typed value that does not fit a single-precision field: "too large, type
// a smaller number" for a positive value, "too small, type a larger number"
// for a negative one (-1e39 is refused as too small).
Rifiuto RifiutoFuoriLimiti(std::string_view nomeCampo, double valore);

// A typed number with a decimal comma (VirgolaDecimale): the point is asked
// for, with the typed text written both ways ("scrivere 965.5 e non 965,5").
Rifiuto RifiutoVirgola(std::string_view nomeCampo, std::string_view testo);

// A zero coefficient on the command line, where the two-velocity input is not offered.
Rifiuto RifiutoCoeffZero();

// The temperature at the altitude as the atmosphere computes it.
float TemperaturaInQuota(int altitudine, float temperatura);

}  // namespace rigata
