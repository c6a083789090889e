#include "csv.h"

#include <vector>

#include "caratteri.h"
#include "colonne.h"

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
                       const Scelte& colonne) {
    const char sep = SeparatoreCsv(separatoreDecimale);
    const ColonneAggiunte aggiunte(colonne, separatoreDecimale);
    std::vector<std::string> intestazioni, celle;
    for (const ColonnaAggiunta& c : aggiunte.Colonne()) intestazioni.push_back(c.intestazione);
    std::string testo;
    testo.reserve(static_cast<size_t>(t.NumeroRighe()) * (64 + 8 * intestazioni.size()));
    AggiungiPuliti(testo, Intestazioni(tipo, PendiiInDiscesa(t.Opzioni())), sep);
    AggiungiPuliti(testo, intestazioni, sep, true);
    testo += "\r\n";
    t.Righe([&](const ShotData& riga) {
        AggiungiCampi(testo, CelleTabella(tipo, riga, separatoreDecimale), sep);
        aggiunte.Celle(riga, celle);
        AggiungiCampi(testo, celle, sep, true);
        testo += "\r\n";
    });
    return testo;
}

}  // namespace rigata
