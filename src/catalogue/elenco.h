// The list lines of the catalogue: one fixed-column line of 110 characters per
// row, in SAE units (inch, grain, feet/s) or metric ones (mm, g, m/s), as the
// start screen's drop-down list shows them and reads them back by position.
//
// Lines are UTF-8 but columns count characters (code points), so a maker
// written with an accented letter does not shift the columns after it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "catalogo.h"

namespace rigata {

constexpr int kLunghezzaRigaElenco = 110;

// The line: 110 blanks, over which each value is written from its start
// column, cut to its width (characters): diameter and its unit mark at 1 (9),
// weight and its unit at 10 (7), maker at 18 (7), type at 26 (20), standard
// coefficient at 48 (7), then Velocita1, CB1, ..., Velocita4, CB4 at 55, 62,
// ..., 104 (7 each).
std::string FormattaRigaElenco(std::string_view diametro, std::string_view unitaDiametro,
                               std::string_view peso, std::string_view unitaPeso,
                               std::string_view marca, std::string_view tipoPalla,
                               std::string_view cbStd, const std::array<std::string_view, 8>& coppie);

// Feet/s text to m/s text with one decimal ("####.0"); an empty text stays
// empty. Only the leading digits and point are read: "2800" is 853.4.
std::string ConvertiVelocita(std::string_view velocita);

// The unit marks of the list, and in metric mode the diameter, weight and
// velocities converted in place.
struct UnitaElenco {
    std::string diametro;  // "\"" or "mm"
    std::string peso;      // "gr" or "g"
};
UnitaElenco ConvertiUnitaElenco(bool metrico, std::string& diametro, std::string& peso,
                                std::array<std::string, 4>& velocita);

// The list line of one catalogue row.
std::string RigaElenco(const RigaCatalogo& riga, bool metrico);

// The list lines of all rows in order. When a line equals rigaDaRiselezionare,
// IndicePallaDefault becomes its position (the last such line wins); otherwise
// it keeps its value. An empty catalogue gives no line and changes nothing.
std::vector<std::string> ElencaCatalogo(Catalogo& catalogo, bool metrico,
                                        const std::string& rigaDaRiselezionare);

// The SAE list line of the default bullet of start-up: Nosler .243, 95 grain,
// BTsb, coefficient .379; equal to the line of that catalogue row.
std::string RigaPallaDefaultSAE();

}  // namespace rigata
