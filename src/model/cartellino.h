// The hunter's choices for the field: the sight-in band, the energy
// thresholds and the scope's unit and click. They travel together and are
// saved on the data file's optional second line.
#pragma once

#include <vector>

namespace rigata {

// How the scope is graduated; Nessuna shows no correction at all.
enum class UnitaCorrezione { Nessuna, Cm100, Mrad, Moa };

// The band a hunter accepts around the line of sight, in cm.
constexpr double kBandaPredefinita = 6.0;
constexpr double kBandaMinima = 2.0;
constexpr double kBandaMassima = 15.0;

struct DatiCartellino {
    double banda = kBandaPredefinita;          // cm, kBandaMinima..kBandaMassima
    std::vector<double> soglie = {1000, 2000};  // energy thresholds, J, each above zero
    UnitaCorrezione unita = UnitaCorrezione::Nessuna;
    double click = 0;  // one click in the unit; 0: the unit's usual click
};

}  // namespace rigata
