// Every choice beyond the twelve fields of the data line: the trajectory
// model, the air only the point mass reads, the velocity pairs of the
// coefficient, the hunter's band, energy thresholds, scope unit and click,
// the slope of a shot, the direction of the field table's slopes, the
// powder's temperature and the lead for running game.
//
// Each choice is one row of one table: its key on the data file's second
// line, its command-line option, the name messages use, what it accepts and
// its default. One reader turns a typed text into the value (or a refusal
// naming the choice and what to type) and one writer gives the text that
// reads back to the same value. The second line, the command line and the
// screens go through this table and nothing else, so adding a choice is one
// row here plus its effect where it is computed.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controlli.h"

namespace rigata {

enum class TipoModello { Classico, G1, G7 };

// How the scope is graduated; Nessuna shows no correction at all.
enum class UnitaCorrezione { Nessuna, Cm100, Mrad, Moa };

// Which way the point mass's field table flies its four slopes.
enum class VersoPendii { Salita, Discesa };

// A velocity (m/s) and the ballistic coefficient (lb/in2) that holds at it.
using CoppiaVelocita = std::pair<double, double>;

struct Scelte {
    TipoModello modello = TipoModello::Classico;
    std::optional<double> pressione;  // station pressure, hPa; empty: the ICAO standard at the altitude
    double umidita = 0;               // relative humidity, % (0: dry air)
    double angoloVento = 90;          // deg the wind comes from: 90 all across, 0 from behind, 180 head wind
    // The pairs the point mass's coefficient follows, sorted as given; empty:
    // the one coefficient of the data line.
    std::vector<CoppiaVelocita> coppie;
    double banda = 6;                           // cm above and below the line of sight
    std::vector<double> soglie = {1000, 2000};  // energy thresholds, whole joules
    UnitaCorrezione unita = UnitaCorrezione::Nessuna;
    std::optional<double> click;  // one click in the unit; empty: the unit's usual click
    // The slope of the shot, deg along the line of sight, negative downhill;
    // empty: no slope column.
    std::optional<double> pendio;
    VersoPendii versoPendii = VersoPendii::Salita;
    // The powder: the muzzle velocity changes by sensibilita m/s for each
    // degree the cartridge is warmer than the temperature at which the typed
    // velocity holds (0: no correction).
    double sensibilita = 0;                // m/s per deg C
    double tempRiferimento = 15;           // deg C at which the typed muzzle velocity holds
    std::optional<double> tempCartuccia;   // deg C; empty: the air temperature of the data line
    // The lead for running game: the animal's speeds (whole km/h, up to
    // three; empty: no lead column) and the angle between its path and the
    // line of sight (90: straight across).
    std::vector<double> anticipi;
    double angoloBersaglio = 90;           // deg
    // Pairs whose key this program does not know, kept as read and written
    // back, so a file from a later version loses nothing when saved again.
    std::vector<std::pair<std::string, std::string>> altre;
};

// The rows of the table, in the order the second line writes them.
enum class Scelta {
    Modello, Pressione, Umidita, AngoloVento, Coppie, Banda, Soglie, Correzione, Click, Pendio, VersoPendii,
    Sensibilita, TempRiferimento, TempCartuccia, Anticipo, AngoloBersaglio
};
constexpr int kNumeroScelte = 16;

// What a choice's text holds.
enum class GenereScelta {
    Nome,      // one of the row's names ("g7")
    Numero,    // a number with a point, within the range
    Frazione,  // a number or a fraction ("0.1", "1/4"), within the range
    Interi,    // whole numbers within the range, separated by commas or blanks
    Coppie,    // velocity:coefficient pairs separated by commas or blanks ("853.4:0.42,731.5:0.4")
};

// Where a choice changes what is computed (NonConta).
enum class ContaScelta {
    Sempre,
    PuntoMateriale,  // the point-mass model only
    Riepilogo,       // the summary and the pocket card, not the table's cells
    Correzioni,      // the table's scope corrections, not the summary
    Tabella,         // a column of the table, not the summary
    Polvere,         // with a powder sensitivity other than 0 only
    Anticipo,        // the lead columns: with target speeds only
};

struct DefinizioneScelta {
    Scelta scelta;
    const char* chiave;       // on the second line: "angolo_vento"
    const char* opzione;      // on the command line: "--angolo-vento"
    const char* segnaposto;   // its value in the usage text: "GRADI"
    const char* nome;         // in messages: "direzione del vento"
    const char* aiuto;        // what to type, ending a refusal
    GenereScelta genere;
    double minimo, massimo;   // a number, a fraction, each whole number of a list, each pair's velocity
    int elementi;             // a list: the most items
    bool vuota;               // the empty text is the default (a number) or no item (a list)
    std::array<const char*, 4> nomi;  // Nome: the accepted names, in the order of the enum
    ContaScelta conta;
};

// The table, in the order of Scelta.
const std::array<DefinizioneScelta, kNumeroScelte>& TabellaScelte();
const DefinizioneScelta& Definizione(Scelta s);
// The row of a second-line key or of a command-line option; null for none.
const DefinizioneScelta* SceltaPerChiave(std::string_view chiave);
const DefinizioneScelta* SceltaPerOpzione(std::string_view opzione);

// A choice's value whatever its kind: a name's position, a number or a
// fraction in numero (empty: the empty text); a list's items, or the pairs as
// velocity, coefficient, velocity... in elementi.
struct ValoreScelta {
    std::optional<double> numero;
    std::vector<double> elementi;
    bool operator==(const ValoreScelta& o) const { return numero == o.numero && elementi == o.elementi; }
    bool operator!=(const ValoreScelta& o) const { return !(*this == o); }
};
ValoreScelta Valore(Scelta s, const Scelte& scelte);

// The reader: the typed text (blanks at either end allowed) into its choice
// of scelte, or the refusal naming the choice and what to type ("USA IL
// PUNTO!!" for a decimal comma in a number, "CAMBIA VALORE!!" otherwise);
// scelte is left alone on refusal.
std::optional<Rifiuto> LeggiScelta(Scelta s, std::string_view testo, Scelte& scelte);

// The writer: the text LeggiScelta reads back to the same value. Names in
// their written form, numbers with a point and as many digits as they need,
// lists and pairs separated by commas; empty for an empty default.
std::string TestoScelta(Scelta s, const Scelte& scelte);

bool Predefinita(Scelta s, const Scelte& scelte);

// A change the user makes (a box on the screen, an option over a file): as
// LeggiScelta, and a scope unit that changes brings back its usual click.
std::optional<Rifiuto> CambiaScelta(Scelta s, std::string_view testo, Scelte& scelte);

// The first choice of scelte whose value the reader would not take back (a
// value set by code): its refusal. Values that came through the reader pass.
std::optional<Rifiuto> ControllaScelte(const Scelte& scelte);

// What the choices are asked for: the general or the field table (command
// line), the summary (command line), the truing of the muzzle velocity
// (command line), or the screen, which shows either table with the summary
// and the card beside it.
enum class UsoScelte { Tabella, Campagna, Riepilogo, Calibrazione, Schermo };

// Why a choice does not change what is asked for, or nothing when it does:
// a point-mass choice with the closed form, a summary choice for a table, a
// scope correction or a column for the summary alone, a click without a
// unit, the direction of the field table's slopes for another table, the
// powder's temperatures without a sensitivity, the target's angle without
// speeds, and whatever does not move the level point of impact for the
// truing.
std::optional<std::string> NonConta(Scelta s, const Scelte& scelte, UsoScelte uso);

// --- The data file's second line -------------------------------------------
// The choices as key=value pairs separated by ";", keys optional and in any
// order ("modello=g7;umidita=50;banda=4"). A file without it holds the
// defaults, as every file written before the second line existed.

// Reads the pairs of a second line into scelte (which keeps what a pair does
// not give). Returns one sentence per pair it could not take, each naming
// the key: an unknown key (the pair kept in scelte.altre), a value refused
// (the value before it kept) and a key given twice (the last one used).
std::vector<std::string> LeggiRigaOpzioni(std::string_view riga, Scelte& scelte);

// The second line: the choices that differ from their default, in the order
// of the table, then the kept unknown pairs. Empty when there is nothing to
// write (the file then has its first line only).
std::string RigaOpzioni(const Scelte& scelte);

// --- The coefficient's drag function ----------------------------------------

// A ballistic coefficient belongs to a drag function: the catalogue's
// coefficients and velocity pairs and the two-velocity frame's result are
// G1; one the user types belongs to the model in force (the closed form
// takes the G1 coefficients of the catalogue).
enum class FunzioneCoefficiente { G1, G7 };
FunzioneCoefficiente FunzioneDelModello(TipoModello m);
const char* NomeFunzione(FunzioneCoefficiente f);  // "G1", "G7"

// A coefficient (as typed, testoCoeff) of function f flown by the model of
// scelte, or velocity pairs with the G7 model: the refusal that says so
// ("CAMBIA COEFFICIENTE!!", naming both functions and what to do).
std::optional<Rifiuto> ControllaFunzioneCoefficiente(FunzioneCoefficiente f, std::string_view testoCoeff,
                                                    const Scelte& scelte);

// --- Names ------------------------------------------------------------------

// The model as the screen's list shows it ("Classico (forma chiusa)",
// "Punto materiale G1", "Punto materiale G7").
const char* NomeModello(TipoModello m);
// The model and the coefficient it flies, with its drag function (a table
// is computed only with a coefficient of the model's own function):
// "Punto materiale G7, C.B. G7 0.190", "Classico (forma chiusa), C.B. G1
// 0.379", "Punto materiale G1, C.B. G1 dalle coppie velocità-CB".
std::string TestoModelloECoefficiente(const Scelte& scelte, double coefficiente, std::string_view separatore);
// "cm/100 m", "mrad", "MOA" (empty for Nessuna).
std::string NomeUnita(UnitaCorrezione u);
// The usual click of a unit: 1 cm/100 m, 0.1 mrad, 1/4 MOA (0 for Nessuna).
double ClickPredefinito(UnitaCorrezione u);
// The click in force: the one chosen, otherwise the unit's usual one.
double ClickDi(const Scelte& scelte);

}  // namespace rigata
