// The trajectory between the table's rows: the point-blank range ("tiro
// utile") and the fine samples the chart draws. Both read a record on which
// CalcolaAzzeramento has run, and compute every point with the table's own
// row formula, so the chart and the table never disagree.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shotdata.h"

namespace rigata {

// Half-height of the band, in cm, and the farthest distance searched, in m.
constexpr double kFasciaTiroUtile = 6.0;
constexpr int kMassimoTiroUtile = 5000;

// A stretch of whole metres from the muzzle.
struct TrattoUtile {
    int da = 0;  // m
    int a = 0;   // m
};

// The point-blank range: the first whole metre (from 0 to 5000 m) at which the
// point of impact against the line of sight, rounded to a tenth of a
// centimetre as the table shows it, lies within -6.0..+6.0 cm, up to the last
// metre of that unbroken stretch. Empty when no metre lies within the band.
std::optional<TrattoUtile> TiroUtile(const ShotData& d);

// "Tiro utile (±6 cm): da 0 m a 261 m", or the sentence for no stretch.
std::string TestoTiroUtile(const std::optional<TrattoUtile>& tratto);

// One point of the trajectory at any distance.
struct PuntoTraiettoria {
    double distanza = 0;    // m
    double scarto = 0;      // point of impact against the line of sight on the level, cm
    double pendii[4] = {};  // the same on slopes of 15, 30, 45 and 60 degrees, cm
    double velocita = 0;    // m/s
    double energia = 0;     // J
};

// The trajectory at one distance (m).
PuntoTraiettoria PuntoA(const ShotData& d, double distanza);

// The point of a row the table's formula (or a model) has filled in.
PuntoTraiettoria PuntoDaRiga(const ShotData& riga, double distanza);

// punti distances evenly spaced from da to a (both included; one when punti
// is 1 or da equals a; none when punti is below 1).
std::vector<double> DistanzeCampione(double da, double a, int punti);

// punti points evenly spaced from da to a (both included; one point when
// punti is 1 or da equals a).
std::vector<PuntoTraiettoria> CampionaTraiettoria(const ShotData& d, double da, double a, int punti);

}  // namespace rigata
