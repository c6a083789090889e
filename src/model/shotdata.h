// The one record of the current shot: bullet and place as entered, the same
// in model units, the drag quantities, the table request, the row being
// computed. One instance lives for the whole run (owned by the program object
// and handed to every screen and computation); it starts zero-filled and is
// never reset as a whole. The catalogue in memory has a record of its own
// (catalogue/catalogo.h), so that this one stays small enough to copy.
//
// Widths matter: float fields round every stored value to single precision,
// and later steps read the rounded value.
#pragma once

#include <cstdint>

namespace rigata {

struct ShotData {
    // Bullet and environment as entered.
    float DiametroInch = 0;      // inch
    float PesoGrain = 0;         // grain
    int16_t Altitudine = 0;      // m above sea level
    float Temperatura = 0;       // deg C
    float VelocitaBocca = 0;     // m/s
    double CoeffBalistico = 0;   // lb/in2

    // Converted environment.
    float DiametroMm = 0;        // mm
    float PesoGrammi = 0;        // g
    float Pressione = 0;         // mbar
    float TemperaturaQuota = 0;  // deg C at the altitude
    float DensitaAria = 0;       // kg/m3

    // Drag quantities.
    double VelocitaSuono = 0;      // m/s
    double NumeroMach = 0;
    double DensitaRelativa = 0;    // air density over 1.203007 kg/m3
    double FattoreForma = 0;
    double FunzioneSiacci = 0;     // Siacci function at the muzzle velocity / 100
    double CoeffResistenza = 0;
    double CostanteResistenza = 0; // decay constant k, 1/m

    // Two-velocity input.
    float TrattoMisurato = 0;      // m
    float VelocitaIniziale = 0;    // m/s
    float VelocitaResidua = 0;     // m/s

    // Table request.
    float DistanzaAzzeramento = 0; // m
    float DistanzaInizio = 0;      // m
    float DistanzaFine = 0;        // m
    int16_t Intervallo = 0;        // m
    float VelocitaVento = 0;       // m/s
    float AltezzaMira = 0;         // mm as read, m after CalcolaDistanzaOttimale

    // Zero and optimal zero.
    float CoeffCaduta = 0;         // m
    float TermineEsp = 0;
    float CadutaAzzeramento = 0;   // m
    float OrdinataMaxOttimale = 0; // cm
    float TempoVoloOttimale = 0;   // s
    int32_t DistanzaOttimale = 0;  // m

    // Current table row.
    float Distanza = 0;            // m
    int16_t IndiceRiga = 0;
    int16_t RigaGriglia = 0;
    float CoeffCadutaRiga = 0;     // m
    float TermineEspRiga = 0;
    float Caduta = 0;              // m, positive downwards
    float Ordinata = 0;            // m
    float Velocita = 0;            // m/s
    float Energia = 0;             // J
    float TempoVolo = 0;           // s
    float DerivaVento = 0;         // cm
    float CorrezioneMira = 0;      // m
    float ScartoMira = 0;          // m, positive upwards
    float Scarto15 = 0, Scarto30 = 0, Scarto45 = 0, Scarto60 = 0;  // cm
    float ScartoPendio = 0;        // cm, on the chosen slope; NaN without one
};

}  // namespace rigata
