// The columns a table shows after its layout's eight, in one place for the
// text table and the CSV of the command line, the screen's grid and the
// report: with a scope unit the four corrections (CelleCorrezioneRiga), with
// a slope its point of impact (CellaPendio), with target speeds one lead
// per speed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scelte.h"
#include "shotdata.h"

namespace rigata {

// The lead on an animal running at kmh (km/h) along a path at gradi (deg) to
// the line of sight, for a time of flight (s): kmh / 3.6 x tempo x sin(gradi),
// in cm; ahead of the animal, along its path.
double AnticipoCm(double kmh, double tempoVolo, double gradi);

// "Anticipo 20 km/h (cm)".
std::string IntestazioneAnticipo(double kmh);

// A lead's cell: AnticipoCm of the row's own time of flight (TempoVolo),
// written with the table's centimetre pattern; empty where the row has no
// time of flight.
std::string CellaAnticipo(const ShotData& riga, double kmh, double gradi, std::string_view separatore);

struct ColonnaAggiunta {
    std::string intestazione;
    // Whether the screen's compact grid shows it: the clicks, not the
    // corrections as angles; the slope; the leads.
    bool griglia = false;
};

class ColonneAggiunte {
public:
    ColonneAggiunte(const Scelte& scelte, std::string_view separatore);

    // In the order of the cells.
    const std::vector<ColonnaAggiunta>& Colonne() const { return colonne_; }
    // Writes the cells of a row into celle (emptied first), one per column.
    void Celle(const ShotData& riga, std::vector<std::string>& celle) const;
    std::vector<std::string> Celle(const ShotData& riga) const;

private:
    Scelte scelte_;
    std::string separatore_;
    std::vector<ColonnaAggiunta> colonne_;
};

}  // namespace rigata
