// Characters of UTF-8 texts: counted and cut by code point, so that an
// accented letter counts as one character wherever texts are measured.
#pragma once

#include <cstddef>
#include <string_view>

namespace rigata {

// The text without the blanks before and after it (only blanks: tabs and
// other white space stay).
inline std::string_view SenzaSpazi(std::string_view testo) {
    const auto primo = testo.find_first_not_of(' ');
    if (primo == std::string_view::npos) return {};
    return testo.substr(primo, testo.find_last_not_of(' ') - primo + 1);
}

// The text without the white space before and after it: blanks, tabs and
// line ends (a value typed in a box or read from a key=value pair).
inline std::string_view SenzaBianchi(std::string_view testo) {
    const auto primo = testo.find_first_not_of(" \t\r\n");
    if (primo == std::string_view::npos) return {};
    return testo.substr(primo, testo.find_last_not_of(" \t\r\n") - primo + 1);
}

// A byte that continues a character begun by an earlier one.
inline bool ByteDiContinuazione(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

inline size_t Caratteri(std::string_view testo) {
    size_t n = 0;
    for (char c : testo) n += ByteDiContinuazione(c) ? 0 : 1;
    return n;
}

// The first n characters of a text (all of it when shorter).
inline std::string_view PrimiCaratteri(std::string_view testo, size_t n) {
    size_t fine = 0;
    for (size_t contati = 0; fine < testo.size(); ++fine)
        if (!ByteDiContinuazione(testo[fine]) && contati++ == n) break;
    return testo.substr(0, fine);
}

// The text from its character at position inizio (0-based) on.
inline std::string_view DaCarattere(std::string_view testo, size_t inizio) {
    return testo.substr(PrimiCaratteri(testo, inizio).size());
}

// The last n characters of a text (all of it when shorter).
inline std::string_view UltimiCaratteri(std::string_view testo, size_t n) {
    size_t inizio = testo.size();
    for (size_t contati = 0; inizio > 0 && contati < n;) {
        --inizio;
        if (!ByteDiContinuazione(testo[inizio])) ++contati;
    }
    return testo.substr(inizio);
}

}  // namespace rigata
