// The columns a table shows after its layout's eight, in one place for the
// text table and the CSV of the command line, the screen's grid and the
// report: with a scope unit the four corrections (CelleCorrezioneRiga), with
// a slope its point of impact (CellaPendio).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scelte.h"
#include "shotdata.h"

namespace rigata {

struct ColonnaAggiunta {
    std::string intestazione;
    // Whether the screen's compact grid shows it: the clicks, not the
    // corrections as angles; the slope.
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
