// The data file's optional second line: the trajectory model's inputs and
// the hunter's choices as key=value pairs separated by ";", keys optional and
// in any order ("modello=g7;umidita=50;banda=4"). A file without it is the
// closed form with the usual choices, as every file written before it.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cartellino.h"
#include "traiettoria.h"

namespace rigata {

struct OpzioniFile {
    DatiModello modello;  // coppieVelocita is not saved: it comes with the picked bullet
    DatiCartellino cartellino;
    // Pairs whose key this program does not know, kept as read and written
    // back, so a file from a later version loses nothing when saved again.
    std::vector<std::pair<std::string, std::string>> altre;
};

// Reads the pairs of a second line into o (values with a point, whatever the
// locale). Returns one sentence per pair it could not take: an unknown key
// (kept in o.altre) or a value out of range (the default kept), each naming
// the key, e.g. "la chiave \"colore\" non è conosciuta: è stata conservata".
std::vector<std::string> LeggiRigaOpzioni(std::string_view riga, OpzioniFile& o);

// The second line for o: only the values that differ from the defaults, in a
// fixed order, then the kept unknown pairs. Empty when there is nothing to
// write (the file then has its first line only).
std::string RigaOpzioni(const OpzioniFile& o);

}  // namespace rigata
