// A range table computed with the chosen trajectory model: the record as it
// was at the computation (bullet, air, request, zeroing), the model zeroed
// for it and, beside the point mass, the closed form for comparison. The
// grid, the report, the CSV, the chart and the command line read a table
// through this object and never know which model answers.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "controlli.h"
#include "shotdata.h"
#include "tabella.h"
#include "tiroutile.h"
#include "traiettoria.h"

namespace rigata {

class TabellaCalcolata {
public:
    // Checks the request for the model (ControllaRichiesta, then the point
    // mass's own limits: no distance below zero, every distance within the
    // bullet's reach, a zero it gets to), stores it and zeroes. palla has been
    // through ControllaIngresso, CalcolaAtmosfera and CalcolaResistenza.
    static std::variant<TabellaCalcolata, Rifiuto> Calcola(const ShotData& palla, const RichiestaTabella& r,
                                                           const Scelte& m);

    const ShotData& Dati() const { return dati_; }
    const rigata::Scelte& Opzioni() const { return scelte_; }
    bool PuntoMateriale() const { return scelte_.modello != TipoModello::Classico; }

    // The rows of the request, each written into a copy of the record.
    void Righe(const ScriviRiga& scrivi) const;
    int NumeroRighe() const;

    // The optimal zero distance (m): the closed form's rule, or for the point
    // mass the zero whose highest point is +6 cm; empty when there is none.
    std::optional<int32_t> DistanzaOttimale() const { return distanzaOttimale_; }
    // The point-blank range of the band (cm) with the request's zero.
    std::optional<TrattoUtile> TiroUtile(double bandaCm = kFasciaTiroUtile) const;

    // The trajectory at a distance, and evenly spaced samples, with the
    // chosen model, or with the closed form (the comparison curve).
    PuntoTraiettoria PuntoA(double distanza) const;
    std::vector<PuntoTraiettoria> Campiona(double da, double a, int punti) const;
    std::vector<PuntoTraiettoria> CampionaClassico(double da, double a, int punti) const;

    const rigata::Traiettoria& Modello() const { return *scelta_; }

private:
    TabellaCalcolata() = default;
    ShotData dati_;
    rigata::Scelte scelte_;
    std::shared_ptr<const rigata::Traiettoria> scelta_, classica_;
    std::optional<int32_t> distanzaOttimale_;
};

// "La distanza ottimale di azzeramento per uno scarto max. di +6cm è di m 224"
// (the caption and the number as the screen and --tabella show them).
std::string TestoDistanzaOttimale(const TabellaCalcolata& t);

// For the report: the model with its coefficient (TestoModelloECoefficiente)
// and, for the point mass, the air it used ("Punto materiale G7, C.B. G7
// 0,190; aria: 15 °C, 1013,2 hPa, umidità 50 %, 1,225 kg/m³, vento da 45°"),
// numbers with the given separator.
std::string TestoModelloEAria(const TabellaCalcolata& t, std::string_view separatore);

}  // namespace rigata
