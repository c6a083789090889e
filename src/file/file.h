// The only place where the program touches the disk: whole-file reading,
// safe replacement of a file, and the Windows-1252 text of its files.
// Every failure comes back as an Italian message that names the file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rigata {

// Reads a whole file as bytes. On failure returns the message.
std::optional<std::string> LeggiFile(const std::string& percorso, std::string& contenuto);

// Replaces a file (or creates it) with the given bytes: a temporary file in the
// same folder is written, flushed and then renamed over the old one, so a
// failed write leaves the old file whole. On failure returns the message.
std::optional<std::string> ScriviFileSicuro(const std::string& percorso, std::string_view contenuto);

bool FileEsiste(const std::string& percorso);

// Windows-1252 to UTF-8; the five bytes without a character (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the control characters of the same code.
std::string Da1252(std::string_view testo);

// UTF-8 to Windows-1252; empty when a character has no 8-bit form (or the
// text is not valid UTF-8).
std::optional<std::string> A1252(std::string_view utf8);

// The first character of a UTF-8 text that Windows-1252 cannot hold, for
// messages ("€" can, "Ω" cannot); empty when every character can.
std::string PrimoCarattereNon1252(std::string_view utf8);

}  // namespace rigata
