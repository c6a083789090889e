// The powder's temperature: a cartridge colder or warmer than the one whose
// muzzle velocity was typed flies slower or faster, by the powder's
// sensitivity (m/s per deg C, a choice of scelte.h) times the difference.
// Both models fly the corrected velocity; the record keeps the typed one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "controlli.h"
#include "scelte.h"
#include "shotdata.h"

namespace rigata {

// The cartridge's temperature in force (deg C): the one chosen, otherwise the
// air temperature of the data line.
double TemperaturaCartuccia(float temperaturaAria, const Scelte& s);

// The muzzle velocity flown (m/s), stored in single precision as a typed one:
// v0 + sensibilita x (cartridge - reference); v0 itself with a sensitivity of 0.
float VelocitaPolvere(float v0, float temperaturaAria, const Scelte& s);

// Turns the record d (through CalcolaAtmosfera and CalcolaResistenza) into
// the one the models fly: the corrected velocity and, the closed form's drag
// depending on it, CalcolaResistenza again. Refuses, naming the three
// choices, a velocity outside the entry's limits (kVelocitaBoccaMinima and
// kVelocitaBoccaMassima, both excluded); d is then left as it was. Nothing
// changes with a sensitivity of 0.
std::optional<Rifiuto> ApplicaPolvere(ShotData& d, const Scelte& s);

// "Velocità alla bocca a -10 °C: 928 m/s": the cartridge's temperature and
// the velocity flown, with the given separator; empty with a sensitivity of 0.
std::string TestoPolvere(float velocitaUsata, float temperaturaAria, const Scelte& s, std::string_view separatore);

// --- The calculator of the sensitivity --------------------------------------

// Two readings of the same load, each a temperature (deg C) and a velocity
// (m/s): (v2 - v1) / (t2 - t1), m/s per deg C.
double CalcolaSensibilita(double t1, double v1, double t2, double v2);

struct RisultatoSensibilita {
    std::string sensibilita;  // for the choice's box, two decimals at most, with a point ("1.13"); empty on refusal
    std::optional<Rifiuto> rifiuto;
};

// The calculator's button: refuses a decimal comma (ControllaVirgole), reads
// the four texts as the calculators do (LeggiNumero), refuses a temperature
// outside the cartridge's range, a velocity outside the entry's limits, two
// equal temperatures and a sensitivity, rounded for its box, outside its range.
RisultatoSensibilita CalcolaSensibilitaDaTesti(std::string_view t1, std::string_view v1, std::string_view t2,
                                               std::string_view v2);

}  // namespace rigata
