// Number conventions shared by every computation and screen.
//
// Widths: Single = float, Double = double, Integer = int16_t, Long = int32_t.
// Typed numbers are read with a point as the only decimal separator, whatever
// the locale; written numbers follow a small pattern language ("0", "#", ".")
// and take the decimal separator as an argument.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rigata {

// Reads the leading decimal number of a typed text: blanks, tabs and line
// feeds are skipped wherever they stand, then an optional sign, digits with
// at most one point, and an optional exponent introduced by E or D. Reading
// stops at the first character that cannot continue the number; a text that
// does not begin with a number reads as 0. "0,308" is 0, "450 m" is 450,
// "9 65" is 965. A number beyond the double range reads as +/-infinity.
double LeggiNumero(std::string_view testo);

// A number written whole, for the choices saved on a data file's second
// line, the command line's options and the boxes of the trajectory model:
// blanks at either end, an optional sign, digits with at most one point and
// nothing else ("1013.2", "-45", " 50 "). Empty for anything else ("4x",
// "1.2.3", "1013,2", "+", "") and for a value beyond the double range.
std::optional<double> LeggiNumeroScritto(std::string_view testo);

// The text LeggiNumeroScritto reads back to the very same value: the shortest
// digits that do, with a point, never an exponent ("50", "1013.2", "-0.05",
// "0.0000000001"); "0" for zero of either sign. Not finite: "inf", "nan",
// which it refuses.
std::string TestoNumeroScritto(double valore);

// The entry screen's reading: as LeggiNumero, and also a hexadecimal number
// after "&H" or an octal one after "&O" (either letter case).
double LeggiNumeroEsteso(std::string_view testo);

// True when the typed text's leading number is followed by a comma, as a
// decimal comma would stand: "0,30", "965,5", "-1,5", ",30", "9 65,5".
// Such a text would read as its whole part ("965,5" as 965), so the screens
// refuse it and ask for the point. "abc,5", "965" and "965 m/s" are not.
bool VirgolaDecimale(std::string_view testo);

// Integer and Long conversion: nearest whole number, halves to the even
// neighbour. Empty when the value is not finite or falls outside the type.
std::optional<int16_t> InInteger(double valore);
std::optional<int32_t> InLong(double valore);

// Single storage: the value rounded to float. Empty when the value is not
// finite or beyond the float range (it would turn into infinity).
std::optional<float> InSingle(double valore);

// A value as a single-precision field stores it (rounded to float; later
// steps read the rounded value).
inline float S(double v) { return static_cast<float>(v); }

// Writes a number by pattern: "0" a digit always written, "#" a digit written
// only when significant, "." the decimal separator. The value is taken to 15
// significant digits and rounded half away from zero to the places of the
// pattern; decimals are written up to the last "0" place and beyond it only
// when not zero; the point is always written when the pattern has one. A
// minus sign is written when the value is below zero before rounding.
// "###.#" writes 12 as "12." and 0 as "."; "###" writes 0 as "".
// A value that is not finite gives an empty text (callers refuse such inputs
// before computing, so this is a last guard, never a display).
std::string FormattaNumero(double valore, std::string_view schema,
                           std::string_view separatore = ".");

// General number text of a Single: at most 7 significant digits, no trailing
// zeros and no trailing point, "0." before a value below 1, exponent form
// (1.5E+08, 1E-05) for very large or very small magnitudes.
std::string TestoSingolo(float valore, std::string_view separatore = ".");

// Plain text of a whole number ("224", "-20").
std::string TestoIntero(long long valore);

}  // namespace rigata
