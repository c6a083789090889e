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
#include "scelte.h"
#include "tabellacalcolata.h"
#include "traiettoria.h"

namespace rigata {

// --- The band ---------------------------------------------------------------

// "±6 cm", "±4,5 cm": the band with the given decimal separator.
std::string TestoBanda(double banda, std::string_view separatore);

// The zero for a band (TabellaCalcolata::ZeroPerBanda) and, with the table
// zeroed there, the level point of impact at 100 m (cm, float as the table
// stores it; not finite where the model gives no row) and the point-blank
// range for the band (TiroUtile).
struct ZeroBanda {
    int distanza = 0;     // m
    float scarto100 = 0;  // cm, positive upwards
    std::optional<TrattoUtile> tratto;
    // The top of the path as its cell reads (cm) when above the band: the
    // closed form's optimal zero is its own rule's figure, which may put the
    // top a few millimetres over 6 cm; the stretch then allows that top.
    std::optional<double> culmineOltre;
};
// Empty when the model has no zero for the band.
std::optional<ZeroBanda> CalcolaZeroBanda(const TabellaCalcolata& t, double banda);

// "Con banda ±4 cm: azzerare a m 186; a 100 m il colpo va 3,2 cm alto; tiro
// utile da 0 m a 219 m" ("basso" for an impact below the line, "sulla linea di
// mira" when the cell reads 0.0, no 100 m clause when the cell is empty;
// "nessuna distanza entro la banda" without a stretch; ", con il punto più
// alto a 6,3 cm" after the stretch for a top above the band); "Con banda ±4
// cm: nessun azzeramento tiene il colpo entro la banda" without a zero.
std::string TestoZeroBanda(double banda, const std::optional<ZeroBanda>& z, std::string_view separatore);

// "Tiro utile (±4 cm): da 0 m a 180 m", or "Tiro utile (±4 cm): nessuna
// distanza entro la fascia" without a stretch.
std::string TestoTiroUtileBanda(double banda, const std::optional<TrattoUtile>& tratto,
                                std::string_view separatore);

// --- Energy -----------------------------------------------------------------

// The last whole metre (0..5000 m) at which the energy cell is at or above the
// threshold; empty when it is below at the muzzle. 5000 means "5000 m and on".
std::optional<int> UltimoMetroSopra(const Traiettoria& t, double soglia);

extern const char* const kNotaEnergia;

// --- Summary ----------------------------------------------------------------

// The summary of a computed table.
struct Riepilogo {
    std::string polvere;       // the velocity flown for the powder's temperature (TestoPolvere), or empty
    std::string zeroOttimale;  // TestoDistanzaOttimale
    std::string zeroBanda;     // TestoZeroBanda for the hunter's band
    std::string tiroUtile;     // the table's own zero: TestoTiroUtileBanda
    std::string energia100;    // "Energia a 100 m: 2047,3 J"
    // Per threshold: "Energia ≥ 2000 J fino a m 134", "Energia ≥ 3000 J: già
    // sotto alla bocca (2866,5 J)", "Energia ≥ 100 J fino a m 5000 e oltre".
    std::vector<std::string> soglie;
    std::string nota;  // kNotaEnergia

    // The sentences in the order above, one per line; an empty one is left out.
    std::vector<std::string> Righe() const;
};
Riepilogo ComponiRiepilogo(const TabellaCalcolata& t, const Scelte& c, std::string_view separatore);

// --- Scope corrections ------------------------------------------------------

// The correction that brings an impact back onto the line of sight, as an
// angle: -scarto / distanza in radians (the ratio; 1 mrad is 1 cm at 10 m,
// 10 cm at 100 m; 1 MOA is 1/60 degree, 2.9089 cm at 100 m; cm/100 m is the
// same ratio times 10000). Up and, for the wind, toward the side the wind
// comes from when typed positive, are positive. Empty at a distance not above
// 0, for Nessuna, or for a value that is not finite.
std::optional<double> MisuraCorrezione(double scartoCm, double distanza, UnitaCorrezione u);

// The correction cells of a row: for the impact, and for the wind drift
// (the correction of the "Dev.Vento (cm)" cell, which is -DerivaVento).
// Clicks are the nearest whole number, halves away from zero. Empty at
// distance 0 and for Nessuna; a correction beyond single precision, or a
// click count beyond a Long, leaves its cell empty.
struct CelleCorrezione {
    std::string correzione, click;
    std::string correzioneVento, clickVento;
    // The columns' order in the table, the CSV and the command line.
    std::array<std::string, 4> InOrdine() const { return {correzione, click, correzioneVento, clickVento}; }
};
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

// The leads on running game, in cm, from kPrimoAnticipo to kUltimoAnticipo
// every kPassoAnticipo metres: the distance, then one cell per target speed.
constexpr int kPrimoAnticipo = 25, kUltimoAnticipo = 150, kPassoAnticipo = 25;  // m
struct AnticipiCartellino {
    std::vector<std::string> intestazioni;  // "m", "10 km/h", "25 km/h"
    std::vector<std::vector<std::string>> righe;
    std::string legenda;  // the angle, and that the lead is ahead of the animal along its path
};

struct Cartellino {
    std::string palla;         // bullet and load in one line (the velocity flown, with the powder's temperature)
    std::string azzeramento;   // model and coefficient (TestoModelloECoefficiente), zero and band
    // Distance, impact, impact clicks, wind for 1 m/s, energy, threshold;
    // with Nessuna the clicks column is left out (empty header and cells).
    RigaCartellino intestazioni;
    std::vector<RigaCartellino> righe;
    std::string legenda;  // the click and the signs
    std::optional<AnticipiCartellino> anticipi;  // with target speeds only
};

// The card of a computed table: rows every passo metres from passo up to the
// table's last distance; with Nessuna the impact and the drift for 1 m/s in
// cm, otherwise in clicks; with target speeds among the table's choices, the
// leads. A message instead when the step gives no row or more than
// kMassimoRigheCartellino.
std::variant<Cartellino, std::string> ComponiCartellino(const TabellaCalcolata& t, const Scelte& c,
                                                        int passo, std::string_view separatore);

}  // namespace rigata
