// Truing the muzzle velocity: the velocity that, with the chosen model, the
// zero in force and every other choice (the powder's correction included),
// puts the level point of impact at a distance where it was seen on target.
#pragma once

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

}  // namespace rigata
