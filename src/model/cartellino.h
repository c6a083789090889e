// What the hunter's choices for the field (the sight-in band, the energy
// thresholds and the scope's unit and click, scelte.h) give: the summary
// sentences, the energy limits, the scope corrections of a row and the rows
// of the pocket card. Every figure is read from a trajectory
// model (traiettoria.h) at whole metres and as the table's cells show it, so
// the summary, the card and the table never disagree.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "shotdata.h"
#include "tabellacalcolata.h"
#include "tiroutile.h"
#include "scelte.h"
#include "traiettoria.h"

namespace rigata {

// --- The band ---------------------------------------------------------------

// "±6 cm", "±4,5 cm": the band with the given decimal separator.
std::string TestoBanda(double banda, std::string_view separatore);

// The zero for a band: the farthest whole metre of zero distance at which the
// trajectory's highest point over the line of sight, read to a tenth of a cm,
// is at most +banda; with that zero, the level point of impact at 100 m (cm,
// float as the table stores it) and the point-blank range for the band
// (TiroUtileDi).
struct ZeroBanda {
    int distanza = 0;   // m
    float scarto100 = 0;  // cm, positive upwards
    std::optional<TrattoUtile> tratto;
};
// d: a record through CalcolaAzzeramento (AltezzaMira in m). Empty when no
// zero within 1..5000 m keeps the highest point in the band.
std::optional<ZeroBanda> CalcolaZeroBanda(const ShotData& d, const Scelte& m, double banda);

// "Con banda ±4 cm: azzerare a m 186; a 100 m il colpo va 3,2 cm alto; tiro
// utile da 0 m a 219 m" ("basso" for an impact below the line, "sulla linea di
// mira" when the cell reads 0.0; "nessuna distanza entro la banda" without a
// stretch); "Con banda ±4 cm: nessun azzeramento tiene il colpo entro la banda"
// without a zero.
std::string TestoZeroBanda(double banda, const std::optional<ZeroBanda>& z, std::string_view separatore);

// "Tiro utile (±4 cm): da 0 m a 180 m" (for 6 cm the text of TestoTiroUtile).
std::string TestoTiroUtileBanda(double banda, const std::optional<TrattoUtile>& tratto,
                                std::string_view separatore);

// --- Energy -----------------------------------------------------------------

// The energy cell at a whole metre, read back (J), or empty beyond the model.
std::optional<double> EnergiaCella(const Traiettoria& t, int metro);

// The last whole metre (0..5000 m) at which the energy cell is at or above the
// threshold; empty when it is below at the muzzle. 5000 means "5000 m and on".
std::optional<int> UltimoMetroSopra(const Traiettoria& t, double soglia);

// "Energia a 100 m: 2047,3 J"; then per threshold "Energia ≥ 2000 J fino a m
// 134", "Energia ≥ 3000 J: già sotto alla bocca (2866,5 J)", "Energia ≥ 100 J
// fino a m 5000 e oltre"; then kNotaEnergia.
std::vector<std::string> FrasiEnergia(const Traiettoria& t, const std::vector<double>& soglie,
                                      std::string_view separatore);
extern const char* const kNotaEnergia;

// --- Summary ----------------------------------------------------------------

// The summary of a computed table, one sentence per line: the optimal zero
// (TestoDistanzaOttimale), the band zero with its 100 m impact and range, the
// point-blank range of the table's own zero for the band, the energy at
// 100 m, one limit per threshold and the note.
std::vector<std::string> FrasiRiepilogo(const TabellaCalcolata& t, const Scelte& c,
                                        std::string_view separatore);

// --- Scope corrections ------------------------------------------------------

// The correction that brings an impact back onto the line of sight, as an
// angle: -scarto / distanza in radians (the ratio; 1 mrad is 1 cm at 10 m,
// 10 cm at 100 m; 1 MOA is 1/60 degree, 2.9089 cm at 100 m; cm/100 m is the
// same ratio times 10000). Up and, for the wind, toward the side the wind
// comes from when typed positive, are positive. Empty at a distance not above
// 0, for Nessuna, or for a value that is not finite.
std::optional<double> MisuraCorrezione(double scartoCm, double distanza, UnitaCorrezione u);

// The cells of a row: correction and clicks for the impact, then for the wind
// drift (the correction of the "Dev.Vento (cm)" cell, which is -DerivaVento).
// Clicks are the nearest whole number, halves away from zero. Empty cells at
// distance 0 and for Nessuna.
using CelleCorrezione = std::array<std::string, 4>;
CelleCorrezione CelleCorrezioneRiga(const ShotData& riga, const Scelte& c, std::string_view separatore);
// "Correzione (mrad)", "Correzione (click)", "Correzione vento (mrad)",
// "Correzione vento (click)".
CelleCorrezione IntestazioniCorrezione(UnitaCorrezione u);

// --- The pocket card --------------------------------------------------------

constexpr int kPassoCartellino = 50;       // m
constexpr int kMassimoRigheCartellino = 15;  // what 7 pt type fits on a 10 x 7 cm card

// Cell texts; soglia is the highest threshold the energy is at or above
// ("≥ 2000"), empty below them all.
using RigaCartellino = std::array<std::string, 6>;

struct Cartellino {
    std::string palla;         // bullet and load in one line
    std::string azzeramento;   // model and coefficient (TestoModelloECoefficiente), zero and band
    // Distance, impact, impact clicks, wind for 1 m/s, energy, threshold;
    // with Nessuna the clicks column is left out (empty header and cells).
    RigaCartellino intestazioni;
    std::vector<RigaCartellino> righe;
    std::string legenda;  // the click and the signs
};

// The card of a computed table: rows every passo metres from passo up to the
// table's last distance; with Nessuna the impact and the drift for 1 m/s in
// cm, otherwise in clicks. A message instead when the step gives no row or
// more than kMassimoRigheCartellino.
std::variant<Cartellino, std::string> ComponiCartellino(const TabellaCalcolata& t, const Scelte& c,
                                                        int passo, std::string_view separatore);

}  // namespace rigata
