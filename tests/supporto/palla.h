// A bullet through the entry's steps: the closed form's air and drag at a place.
// By default the .243 bullet of 95 grains (coefficient 0.379, 965 m/s) at 450 m, 15 degrees.
#pragma once

#include <random>

#include "modello.h"
#include "tabellacalcolata.h"

namespace rigata::prova {

inline ShotData PallaInAria(int16_t quota = 450, float gradi = 15, double coeff = 0.379, float diametro = 0.243f,
                            float peso = 95, float v0 = 965) {
    ShotData d;
    d.DiametroInch = diametro, d.PesoGrain = peso, d.VelocitaBocca = v0, d.CoeffBalistico = coeff;
    d.Altitudine = quota, d.Temperatura = gradi;
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);
    return d;
}

// A bullet and place drawn within the entry's ranges (diameter 0.17 to 0.5 in,
// 20 to 500 grains, -400 to 5000 m, -40 to 50 degrees, 100 to 1369 m/s,
// coefficient 0.1 to 1.1), through the same steps.
inline ShotData PallaACaso(std::mt19937& caso) {
    auto tra = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(caso); };
    const double v[] = {tra(0.17, 0.5), tra(20, 500), tra(-400, 5000), tra(-40, 50), tra(100, 1369), tra(0.1, 1.1)};
    return PallaInAria(int16_t(v[2]), float(v[3]), v[5], float(v[0]), float(v[1]), float(v[4]));
}

// The default bullet at another muzzle velocity (m/s).
inline ShotData PallaAVelocita(float v0) { return PallaInAria(450, 15, 0.379, 0.243f, 95, v0); }

// The trajectory screen's default request, and its table with these choices.
inline const RichiestaTabella kRichiesta{225, 0, 500, 20, 5, 50};
inline TabellaCalcolata Tabella(const Scelte& m = {}, const ShotData& palla = PallaInAria()) {
    return std::get<TabellaCalcolata>(TabellaCalcolata::Calcola(palla, kRichiesta, m));
}

}  // namespace rigata::prova
