#include "numeri.h"

#include "caratteri.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace rigata {

namespace {

bool DaSaltare(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool Cifra(int c) { return c >= '0' && c <= '9'; }

// Walks a text skipping the characters that typed numbers may hold anywhere.
struct Lettore {
    std::string_view testo;
    size_t pos = 0;

    int Guarda() {
        while (pos < testo.size() && DaSaltare(testo[pos])) ++pos;
        return pos < testo.size() ? static_cast<unsigned char>(testo[pos]) : -1;
    }
    void Avanza() { ++pos; }
};

// Builds the double of sign, mantissa digits (no point) and decimal exponent.
double ComponiNumero(bool negativo, std::string cifre, long long esponente) {
    const auto primaSignificativa = cifre.find_first_not_of('0');
    if (primaSignificativa == std::string::npos) return 0.0;
    cifre.erase(0, primaSignificativa);
    // Trailing zeros of the mantissa only move the exponent.
    const auto ultima = cifre.find_last_not_of('0');
    esponente += static_cast<long long>(cifre.size() - ultima - 1);
    cifre.erase(ultima + 1);

    const long long grandezza = static_cast<long long>(cifre.size()) + esponente;
    double valore = 0.0;
    if (grandezza > 400) {
        valore = std::numeric_limits<double>::infinity();
    } else if (grandezza < -400) {
        valore = 0.0;
    } else {
        std::string testo = cifre + "e" + std::to_string(esponente);
        const auto esito = std::from_chars(testo.data(), testo.data() + testo.size(), valore,
                                           std::chars_format::scientific);
        if (esito.ec == std::errc::result_out_of_range)
            valore = grandezza > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        else if (esito.ec != std::errc())
            valore = 0.0;
    }
    return negativo ? -valore : valore;
}

constexpr long long kEsponenteMassimo = 100000000;  // far beyond any double

double LeggiDecimale(Lettore& r) {
    bool negativo = false;
    int c = r.Guarda();
    if (c == '+' || c == '-') {
        negativo = c == '-';
        r.Avanza();
    }
    std::string cifre;
    long long cifreDecimali = 0;
    bool punto = false;
    while ((c = r.Guarda()) >= 0) {
        if (Cifra(c)) {
            cifre.push_back(static_cast<char>(c));
            if (punto) ++cifreDecimali;
            r.Avanza();
        } else if (c == '.' && !punto) {
            punto = true;
            r.Avanza();
        } else {
            break;
        }
    }
    if (cifre.empty()) return 0.0;

    long long esponente = 0;
    c = r.Guarda();
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        const size_t prima = r.pos;
        r.Avanza();
        bool espNegativo = false;
        int s = r.Guarda();
        if (s == '+' || s == '-') {
            espNegativo = s == '-';
            r.Avanza();
            s = r.Guarda();
        }
        if (Cifra(s)) {
            while (Cifra(s = r.Guarda())) {
                esponente = std::min(esponente * 10 + (s - '0'), kEsponenteMassimo);
                r.Avanza();
            }
            if (espNegativo) esponente = -esponente;
        } else {
            r.pos = prima;  // a letter without digits does not belong to the number
        }
    }
    return ComponiNumero(negativo, std::move(cifre), esponente - cifreDecimali);
}

double LeggiInBase(Lettore& r, int base) {
    double valore = 0.0;
    int c;
    while ((c = r.Guarda()) >= 0) {
        int cifra;
        if (Cifra(c))
            cifra = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            cifra = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            cifra = c - 'A' + 10;
        else
            break;
        if (cifra >= base) break;
        valore = valore * base + cifra;
        r.Avanza();
    }
    return valore;
}

// Fifteen significant digits of a non-negative finite value and the decimal
// exponent of the first: value ~ d.dddd x 10^esponente.
void Cifre15(double valore, std::string& cifre, int& esponente) {
    char buf[64];
    const auto esito = std::to_chars(buf, buf + sizeof buf, valore, std::chars_format::scientific, 14);
    const std::string_view testo(buf, static_cast<size_t>(esito.ptr - buf));
    const auto e = testo.find('e');
    cifre.clear();
    for (char ch : testo.substr(0, e))
        if (Cifra(ch)) cifre.push_back(ch);
    esponente = 0;
    std::from_chars(testo.data() + e + 1 + (testo[e + 1] == '+' ? 1 : 0), testo.data() + testo.size(),
                    esponente);
}

}  // namespace

double LeggiNumero(std::string_view testo) {
    Lettore r{testo};
    return LeggiDecimale(r);
}

bool VirgolaDecimale(std::string_view testo) {
    Lettore r{testo};
    if (r.Guarda() == '+' || r.Guarda() == '-') r.Avanza();
    // The digits and the point of a number, blanks skipped as the reading skips them.
    bool cifre = false;
    for (int c = r.Guarda(); Cifra(c) || c == '.'; c = r.Guarda()) {
        cifre = cifre || Cifra(c);
        r.Avanza();
    }
    if (r.Guarda() != ',') return false;
    if (cifre) return true;
    // ",30": a comma where the point of ".30" would stand.
    r.Avanza();
    return Cifra(r.Guarda());
}

std::optional<double> LeggiNumeroScritto(std::string_view t) {
    t = SenzaBianchi(t);
    bool cifre = false;
    int punti = 0;
    for (size_t i = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0; i < t.size(); ++i) {
        if (Cifra(static_cast<unsigned char>(t[i])))
            cifre = true;
        else if (t[i] != '.' || ++punti > 1)
            return std::nullopt;
    }
    const double v = LeggiNumero(t);
    if (!cifre || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string TestoNumeroScritto(double valore) {
    if (valore == 0) valore = 0;  // never "-0"
    // The shortest digits that read back to the same double, never in
    // exponent form ("0.0000000001", not "1e-10").
    char testo[400];
    const auto fine = std::to_chars(testo, testo + sizeof testo, valore, std::chars_format::fixed).ptr;
    return std::string(testo, fine);
}

double LeggiNumeroEsteso(std::string_view testo) {
    Lettore r{testo};
    if (r.Guarda() == '&') {
        const size_t prima = r.pos;
        r.Avanza();
        const int lettera = r.Guarda();
        if (lettera == 'H' || lettera == 'h') {
            r.Avanza();
            return LeggiInBase(r, 16);
        }
        if (lettera == 'O' || lettera == 'o') {
            r.Avanza();
            return LeggiInBase(r, 8);
        }
        r.pos = prima;
    }
    return LeggiDecimale(r);
}

std::optional<int16_t> InInteger(double valore) {
    if (!std::isfinite(valore)) return std::nullopt;
    const double intero = std::nearbyint(valore);
    if (intero < -32768.0 || intero > 32767.0) return std::nullopt;
    return static_cast<int16_t>(intero);
}

std::optional<int32_t> InLong(double valore) {
    if (!std::isfinite(valore)) return std::nullopt;
    const double intero = std::nearbyint(valore);
    if (intero < -2147483648.0 || intero > 2147483647.0) return std::nullopt;
    return static_cast<int32_t>(intero);
}

std::optional<float> InSingle(double valore) {
    if (!std::isfinite(valore)) return std::nullopt;
    const float f = static_cast<float>(valore);
    if (!std::isfinite(f)) return std::nullopt;
    return f;
}

std::string FormattaNumero(double valore, std::string_view schema, std::string_view separatore) {
    if (!std::isfinite(valore)) return {};

    const auto posPunto = schema.find('.');
    const bool conPunto = posPunto != std::string_view::npos;
    const std::string_view parteIntera = schema.substr(0, posPunto);
    const std::string_view parteDecimale = conPunto ? schema.substr(posPunto + 1) : std::string_view{};
    const auto minimoInteri = static_cast<size_t>(std::count(parteIntera.begin(), parteIntera.end(), '0'));
    size_t decimali = 0, minimoDecimali = 0;
    for (char c : parteDecimale) {
        if (c == '0' || c == '#') ++decimali;
        if (c == '0') minimoDecimali = decimali;
    }

    const bool negativo = valore < 0;

    // N = round(|valore| x 10^decimali), as a digit string, half away from zero
    // on the 15-digit decimal form of the value.
    std::string n;
    if (valore != 0) {
        std::string cifre;
        int esponente;
        Cifre15(std::fabs(valore), cifre, esponente);
        const long long tenute = static_cast<long long>(esponente) + 1 + static_cast<long long>(decimali);
        if (tenute >= static_cast<long long>(cifre.size())) {
            n = cifre + std::string(static_cast<size_t>(tenute) - cifre.size(), '0');
        } else if (tenute >= 0) {
            n = cifre.substr(0, static_cast<size_t>(tenute));
            if (cifre[static_cast<size_t>(tenute)] >= '5') {
                int i = static_cast<int>(n.size()) - 1;
                while (i >= 0 && n[static_cast<size_t>(i)] == '9') n[static_cast<size_t>(i--)] = '0';
                if (i >= 0)
                    ++n[static_cast<size_t>(i)];
                else
                    n.insert(n.begin(), '1');
            }
        }
    }
    if (n.size() < decimali + 1) n.insert(0, decimali + 1 - n.size(), '0');

    std::string interi = n.substr(0, n.size() - decimali);
    std::string frazione = n.substr(n.size() - decimali);
    interi.erase(0, std::min(interi.find_first_not_of('0'), interi.size()));
    if (interi.size() < minimoInteri) interi.insert(0, minimoInteri - interi.size(), '0');
    while (frazione.size() > minimoDecimali && frazione.back() == '0') frazione.pop_back();

    std::string testo;
    if (negativo) testo.push_back('-');
    testo += interi;
    if (conPunto) {
        testo += separatore;
        testo += frazione;
    }
    return testo;
}

std::string TestoSingolo(float valore, std::string_view separatore) {
    if (!std::isfinite(valore)) return {};
    if (valore == 0) return "0";
    char buf[64];
    const auto esito = std::to_chars(buf, buf + sizeof buf, static_cast<double>(std::fabs(valore)),
                                     std::chars_format::scientific, 6);
    const std::string_view testo(buf, static_cast<size_t>(esito.ptr - buf));
    const auto e = testo.find('e');
    std::string cifre;
    for (char ch : testo.substr(0, e))
        if (Cifra(ch)) cifre.push_back(ch);
    int esponente = 0;
    std::from_chars(testo.data() + e + 1 + (testo[e + 1] == '+' ? 1 : 0), testo.data() + testo.size(),
                    esponente);
    while (cifre.size() > 1 && cifre.back() == '0') cifre.pop_back();

    std::string risultato = valore < 0 ? "-" : "";
    if (esponente >= 7 || esponente <= -5) {
        risultato += cifre.substr(0, 1);
        if (cifre.size() > 1) {
            risultato += separatore;
            risultato += cifre.substr(1);
        }
        risultato += esponente < 0 ? "E-" : "E+";
        const std::string esp = std::to_string(std::abs(esponente));
        risultato += (esp.size() < 2 ? "0" : "") + esp;
    } else if (esponente < 0) {
        risultato += "0";
        risultato += separatore;
        risultato += std::string(static_cast<size_t>(-esponente - 1), '0') + cifre;
    } else {
        const size_t interi = static_cast<size_t>(esponente) + 1;
        if (cifre.size() <= interi) {
            risultato += cifre + std::string(interi - cifre.size(), '0');
        } else {
            risultato += cifre.substr(0, interi);
            risultato += separatore;
            risultato += cifre.substr(interi);
        }
    }
    return risultato;
}

std::string TestoIntero(long long valore) { return std::to_string(valore); }

}  // namespace rigata
