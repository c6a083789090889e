// The data line: the twelve texts of the entry and trajectory screens joined
// by commas (diameter, weight, altitude, temperature, muzzle velocity,
// coefficient, zero distance, first and last distance, step, cross-wind,
// sight height), and the data files that hold it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace rigata {

constexpr int kCampiRigaDati = 12;
using CampiDati = std::array<std::string, kCampiRigaDati>;

// The twelve texts as typed, joined with "," and nothing else.
std::string RigaDati(const CampiDati& campi);

// Splits a first line into twelve fields: each field ends at the next comma;
// with no comma left, a field is the next five characters at most, and the
// following one starts a character after them. Positions count characters;
// on a file's line (Windows-1252) a character is a byte.
CampiDati DividiRigaDati(std::string_view riga);

// The longest first line a data file may have.
constexpr size_t kLunghezzaMassimaRigaDati = 32767;

// The twelve fields of a data file's whole content (Windows-1252): its first
// line (CR LF or LF), split, each field converted to UTF-8. When the content
// is not a data file (empty, not text, a first line too long) returns why,
// as the end of a sentence ("il file è vuoto"), and leaves campi alone.
std::optional<std::string> CampiDaContenuto(std::string_view contenuto, CampiDati& campi);

// Reads a data file as CampiDaContenuto does. On failure (missing, a folder,
// unreadable, or refused by CampiDaContenuto) returns the message naming the file.
std::optional<std::string> LeggiFileDati(const std::string& percorso, CampiDati& campi);

// Writes the data line and CR LF, replacing the file safely. Refuses a line
// with characters that Windows-1252 cannot hold. On failure returns the message.
std::optional<std::string> ScriviFileDati(const std::string& percorso, std::string_view rigaUtf8);

}  // namespace rigata
