// The input is a typed text; its first eight bytes are also taken as a double
// and its first four as a float, so that every value (huge, tiny, subnormal,
// negative zero, infinities, NaNs) reaches the number writers.
//
// Properties: a plain decimal text reads as the C library reads it; a number
// written by any of the program's patterns reads back within half a unit of
// its last place (plus the 15-digit cut of the value), with either separator;
// the general Single text reads back to 7 significant digits.
#include <algorithm>
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

// [+-] digits [. digits] [(e|E) [+-] digits], with at least one mantissa digit:
// what strtod reads whole among the texts of these characters.
bool DecimaleSemplice(const std::string& t) {
    char* fine = nullptr;
    std::strtod(t.c_str(), &fine);
    return !t.empty() && t.find_first_not_of("0123456789+-.eE") == std::string::npos && fine == t.c_str() + t.size();
}

void ControllaLettura(std::string_view testo) {
    const std::string t(testo);
    const double letto = LeggiNumero(testo);
    if (std::isnan(letto)) Errore("LeggiNumero gave NaN", letto, t);
    if (DecimaleSemplice(t) && letto != std::strtod(t.c_str(), nullptr)) Errore("LeggiNumero differs from strtod", letto, t);
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
        std::replace(atteso.begin(), atteso.end(), '.', ',');
        if (conVirgola != atteso) Errore(std::string("separators disagree, ") + schema, valore, conVirgola);

        const char* punto = std::strchr(schema, '.');
        const int decimali = punto ? static_cast<int>(std::strlen(punto + 1)) : 0;
        if (punto && conPunto.find('.') == std::string::npos) Errore(std::string("no point, ") + schema, valore, conPunto);
        if (conPunto.find_first_not_of("0123456789.-") != std::string::npos)
            Errore(std::string("stray character, ") + schema, valore, conPunto);
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
        std::replace(conPunto.begin(), conPunto.end(), ',', '.');
        if (conPunto.find_first_not_of("0123456789.-+E") != std::string::npos) Errore("stray character in Single", valore, testo);
        const double riletto = LeggiNumero(conPunto);
        if (!(std::fabs(riletto - valore) <= std::fabs(static_cast<double>(valore)) * 6e-7))
            Errore("Single reads back too far", valore, testo);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), dimensione);
    ControllaLettura(testo);

    const double valori[] = {LeggiNumero(testo), LeggiNumeroEsteso(testo)};
    for (double v : valori) {
        ControllaSchemi(v);
        ControllaSingolo(static_cast<float>(v));
    }
    if (dimensione >= sizeof(double)) {
        double v;
        std::memcpy(&v, dati, sizeof v);
        ControllaSchemi(v);
    }
    if (dimensione >= sizeof(float)) {
        float f;
        std::memcpy(&f, dati, sizeof f);
        ControllaSingolo(f);
    }
    return 0;
}
