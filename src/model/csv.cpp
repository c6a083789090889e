#include "csv.h"

#include <array>

#include "caratteri.h"

namespace rigata {


char SeparatoreCsv(std::string_view separatoreDecimale) { return separatoreDecimale == "," ? ';' : ','; }

namespace {

void AggiungiCampo(std::string& riga, std::string_view campo, char separatore) {
    const char speciali[] = {separatore, '"', '\r', '\n', '\0'};  // no allocation per field
    if (campo.find_first_of(speciali) == std::string_view::npos) {
        riga += campo;
        return;
    }
    riga += '"';
    for (char c : campo) {
        if (c == '"') riga += '"';
        riga += c;
    }
    riga += '"';
}

// The cells, separated; dopoAltri: the line already holds cells.
template <typename Celle>
void AggiungiCampi(std::string& riga, const Celle& celle, char separatore, bool dopoAltri = false) {
    for (size_t i = 0; i < celle.size(); ++i) {
        if (i || dopoAltri) riga += separatore;
        AggiungiCampo(riga, celle[i], separatore);
    }
}

// Headers without their surrounding blanks.
template <typename Celle>
void AggiungiPuliti(std::string& riga, const Celle& celle, char separatore, bool dopoAltri = false) {
    Celle pulite = celle;
    for (auto& cella : pulite) cella = std::string(SenzaSpazi(cella));
    AggiungiCampi(riga, pulite, separatore, dopoAltri);
}

}  // namespace

std::string RigaCsv(const CelleRiga& celle, char separatore) {
    std::string riga;
    AggiungiCampi(riga, celle, separatore);
    return riga + "\r\n";
}

std::string IntestazioneCsv(const CelleRiga& intestazioni, char separatore) {
    std::string riga;
    AggiungiPuliti(riga, intestazioni, separatore);
    return riga + "\r\n";
}

std::string TabellaCsv(const TabellaCalcolata& t, TipoTabella tipo, std::string_view separatoreDecimale,
                       const Scelte& correzione) {
    const char sep = SeparatoreCsv(separatoreDecimale);
    const bool conCorrezione = correzione.unita != UnitaCorrezione::Nessuna;
    const std::optional<double> pendio = t.Opzioni().pendio;
    std::string testo;
    testo.reserve(static_cast<size_t>(t.NumeroRighe()) * (conCorrezione ? 96 : 64));
    AggiungiPuliti(testo, Intestazioni(tipo, PendiiInDiscesa(t.Opzioni())), sep);
    if (conCorrezione) AggiungiPuliti(testo, IntestazioniCorrezione(correzione.unita).InOrdine(), sep, true);
    if (pendio) AggiungiPuliti(testo, std::array{IntestazionePendio(*pendio)}, sep, true);
    testo += "\r\n";
    t.Righe([&](const ShotData& riga) {
        AggiungiCampi(testo, CelleTabella(tipo, riga, separatoreDecimale), sep);
        if (conCorrezione)
            AggiungiCampi(testo, CelleCorrezioneRiga(riga, correzione, separatoreDecimale).InOrdine(), sep, true);
        if (pendio) AggiungiCampi(testo, std::array{CellaPendio(riga, separatoreDecimale)}, sep, true);
        testo += "\r\n";
    });
    return testo;
}

}  // namespace rigata
