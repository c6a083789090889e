// The data line: the twelve texts of the entry and trajectory screens joined
// by commas in the order of campi.h, and the data files that hold it: the
// data line, then an optional second line of the model's and the card's
// choices (rigaopzioni.h).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "campi.h"
#include "scelte.h"

namespace rigata {

using CampiDati = std::array<std::string, kNumeroCampi>;

// The entry texts and the request texts of a data line.
TestiIngresso TestiIngressoDi(const CampiDati& campi);
TestiRichiesta TestiRichiestaDi(const CampiDati& campi);

// The twelve texts as typed, joined with "," and nothing else.
std::string RigaDati(const CampiDati& campi);

// Splits a first line into twelve fields: each field ends at the next comma;
// with no comma left, a field is the next five characters at most, and the
// following one starts a character after them. The twelfth field after
// eleven commas runs to the next comma or the end of the line, so a value of
// any length comes back whole. Positions count characters; on a file's line
// (Windows-1252) a character is a byte.
CampiDati DividiRigaDati(std::string_view riga);

// The longest first line a data file may have.
constexpr size_t kLunghezzaMassimaRigaDati = 32767;

// The twelve fields of a data file's content (Windows-1252; at least its
// first line and line end, anything after it is ignored): a UTF-8 byte-order
// mark skipped, the first line (CR LF or LF) split, each field converted to
// UTF-8. When the first line is not a data line (empty file, a null byte, more
// than 32767 characters) returns why, as the end of a sentence ("il file è
// vuoto"), and leaves campi alone.
std::optional<std::string> CampiDaContenuto(std::string_view contenuto, CampiDati& campi);

// Reads a data file as CampiDaContenuto does, only as far as the longest
// first line allows. On failure (missing, not a plain file, unreadable, or
// refused by CampiDaContenuto) returns the message naming the file.
std::optional<std::string> LeggiFileDati(const std::string& percorso, CampiDati& campi);

// The longest second line: a longer one is ignored, with a warning.
constexpr size_t kLunghezzaMassimaRigaOpzioni = 4096;

// As CampiDaContenuto, and the second line (Windows-1252, converted to UTF-8)
// read into opzioni by LeggiRigaOpzioni, which starts from the defaults. The
// second line never refuses the file: a pair it cannot take, a line longer
// than kLunghezzaMassimaRigaOpzioni or one holding a control character adds
// a sentence to avvisi (the line is then ignored). On refusal campi, opzioni
// and avvisi are left alone.
std::optional<std::string> CampiDaContenuto(std::string_view contenuto, CampiDati& campi, Scelte& opzioni,
                                            std::vector<std::string>& avvisi);

// Reads a data file as that CampiDaContenuto does, only as far as the two
// longest lines allow; the message of a failure names the file.
std::optional<std::string> LeggiFileDati(const std::string& percorso, CampiDati& campi, Scelte& opzioni,
                                         std::vector<std::string>& avvisi);

// Why the twelve texts (UTF-8) would not come back from a data file as they
// are: a field holding a comma, a line break, a control character or a
// character that Windows-1252 cannot hold, a first field starting with the
// bytes of a byte-order mark, or a line longer than 32767 characters. The
// message names the field and what to type instead; nothing when they can.
std::optional<std::string> ControllaCampiDati(const CampiDati& campi);

// Writes the data line of the twelve texts and CR LF, replacing the file
// safely, once ControllaCampiDati passes them: a refusal writes nothing. On
// failure returns the message, which names the file.
std::optional<std::string> ScriviFileDati(const std::string& percorso, const CampiDati& campi);

// The same, with RigaOpzioni(opzioni) and CR LF as the second line when it is
// not empty (so the usual choices give the one-line file byte for byte). A
// second line that would not come back (longer than
// kLunghezzaMassimaRigaOpzioni, a line break, a control character or a
// character Windows-1252 cannot hold in a kept pair) is refused too.
std::optional<std::string> ScriviFileDati(const std::string& percorso, const CampiDati& campi,
                                          const Scelte& opzioni);

}  // namespace rigata
