// The input is a typed text; its first eight bytes are also taken as a double
// and its first four as a float, so that every value (huge, tiny, subnormal,
// negative zero, infinities, NaNs) reaches the number writers.
//
// Properties: a plain decimal text reads as the C library reads it; a number
// written by any of the program's patterns reads back within half a unit of
// its last place (plus the 15-digit cut of the value), with either separator;
// the general Single text reads back to 7 significant digits; the whole-number
// and Single conversions are empty exactly when the value does not fit.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "numeri.h"

using namespace rigata;

namespace {

[[noreturn]] void Errore(const std::string& cosa, double valore, const std::string& testo) {
    std::fprintf(stderr, "fuzz_numeri: %s\nvalue %.17g, text [%s]\n", cosa.c_str(), valore, testo.c_str());
    std::abort();
}

bool Cifra(char c) { return c >= '0' && c <= '9'; }

// [+-] digits [. digits] [(e|E) [+-] digits], with at least one mantissa digit.
bool DecimaleSemplice(std::string_view t) {
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t cifre = 0;
    while (i < t.size() && Cifra(t[i])) ++i, ++cifre;
    if (i < t.size() && t[i] == '.') ++i;
    while (i < t.size() && Cifra(t[i])) ++i, ++cifre;
    if (cifre == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        size_t esponente = 0;
        while (i < t.size() && Cifra(t[i])) ++i, ++esponente;
        if (esponente == 0) return false;
    }
    return i == t.size();
}

void ControllaLettura(std::string_view testo) {
    const std::string t(testo);
    const double letto = LeggiNumero(testo);
    if (std::isnan(letto)) Errore("LeggiNumero gave NaN", letto, t);
    if (DecimaleSemplice(testo) && t.find('\0') == std::string::npos) {
        const double atteso = std::strtod(t.c_str(), nullptr);
        if (letto != atteso) Errore("LeggiNumero differs from strtod", letto, t);
    }
    const size_t primo = testo.find_first_not_of(" \t\n");
    if (primo == std::string_view::npos || testo[primo] != '&') {
        const double esteso = LeggiNumeroEsteso(testo);
        if (!(esteso == letto || (std::isnan(esteso) && std::isnan(letto))))
            Errore("LeggiNumeroEsteso differs without &", esteso, t);
    } else if (std::isnan(LeggiNumeroEsteso(testo))) {
        Errore("LeggiNumeroEsteso gave NaN", 0, t);
    }
}

const char* const kSchemi[] = {"####0", "###0.0", "####.0", "0.##0", "###",  "###.#", "##",
                               "0.#0",  "#0.#0",  "###.#0", "0.0#0", "0.###", "0.00"};

void ControllaSchemi(double valore) {
    for (const char* schema : kSchemi) {
        const std::string conPunto = FormattaNumero(valore, schema, ".");
        const std::string conVirgola = FormattaNumero(valore, schema, ",");
        if (!std::isfinite(valore)) {
            if (!conPunto.empty() || !conVirgola.empty()) Errore(std::string("not finite, ") + schema, valore, conPunto);
            continue;
        }
        std::string atteso = conPunto;
        for (char& c : atteso)
            if (c == '.') c = ',';
        if (conVirgola != atteso) Errore(std::string("separators disagree, ") + schema, valore, conVirgola);

        const char* punto = std::strchr(schema, '.');
        const int decimali = punto ? static_cast<int>(std::strlen(punto + 1)) : 0;
        if (punto && conPunto.find('.') == std::string::npos) Errore(std::string("no point, ") + schema, valore, conPunto);
        for (char c : conPunto)
            if (!Cifra(c) && c != '.' && c != '-') Errore(std::string("stray character, ") + schema, valore, conPunto);
        const double riletto = LeggiNumero(conPunto);
        // Within half a unit of the 15th digit below DBL_MAX, the 15-digit form
        // (1.79769313486232E+308) is beyond the double range and reads as infinity.
        if (std::isinf(riletto) && std::fabs(valore) >= 1.797693134862315e308) continue;
        const double tolleranza = 0.5 * std::pow(10.0, -decimali) * (1 + 1e-9) + std::fabs(valore) * 1e-14;
        if (!(std::fabs(riletto - valore) <= tolleranza))
            Errore(std::string("reads back too far, ") + schema, valore, conPunto);
    }
}

void ControllaSingolo(float valore) {
    for (const char* sep : {".", ","}) {
        const std::string testo = TestoSingolo(valore, sep);
        if (!std::isfinite(valore)) {
            if (!testo.empty()) Errore("not finite Single", valore, testo);
            continue;
        }
        std::string conPunto = testo;
        for (char& c : conPunto)
            if (c == ',') c = '.';
        for (char c : conPunto)
            if (!Cifra(c) && c != '.' && c != '-' && c != '+' && c != 'E')
                Errore("stray character in Single", valore, testo);
        const double riletto = LeggiNumero(conPunto);
        if (!(std::fabs(riletto - valore) <= std::fabs(static_cast<double>(valore)) * 6e-7))
            Errore("Single reads back too far", valore, testo);
    }
}

void ControllaConversioni(double valore) {
    const double intero = std::isfinite(valore) ? std::nearbyint(valore) : 0;
    const auto i16 = InInteger(valore);
    if (i16.has_value() != (std::isfinite(valore) && intero >= -32768 && intero <= 32767))
        Errore("InInteger range", valore, "");
    if (i16 && *i16 != intero) Errore("InInteger value", valore, std::to_string(*i16));
    const auto i32 = InLong(valore);
    if (i32.has_value() != (std::isfinite(valore) && intero >= -2147483648.0 && intero <= 2147483647.0))
        Errore("InLong range", valore, "");
    if (i32 && *i32 != intero) Errore("InLong value", valore, std::to_string(*i32));
    const auto f = InSingle(valore);
    if (f && !std::isfinite(*f)) Errore("InSingle not finite", valore, "");
    if (std::isfinite(valore) && std::fabs(valore) <= FLT_MAX && !f) Errore("InSingle refused", valore, "");
    if (f && std::fabs(*f - valore) > std::fabs(valore) * 6e-8 + 1.5e-45) Errore("InSingle value", valore, "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), dimensione);
    ControllaLettura(testo);

    const double valori[] = {LeggiNumero(testo), LeggiNumeroEsteso(testo)};
    for (double v : valori) {
        ControllaSchemi(v);
        ControllaConversioni(v);
        ControllaSingolo(static_cast<float>(v));
    }
    if (dimensione >= sizeof(double)) {
        double v;
        std::memcpy(&v, dati, sizeof v);
        ControllaSchemi(v);
        ControllaConversioni(v);
    }
    if (dimensione >= sizeof(float)) {
        float f;
        std::memcpy(&f, dati, sizeof f);
        ControllaSingolo(f);
    }
    return 0;
}
