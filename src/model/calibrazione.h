// Truing the muzzle velocity: the velocity that, with the chosen model, the
// zero in force and every other choice (the powder's correction included),
// puts the level point of impact at a distance where it was seen on target.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "controlli.h"
#include "scelte.h"
#include "shotdata.h"
#include "tabella.h"

namespace rigata {

struct Calibrazione {
    float velocita = 0;  // m/s, the typed muzzle velocity, to a tenth
    float scartoCm = 0;  // the level point of impact it gives at the distance, cm, positive upwards
};

// The typed muzzle velocity (more than kVelocitaBoccaMinima, less than
// kVelocitaBoccaMassima) whose table, computed as TabellaCalcolata computes
// it (powder correction, zero), has the level point of impact scartoCm
// (ScartoMira in cm) at distanza (m). Searched from the velocity in palla
// outward for a change of side, then by bisection; the velocity nearest
// the one typed when several give that impact. Rounded to 0.1 m/s (a
// chronograph's resolution; a tenth moves the impact by well under a
// millimetre at hunting ranges).
// palla has been through ControllaIngresso, CalcolaAtmosfera and
// CalcolaResistenza. Refused (a title and a message in Italian): the
// table's own refusals for palla, a distance that is not above zero or is
// the zero distance (every velocity puts the impact on the line of sight
// there), one beyond the model's reach with the velocity typed, and an
// impact no velocity in the range gives.
std::variant<Calibrazione, Rifiuto> CalibraVelocita(const ShotData& palla, const RichiestaTabella& r,
                                                    const Scelte& m, double distanza, double scartoCm);

// "Velocità alla bocca calibrata: 930.0 m/s", then on a line of its own
// "Scarto a 300 m con 930.0 m/s: -23.4 cm", each line ending in a line feed.
std::string TestoCalibrazione(const Calibrazione& c, double distanza, std::string_view separatore);

// The screen's truing: the distance (m) and the impact seen there (cm, + above
// the point of aim) as typed, a decimal comma refused (ControllaVirgole),
// read as the calculators read their boxes (LeggiNumero), then
// CalibraVelocita.
std::variant<Calibrazione, Rifiuto> CalibraDaTesti(const ShotData& palla, const RichiestaTabella& r,
                                                   const Scelte& m, std::string_view distanza,
                                                   std::string_view scartoCm);

}  // namespace rigata
