// The command line, without any window: range tables from a data file, and
// the list lines of a bullet catalogue as the start screen shows them.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "rigadati.h"
#include "scelte.h"
#include "tabella.h"

namespace rigata {

// Exit statuses of the command line.
constexpr int kEsitoOk = 0;
constexpr int kEsitoFile = 1;      // a file that cannot be read, or output that cannot be written
constexpr int kEsitoRifiuto = 2;   // data refused by the program's checks
constexpr int kEsitoUso = 64;      // wrong options

// True when the arguments ask for the command line rather than the windows
// (an option with two dashes, or -h).
bool ChiedeRigaDiComando(const std::vector<std::string>& argomenti);

// Runs the command line (argomenti without the program name). Writes UTF-8
// text to out and err; numbers use the given decimal separator.
int EseguiComando(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
                  const std::string& separatore);

// Runs the command line and writes its output to the descriptor fdUscita.
// When the output cannot be written (a full disk, a closed pipe) says so on
// err and returns kEsitoFile. SIGPIPE must be ignored by the caller.
int EseguiComandoSu(const std::vector<std::string>& argomenti, int fdUscita, std::ostream& err,
                    const std::string& separatore);

// An impact seen on target, for truing the muzzle velocity (--calibra).
struct ScartoOsservato {
    double distanza = 0;  // m
    double scartoCm = 0;  // cm above (+) or below (-) the point of aim
};

// How --tabella prints a data file's table.
struct ComeTabella {
    TipoTabella tipo = TipoTabella::Vari;
    bool csv = false;
    bool riepilogo = false;  // the summary sentences (ComponiRiepilogo) one per line, nothing else
    // The truing (CalibraVelocita) instead of the table: "Velocità alla
    // bocca calibrata: 930.0 m/s", then "Scarto a 300 m con 930.0 m/s:
    // -23.4 cm".
    std::optional<ScartoOsservato> calibra;
};

// The table of the twelve fields computed with the model of opzioni.modello
// (TabellaCalcolata): the optimal zero distance (TestoDistanzaOttimale), the
// header and one line per row, cells separated by tabs, or the CSV of
// TabellaCsv; after the layout's columns those the choices add
// (ColonneAggiunte). With come.riepilogo, the summary (ComponiRiepilogo)
// instead, one sentence per line; with come.calibra, the truing. The choices
// are checked (ControllaScelte) before the table. Data refused by the checks
// give the title and message on err and kEsitoRifiuto, with nothing on out.
int ScriviTabella(const CampiDati& campi, const Scelte& opzioni, const ComeTabella& come, std::ostream& out,
                  std::ostream& err, const std::string& separatore);

std::string TestoUso();

}  // namespace rigata
