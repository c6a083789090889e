// The bullet catalogue in memory: the rows of stdbulls.bc, read by the
// splitting rule of the file, and their sort by diameter, weight and maker.
//
// The file is Windows-1252 text, one bullet a line, fields separated by
// commas without quoting. Cells are held in UTF-8, converted field by field
// after splitting, since the splitting rule counts the file's 8-bit characters.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rigata {

constexpr int kColonneCatalogo = 14;
constexpr int kMassimoPalle = 4000;
// The largest catalogue file read: 4000 rows of the longest line a 16-bit
// position reaches (32767 characters) take 131 MB; a real row is under 100
// bytes. A larger file is refused without being read.
constexpr size_t kMassimoByteCatalogo = size_t{256} << 20;

// Column c of the file (1 to 14) is index c - 1.
enum ColonnaCatalogo : int {
    kMarca = 0, kDiametro, kPeso, kTipoPalla, kCaricoSezionale, kCBStd,
    kVelocita1, kCB1, kVelocita2, kCB2, kVelocita3, kCB3, kVelocita4, kCB4
};

using RigaCatalogo = std::array<std::string, kColonneCatalogo>;  // texts in UTF-8

struct Catalogo {
    std::vector<RigaCatalogo> Righe;  // row r (1-based) is Righe[r-1]; exactly NumeroPalle rows
    int16_t NumeroPalle = 0;
    std::string PercorsoApp, NomeFileCatalogo = "stdbulls.bc", PercorsoCatalogo;
    std::string RigaPallaDefault;
    int16_t IndicePallaDefault = 0;  // zero-based list position to select; survives reloads
};

struct EsitoCaricamento {
    bool fileMancante = false;           // the screen shows "File Inesistente!!"
    int righeEscluse = 0;                // data lines beyond the 4000th, not loaded
    std::optional<std::string> errore;   // the file exists but could not be read
    int righeConsegnate = 0;             // rows of the delivered file loaded (the user's follow them)
};

// Splits one data line of the file (8-bit text, no line end) into the fourteen
// cells: each field ends at the next comma; with no comma left, a field is the
// next four characters at most and the fifth belongs to none. A field whose
// text trimmed of blanks begins with "." is held as "0" and the trimmed text;
// any other keeps its blanks. The cells are returned as the file has them.
RigaCatalogo DividiRigaCatalogo(std::string_view riga);

// Note lines begin with kPrefissoNota exactly (lower-case, by character code).
inline constexpr std::string_view kPrefissoNota = "(c)";
bool RigaDiNota(std::string_view riga);

// Fills the rows from the whole text of a catalogue file (Windows-1252, lines
// ending in CR LF or a bare LF; the last line may have no end; a UTF-8
// byte-order mark at the start skipped). Note lines and empty lines are
// skipped; data lines beyond the 4000th are not loaded.
// Returns how many data lines were left out.
int CaricaTestoCatalogo(Catalogo& catalogo, std::string_view contenuto);

// The data lines of a catalogue text, counted as CaricaTestoCatalogo counts them.
int ContaRigheDati(std::string_view contenuto);

// The bytes of a catalogue file: a plain file of at most kMassimoByteCatalogo
// bytes (anything else is refused with the message, before reading).
std::optional<std::string> LeggiTestoCatalogo(const std::string& percorso, std::string& contenuto);

// Reads the catalogue file at a path. A missing file leaves the catalogue as
// it was; so does one that cannot be read (not a plain file, too large,
// unreadable), whose message comes back in errore.
EsitoCaricamento LeggiFileCatalogo(Catalogo& catalogo, const std::string& percorso);

// The start-up load: sets the three path fields from the program's folder and
// reads stdbulls.bc there.
EsitoCaricamento CaricaCatalogo(Catalogo& catalogo, const std::string& cartellaProgramma);

// Sets PercorsoApp, NomeFileCatalogo and PercorsoCatalogo for the program's
// folder, and returns the catalogue's path (the loader and the writer use it).
const std::string& ImpostaPercorsiCatalogo(Catalogo& catalogo, const std::string& cartellaProgramma);

// The message the start screen shows once when lines were left out.
std::string TestoRigheEscluse(int righeEscluse);

// The exchange sort of the catalogue: for every pair i < j of rows, three
// steps that leave the smaller maker, then the smaller diameter, then (at
// equal diameter) the smaller weight in row i. It ends sorted by diameter,
// weight and maker; rows equal in all three end as the procedure leaves them,
// which is found without running it pair by pair. dopoRiga(i) is called as
// each row takes its place, i counting the rows placed (1 to n), for the
// progress bar.
void OrdinaCatalogo(Catalogo& catalogo, const std::function<void(int i)>& dopoRiga = {});

}  // namespace rigata
