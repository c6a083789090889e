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

#include "controlli.h"
#include "shotdata.h"
#include "tabella.h"
#include "traiettoria.h"

namespace rigata {

class TabellaCalcolata {
public:
    // Corrects the muzzle velocity for the powder's temperature
    // (ApplicaPolvere), checks the request for the model (ControllaRichiesta,
    // then ControllaModello), stores it and zeroes. palla has been through
    // ControllaIngresso, CalcolaAtmosfera and CalcolaResistenza.
    static std::variant<TabellaCalcolata, Rifiuto> Calcola(const ShotData& palla, const RichiestaTabella& r,
                                                           const Scelte& m);

    // The record with the request stored and the rifle zeroed for the
    // velocity flown, but the muzzle velocity as typed and its drag (the
    // screens copy it back as the program's record: the next table corrects
    // the typed velocity again, never the corrected one).
    const ShotData& Dati() const { return dati_; }
    // The muzzle velocity both models fly (m/s): the typed one corrected for
    // the powder's temperature (VelocitaPolvere).
    float VelocitaUsata() const { return volo_.VelocitaBocca; }
    const rigata::Scelte& Opzioni() const { return scelte_; }

    // The rows of the request, each written into a copy of the record.
    void Righe(const ScriviRiga& scrivi) const;
    int NumeroRighe() const;

    // The chosen model, zeroed for the request; it reaches at least
    // kMassimoTiroUtile (or its own end).
    const rigata::Traiettoria& Modello() const { return *scelta_; }
    // The closed form beside a point mass, for comparison; null when the
    // chosen model is the closed form.
    const rigata::Traiettoria* Confronto() const { return confronto_.get(); }
    // The chosen model for this record zeroed at another distance (m).
    std::unique_ptr<rigata::Traiettoria> AzzerataA(double zero) const;
    // The chosen model for this record in another wind: velocita m/s from
    // gradi (as angoloVento), flown to distanzaMassima (m).
    std::unique_ptr<rigata::Traiettoria> ConVento(double velocita, double gradi, double distanzaMassima) const;

    // The optimal zero distance (m): the chosen model's zero for the band of
    // kFasciaTiroUtile; empty when there is none.
    std::optional<int32_t> DistanzaOttimale() const { return distanzaOttimale_; }
    // The chosen model's zero for a band (cm); at kFasciaTiroUtile the
    // optimal zero itself.
    std::optional<int32_t> ZeroPerBanda(double bandaCm) const;

private:
    TabellaCalcolata() = default;
    ShotData dati_;
    ShotData volo_;  // the record the models fly: dati_ with the corrected velocity and its drag
    rigata::Scelte scelte_;
    double lontana_ = 0;  // m, the farthest distance the models are asked at
    std::shared_ptr<const rigata::Traiettoria> scelta_, confronto_;
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
