// A bullet through the entry's steps: the closed form's air and drag at a place.
// By default the .243 bullet of 95 grains (coefficient 0.379, 965 m/s) at 450 m, 15 degrees.
#pragma once

#include "modello.h"

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

}  // namespace rigata::prova
