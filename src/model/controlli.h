// Checks of the entered bullet and place. Each returns the first refusal as a
// short capital title ending in "!!" (or the program's other titles) and an
// Italian message that says what to change; nothing is shown here.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "campi.h"
#include "costanti.h"
#include "numeri.h"
#include "shotdata.h"

namespace rigata {

struct Rifiuto {
    std::string titolo;
    std::string messaggio;
    bool operator==(const Rifiuto& o) const { return titolo == o.titolo && messaggio == o.messaggio; }
};

// The one check of an entry (the six entry texts, as typed on the start
// screen or read from a data file's line), for the start screen's confirmation and the
// command line. First stores into d what fits its field (diameter, weight,
// temperature and muzzle velocity in single precision, the altitude in 16
// bits); those values stay stored when a check fails. Then, in order: a value
// too large for its field (the first such one), ControllaDatiIngresso,
// ControllaAmbiente, and a zero coefficient (RifiutoCoeffZero: the start
// screen answers it with the two-velocity input, the command line refuses).
// When all pass, the coefficient is stored too.
std::optional<Rifiuto> ControllaIngresso(const TestiIngresso& testi, ShotData& d);

// True when the bullet and place stored in d pass ControllaDatiIngresso (the
// coefficient aside) and ControllaAmbiente: the last confirmation was valid.
bool PallaEAmbienteValidi(const ShotData& d);

// The coefficient from two measured velocities (m/s) over a stretch (m), as
// typed: refuses a decimal comma (ControllaVirgole), stores the three values in d (0 when too large for single
// precision), refuses values that are not positive or a residual velocity
// not below the initial one, then a bullet and place whose last confirmation
// was not valid (PallaEAmbienteValidi); computes the atmosphere and the
// coefficient into d, and refuses a coefficient above 0.65.
std::optional<Rifiuto> CalcolaCoeffDaVelocita(std::string_view iniziale, std::string_view residua,
                                              std::string_view tratto, ShotData& d);

// Diameter and weight above zero, coefficient not above 1.1 and written with
// a point after its first digit, muzzle velocity strictly between
// kVelocitaBoccaMinima and kVelocitaBoccaMassima.
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

// A typed number and its field's name as the messages say it.
struct NumeroDigitato {
    std::string_view nome, testo;
};

// The first of the numbers with a decimal comma (VirgolaDecimale), refused
// with RifiutoVirgola: read with the point only, "965,5" would be 965. Every
// function that reads typed numbers runs this before anything else.
std::optional<Rifiuto> ControllaVirgole(std::initializer_list<NumeroDigitato> numeri);

// The same over the texts of a group of fields, in the order of the data line.
template <std::size_t N>
std::optional<Rifiuto> ControllaVirgole(GruppoCampo gruppo, const std::array<std::string, N>& testi) {
    for (const DefinizioneCampo& c : kCampi)
        if (c.gruppo == gruppo)
            if (auto r = ControllaVirgole({{c.nome, testi[IndiceNelGruppo(c.campo)]}})) return r;
    return std::nullopt;
}

// A zero (or missing) coefficient.
Rifiuto RifiutoCoeffZero();

}  // namespace rigata
