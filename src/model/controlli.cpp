#include "controlli.h"

#include <utility>

#include "caratteri.h"
#include "modello.h"
#include "numeri.h"

namespace rigata {

namespace {
// The second character of a UTF-8 text (empty when there is none).
std::string_view SecondoCarattere(std::string_view testo) {
    return PrimiCaratteri(DaCarattere(testo, 1), 1);
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
    if (!(velocitaBocca > kVelocitaBoccaMinima && velocitaBocca < kVelocitaBoccaMassima))
        return Rifiuto{"CAMBIA VALORE!!", "valori consentiti fra " + std::to_string(kVelocitaBoccaMinima) + " e " +
                                              std::to_string(kVelocitaBoccaMassima) + " m/sec"};
    return std::nullopt;
}

std::optional<Rifiuto> ControllaAmbiente(double altitudineLetta, float temperatura) {
    const auto altitudine = InInteger(altitudineLetta);
    if (!altitudine)
        return Rifiuto{"CAMBIA VALORE!!",
                       "altitudine consentita fra -32768 e 32767 m; correggere l'altitudine"};
    if (!(TemperaturaInQuota(*altitudine, temperatura) > kZeroAssoluto))
        return Rifiuto{"CAMBIA VALORE!!", "alla quota indicata la temperatura scende sotto lo zero assoluto (" +
                                              std::to_string(static_cast<int>(kZeroAssoluto)) +
                                              " °C); aumentare la temperatura o diminuire l'altitudine"};
    return std::nullopt;
}

std::optional<Rifiuto> ControllaIngresso(const TestiIngresso& testi, ShotData& d) {
    auto testo = [&testi](Campo c) -> const std::string& { return testi[IndiceNelGruppo(c)]; };
    const std::pair<Campo, float*> singoli[] = {{Campo::Diametro, &d.DiametroInch},
                                                {Campo::Peso, &d.PesoGrain},
                                                {Campo::Temperatura, &d.Temperatura},
                                                {Campo::VelocitaBocca, &d.VelocitaBocca}};
    std::optional<Rifiuto> fuoriLimiti;
    for (const auto& [campo, destinazione] : singoli) {
        const double letto = LeggiNumeroEsteso(testo(campo));
        if (const auto valore = InSingle(letto))
            *destinazione = *valore;
        else if (!fuoriLimiti)
            fuoriLimiti = RifiutoFuoriLimiti(NomeCampo(campo), letto);
    }
    const double altitudine = LeggiNumeroEsteso(testo(Campo::Altitudine));
    if (const auto a = InInteger(altitudine)) d.Altitudine = *a;
    if (auto r = ControllaVirgole(GruppoCampo::Ingresso, testi)) return r;
    if (fuoriLimiti) return fuoriLimiti;

    const std::string& coeff = testo(Campo::CoeffBalistico);
    if (auto r = ControllaDatiIngresso(d.DiametroInch, d.PesoGrain, coeff, d.VelocitaBocca)) return r;
    if (auto r = ControllaAmbiente(altitudine, d.Temperatura)) return r;
    d.CoeffBalistico = LeggiNumeroEsteso(coeff);
    if (d.CoeffBalistico == 0) return RifiutoCoeffZero();
    return std::nullopt;
}

bool PallaEAmbienteValidi(const ShotData& d) {
    return !ControllaDatiIngresso(d.DiametroInch, d.PesoGrain, {}, d.VelocitaBocca) &&
           !ControllaAmbiente(d.Altitudine, d.Temperatura);
}

std::optional<Rifiuto> CalcolaCoeffDaVelocita(std::string_view iniziale, std::string_view residua,
                                              std::string_view tratto, ShotData& d) {
    if (auto r = ControllaVirgole(
            {{"velocità iniziale", iniziale}, {"velocità residua", residua}, {"tratto considerato", tratto}}))
        return r;
    d.VelocitaIniziale = InSingle(LeggiNumeroEsteso(iniziale)).value_or(0);
    d.VelocitaResidua = InSingle(LeggiNumeroEsteso(residua)).value_or(0);
    d.TrattoMisurato = InSingle(LeggiNumeroEsteso(tratto)).value_or(0);
    if (!(d.VelocitaIniziale > 0 && d.VelocitaResidua > 0 && d.VelocitaResidua < d.VelocitaIniziale &&
          d.TrattoMisurato > 0))
        return Rifiuto{"CAMBIA VALORE!!", "VALORI NON CONSENTITI"};
    // The computation uses the bullet of the last confirmation: it must have been a valid one.
    if (!PallaEAmbienteValidi(d))
        return Rifiuto{"CONFERMA I DATI!!", "prima di calcolare il coefficiente inserire diametro, peso, "
                                            "temperatura e velocità alla bocca validi e premere \"Avanti  >\""};
    CalcolaAtmosfera(d);
    CalcolaResistenzaMisurata(d);
    CalcolaCoeffBalistico(d);
    if (d.CoeffBalistico > 0.65)
        return Rifiuto{"CB troppo grande!!", "Coeff. Bal. superiore a 0.65, diminuire Velocita residua"};
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

std::optional<Rifiuto> ControllaVirgole(std::initializer_list<NumeroDigitato> numeri) {
    for (const NumeroDigitato& n : numeri)
        if (VirgolaDecimale(n.testo)) return RifiutoVirgola(n.nome, n.testo);
    return std::nullopt;
}

Rifiuto RifiutoCoeffZero() {
    return Rifiuto{"INSERISCI COEFFICIENTE!!",
                   "coefficiente balistico mancante o uguale a zero; inserire il coefficiente "
                   "balistico (il calcolo da due velocità misurate si fa nella finestra del programma)"};
}

}  // namespace rigata
