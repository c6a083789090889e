// The closed-form ballistic model: air at the shooting place, drag at the
// muzzle velocity, zeroing and optimal zero, and the inverse drag model that
// turns two measured velocities into a ballistic coefficient. Each procedure
// reads and writes the record in the order of its formula; none checks its
// inputs (the checks run before, see controlli.h and tabella.h).
#pragma once

#include <string>

#include "shotdata.h"

namespace rigata {

// Inches and grains to mm and g; pressure, temperature and density of the air
// at Altitudine from Temperatura.
void CalcolaAtmosfera(ShotData& d);

// Drag coefficient of the bullet at its muzzle velocity (Siacci drag function
// and form factor). Runs after CalcolaAtmosfera.
void CalcolaResistenza(ShotData& d);

// Zeroing for the table request: decay constant, drop at the zero distance,
// optimal zero distance (AltezzaMira is turned from mm into m here).
void CalcolaAzzeramento(ShotData& d);
void CalcolaCostanteK(ShotData& d);
void CalcolaCadutaZero(ShotData& d);
void CalcolaDistanzaOttimale(ShotData& d);

// The drop at a distance x (m) for muzzle velocity v0 (m/s) and drag constant
// k (1/m), each step stored in single precision: the drop coefficient, the
// term exp(2 k x) - 2 k x - 1, and their product, the drop (m).
struct CadutaCalcolata {
    float coeff, termine, caduta;
};
CadutaCalcolata CadutaA(double v0, double k, double x);

// The optimal zero's rule for a band: the highest point of the path, 0.44 of
// the sight height (AltezzaMira, m) in cm plus bandaCm; the time to rise to
// it and fall back; the distance covered in that time under the model's drag
// (m, before rounding to a whole number). Each step stored in single
// precision as CalcolaDistanzaOttimale stores it, so that a band of 6 cm
// gives its very figures.
struct ZeroDellaRegola {
    float ordinata;  // cm
    float tempo;     // s
    double distanza;  // m
};
ZeroDellaRegola RegolaZeroOttimale(const ShotData& d, double bandaCm);

// The optimal zero distance in metres before rounding to a whole number, from
// the stored decay constant, muzzle velocity and TempoVoloOttimale.
double DistanzaOttimaleEsatta(const ShotData& d);

// The decay constant CalcolaCostanteK would store, without storing it.
double CostanteResistenzaDi(const ShotData& d);

// Siacci drag function at velocity v (m/s), divided by 100.
double FunzioneSiacciDi(double v);

// Two measured velocities over a stretch: the measured drag coefficient, then
// the ballistic coefficient that gives it at the muzzle velocity.
void CalcolaResistenzaMisurata(ShotData& d);
void CalcolaCoeffBalistico(ShotData& d);

// The coefficient the two-velocity frame puts back into the entry field: three decimals with a
// point, "0." in front ("0.379", "0.250", "0.30", "0.0").
std::string TestoCoeffBalistico(double coeff);

}  // namespace rigata
