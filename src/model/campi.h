// The twelve fields of a shot as the user types them: six of the entry (the
// bullet and the place) and six of the table request. Their order is the
// order of the data line; their names are the ones every message uses. Code
// refers to a field by its Campo, never by a bare position.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace rigata {

enum class Campo : int {
    Diametro,
    Peso,
    Altitudine,
    Temperatura,
    VelocitaBocca,
    CoeffBalistico,
    DistanzaAzzeramento,
    DistanzaInizio,
    DistanzaFine,
    Intervallo,
    VelocitaVento,
    AltezzaMira,
};

enum class GruppoCampo { Ingresso, Richiesta };

struct DefinizioneCampo {
    Campo campo;
    const char* nome;  // in messages: "... il valore di <nome> ..."
    GruppoCampo gruppo;
};

constexpr int kNumeroCampi = 12;

// One line per field, in the order of the data line.
constexpr std::array<DefinizioneCampo, kNumeroCampi> kCampi = {{
    {Campo::Diametro, "diametro della palla", GruppoCampo::Ingresso},
    {Campo::Peso, "peso della palla", GruppoCampo::Ingresso},
    {Campo::Altitudine, "altitudine", GruppoCampo::Ingresso},
    {Campo::Temperatura, "temperatura", GruppoCampo::Ingresso},
    {Campo::VelocitaBocca, "velocità alla bocca", GruppoCampo::Ingresso},
    {Campo::CoeffBalistico, "coefficiente balistico", GruppoCampo::Ingresso},
    {Campo::DistanzaAzzeramento, "distanza di azzeramento", GruppoCampo::Richiesta},
    {Campo::DistanzaInizio, "distanza iniziale", GruppoCampo::Richiesta},
    {Campo::DistanzaFine, "distanza finale", GruppoCampo::Richiesta},
    {Campo::Intervallo, "intervallo di calcolo", GruppoCampo::Richiesta},
    {Campo::VelocitaVento, "velocità del vento laterale", GruppoCampo::Richiesta},
    {Campo::AltezzaMira, "altezza della linea di mira", GruppoCampo::Richiesta},
}};

// The entry fields come first, then the request fields.
constexpr int kCampiIngresso = 6;
constexpr int kCampiRichiesta = kNumeroCampi - kCampiIngresso;

constexpr int Indice(Campo c) { return static_cast<int>(c); }
constexpr const char* NomeCampo(Campo c) { return kCampi[static_cast<std::size_t>(c)].nome; }

// The position of a field within its group (0..5).
constexpr int IndiceNelGruppo(Campo c) {
    return Indice(c) < kCampiIngresso ? Indice(c) : Indice(c) - kCampiIngresso;
}

// The texts of each group as typed, by IndiceNelGruppo.
using TestiIngresso = std::array<std::string, kCampiIngresso>;
using TestiRichiesta = std::array<std::string, kCampiRichiesta>;

static_assert(kCampi[Indice(Campo::AltezzaMira)].campo == Campo::AltezzaMira, "table out of order");
static_assert(kCampi[kCampiIngresso - 1].gruppo == GruppoCampo::Ingresso &&
                  kCampi[kCampiIngresso].gruppo == GruppoCampo::Richiesta,
              "entry fields first");

}  // namespace rigata
