// Units, limits and the small formulas built on them that several parts of
// the program share, each named once here.
#pragma once

#include <cmath>

namespace rigata {

// Units.
constexpr double kMmPerPollice = 25.4;      // millimetres in an inch
constexpr double kGrammiPerGrain = 0.0648;  // a grain taken as 0.0648 g
constexpr double kMetriPerPiede = 0.3048;   // metres in a foot

// Muzzle velocities the model accepts: strictly between these (m/s).
constexpr int kVelocitaBoccaMinima = 92;
constexpr int kVelocitaBoccaMassima = 1370;

// Absolute zero in degrees Celsius, as the air density uses it (273, not 273.15).
constexpr double kZeroAssoluto = -273.0;

// The air temperature at an altitude (m): a lapse of 0.0065 deg/m plus a
// fixed 0.0257 deg, rounded to single precision.
inline float TemperaturaInQuota(int altitudine, float temperatura) {
    return static_cast<float>(temperatura - (altitudine * 0.0065 + 0.0257));
}

// The drop coefficient (m) of the trajectory for muzzle velocity v0 (m/s) and
// drag constant k (1/m): the drop at x is this times (exp(2 k x) - 2 k x - 1).
inline double CoeffCadutaDi(double v0, double k) {
    // 2.453 = g / 4 with g = 9.812 m/s2.
    return 2.453 / (std::pow(v0, 2) * std::pow(k, 2));
}

}  // namespace rigata
