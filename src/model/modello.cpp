#include "modello.h"

#include <cmath>

#include "costanti.h"
#include "numeri.h"

namespace rigata {

namespace {

// The speed of sound at the air temperature of the place, the Mach number of
// the muzzle velocity and the air density relative to the standard one.
void CalcolaSuonoEDensita(ShotData& d) {
    d.VelocitaSuono = d.TemperaturaQuota * 0.6 + 331.6;
    d.NumeroMach = d.VelocitaBocca / d.VelocitaSuono;
    d.DensitaRelativa = d.DensitaAria / 1.203007;
}

}  // namespace

void CalcolaAtmosfera(ShotData& d) {
    d.DiametroMm = S(d.DiametroInch * kMmPerPollice);
    d.PesoGrammi = S(d.PesoGrain * kGrammiPerGrain);
    // Barometric formula with base 2.718 and a scale height of 7.99 km.
    const double a = static_cast<double>(-static_cast<int32_t>(d.Altitudine)) / 1000 / 7.99;
    d.Pressione = S(1013.25 * std::pow(2.718, a));
    d.TemperaturaQuota = TemperaturaInQuota(d.Altitudine, d.Temperatura);
    // mbar to mmHg by 1.3322, density 0.465 x mmHg / K. The absolute
    // temperature is an intermediate, not a stored field: it keeps full
    // precision (rounding it to single would move the density at 450 m by one
    // unit in the last place, and every table row with it).
    d.DensitaAria = S(d.Pressione * 0.465 / 1.3322 / (d.TemperaturaQuota - kZeroAssoluto));
}

double FunzioneSiacciDi(double v) {
    return ((0.2002 * v - 48.05) + std::sqrt(std::pow(0.1648 * v - 47.95, 2) + 9.600001) +
            (v - 300) * (0.0442 * v) / (std::pow(v / 200, 10) + 371)) /
           100;
}

void CalcolaResistenza(ShotData& d) {
    const double v = d.VelocitaBocca;
    CalcolaSuonoEDensita(d);
    // 1.42233433 turns lb/in2 into g/mm2.
    d.FattoreForma = d.PesoGrammi / (std::pow(static_cast<double>(d.DiametroMm), 2) *
                                     (d.CoeffBalistico / 1.42233433 / d.DensitaRelativa));
    d.FunzioneSiacci = FunzioneSiacciDi(v);
    d.CoeffResistenza = (2 * d.FunzioneSiacci * d.FattoreForma) /
                        (std::pow(d.NumeroMach, 2) * static_cast<double>(d.DensitaAria));
}

double CostanteResistenzaDi(const ShotData& d) {
    // 2546.479 = 8000 / pi: mm2 and g into rho * (pi d^2 / 4) * Cd / (2 m), in 1/m.
    return std::pow(static_cast<double>(d.DiametroMm), 2) * d.CoeffResistenza * d.DensitaAria /
           (d.PesoGrammi * 2546.479);
}

void CalcolaCostanteK(ShotData& d) { d.CostanteResistenza = CostanteResistenzaDi(d); }

CadutaCalcolata CadutaA(double v0, double k, double x) {
    CadutaCalcolata c;
    c.coeff = S(CoeffCadutaDi(v0, k));
    const double dueK = k + k;
    c.termine = S(std::exp(dueK * x) - dueK * x - 1);
    c.caduta = S(static_cast<double>(c.termine) * c.coeff);
    return c;
}

void CalcolaCadutaZero(ShotData& d) {
    const CadutaCalcolata c = CadutaA(d.VelocitaBocca, d.CostanteResistenza, d.DistanzaAzzeramento);
    d.CoeffCaduta = c.coeff;
    d.TermineEsp = c.termine;
    d.CadutaAzzeramento = c.caduta;
}

namespace {

// The distance covered in a time (s) under the model's drag, m.
double DistanzaInTempo(const ShotData& d, double tempo) {
    const double k = d.CostanteResistenza;
    return (1 / k) * std::log(d.VelocitaBocca * k * tempo + 1);
}

}  // namespace

double DistanzaOttimaleEsatta(const ShotData& d) { return DistanzaInTempo(d, d.TempoVoloOttimale); }

ZeroDellaRegola RegolaZeroOttimale(const ShotData& d, double bandaCm) {
    ZeroDellaRegola z;
    const float altezzaCm = S(d.AltezzaMira * 100.0);
    z.ordinata = S(altezzaCm * 0.44 + bandaCm);
    // sqrt(8 / 981): rise and fall time for a height in cm.
    z.tempo = S(std::sqrt(static_cast<double>(z.ordinata)) * 0.090305);
    z.distanza = DistanzaInTempo(d, z.tempo);
    return z;
}

void CalcolaDistanzaOttimale(ShotData& d) {
    d.AltezzaMira = S(d.AltezzaMira / 1000.0);
    // The optimal zero keeps the highest point within 6 cm.
    const ZeroDellaRegola z = RegolaZeroOttimale(d, 6);
    d.OrdinataMaxOttimale = z.ordinata;
    d.TempoVoloOttimale = z.tempo;
    d.DistanzaOttimale = InLong(z.distanza).value_or(0);
}

void CalcolaAzzeramento(ShotData& d) {
    CalcolaCostanteK(d);
    CalcolaCadutaZero(d);
    CalcolaDistanzaOttimale(d);
}

void CalcolaResistenzaMisurata(ShotData& d) {
    // 0.000392699 = pi / 8000.
    d.CoeffResistenza =
        (std::log(static_cast<double>(d.VelocitaIniziale)) - std::log(static_cast<double>(d.VelocitaResidua))) /
        (d.DensitaAria * 0.000392699 * std::pow(static_cast<double>(d.DiametroMm), 2) * d.TrattoMisurato /
         d.PesoGrammi);
}

void CalcolaCoeffBalistico(ShotData& d) {
    const double v = d.VelocitaBocca;
    CalcolaSuonoEDensita(d);
    d.FunzioneSiacci = FunzioneSiacciDi(v);
    d.FattoreForma = (std::pow(d.NumeroMach, 2) * d.CoeffResistenza * d.DensitaAria) /
                     (d.FunzioneSiacci + d.FunzioneSiacci);
    d.CoeffBalistico = (d.PesoGrammi * 1.42233433 * d.DensitaRelativa) /
                       (std::pow(static_cast<double>(d.DiametroMm), 2) * d.FattoreForma);
}

std::string TestoCoeffBalistico(double coeff) {
    const std::string arrotondato = FormattaNumero(coeff, "0.###", ".");
    const std::string decimali = arrotondato.substr(arrotondato.find('.') + 1);
    return decimali.size() == 3 ? "0." + decimali : "0." + decimali + "0";
}

}  // namespace rigata
