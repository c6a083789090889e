// The standard drag functions of the point-mass model: the drag coefficient
// of the reference projectile G1 or G7 at a Mach number, interpolated
// linearly between the reference points and held at the last one (Mach 5).
#pragma once

namespace rigata {

enum class FunzioneResistenza { G1, G7 };

double CoeffResistenzaStandard(FunzioneResistenza f, double mach);

}  // namespace rigata
