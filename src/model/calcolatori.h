// The five calculators of the options screen: penetration in fir wood, iron,
// bone and human muscle, and the velocity from a barrel of another length.
//
// Each calculator has two layers:
//  - `CalcolaXxx`: the formula alone, in double precision, step by step in
//    the order of its terms, on numbers already read; it checks nothing.
//  - `CalcolaXxxDaTesti`: what the screen's Calcola button does: refuses a
//    box text with a decimal comma (ControllaVirgole, before anything else),
//    reads the box texts with a point as decimal separator (empty or
//    non-numeric text is 0, "450 m/s" is 450), refuses the inputs the formula
//    has no value for, runs
//    the formula and returns the texts for the result boxes, already written
//    by their patterns with the given decimal separator.
//
// A refusal comes back as `rifiuto` (a title in capitals ending in "!!" and a
// message saying what to change) and the result texts that could not be
// computed are empty: the screen writes the texts into the boxes as they are
// and then shows the warning. No text is ever "nan" or "inf".
//
// The bullet comes from ShotData as CalcolaAtmosfera stored it: DiametroMm in
// mm and PesoGrammi in g, both float. The start screen only confirms values
// above zero; anything else is refused here as well.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "controlli.h"

namespace rigata {

// ---- Fir wood (frmPenetrazioneLegno) ----

struct ValoriLegno {
    double VelImpatto = 0;         // m/s
    double PenetrazioneLegno = 0;  // cm
    double VolumeCavita = 0;       // cm3, depends on the velocity alone
};

// p = V^1.5; depth = p x (m x 0.0298) / d^2; volume = p x 0.00234.
ValoriLegno CalcolaLegno(double velImpatto, float diametroMm, float pesoGrammi);

struct RisultatiLegno {
    std::string penetrazioneLegno;  // txtPenetrazioneLegno, "###" (0 gives "")
    std::string volumeLegno;        // txtVolumeLegno, "###.#" (0 gives ".")
    std::optional<Rifiuto> rifiuto;
};

// Reads txtVelImpatto. A negative velocity is refused (V^1.5 has no real value).
RisultatiLegno CalcolaLegnoDaTesti(std::string_view testoVelImpatto, float diametroMm,
                                   float pesoGrammi, std::string_view separatore = ".");

// ---- Iron (frmPenetrazioneFerro) ----

struct ValoriFerro {
    double VelImpatto = 0;         // m/s
    double EnergiaKgm = 0;         // kgf m
    double PenetrazioneFerro = 0;  // cm
};

// E = V^2 x m / 19620; depth = (E^3 / d^5)^(1/4) x 0.194.
ValoriFerro CalcolaFerro(double velImpatto, float diametroMm, float pesoGrammi);

struct RisultatiFerro {
    std::string penetrazioneFerro;  // txtPenetrazioneFerro, "0.#0"
    std::optional<Rifiuto> rifiuto;
};

// Reads txtVelImpatto. Every sign is accepted (V enters squared).
RisultatiFerro CalcolaFerroDaTesti(std::string_view testoVelImpatto, float diametroMm,
                                   float pesoGrammi, std::string_view separatore = ".");

// ---- Bone (frmPenetrazioneOsso) ----

struct ValoriOsso {
    double VelImpatto = 0;        // m/s
    double CoeffPalla = 0;        // 0.44 jacketed, 0.30 round-nosed lead, 0.15 wad-cutter
    double PenetrazioneOsso = 0;  // cm
};

// t = ((V - 60) / 100)^2, squared also below 60 m/s; depth = t x ((m / d) x (k x 10)).
ValoriOsso CalcolaOsso(double velImpatto, double coeffPalla, float diametroMm, float pesoGrammi);

struct RisultatiOsso {
    std::string penetrazioneOsso;  // txtPenetrazioneOsso, "0.#0"
    std::optional<Rifiuto> rifiuto;
};

// Reads the text of cBoCoeffPallaOsso (picked or typed; the guide beside it
// writes "0,30", which is refused), then txtVelImpatto.
RisultatiOsso CalcolaOssoDaTesti(std::string_view testoVelImpatto, std::string_view testoCoeff,
                                 float diametroMm, float pesoGrammi,
                                 std::string_view separatore = ".");

// ---- Human muscle (frmPenetrazioneUomo) ----

struct ValoriUomo {
    double VelImpatto = 0;        // m/s
    double DensitaSezionale = 0;  // g/cm2
    double VelLimiteCute = 0;     // m/s, threshold for piercing the skin
    double PenetrazioneUomo = 0;  // cm, negative within 50 m/s above the threshold
};

// DS = m / (d^2 x 0.0078539); threshold = (1 / DS) x 125 + 22;
// depth = DS x 2.3 x ln((V - threshold) / 50). The depth is NaN at or below
// the threshold: CalcolaUomoDaTesti refuses those velocities first.
ValoriUomo CalcolaUomo(double velImpatto, float diametroMm, float pesoGrammi);

struct RisultatiUomo {
    std::string penetrazioneUomo;     // txtPenetrazioneUomo, "###.#"
    std::string velocitaLimiteCute;   // txtVelocitaLimiteCute, "##"
    std::optional<Rifiuto> rifiuto;
};

// Reads txtVelImpattoUomo. At or below the skin threshold the depth is empty
// and refused, while the threshold (which depends on the bullet only) is
// still given, so the user sees the velocity to exceed.
RisultatiUomo CalcolaUomoDaTesti(std::string_view testoVelImpatto, float diametroMm,
                                 float pesoGrammi, std::string_view separatore = ".");

// ---- Barrel length (frmVarVelCanna) ----

struct ValoriVarVelCanna {
    double VelCannaNota = 0;          // m/s
    double PercorsoCannaNota = 0;     // mm
    double PesoPolvere = 0;           // grains as read, g after the first step
    double PercorsoCannaDiversa = 0;  // mm
    double CostanteCanna = 0;         // m/s, K of V = K (L / 10d)^(1/4) (P / m)^(1/2)
    double VelNuovaCanna = 0;         // m/s
};

// Fits K to the known barrel and applies it to the other one. Powder, weight
// and diameter cancel: the result is VelCannaNota x (other / known)^(1/4).
ValoriVarVelCanna CalcolaVarVelCanna(double velCannaNota, double percorsoCannaNota,
                                     double pesoPolvereGrani, double percorsoCannaDiversa,
                                     float diametroMm, float pesoGrammi);

// The four boxes of the screen; the powder box is hidden and keeps its "55".
struct TestiVarVelCanna {
    std::string velCannaNota;          // txtVelCannaNota
    std::string percorsoCannaNota;     // txtPercorsoCannaNota
    std::string pesoPolvere;           // txtPesoPolvere
    std::string percorsoCannaDiversa;  // txtPercorsoCannaDiversa
};

struct RisultatiVarVelCanna {
    std::string velocitaNuovaCanna;  // txtVelocitaNuovaCanna, "###.#"
    std::optional<Rifiuto> rifiuto;
};

// Reads the boxes in screen order. A known travel of zero or below and an
// other travel below zero are refused; an other travel of 0 or a known
// velocity of 0 gives 0, a lone point.
RisultatiVarVelCanna CalcolaVarVelCannaDaTesti(const TestiVarVelCanna& testi, float diametroMm,
                                               float pesoGrammi, std::string_view separatore = ".");

}  // namespace rigata
