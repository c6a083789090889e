#include "controlli.h"

#include "numeri.h"

namespace rigata {

namespace {
// The second character of a UTF-8 text, as its bytes (empty when there is none).
std::string_view SecondoCarattere(std::string_view testo) {
    auto lunghezza = [](unsigned char c) -> size_t {
        if (c < 0x80) return 1;
        if ((c & 0xE0) == 0xC0) return 2;
        if ((c & 0xF0) == 0xE0) return 3;
        if ((c & 0xF8) == 0xF0) return 4;
        return 1;
    };
    if (testo.empty()) return {};
    const size_t primo = lunghezza(static_cast<unsigned char>(testo[0]));
    if (primo >= testo.size()) return {};
    const size_t secondo = lunghezza(static_cast<unsigned char>(testo[primo]));
    return testo.substr(primo, secondo);
}
}  // namespace

std::optional<Rifiuto> ControllaDatiIngresso(float diametroInch, float pesoGrain,
                                             std::string_view testoCoeff, float velocitaBocca) {
    if (!(diametroInch > 0) || !(pesoGrain > 0))
        return Rifiuto{"CAMBIA VALORE!!",
                       "valori consentiti maggiori di zero; usare il punto come separatore decimale"};
    if (LeggiNumeroEsteso(testoCoeff) > 1.1)
        return Rifiuto{"VALORE TROPPO GRANDE", "Inserisci valore minore di 1.1"};
    const std::string_view secondo = SecondoCarattere(testoCoeff);
    if (!secondo.empty() && secondo != ".")
        return Rifiuto{"VALORE NON CORRETTO", "Usa il punto come separatore decimale dopo lo 0"};
    if (!(velocitaBocca > 92 && velocitaBocca < 1370))
        return Rifiuto{"CAMBIA VALORE!!", "valori consentiti fra 92 e 1370 m/sec"};
    return std::nullopt;
}

float TemperaturaInQuota(int altitudine, float temperatura) {
    return static_cast<float>(temperatura - (altitudine * 0.0065 + 0.0257));
}

std::optional<Rifiuto> ControllaAmbiente(double altitudineLetta, float temperatura) {
    const auto altitudine = InInteger(altitudineLetta);
    if (!altitudine)
        return Rifiuto{"CAMBIA VALORE!!",
                       "altitudine consentita fra -32768 e 32767 m; correggere l'altitudine"};
    if (!(TemperaturaInQuota(*altitudine, temperatura) > -273))
        return Rifiuto{"CAMBIA VALORE!!",
                       "alla quota indicata la temperatura scende sotto lo zero assoluto (-273 °C); "
                       "aumentare la temperatura o diminuire l'altitudine"};
    return std::nullopt;
}

Rifiuto RifiutoFuoriLimiti(std::string_view nomeCampo, double valore) {
    const bool negativo = valore < 0;
    return Rifiuto{"CAMBIA VALORE!!", std::string(negativo ? "valore troppo piccolo" : "valore troppo grande") +
                                          " per il campo " + std::string(nomeCampo) + "; inserire un numero " +
                                          (negativo ? "più grande" : "più piccolo")};
}

Rifiuto RifiutoVirgola(std::string_view nomeCampo, std::string_view testo) {
    const size_t inizio = testo.find_first_not_of(" \t\n");
    const std::string digitato(inizio == std::string_view::npos ? std::string_view() : testo.substr(inizio));
    std::string corretto = digitato;
    if (const size_t virgola = corretto.find(','); virgola != std::string::npos) corretto[virgola] = '.';
    while (!corretto.empty() && (corretto.back() == ' ' || corretto.back() == '\t' || corretto.back() == '\n'))
        corretto.pop_back();
    return Rifiuto{"USA IL PUNTO!!", "virgola nel campo " + std::string(nomeCampo) +
                                         ": il separatore decimale è il punto; scrivere " + corretto + " e non " +
                                         digitato.substr(0, corretto.size())};
}

Rifiuto RifiutoCoeffZero() {
    return Rifiuto{"INSERISCI COEFFICIENTE!!",
                   "coefficiente balistico mancante o uguale a zero; inserire il coefficiente "
                   "balistico (il calcolo da due velocità misurate si fa nella finestra del programma)"};
}

}  // namespace rigata
