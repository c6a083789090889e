#include "polvere.h"

#include "costanti.h"
#include "modello.h"
#include "numeri.h"

namespace rigata {

namespace {

bool VelocitaAmmessa(double v) { return v > kVelocitaBoccaMinima && v < kVelocitaBoccaMassima; }

std::string Limiti() {
    return "fra " + TestoIntero(kVelocitaBoccaMinima) + " e " + TestoIntero(kVelocitaBoccaMassima) + " m/s";
}

}  // namespace

double TemperaturaCartuccia(float temperaturaAria, const Scelte& s) {
    return s.tempCartuccia.value_or(temperaturaAria);
}

float VelocitaPolvere(float v0, float temperaturaAria, const Scelte& s) {
    if (s.sensibilita == 0) return v0;
    return S(v0 + s.sensibilita * (TemperaturaCartuccia(temperaturaAria, s) - s.tempRiferimento));
}

std::optional<Rifiuto> ApplicaPolvere(ShotData& d, const Scelte& s) {
    if (s.sensibilita == 0) return std::nullopt;
    const float v = VelocitaPolvere(d.VelocitaBocca, d.Temperatura, s);
    if (!VelocitaAmmessa(v))
        return Rifiuto{"CAMBIA VALORE!!",
                       "con la " + std::string(Definizione(Scelta::Sensibilita).nome) + " di " +
                           TestoNumeroScritto(s.sensibilita) + " m/s per °C e la cartuccia a " +
                           TestoSingolo(S(TemperaturaCartuccia(d.Temperatura, s))) + " °C invece di " +
                           TestoNumeroScritto(s.tempRiferimento) + " °C la velocità alla bocca diventa " +
                           TestoSingolo(v) + " m/s, fuori dai valori consentiti " + Limiti() + "; correggere la " +
                           Definizione(Scelta::Sensibilita).nome + ", la " +
                           Definizione(Scelta::TempRiferimento).nome + " o la " +
                           Definizione(Scelta::TempCartuccia).nome};
    d.VelocitaBocca = v;
    CalcolaResistenza(d);
    return std::nullopt;
}

std::string TestoPolvere(float velocitaUsata, float temperaturaAria, const Scelte& s, std::string_view sep) {
    if (s.sensibilita == 0) return {};
    return "Velocità alla bocca a " + TestoSingolo(S(TemperaturaCartuccia(temperaturaAria, s)), sep) +
           " °C: " + TestoSingolo(velocitaUsata, sep) + " m/s";
}

double CalcolaSensibilita(double t1, double v1, double t2, double v2) { return (v2 - v1) / (t2 - t1); }

RisultatoSensibilita CalcolaSensibilitaDaTesti(std::string_view t1, std::string_view v1, std::string_view t2,
                                               std::string_view v2) {
    RisultatoSensibilita r;
    const DefinizioneScelta &cartuccia = Definizione(Scelta::TempCartuccia), &sens = Definizione(Scelta::Sensibilita);
    r.rifiuto = ControllaVirgole({{"prima temperatura", t1},
                                  {"prima velocità", v1},
                                  {"seconda temperatura", t2},
                                  {"seconda velocità", v2}});
    if (r.rifiuto) return r;
    const double letture[] = {LeggiNumero(t1), LeggiNumero(v1), LeggiNumero(t2), LeggiNumero(v2)};
    for (int i = 0; i < 4; i += 2) {
        if (!(letture[i] >= cartuccia.minimo && letture[i] <= cartuccia.massimo)) {
            r.rifiuto = Rifiuto{"CAMBIA VALORE!!", "temperature della cartuccia consentite fra " +
                                                       TestoNumeroScritto(cartuccia.minimo) + " e " +
                                                       TestoNumeroScritto(cartuccia.massimo) + " °C"};
            return r;
        }
        if (!VelocitaAmmessa(letture[i + 1])) {
            r.rifiuto = Rifiuto{"CAMBIA VALORE!!", "velocità consentite " + Limiti()};
            return r;
        }
    }
    if (letture[0] == letture[2]) {
        r.rifiuto = Rifiuto{"CAMBIA TEMPERATURA!!",
                            "le due letture sono alla stessa temperatura; la sensibilità si ricava da due "
                            "temperature diverse della cartuccia"};
        return r;
    }
    std::string testo = FormattaNumero(CalcolaSensibilita(letture[0], letture[1], letture[2], letture[3]), "0.0#");
    const double valore = LeggiNumero(testo);
    if (valore == 0) testo = "0.0";  // never "-0.0
    if (!(valore >= sens.minimo && valore <= sens.massimo)) {
        r.rifiuto = Rifiuto{"CAMBIA VALORE!!", "la " + std::string(sens.nome) + " risulta di " + testo +
                                                   " m/s per °C, fuori dai valori consentiti fra " +
                                                   TestoNumeroScritto(sens.minimo) + " e " +
                                                   TestoNumeroScritto(sens.massimo) + "; controllare le letture"};
        return r;
    }
    r.sensibilita = testo;
    return r;
}

}  // namespace rigata
