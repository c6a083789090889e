#include "calcolatori.h"

#include <cmath>

#include "costanti.h"
#include "numeri.h"

namespace rigata {

namespace {

// The start screen confirms only a diameter and a weight above zero; a record
// that never went through it (all zeros) must not reach a division.
std::optional<Rifiuto> ControllaPalla(float diametroMm, float pesoGrammi) {
    if (diametroMm > 0 && pesoGrammi > 0) return std::nullopt;
    return Rifiuto{"CAMBIA VALORE!!",
                   "diametro e peso della palla devono essere maggiori di zero; "
                   "correggerli nella finestra dei dati della palla"};
}

// A result beyond the double range (a typed 1e400 reads as infinity) is
// refused rather than written.
// letto: the typed value the result came from (its sign says which way to correct it).
std::optional<Rifiuto> ControllaFinito(double valore, double letto, std::string_view campo) {
    if (std::isfinite(valore)) return std::nullopt;
    return RifiutoFuoriLimiti(campo, letto);
}

const char* const kCampoVelImpatto = "velocità di impatto";
const char* const kCampoCoeffOsso = "coefficiente";

}  // namespace

// ---- Fir wood ----

ValoriLegno CalcolaLegno(double velImpatto, float diametroMm, float pesoGrammi) {
    const double d = diametroMm, m = pesoGrammi;
    ValoriLegno v;
    v.VelImpatto = velImpatto;
    const double p = std::pow(v.VelImpatto, 1.5);
    v.PenetrazioneLegno = p * (m * 0.0298) / std::pow(d, 2);
    v.VolumeCavita = p * 0.00234;
    return v;
}

RisultatiLegno CalcolaLegnoDaTesti(std::string_view testoVelImpatto, float diametroMm,
                                   float pesoGrammi, std::string_view separatore) {
    RisultatiLegno r;
    if ((r.rifiuto = ControllaVirgole({{kCampoVelImpatto, testoVelImpatto}}))) return r;
    const double vel = LeggiNumero(testoVelImpatto);
    if ((r.rifiuto = ControllaPalla(diametroMm, pesoGrammi))) return r;
    if (vel < 0) {
        r.rifiuto = Rifiuto{"CAMBIA VALORE!!",
                            "la velocità di impatto non può essere negativa; "
                            "inserire un valore maggiore o uguale a zero"};
        return r;
    }
    const ValoriLegno v = CalcolaLegno(vel, diametroMm, pesoGrammi);
    // The volume is finite whenever the depth is (both grow with p).
    if ((r.rifiuto = ControllaFinito(v.PenetrazioneLegno, vel, kCampoVelImpatto))) return r;
    r.penetrazioneLegno = FormattaNumero(v.PenetrazioneLegno, "###", separatore);
    r.volumeLegno = FormattaNumero(v.VolumeCavita, "###.#", separatore);
    return r;
}

// ---- Iron ----

ValoriFerro CalcolaFerro(double velImpatto, float diametroMm, float pesoGrammi) {
    const double d = diametroMm, m = pesoGrammi;
    ValoriFerro v;
    v.VelImpatto = velImpatto;
    // Half m V^2 in kgf m, with m in grams and g = 9.81 m/s2.
    v.EnergiaKgm = std::pow(v.VelImpatto, 2) * m / 19620;
    const double r = std::pow(v.EnergiaKgm, 3) / std::pow(d, 5);
    v.PenetrazioneFerro = std::pow(r, 1.0 / 4.0) * 0.194;
    return v;
}

RisultatiFerro CalcolaFerroDaTesti(std::string_view testoVelImpatto, float diametroMm,
                                   float pesoGrammi, std::string_view separatore) {
    RisultatiFerro r;
    if ((r.rifiuto = ControllaVirgole({{kCampoVelImpatto, testoVelImpatto}}))) return r;
    const double vel = LeggiNumero(testoVelImpatto);
    if ((r.rifiuto = ControllaPalla(diametroMm, pesoGrammi))) return r;
    const ValoriFerro v = CalcolaFerro(vel, diametroMm, pesoGrammi);
    if ((r.rifiuto = ControllaFinito(v.PenetrazioneFerro, vel, kCampoVelImpatto))) return r;
    r.penetrazioneFerro = FormattaNumero(v.PenetrazioneFerro, "0.#0", separatore);
    return r;
}

// ---- Bone ----

ValoriOsso CalcolaOsso(double velImpatto, double coeffPalla, float diametroMm, float pesoGrammi) {
    const double d = diametroMm, m = pesoGrammi;
    ValoriOsso v;
    v.VelImpatto = velImpatto;
    v.CoeffPalla = coeffPalla;
    const double t = std::pow((v.VelImpatto - 60) / 100, 2);
    v.PenetrazioneOsso = t * ((m / d) * (v.CoeffPalla * 10));
    return v;
}

RisultatiOsso CalcolaOssoDaTesti(std::string_view testoVelImpatto, std::string_view testoCoeff,
                                 float diametroMm, float pesoGrammi, std::string_view separatore) {
    RisultatiOsso r;
    if ((r.rifiuto = ControllaVirgole({{kCampoCoeffOsso, testoCoeff}, {kCampoVelImpatto, testoVelImpatto}}))) return r;
    const double vel = LeggiNumero(testoVelImpatto);
    const double coeff = LeggiNumero(testoCoeff);
    if ((r.rifiuto = ControllaPalla(diametroMm, pesoGrammi))) return r;
    const ValoriOsso v = CalcolaOsso(vel, coeff, diametroMm, pesoGrammi);
    if (!std::isfinite(v.PenetrazioneOsso)) {
        // The velocity term alone tells which of the two boxes is too large.
        const bool colpaVelocita = !std::isfinite(std::pow((vel - 60) / 100, 2));
        r.rifiuto = colpaVelocita ? RifiutoFuoriLimiti(kCampoVelImpatto, vel) : RifiutoFuoriLimiti(kCampoCoeffOsso, coeff);
        return r;
    }
    r.penetrazioneOsso = FormattaNumero(v.PenetrazioneOsso, "0.#0", separatore);
    return r;
}

// ---- Human muscle ----

ValoriUomo CalcolaUomo(double velImpatto, float diametroMm, float pesoGrammi) {
    const double d = diametroMm, m = pesoGrammi;
    ValoriUomo v;
    v.VelImpatto = velImpatto;
    // d^2 x 0.0078539 is the cross-section in cm2 (0.0078539 is a hair below
    // pi / 400; the muscle figures of the program are computed with it).
    v.DensitaSezionale = m / (std::pow(d, 2) * 0.0078539);
    v.VelLimiteCute = (1 / v.DensitaSezionale) * 125 + 22;
    v.PenetrazioneUomo = v.DensitaSezionale * 2.3 * std::log((v.VelImpatto - v.VelLimiteCute) / 50);
    return v;
}

RisultatiUomo CalcolaUomoDaTesti(std::string_view testoVelImpatto, float diametroMm,
                                 float pesoGrammi, std::string_view separatore) {
    RisultatiUomo r;
    if ((r.rifiuto = ControllaVirgole({{kCampoVelImpatto, testoVelImpatto}}))) return r;
    const double vel = LeggiNumero(testoVelImpatto);
    if ((r.rifiuto = ControllaPalla(diametroMm, pesoGrammi))) return r;
    const ValoriUomo v = CalcolaUomo(vel, diametroMm, pesoGrammi);
    r.velocitaLimiteCute = FormattaNumero(v.VelLimiteCute, "##", separatore);
    // The logarithm needs V above the threshold; the depth box stays empty.
    if (!(vel > v.VelLimiteCute)) {
        r.rifiuto = Rifiuto{"CAMBIA VALORE!!",
                            "la velocità di impatto deve superare la velocità limite sulla cute (" +
                                FormattaNumero(v.VelLimiteCute, "0.00", separatore) +
                                " m/s); inserire un valore maggiore"};
        return r;
    }
    if ((r.rifiuto = ControllaFinito(v.PenetrazioneUomo, vel, kCampoVelImpatto))) return r;
    r.penetrazioneUomo = FormattaNumero(v.PenetrazioneUomo, "###.#", separatore);
    return r;
}

// ---- Barrel length ----

ValoriVarVelCanna CalcolaVarVelCanna(double velCannaNota, double percorsoCannaNota,
                                     double pesoPolvereGrani, double percorsoCannaDiversa,
                                     float diametroMm, float pesoGrammi) {
    const double d = diametroMm, m = pesoGrammi;
    ValoriVarVelCanna v;
    v.VelCannaNota = velCannaNota;
    v.PercorsoCannaNota = percorsoCannaNota;
    v.PesoPolvere = pesoPolvereGrani;
    v.PercorsoCannaDiversa = percorsoCannaDiversa;

    v.PesoPolvere = v.PesoPolvere * kGrammiPerGrain;
    const double a = std::pow(v.PercorsoCannaNota / (d * 10), 0.25);
    const double b = std::pow(v.PesoPolvere / m, 0.5);
    v.CostanteCanna = v.VelCannaNota / (b * a);
    const double c = std::pow(v.PercorsoCannaDiversa / (d * 10), 0.25);
    v.VelNuovaCanna = std::pow(v.PesoPolvere / m, 0.5) * (c * v.CostanteCanna);
    return v;
}

RisultatiVarVelCanna CalcolaVarVelCannaDaTesti(const TestiVarVelCanna& testi, float diametroMm,
                                               float pesoGrammi, std::string_view separatore) {
    RisultatiVarVelCanna r;
    r.rifiuto = ControllaVirgole({{"velocità in canna nota", testi.velCannaNota},
                                  {"percorso in canna nota", testi.percorsoCannaNota},
                                  {"peso della polvere", testi.pesoPolvere},
                                  {"percorso nella canna diversa", testi.percorsoCannaDiversa}});
    if (r.rifiuto) return r;
    const double velNota = LeggiNumero(testi.velCannaNota);
    const double percorsoNota = LeggiNumero(testi.percorsoCannaNota);
    const double polvere = LeggiNumero(testi.pesoPolvere);
    const double percorsoDiverso = LeggiNumero(testi.percorsoCannaDiversa);
    if ((r.rifiuto = ControllaPalla(diametroMm, pesoGrammi))) return r;
    // The known travel divides (through K) and is taken to the power 1/4;
    // the other travel only to the power 1/4, so 0 is allowed there.
    if (!(percorsoNota > 0)) {
        r.rifiuto = Rifiuto{"CAMBIA VALORE!!",
                            "il percorso del proiettile in canna nota deve essere maggiore di zero; "
                            "inserire il percorso in mm"};
        return r;
    }
    if (percorsoDiverso < 0) {
        r.rifiuto = Rifiuto{"CAMBIA VALORE!!",
                            "il percorso del proiettile nella canna diversa non può essere negativo; "
                            "inserire un valore maggiore o uguale a zero"};
        return r;
    }
    const ValoriVarVelCanna v =
        CalcolaVarVelCanna(velNota, percorsoNota, polvere, percorsoDiverso, diametroMm, pesoGrammi);
    if (!std::isfinite(v.VelNuovaCanna)) {
        r.rifiuto = Rifiuto{"CAMBIA VALORE!!",
                            "velocità e percorsi fuori misura, il risultato non è calcolabile; "
                            "inserire valori realistici"};
        return r;
    }
    r.velocitaNuovaCanna = FormattaNumero(v.VelNuovaCanna, "###.#", separatore);
    return r;
}

}  // namespace rigata
