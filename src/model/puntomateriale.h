// The point-mass trajectory: gravity and the drag of the standard G1 or G7
// function against the air-relative velocity, integrated numerically (RK4)
// once per shot. Rows are read from the stored flight, interpolated between
// steps with cubic Hermite polynomials.
//
// Frame: s along the line of sight (forward), n across it (up, in the plane
// of fire), z to the side (the side a wind from 90 degrees pushes the bullet
// to). The line of sight starts AltezzaMira above the bore at the muzzle; on a
// slope the whole rifle turns up or down with it, so the bore keeps its angle
// to the line of sight (the zero of level ground, in calm air) and gravity
// and the horizontal wind turn the other way in this frame. A row's Distanza
// is measured along the line of sight (the slant distance a rangefinder
// reads; on level ground, the horizontal distance).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "tabelleresistenza.h"
#include "traiettoria.h"

namespace rigata {

// The air at the shooting place.
struct AriaPuntoMateriale {
    double pressione = 0;      // station pressure, hPa
    double temperatura = 0;    // K
    double densita = 0;        // moist air, kg/m3
    double velocitaSuono = 0;  // moist air, m/s
};

// Temperature as typed, station pressure (given, or the ICAO standard one at
// the altitude), humidity.
AriaPuntoMateriale AriaDi(const ShotData& d, const Scelte& m);

class PuntoMateriale : public Traiettoria {
public:
    // Zeroes (calm air, level) at d.DistanzaAzzeramento and flies to
    // distanzaMassima, level and, when pendii, on the four slopes of the
    // field table (up, or down with m.versoPendii) and on m.pendio.
    PuntoMateriale(const ShotData& d, const Scelte& m, double distanzaMassima, bool pendii = true);

    void CalcolaRiga(ShotData& riga) const override;
    // The least reach of the flights (a steep uphill line of sight is usually
    // the first to end); PortataPiana that of the level flight alone, the one
    // that bounds the columns of level ground.
    double Portata() const override;
    double PortataPiana() const;
    // The farthest whole metre of zero distance whose level flight, in the
    // wind of the shot, rises at most bandaCm over the line of sight between
    // the muzzle and the zero.
    std::optional<int32_t> ZeroPerBanda(double bandaCm) const override;

    // Whether a bore elevation puts the path on the line of sight at the zero
    // distance (not when the bullet cannot get there); rows are non-finite
    // otherwise.
    bool Azzerata() const { return azzerata_; }
    // Elevation of the bore over the line of sight, rad.
    double AlzoCanna() const { return alzo_; }

    // One stored step of a flight.
    struct Stato {
        double t = 0;
        std::array<double, 3> p{}, v{}, a{};  // position (m), velocity (m/s), acceleration (m/s2)
    };

    // What the drag and the air are at: fixed for the shot.
    struct Parametri {
        FunzioneResistenza funzione = FunzioneResistenza::G1;
        double coeff = 0;                               // kg/m2 when no pairs
        std::vector<std::pair<double, double>> coppie;  // air speed m/s, kg/m2, sorted by speed
        double densita = 0, velocitaSuono = 0, temperatura = 0;
        double v0 = 0;
    };

private:
    struct Volo {
        std::vector<Stato> passi;
        double portata = 0;  // farthest distance along the line of sight, m
        // The state at distance s along the line of sight; false beyond the flight.
        bool A(double s, Stato& stato) const;
        // The highest the path rises across the line of sight (n, m) from the
        // muzzle to distance fino, on the same curves A reads.
        double Colmo(double fino) const;
    };
    // Flies from the muzzle with the bore alzo over the line of sight tilted
    // by pendio (rad, up when positive), in a horizontal wind (m/s) with
    // vento[0] toward the target and vento[1] across, up to sMassima along
    // the line of sight.
    Volo Vola(double alzo, double pendio, std::array<double, 2> vento, double sMassima) const;
    // Path over the line of sight at the zero distance for a bore elevation.
    double ScartoAZero(double alzo, double zero) const;
    // The bore elevation that zeroes (calm air, level) at a distance (m);
    // empty when none does.
    std::optional<double> AlzoPer(double zero) const;
    // The highest point (cm) over the line of sight up to a zero at a
    // distance (m), with the rifle zeroed there; infinite when it cannot be.
    double ColmoPer(double zero) const;

    Parametri par_;
    double altezzaMira_ = 0, distanzaZero_ = 0, pesoGrammi_ = 0;
    double alzo_ = 0;
    std::array<double, 2> vento_{};  // m/s, toward the target and across
    bool azzerata_ = false;
    Volo piano_;
    std::array<Volo, 4> pendii_;
    bool conPendii_ = true;
    std::optional<double> pendio_;  // deg, the chosen slope
    Volo voloPendio_;               // its flight (none at 0: the level one)
};

}  // namespace rigata
