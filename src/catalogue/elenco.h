// The list lines of the catalogue: one fixed-column line of 110 characters per
// row, in SAE units (inch, grain, feet/s) or metric ones (mm, g, m/s), as the
// start screen's drop-down list shows them. The columns are one table, read
// by the writer, the reader of a picked line and the list's headings.
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

// The fields of a list line, in the order of their columns; the eight of the
// velocity-dependent pairs are kCampoCoppie + 0 (Velocita1), + 1 (CB1), ...,
// + 7 (CB4).
enum CampoElenco : int { kCampoDiametro, kCampoPeso, kCampoMarca, kCampoTipo, kCampoCBStd, kCampoCoppie };
constexpr int kCampiElenco = kCampoCoppie + 8;

// Where a field stands: its first column (1-based) and its width, in characters.
struct ColonnaElenco {
    size_t inizio, larghezza;
};
// Diameter and its unit mark, weight and its unit, maker, type, standard
// coefficient, then the four velocity and coefficient pairs.
constexpr std::array<ColonnaElenco, kCampiElenco> kColonneElenco{{{1, 9},
                                                                  {10, 7},
                                                                  {18, 7},
                                                                  {26, 20},
                                                                  {48, 7},
                                                                  {55, 7},
                                                                  {62, 7},
                                                                  {69, 7},
                                                                  {76, 7},
                                                                  {83, 7},
                                                                  {90, 7},
                                                                  {97, 7},
                                                                  {104, 7}}};
constexpr int kLunghezzaRigaElenco = 110;
static_assert(kColonneElenco.back().inizio + kColonneElenco.back().larghezza - 1 == kLunghezzaRigaElenco);

// Characters from the first column of a field to that of the next one (what
// a heading over the field may fill, the gap included).
constexpr size_t PassoColonnaElenco(CampoElenco campo) {
    return kColonneElenco[campo + 1].inizio - kColonneElenco[campo].inizio;
}

// The line: 110 blanks, over which each value is written from its first
// column, cut to its width.
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
UnitaElenco UnitaDiElenco(bool metrico);
UnitaElenco ConvertiUnitaElenco(bool metrico, std::string& diametro, std::string& peso,
                                std::array<std::string, 4>& velocita);

// The list line of one catalogue row.
std::string RigaElenco(const RigaCatalogo& riga, bool metrico);

// The text of one field of a list line, without the blanks around it; a
// field past the end of the line gives what there is of it.
std::string CampoRigaElenco(std::string_view riga, CampoElenco campo);

// What the pick of a list line puts in the start screen's fields: diameter
// (inch) and weight (grain) whole, the standard coefficient and the four
// velocity and coefficient pairs as listed. In metric units the diameter is
// brought back to thousandths of an inch (halves to even, "0.##0") and the
// weight to whole grains ("###").
struct PallaScelta {
    std::string diametro, peso, cbStd;
    std::array<std::string, 4> velocita, cb;
};
PallaScelta LeggiRigaElenco(std::string_view riga, bool metrico);

// The list lines of all rows in order. When a line equals rigaDaRiselezionare,
// IndicePallaDefault becomes its position (the last such line wins); otherwise
// it keeps its value. An empty catalogue gives no line and changes nothing.
std::vector<std::string> ElencaCatalogo(Catalogo& catalogo, bool metrico,
                                        const std::string& rigaDaRiselezionare);

// The SAE list line of the default bullet of start-up: Nosler .243, 95 grain,
// BTsb, coefficient .379; equal to the line of that catalogue row.
std::string RigaPallaDefaultSAE();

}  // namespace rigata
