// The range table as CSV text for spreadsheets: a header line (headers
// without surrounding blanks), then one line per row with the cell texts as
// the grid shows them, lines ending in CR LF. Fields are separated by ";"
// where the decimal separator is a comma (so "12,5" stays one cell), by ","
// otherwise; a field holding the separator, a quote or a line break is quoted.
#pragma once

#include <string>
#include <string_view>

#include "cartellino.h"
#include "tabella.h"
#include "tabellacalcolata.h"

namespace rigata {

char SeparatoreCsv(std::string_view separatoreDecimale);

// One line, CR LF included.
std::string RigaCsv(const CelleRiga& celle, char separatore);

// The header line: each header with its surrounding blanks taken away.
std::string IntestazioneCsv(const CelleRiga& intestazioni, char separatore);

// The whole table computed with its model, as --tabella --csv writes it (no
// byte-order mark): the layout's eight columns, then every column the
// choices colonne add (ColonneAggiunte: corrections, slope, leads).
std::string TabellaCsv(const TabellaCalcolata& t, TipoTabella tipo, std::string_view separatoreDecimale,
                       const Scelte& colonne);

}  // namespace rigata
