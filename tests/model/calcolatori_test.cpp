#include "calcolatori.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "modello.h"

using namespace rigata;

namespace {

// The bullet as the start screen leaves it: DiametroMm and PesoGrammi as
// CalcolaAtmosfera stores them (float).
struct Palla {
    float d, m;
};
Palla PallaDa(float diametroInch, float pesoGrain) {
    ShotData s;
    s.DiametroInch = diametroInch;
    s.PesoGrain = pesoGrain;
    CalcolaAtmosfera(s);
    return {s.DiametroMm, s.PesoGrammi};
}
const Palla k308 = PallaDa(0.308f, 150);  // 7.8232 mm, 9.72 g
const Palla k375 = PallaDa(0.375f, 300);
const Palla kNessuna{0, 0};

// What a screen receives: the result texts in box order, and the refusal.
struct Uscita {
    std::vector<std::string> testi;
    std::optional<Rifiuto> rifiuto;
};
using Calcolo = std::function<Uscita()>;

Calcolo Legno(std::string v, Palla p = k308, std::string sep = ".") {
    return [=] { auto r = CalcolaLegnoDaTesti(v, p.d, p.m, sep); return Uscita{{r.penetrazioneLegno, r.volumeLegno}, r.rifiuto}; };
}
Calcolo Ferro(std::string v, Palla p = k308, std::string sep = ".") {
    return [=] { auto r = CalcolaFerroDaTesti(v, p.d, p.m, sep); return Uscita{{r.penetrazioneFerro}, r.rifiuto}; };
}
Calcolo Osso(std::string v, std::string k, Palla p = k308) {
    return [=] { auto r = CalcolaOssoDaTesti(v, k, p.d, p.m); return Uscita{{r.penetrazioneOsso}, r.rifiuto}; };
}
Calcolo Uomo(std::string v, Palla p = k308, std::string sep = ".") {
    return [=] { auto r = CalcolaUomoDaTesti(v, p.d, p.m, sep); return Uscita{{r.penetrazioneUomo, r.velocitaLimiteCute}, r.rifiuto}; };
}
Calcolo Canna(std::string v, std::string nota, std::string diversa, Palla p = k308, std::string polvere = "55") {
    return [=] { auto r = CalcolaVarVelCannaDaTesti({v, nota, polvere, diversa}, p.d, p.m); return Uscita{{r.velocitaNuovaCanna}, r.rifiuto}; };
}

struct Caso {
    const char* nome;
    Calcolo calcola;
    std::vector<std::string> testi;
    std::optional<Rifiuto> rifiuto;
};
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }
std::string NomeCaso(const ::testing::TestParamInfo<Caso>& i) { return i.param.nome; }

class Calcolatore : public ::testing::TestWithParam<Caso> {};

TEST_P(Calcolatore, MostraITestiAttesi) {
    const Uscita u = GetParam().calcola();
    EXPECT_EQ(u.testi, GetParam().testi);
    EXPECT_EQ(u.rifiuto, GetParam().rifiuto);
}

INSTANTIATE_TEST_SUITE_P(Legno, Calcolatore, ::testing::Values(
    Caso{"Esempio500", Legno("500"), {"53", "26.2"}, {}},
    Caso{"Virgola", Legno("500", k308, ","), {"53", "26,2"}, {}},
    Caso{"UnitaDopoIlNumero", Legno("450 m/s"), {"45", "22.3"}, {}},
    Caso{"VirgolaLeggeZero", Legno("0,30"), {"", "."}, {}},
    Caso{"Vuoto", Legno(""), {"", "."}, {}},
    Caso{"MenoZero", Legno("-0"), {"", "."}, {}},
    // The volume depends on the velocity alone.
    Caso{"Volume1000", Legno("1000"), {"150", "74."}, {}},
    Caso{"Volume1000AltraPalla", Legno("1000", k375), {"202", "74."}, {}}), NomeCaso);

INSTANTIATE_TEST_SUITE_P(Ferro, Calcolatore, ::testing::Values(
    Caso{"Esempio500", Ferro("500"), {"0.55"}, {}},
    Caso{"Esempio800", Ferro("800"), {"1.11"}, {}},
    Caso{"Virgola", Ferro("800", k308, ","), {"1,11"}, {}},
    Caso{"NegativoComePositivo", Ferro("-500"), {"0.55"}, {}},
    Caso{"Vuoto", Ferro(""), {"0.00"}, {}},
    Caso{"VirgolaLeggeZero", Ferro("0,30"), {"0.00"}, {}},
    Caso{"UnitaDopoIlNumero", Ferro("450 m/s"), {"0.47"}, {}}), NomeCaso);

INSTANTIATE_TEST_SUITE_P(Osso, Calcolatore, ::testing::Values(
    Caso{"Camiciata", Osso("200", "0.44"), {"10.71"}, {}},
    Caso{"PiomboArrotondata", Osso("200", "0.30"), {"7.31"}, {}},
    Caso{"WadCutter", Osso("200", "0.15"), {"3.65"}, {}},
    Caso{"CoeffFuoriElenco", Osso("200", "0.5"), {"12.18"}, {}},
    Caso{"Sessanta", Osso("60", "0.44"), {"0.00"}, {}},
    Caso{"SessantaAltraPalla", Osso("60", "0.15", k375), {"0.00"}, {}},
    // Below 60 m/s the square makes the depth grow again.
    Caso{"VelocitaVuota", Osso("", "0.44"), {"1.97"}, {}},
    Caso{"CoeffConVirgola", Osso("200", "0,30"), {"0.00"}, {}},
    Caso{"UnitaDopoIlNumero", Osso("200 m/s", "0.44"), {"10.71"}, {}}), NomeCaso);

INSTANTIATE_TEST_SUITE_P(Uomo, Calcolatore, ::testing::Values(
    Caso{"Esempio500", Uomo("500"), {"104.4", "28"}, {}},
    Caso{"Esempio100", Uomo("100"), {"16.8", "28"}, {}},
    Caso{"Esempio900", Uomo("900"), {"132.9", "28"}, {}},
    Caso{"Virgola", Uomo("900", k308, ","), {"132,9", "28"}, {}},
    // Within 50 m/s above the threshold the logarithm is negative.
    Caso{"SottoSogliaPiu50", Uomo("70"), {"-8.3", "28"}, {}},
    Caso{"PallaPesante", Uomo("500", k375), {"141.1", "27"}, {}},
    Caso{"UnitaDopoIlNumero", Uomo("450 m/s"), {"99.2", "28"}, {}}), NomeCaso);

INSTANTIATE_TEST_SUITE_P(Canna, Calcolatore, ::testing::Values(
    Caso{"Esempio", Canna("900", "60", "65"), {"918.2"}, {}},
    Caso{"EsempioAltraPalla", Canna("900", "60", "65", k375), {"918.2"}, {}},
    Caso{"CannaPiuCorta", Canna("900", "600", "500"), {"859.9"}, {}},
    Caso{"PercorsiUguali", Canna("900", "60", "60"), {"900."}, {}},
    Caso{"VelocitaZero", Canna("0", "60", "65"), {"."}, {}},
    Caso{"AltroPercorsoZero", Canna("900", "60", "0"), {"."}, {}},
    Caso{"AltroPercorsoVuoto", Canna("900", "60", ""), {"."}, {}},
    Caso{"AltroPercorsoConVirgola", Canna("900", "60", "0,30"), {"."}, {}},
    Caso{"UnitaDopoIlNumero", Canna("900 m/s", "60 mm", "65 mm"), {"918.2"}, {}}), NomeCaso);

// Inputs the formulas have no value for.
Rifiuto Cambia(std::string messaggio) { return {"CAMBIA VALORE!!", messaggio}; }
const Rifiuto kLegnoNegativa = Cambia("la velocità di impatto non può essere negativa; inserire un valore maggiore o uguale a zero");
const Rifiuto kSogliaCute = Cambia("la velocità di impatto deve superare la velocità limite sulla cute (28.18 m/s); inserire un valore maggiore");
const Rifiuto kPercorsoNota = Cambia("il percorso del proiettile in canna nota deve essere maggiore di zero; inserire il percorso in mm");
const Rifiuto kPercorsoDiverso = Cambia("il percorso del proiettile nella canna diversa non può essere negativo; inserire un valore maggiore o uguale a zero");
const Rifiuto kFuoriMisura = Cambia("velocità e percorsi fuori misura, il risultato non è calcolabile; inserire valori realistici");
const Rifiuto kVelGrande = Cambia("valore troppo grande per il campo velocità di impatto; inserire un numero più piccolo");
const Rifiuto kVelPiccola = Cambia("valore troppo piccolo per il campo velocità di impatto; inserire un numero più grande");
const Rifiuto kCoeffGrande = Cambia("valore troppo grande per il campo coefficiente; inserire un numero più piccolo");
const Rifiuto kPalla = Cambia("diametro e peso della palla devono essere maggiori di zero; correggerli nella finestra dei dati della palla");

INSTANTIATE_TEST_SUITE_P(Rifiuti, Calcolatore, ::testing::Values(
    Caso{"LegnoNegativo", Legno("-500"), {"", ""}, kLegnoNegativa},
    Caso{"LegnoAppenaNegativo", Legno("-0.001 m/s"), {"", ""}, kLegnoNegativa},
    Caso{"LegnoEnorme", Legno("1e400"), {"", ""}, kVelGrande},
    Caso{"LegnoFinitoMaTroppoGrande", Legno("1e250"), {"", ""}, kVelGrande},
    Caso{"FerroEnorme", Ferro("-1e200"), {""}, kVelPiccola},
    Caso{"OssoVelocitaEnorme", Osso("1e400", "0.44"), {""}, kVelGrande},
    Caso{"OssoCoeffEnorme", Osso("200", "1e400"), {""}, kCoeffGrande},
    // The threshold stays shown, so the user sees what to exceed.
    Caso{"UomoSullaSoglia", Uomo("28"), {"", "28"}, kSogliaCute},
    Caso{"UomoAppenaSottoSoglia", Uomo("28.18"), {"", "28"}, kSogliaCute},
    Caso{"UomoVuoto", Uomo(""), {"", "28"}, kSogliaCute},
    Caso{"UomoNegativo", Uomo("-500"), {"", "28"}, kSogliaCute},
    Caso{"UomoVirgolaNelMessaggio", Uomo("0,30", k308, ","), {"", "28"}, Cambia("la velocità di impatto deve superare la velocità limite sulla cute (28,18 m/s); inserire un valore maggiore")},
    Caso{"UomoEnorme", Uomo("1e400"), {"", "28"}, kVelGrande},
    Caso{"CannaNotaZero", Canna("900", "0", "65"), {""}, kPercorsoNota},
    Caso{"CannaNotaVuota", Canna("900", "", "65"), {""}, kPercorsoNota},
    Caso{"CannaNotaNegativa", Canna("900", "-60", "65"), {""}, kPercorsoNota},
    Caso{"CannaNotaPrimaDellAltra", Canna("900", "-60", "-65"), {""}, kPercorsoNota},
    Caso{"CannaDiversaNegativa", Canna("900", "60", "-65"), {""}, kPercorsoDiverso},
    Caso{"CannaVelocitaEnorme", Canna("1e400", "60", "65"), {""}, kFuoriMisura},
    Caso{"CannaSenzaPolvere", Canna("900", "60", "65", k308, "0"), {""}, kFuoriMisura},
    Caso{"LegnoSenzaPalla", Legno("500", kNessuna), {"", ""}, kPalla},
    Caso{"FerroSenzaPalla", Ferro("500", kNessuna), {""}, kPalla},
    Caso{"OssoSenzaPalla", Osso("200", "0.44", kNessuna), {""}, kPalla},
    Caso{"UomoSenzaPalla", Uomo("500", kNessuna), {"", ""}, kPalla},
    Caso{"CannaSenzaPalla", Canna("900", "60", "65", kNessuna), {""}, kPalla}), NomeCaso);

// Working values of the worked examples, where a wrong constant shows before
// the rounding of the pattern hides it.
struct CasoValore {
    const char* nome;
    std::function<double()> valore;
    double atteso, tolleranza;
};
void PrintTo(const CasoValore& c, std::ostream* os) { *os << c.nome; }
std::string NomeValore(const ::testing::TestParamInfo<CasoValore>& i) { return i.param.nome; }

class ValoreIntermedio : public ::testing::TestWithParam<CasoValore> {};

TEST_P(ValoreIntermedio, ComeNellEsempio) {
    EXPECT_NEAR(GetParam().valore(), GetParam().atteso, GetParam().tolleranza);
}

const float D = k308.d, M = k308.m;
INSTANTIATE_TEST_SUITE_P(Esempi, ValoreIntermedio, ::testing::Values(
    CasoValore{"LegnoProfondita", [] { return CalcolaLegno(500, D, M).PenetrazioneLegno; }, 52.914, 5e-4},
    CasoValore{"LegnoVolume", [] { return CalcolaLegno(500, D, M).VolumeCavita; }, 26.162, 5e-4},
    CasoValore{"FerroEnergia", [] { return CalcolaFerro(800, D, M).EnergiaKgm; }, 317.064, 5e-4},
    CasoValore{"FerroProfondita", [] { return CalcolaFerro(500, D, M).PenetrazioneFerro; }, 0.5505, 5e-5},
    CasoValore{"FerroRaddoppioVelocita", [] { return CalcolaFerro(1000, D, M).PenetrazioneFerro / CalcolaFerro(500, D, M).PenetrazioneFerro; }, 2.8284271, 1e-6},
    CasoValore{"UomoDensita", [] { return CalcolaUomo(500, D, M).DensitaSezionale; }, 20.2214, 5e-5},
    CasoValore{"UomoSoglia", [] { return CalcolaUomo(500, D, M).VelLimiteCute; }, 28.1816, 5e-5},
    CasoValore{"CannaCostante", [] { return CalcolaVarVelCanna(900, 60, 55, 65, D, M).CostanteCanna; }, 1588.236, 5e-4},
    CasoValore{"CannaPolvereInGrammi", [] { return CalcolaVarVelCanna(900, 60, 55, 65, D, M).PesoPolvere; }, 3.564, 1e-12}),
    NomeValore);

}  // namespace
