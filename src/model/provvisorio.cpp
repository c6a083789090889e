// The closed form behind the trajectory interface, and its zero for a band
// from the optimal-zero formula with +band cm in place of +6 cm: a stand-in
// until the models' own implementation joins this branch.
#include <cmath>
#include "modello.h"
#include "tabella.h"
#include "traiettoria.h"
namespace rigata {
namespace {
class Chiusa : public Traiettoria {
public:
    explicit Chiusa(const ShotData& d) : d_(d) {}
    void CalcolaRiga(ShotData& riga) const override {
        ShotData r = d_;
        r.Distanza = riga.Distanza;
        r.VelocitaVento = riga.VelocitaVento;
        rigata::CalcolaRiga(r);
        riga = r;
    }
private:
    ShotData d_;
};
}  // namespace
std::unique_ptr<Traiettoria> CreaTraiettoria(const ShotData& d, const DatiModello&, double) {
    return std::make_unique<Chiusa>(d);
}
double ZeroPerBanda(const ShotData& d, const DatiModello&, double banda) {
    const double ord = static_cast<float>(d.AltezzaMira * 100.0) * 0.44 + banda;
    const double t = std::sqrt(ord) * 0.090305;
    const double k = d.CostanteResistenza;
    return (1 / k) * std::log(d.VelocitaBocca * k * t + 1);
}
}  // namespace rigata
