#include "puntomateriale.h"

#include "numeri.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rigata {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kGravita = 9.80665;            // m/s2, standard gravity
constexpr double kLbIn2InKgM2 = 703.0696;       // 1 lb/in2 in kg/m2
constexpr double kGradiLapse = 0.0065;          // K/m, standard lapse of the lower atmosphere
constexpr double kEsponenteDensita = 4.25588;   // g M / (R L) - 1: density over temperature in a lapse
constexpr double kRAria = 287.058;              // J/(kg K), dry air
constexpr double kRVapore = 461.495;            // J/(kg K), water vapour
constexpr double kRMolare = 8.314462618;        // J/(mol K)
constexpr double kMAria = 0.0289645;            // kg/mol, dry air
constexpr double kMVapore = 0.01801528;         // kg/mol, water
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Integration step: about this path length (m) per step, never longer than
// kPassoTempo in time (near the top of a steep flight the bullet is slow).
// Against a step of 0.5 m it moves the path by less than 2.5 mm at 1500 m
// even for a bullet flying through the speed of sound.
constexpr double kPassoDistanza = 10.0;
constexpr double kPassoTempo = 0.05;
// A flight ends when the bullet no longer gains ground along the line of
// sight (below 1 m/s: on the level it then falls almost vertically), after
// two minutes, or after this many steps (a tail wind keeps it drifting on).
constexpr double kVelocitaMinima = 1.0;
constexpr double kTempoMassimo = 120.0;
constexpr size_t kPassiMassimi = 200000;
// The zero: path within this (m) of the line of sight, the bore elevation
// searched between these angles (rad).
constexpr double kTolleranzaZero = 1e-5;
constexpr double kAlzoMinimo = -0.5, kAlzoMassimo = 0.75;
const double kPendii[4] = {15, 30, 45, 60};


double Norma(const std::array<double, 3>& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// Saturation vapour pressure over water (Buck), hPa, at t deg C.
double PressioneSaturazione(double t) {
    if (!(t > -200)) return 0;
    return 6.1121 * std::exp((18.678 - t / 234.5) * (t / (257.14 + t)));
}

// The drag coefficient's ballistic coefficient at an air speed: the pairs
// interpolated linearly, held beyond the first and the last.
double CoeffA(const PuntoMateriale::Parametri& p, double velocita) {
    const auto& c = p.coppie;
    if (c.empty()) return p.coeff;
    if (velocita <= c.front().first) return c.front().second;
    if (velocita >= c.back().first) return c.back().second;
    const auto dopo = std::upper_bound(c.begin(), c.end(), velocita,
                                       [](double v, const std::pair<double, double>& q) { return v < q.first; });
    const auto prima = dopo - 1;
    const double f = (velocita - prima->first) / (dopo->first - prima->first);
    return prima->second + f * (dopo->second - prima->second);
}

// The forces of one flight: gravity and the horizontal wind turned into the
// line-of-sight frame of its slope (signed: the frame's axes s and n are
// (cos, sin) and (-sin, cos) in the vertical plane of fire).
struct Forze {
    const PuntoMateriale::Parametri* par;
    double seno = 0, coseno = 1;     // of the slope
    std::array<double, 3> vento{};   // m/s, line-of-sight frame

    std::array<double, 3> Accelerazione(const std::array<double, 3>& p, const std::array<double, 3>& v) const {
        // The air at the bullet's height over the shooting place (standard lapse).
        const double quota = p[0] * seno + p[1] * coseno;
        const double t0 = par->temperatura;
        const double t = std::clamp(t0 - kGradiLapse * quota, 0.5 * t0, t0 + kGradiLapse * 5000);
        const double rapporto = t / t0;
        const double densita = par->densita * std::pow(rapporto, kEsponenteDensita);
        const double suono = par->velocitaSuono * std::sqrt(rapporto);

        const std::array<double, 3> r = {v[0] - vento[0], v[1] - vento[1], v[2] - vento[2]};
        const double vr = Norma(r);
        const double cd = CoeffResistenzaStandard(par->funzione, vr / suono);
        // Drag of a body of ballistic coefficient C (kg/m2, the mass over the
        // squared calibre and the form factor): rho pi / (8 C) Cd vr^2.
        const double k = densita * cd * (kPi / 8) / CoeffA(*par, vr) * vr;
        return {-k * r[0] - kGravita * seno, -k * r[1] - kGravita * coseno, -k * r[2]};
    }
};

// The cubic Hermite polynomial on a step of h seconds at tau (0..1), from the
// values y0, y1 and the time derivatives d0, d1 at its ends; and its
// derivative in tau.
double Hermite(double tau, double h, double y0, double d0, double y1, double d1) {
    const double t2 = tau * tau, t3 = t2 * tau;
    return (2 * t3 - 3 * t2 + 1) * y0 + (t3 - 2 * t2 + tau) * h * d0 + (-2 * t3 + 3 * t2) * y1 + (t3 - t2) * h * d1;
}
double DerivataHermite(double tau, double h, double y0, double d0, double y1, double d1) {
    const double t2 = tau * tau;
    return (6 * t2 - 6 * tau) * y0 + (3 * t2 - 4 * tau + 1) * h * d0 + (-6 * t2 + 6 * tau) * y1 + (3 * t2 - 2 * tau) * h * d1;
}

// The wind (m/s) toward the target and across, from the angle (deg) it comes
// from. Exact at multiples of 90 degrees, where the sine or cosine of the
// angle in radians is not quite zero (sin 180 deg gives 1.2e-16: a head wind
// would drift the bullet by -0.0 cm).
std::array<double, 2> ComponentiVento(double velocita, double gradi) {
    const double quarti = std::fmod(gradi, 360) / 90;  // -4 < quarti < 4
    if (quarti == std::floor(quarti)) {
        const int q = (static_cast<int>(quarti) + 4) % 4;
        const double coseno[] = {1, 0, -1, 0}, seno[] = {0, 1, 0, -1};
        return {velocita * coseno[q], velocita * seno[q]};
    }
    const double radianti = gradi * kPi / 180;
    return {velocita * std::cos(radianti), velocita * std::sin(radianti)};
}

std::array<double, 3> Somma(const std::array<double, 3>& a, const std::array<double, 3>& b, double f) {
    return {a[0] + f * b[0], a[1] + f * b[1], a[2] + f * b[2]};
}

}  // namespace

AriaPuntoMateriale AriaDi(const ShotData& d, const Scelte& m) {
    AriaPuntoMateriale aria;
    const double quota = d.Altitudine;
    aria.pressione = m.pressione ? *m.pressione : 1013.25 * std::pow(1 - kGradiLapse * quota / 288.15, 5.25588);
    const double celsius = d.Temperatura;
    aria.temperatura = celsius + 273.15;
    const double umidita = std::clamp(m.umidita, 0.0, 100.0);
    const double vapore = std::min(umidita / 100 * PressioneSaturazione(celsius), aria.pressione);
    aria.densita = ((aria.pressione - vapore) / kRAria + vapore / kRVapore) * 100 / aria.temperatura;
    // Speed of sound of the mixture: ideal gases, dry air diatomic (Cv = 5/2 R),
    // vapour triatomic (Cv = 3 R), with the mole fraction of the vapour.
    const double x = aria.pressione > 0 ? vapore / aria.pressione : 0;
    const double cv = 2.5 * (1 - x) + 3 * x;
    const double gamma = (cv + 1) / cv;
    const double massaMolare = kMAria * (1 - x) + kMVapore * x;
    aria.velocitaSuono = std::sqrt(gamma * kRMolare * aria.temperatura / massaMolare);
    return aria;
}

bool PuntoMateriale::Volo::A(double s, Stato& stato) const {
    if (passi.empty() || !(s >= 0) || !(s <= portata)) return false;
    if (passi.size() == 1) {
        stato = passi.front();
        return s == 0;
    }
    const auto dopo = std::upper_bound(passi.begin() + 1, passi.end() - 1, s,
                                       [](double v, const Stato& q) { return v < q.p[0]; });
    const Stato& a = *(dopo - 1);
    const Stato& b = *dopo;
    const double h = b.t - a.t;
    // Cubic Hermite on [a, b] in time: solve s(tau) = s by Newton, then read
    // the positions (with the velocities as slopes) and the velocities (with
    // the accelerations).
    double tau = b.p[0] > a.p[0] ? (s - a.p[0]) / (b.p[0] - a.p[0]) : 0;
    for (int i = 0; i < 6; ++i) {
        const double f = Hermite(tau, h, a.p[0], a.v[0], b.p[0], b.v[0]) - s;
        const double df = DerivataHermite(tau, h, a.p[0], a.v[0], b.p[0], b.v[0]);
        if (!(df > 0)) break;
        tau = std::clamp(tau - f / df, 0.0, 1.0);
    }
    stato.t = a.t + tau * h;
    for (int k = 0; k < 3; ++k) {
        stato.p[k] = Hermite(tau, h, a.p[k], a.v[k], b.p[k], b.v[k]);
        stato.v[k] = Hermite(tau, h, a.v[k], a.a[k], b.v[k], b.a[k]);
    }
    stato.p[0] = s;
    return true;
}

double PuntoMateriale::Volo::Colmo(double fino) const {
    Stato fine;
    if (!A(fino, fine)) return kNan;
    double colmo = std::max(passi.front().p[1], fine.p[1]);
    for (size_t i = 1; i < passi.size() && passi[i - 1].p[0] < fino; ++i) {
        const Stato &a = passi[i - 1], &b = passi[i];
        if (b.p[0] <= fino) colmo = std::max(colmo, b.p[1]);
        if (!(a.v[1] > 0 && b.v[1] <= 0)) continue;
        // The path turns down within this step: the top of the cubic A reads,
        // where its slope in tau (positive at a, not at b) is zero.
        const double h = b.t - a.t;
        double sale = 0, scende = 1;
        for (int k = 0; k < 60; ++k) {
            const double medio = 0.5 * (sale + scende);
            (DerivataHermite(medio, h, a.p[1], a.v[1], b.p[1], b.v[1]) > 0 ? sale : scende) = medio;
        }
        const double tau = 0.5 * (sale + scende);
        if (Hermite(tau, h, a.p[0], a.v[0], b.p[0], b.v[0]) <= fino)
            colmo = std::max(colmo, Hermite(tau, h, a.p[1], a.v[1], b.p[1], b.v[1]));
    }
    return colmo;
}

PuntoMateriale::Volo PuntoMateriale::Vola(double alzo, double pendio, std::array<double, 2> vento, double sMassima) const {
    Forze forze{&par_, std::sin(pendio), std::cos(pendio), {}};
    // The wind is horizontal: across an uphill line of sight a wind from
    // behind pushes the bullet down, toward the slope; across a downhill one
    // it pushes it up, away from the slope.
    forze.vento = {vento[0] * forze.coseno, -vento[0] * forze.seno, vento[1]};

    Volo volo;
    Stato st;
    st.v = {par_.v0 * std::cos(alzo), par_.v0 * std::sin(alzo), 0};
    st.a = forze.Accelerazione(st.p, st.v);
    volo.passi.push_back(st);
    while (st.p[0] < sMassima && st.v[0] > kVelocitaMinima && st.t < kTempoMassimo &&
           volo.passi.size() < kPassiMassimi) {
        const double rapida = std::max(Norma(st.v), Norma(Somma(st.v, forze.vento, -1)));
        const double dt = std::min(kPassoDistanza / rapida, kPassoTempo);
        const auto& k1v = st.a;
        const auto& k1p = st.v;
        const auto k2p = Somma(st.v, k1v, dt / 2);
        const auto k2v = forze.Accelerazione(Somma(st.p, k1p, dt / 2), k2p);
        const auto k3p = Somma(st.v, k2v, dt / 2);
        const auto k3v = forze.Accelerazione(Somma(st.p, k2p, dt / 2), k3p);
        const auto k4p = Somma(st.v, k3v, dt);
        const auto k4v = forze.Accelerazione(Somma(st.p, k3p, dt), k4p);
        Stato dopo;
        dopo.t = st.t + dt;
        for (int k = 0; k < 3; ++k) {
            dopo.p[k] = st.p[k] + dt / 6 * (k1p[k] + 2 * k2p[k] + 2 * k3p[k] + k4p[k]);
            dopo.v[k] = st.v[k] + dt / 6 * (k1v[k] + 2 * k2v[k] + 2 * k3v[k] + k4v[k]);
        }
        dopo.a = forze.Accelerazione(dopo.p, dopo.v);
        if (!(dopo.p[0] > st.p[0])) break;  // the bullet stopped gaining ground within the step
        st = dopo;
        volo.passi.push_back(st);
    }
    // Rows ask at single-precision distances: the reach is the largest float
    // within the flight, so a distance up to it never rounds past the end.
    const double fine = volo.passi.back().p[0];
    float portata = S(fine);
    if (portata > fine) portata = std::nextafter(portata, 0.0f);
    volo.portata = portata;
    return volo;
}

double PuntoMateriale::ScartoAZero(double alzo, double zero) const {
    const Volo volo = Vola(alzo, 0, {0, 0}, zero);
    Stato st;
    if (!volo.A(zero, st)) return -kInf;  // falls short: aim higher
    return st.p[1] - altezzaMira_;
}

std::optional<double> PuntoMateriale::AlzoPer(double x0) const {
    // Secant from the vacuum estimate; bisection over the whole bracket when
    // it strays. The path at the zero rises with the elevation up to where
    // the bullet no longer gets there.
    double a1 = (altezzaMira_ + 0.5 * kGravita * std::pow(x0 / par_.v0, 2)) / x0;
    double f1 = ScartoAZero(a1, x0);
    if (std::isfinite(f1)) {
        double a2 = a1 - f1 / x0;
        for (int i = 0; i < 12 && a2 > kAlzoMinimo && a2 < kAlzoMassimo; ++i) {
            const double f2 = ScartoAZero(a2, x0);
            if (!std::isfinite(f2)) break;
            if (std::fabs(f2) < kTolleranzaZero) return a2;
            if (f2 == f1) break;
            const double a3 = a2 - f2 * (a2 - a1) / (f2 - f1);
            a1 = a2, f1 = f2, a2 = a3;
        }
    }
    double basso = kAlzoMinimo, alto = kAlzoMassimo;
    if (!(ScartoAZero(basso, x0) < 0) || !(ScartoAZero(alto, x0) > 0)) return std::nullopt;
    for (int i = 0; i < 100; ++i) {
        const double medio = 0.5 * (basso + alto);
        const double f = ScartoAZero(medio, x0);
        if (std::fabs(f) < kTolleranzaZero) return medio;
        (f > 0 ? alto : basso) = medio;
    }
    return std::nullopt;
}

double PuntoMateriale::ColmoPer(double zero) const {
    const auto alzo = AlzoPer(zero);
    if (!alzo) return kInf;
    const double colmo = Vola(*alzo, 0, vento_, zero).Colmo(zero);
    return std::isnan(colmo) ? kInf : (colmo - altezzaMira_) * 100;
}

std::optional<int32_t> PuntoMateriale::ZeroPerBanda(double bandaCm) const {
    return ZeroPiuLontano(bandaCm, [this](int zero) { return ColmoPer(zero); });
}

PuntoMateriale::PuntoMateriale(const ShotData& d, const Scelte& m, double distanzaMassima, bool pendii)
    : conPendii_(pendii) {
    const AriaPuntoMateriale aria = AriaDi(d, m);
    par_.funzione = m.modello == TipoModello::G7 ? FunzioneResistenza::G7 : FunzioneResistenza::G1;
    par_.coeff = d.CoeffBalistico * kLbIn2InKgM2;
    for (const auto& [v, c] : m.coppie)
        if (std::isfinite(v) && std::isfinite(c) && c > 0) par_.coppie.emplace_back(v, c * kLbIn2InKgM2);
    std::sort(par_.coppie.begin(), par_.coppie.end());
    par_.densita = aria.densita;
    par_.velocitaSuono = aria.velocitaSuono;
    par_.temperatura = aria.temperatura;
    par_.v0 = d.VelocitaBocca;
    altezzaMira_ = d.AltezzaMira;
    distanzaZero_ = d.DistanzaAzzeramento;
    pesoGrammi_ = d.PesoGrammi;

    const bool valido = std::isfinite(par_.v0) && par_.v0 > 0 && (!par_.coppie.empty() || (std::isfinite(par_.coeff) && par_.coeff > 0)) &&
                        std::isfinite(par_.densita) && par_.densita > 0 && std::isfinite(par_.velocitaSuono) &&
                        par_.velocitaSuono > 0 && std::isfinite(distanzaZero_) && distanzaZero_ > 0 &&
                        std::isfinite(altezzaMira_);
    vento_ = ComponentiVento(d.VelocitaVento, m.angoloVento);
    const auto alzo = valido ? AlzoPer(distanzaZero_) : std::nullopt;
    if (!alzo) return;
    alzo_ = *alzo;
    azzerata_ = true;

    const double sMassima = distanzaMassima > 0 ? distanzaMassima : 0;
    piano_ = Vola(alzo_, 0, vento_, sMassima);
    if (!conPendii_) return;
    const double verso = m.versoPendii == VersoPendii::Discesa ? -1 : 1;
    for (size_t i = 0; i < 4; ++i) pendii_[i] = Vola(alzo_, verso * kPendii[i] * kPi / 180, vento_, sMassima);
    pendio_ = m.pendio;
    if (pendio_ && *pendio_ != 0) voloPendio_ = Vola(alzo_, *pendio_ * kPi / 180, vento_, sMassima);
}

double PuntoMateriale::Portata() const {
    if (!azzerata_) return -kInf;
    double portata = piano_.portata;
    if (conPendii_)
        for (const auto& p : pendii_) portata = std::min(portata, p.portata);
    if (pendio_ && *pendio_ != 0) portata = std::min(portata, voloPendio_.portata);
    return portata;
}

double PuntoMateriale::PortataPiana() const { return azzerata_ ? piano_.portata : -kInf; }

void PuntoMateriale::CalcolaRiga(ShotData& riga) const {
    const double x = riga.Distanza;
    const double h = altezzaMira_, x0 = distanzaZero_;
    Stato st;
    if (azzerata_ && piano_.A(x, st)) {
        riga.Caduta = S(x * std::tan(alzo_) - st.p[1]);
        riga.Ordinata = S(st.p[1] - h * x / x0);
        riga.Velocita = S(Norma(st.v));
        riga.Energia = EnergiaCinetica(riga.Velocita, pesoGrammi_);
        riga.TempoVolo = S(st.t);
        riga.DerivaVento = S(st.p[2] * 100);
        riga.CorrezioneMira = S((x0 - x) * h / x0);
        riga.ScartoMira = S(static_cast<double>(riga.Ordinata) - riga.CorrezioneMira);
    } else {
        riga.Caduta = riga.Ordinata = riga.Velocita = riga.Energia = riga.TempoVolo = S(kNan);
        riga.DerivaVento = riga.CorrezioneMira = riga.ScartoMira = S(kNan);
    }
    float* scarti[4] = {&riga.Scarto15, &riga.Scarto30, &riga.Scarto45, &riga.Scarto60};
    for (size_t i = 0; i < 4; ++i)
        *scarti[i] = S(azzerata_ && conPendii_ && pendii_[i].A(x, st) ? (st.p[1] - h) * 100 : kNan);
    if (pendio_ && *pendio_ == 0) riga.ScartoPendio = S(riga.ScartoMira * 100.0);  // the level column
    else riga.ScartoPendio = S(pendio_ && azzerata_ && voloPendio_.A(x, st) ? (st.p[1] - h) * 100 : kNan);
}

}  // namespace rigata
