// The trajectory models behind one interface. A model is made for one shot
// (bullet, air, request, zeroing) and then gives the row fields at any
// distance; the table, the point-blank range, the chart, the report, the CSV
// and the command line call it and never know which model answers.
//
// Two models: the closed form (the program's own, exact to its formulas:
// CalcolaRiga of tabella.h) and the point mass (numerical integration with
// the standard G1 or G7 drag function, puntomateriale.h).
#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "controlli.h"
#include "scelte.h"
#include "shotdata.h"
#include "tiroutile.h"

namespace rigata {

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
};

// The model of m.modello for the shot in d, zeroed at d.DistanzaAzzeramento.
// d has been through CalcolaAtmosfera, CalcolaResistenza and
// CalcolaAzzeramento (AltezzaMira in m). distanzaMassima (m) is the farthest
// distance rows will be asked at (the point mass integrates that far once).
// An infinite distanzaMassima flies the point mass to its reach.
std::unique_ptr<Traiettoria> CreaTraiettoria(const ShotData& d, const Scelte& m, double distanzaMassima);

// The zero distance (m) for which the highest point of the path over the line
// of sight between the muzzle and the zero is bandaCm above it (6 cm: the
// optimal zero). d as for CreaTraiettoria; each candidate is zeroed afresh on
// a copy. Empty when no zero distance within the model's reach gives it.
std::optional<double> ZeroPerBanda(const ShotData& d, const Scelte& m, double bandaCm);

// The point-blank range of a band of +-bandaCm for any model: the first whole
// metre from 0 to kMassimoTiroUtile whose point of impact, rounded to a tenth
// of a centimetre as the table shows it, lies within the band, up to the last
// metre of that unbroken stretch (TiroUtile's rule). t should be made with a
// distanzaMassima of kMassimoTiroUtile.
std::optional<TrattoUtile> TiroUtileDi(const Traiettoria& t, double bandaCm);

}  // namespace rigata
