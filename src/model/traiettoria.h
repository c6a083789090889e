// The trajectory models behind one interface. A model is made for one shot
// (bullet, air, request) and zeroed by the factory; it then gives the row
// fields at any distance and finds the zero for a band. The table, the
// point-blank range, the summary, the chart, the report, the CSV and the
// command line call it and never know which model answers.
//
// Two models: the closed form (the program's own, exact to its formulas:
// CalcolaRiga of tabella.h) and the point mass (numerical integration with
// the standard G1 or G7 drag function, puntomateriale.h).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "controlli.h"
#include "scelte.h"
#include "shotdata.h"

namespace rigata {

// Half-height of the optimal zero's band and of the point-blank range, in cm,
// and the farthest distance the summary walks and searches, in m.
constexpr double kFasciaTiroUtile = 6.0;
constexpr int kMassimoTiroUtile = 5000;

// A zeroed trajectory.
class Traiettoria {
public:
    virtual ~Traiettoria() = default;
    // Writes the row fields of riga (Caduta, Ordinata, Velocita, Energia,
    // TempoVolo, DerivaVento, CorrezioneMira, ScartoMira, Scarto15..60 and,
    // NaN without a slope chosen, ScartoPendio) at riga.Distanza, as
    // CalcolaRiga does for the closed form. A distance the model does not
    // reach gives non-finite values.
    virtual void CalcolaRiga(ShotData& riga) const = 0;
    // The farthest distance (m) at which every row field is finite: the
    // point mass's reach (level and on the slopes) when its flight ends
    // before the distance asked at creation, else at least that distance;
    // infinite for the closed form (its own limits are checked on the request).
    virtual double Portata() const = 0;
    // The zero distance (whole m) for a band of +-bandaCm about the line of
    // sight: the farthest whole metre, up to kMassimoTiroUtile, whose path
    // rises at most bandaCm over the line of sight between the muzzle and
    // the zero (ZeroPiuLontano). At 6 cm it is the optimal zero: the closed
    // form then gives its own rule's figure (RegolaZeroOttimale), the one
    // the table's first line prints. Empty when no zero keeps the path
    // within the band.
    virtual std::optional<int32_t> ZeroPerBanda(double bandaCm) const = 0;
};

// The farthest whole metre of zero distance, from 1 to kMassimoTiroUtile,
// whose highest point over the line of sight up to the zero, colmo(zero) in
// cm, is at most bandaCm. The highest point is nought while the zero lies
// before the top of the path and grows with the zero beyond it: doubling
// from 1 m, then halving down to the metre. Empty when even 1 m exceeds it.
std::optional<int32_t> ZeroPiuLontano(double bandaCm, const std::function<double(int)>& colmo);

// The model of m.modello for the shot in d, zeroed at d.DistanzaAzzeramento.
// d has been through CalcolaAtmosfera, CalcolaResistenza and
// CalcolaAzzeramento (AltezzaMira in m); for another zero, change
// DistanzaAzzeramento on a copy. distanzaMassima (m) is the farthest distance
// rows will be asked at (the point mass integrates that far once); an
// infinite one flies the point mass to its reach.
std::unique_ptr<Traiettoria> CreaTraiettoria(const ShotData& d, const Scelte& m, double distanzaMassima);

// The closed form beside the point mass G1 of m, for comparison (on the same
// G1 coefficient); null for the closed form itself and for G7, whose
// coefficient the closed form cannot fly.
std::unique_ptr<Traiettoria> CreaConfronto(const ShotData& d, const Scelte& m);

// What the model t of m cannot compute of the request stored in d, beyond
// ControllaRichiesta (the point mass: a distance below zero, a zero it does
// not get to, a row beyond its reach); nothing for the closed form.
std::optional<Rifiuto> ControllaModello(const ShotData& d, const Scelte& m, const Traiettoria& t);

// The row fields of a model at a distance (m); the record's other fields
// are left at zero.
ShotData RigaA(const Traiettoria& t, double distanza);

// Kinetic energy (J) of a bullet of pesoGrammi at a velocity (m/s), stored
// in single precision: the Energia of every model's rows.
float EnergiaCinetica(float velocita, double pesoGrammi);

// A stretch of whole metres from the muzzle.
struct TrattoUtile {
    int da = 0;  // m
    int a = 0;   // m
};

// The point-blank range of a band of +-bandaCm: the first whole metre from 0
// to kMassimoTiroUtile whose point of impact against the line of sight,
// rounded to a tenth of a centimetre as the table shows it, lies within the
// band, up to the last metre of that unbroken stretch. With sopraCm the band
// reaches that far above the line (the top of a path zeroed a little
// beyond the band). Empty when no metre does. t should reach
// kMassimoTiroUtile.
std::optional<TrattoUtile> TiroUtile(const Traiettoria& t, double bandaCm, std::optional<double> sopraCm = {});

// The highest point of impact over the line of sight, as the cells read it
// (cm), from the muzzle to a whole metre; empty where a row is beyond the
// model.
std::optional<double> CulmineCella(const Traiettoria& t, int fino);

// One point of the trajectory, as the chart draws it.
struct PuntoTraiettoria {
    double distanza = 0;    // m
    double scarto = 0;      // point of impact against the line of sight on the level, cm
    double pendii[4] = {};  // the same on slopes of 15, 30, 45 and 60 degrees, cm
    double velocita = 0;    // m/s
    double energia = 0;     // J
};

// The point of a row (RigaA) at a distance (m).
PuntoTraiettoria PuntoDaRiga(const ShotData& riga, double distanza);

// punti distances evenly spaced from da to a (both included; one when punti
// is 1 or da equals a; none when punti is below 1).
std::vector<double> DistanzeCampione(double da, double a, int punti);

// The points of t at those distances.
std::vector<PuntoTraiettoria> Campiona(const Traiettoria& t, double da, double a, int punti);

}  // namespace rigata
