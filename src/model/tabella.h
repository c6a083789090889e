// The range table: the request, its checks, the row-by-row computation and
// the two layouts (general table and field table) as cell texts.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "campi.h"
#include "controlli.h"
#include "shotdata.h"
#include "traiettoria.h"

namespace rigata {

// The six request boxes as read (typed text to number), before storing.
struct RichiestaTabella {
    double distanzaZero = 0;  // m
    double inizio = 0;        // m
    double fine = 0;          // m
    double intervallo = 0;    // m, rounded to a whole number when stored
    double vento = 0;         // m/s
    double altezzaMira = 0;   // mm
};

// Reads the texts of the six request boxes (by IndiceNelGruppo, campi.h)
// into r. A decimal comma in one is refused first (ControllaVirgole), and r
// is left as it was.
std::optional<Rifiuto> LeggiRichiesta(const TestiRichiesta& testi, RichiestaTabella& r);

// Refuses a request the model cannot compute: a value beyond single precision,
// a step of 0 or outside -32768..32767, a zero distance of 0, a row count
// outside 0..32766, a decay constant that is not positive, or distances for
// which any value of the table would leave the single range. Reads the bullet
// and air already in the record; changes nothing.
std::optional<Rifiuto> ControllaRichiesta(const ShotData& d, const RichiestaTabella& r);

// Stores a checked request into the record (the step rounded halves to even).
void ApplicaRichiesta(ShotData& d, const RichiestaTabella& r);

// Rows the request gives: (DistanzaFine - DistanzaInizio) / Intervallo + 1,
// halves to even. Empty when it does not fit a 16-bit integer.
std::optional<int> NumeroRighe(const ShotData& d);
// The distance of the last row of the stored request (m; the first row's
// when it gives none).
double UltimaDistanza(const ShotData& d);

// Walks the rows of the stored request, writing each into the row fields of
// the record and handing it to the sink. CalcolaAzzeramento must have run on
// the same request.
using ScriviRiga = std::function<void(const ShotData&)>;
void CalcRisultati(ShotData& d, const ScriviRiga& scrivi);
// The same rows, each computed by the model t (zeroed for this request).
void CalcRisultati(ShotData& d, const Traiettoria& t, const ScriviRiga& scrivi);

// The row fields (drop, height, velocity, energy, time, drift, points of
// impact) at the distance d.Distanza, for the zeroing stored in the record.
// ScartoPendio is left alone: the slope is a choice (ScartoPendioClassico).
void CalcolaRiga(ShotData& d);

// The closed form's slope rule, up and down alike: the point of impact (cm)
// across the line of sight of a row CalcolaRiga has filled in, on a slope of
// gradi (-60..60), c(|gradi|) x (Caduta x 100) + ScartoMira x 100, with c the
// cubic fit of 1 - cos; at 15, 30, 45 and 60 degrees exactly the field
// table's columns, at 0 the level one (the fit is not used there).
float ScartoPendioClassico(const ShotData& riga, double gradi);

enum class TipoTabella { Vari, Campagna };

// The number patterns of the table's cells: distance (m); drop, height,
// drift and points of impact (cm); velocity (m/s) and energy (J); time of
// flight (s). Every place that shows one of these values uses its pattern.
inline constexpr const char* kSchemaDistanza = "####0";
inline constexpr const char* kSchemaCentimetri = "###0.0";
inline constexpr const char* kSchemaVelocita = "####.0";
inline constexpr const char* kSchemaEnergia = "####.0";
inline constexpr const char* kSchemaTempo = "0.##0";

using CelleRiga = std::array<std::string, 8>;
CelleRiga CelleTabVari(const ShotData& d, std::string_view separatore);
CelleRiga CelleTabCampagna(const ShotData& d, std::string_view separatore);
CelleRiga CelleTabella(TipoTabella tipo, const ShotData& d, std::string_view separatore);

// Header lines, columns separated by "|" (exact texts, spaces included).
extern const char* const kIntestazioneTabVari;
extern const char* const kIntestazioneTabCampagna;
// With discesa, the field table's four slope headers read "Scarto -15°(cm)"...
CelleRiga Intestazioni(TipoTabella tipo, bool discesa = false);
// Whether the field table computed with these choices has downhill slope
// columns (the point mass with verso_pendii=discesa).
bool PendiiInDiscesa(const Scelte& m);

// The column of the chosen slope, after every other: "Scarto a -35° (cm)"
// (the angle as the choice is written), and its cell (kSchemaCentimetri).
std::string IntestazionePendio(double gradi);
std::string CellaPendio(const ShotData& riga, std::string_view separatore);

// Caption shown before the optimal zero distance.
extern const char* const kTestoDistanzaOttimale;

}  // namespace rigata
