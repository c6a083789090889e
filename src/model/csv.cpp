#include "csv.h"

#include "caratteri.h"

namespace rigata {


char SeparatoreCsv(std::string_view separatoreDecimale) { return separatoreDecimale == "," ? ';' : ','; }

namespace {

void AggiungiCampo(std::string& riga, std::string_view campo, char separatore) {
    if (campo.find_first_of(std::string{separatore, '"', '\r', '\n'}) == std::string_view::npos) {
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

}  // namespace

std::string RigaCsv(const CelleRiga& celle, char separatore) {
    std::string riga;
    for (size_t i = 0; i < celle.size(); ++i) {
        if (i) riga += separatore;
        AggiungiCampo(riga, celle[i], separatore);
    }
    return riga + "\r\n";
}

std::string IntestazioneCsv(const CelleRiga& intestazioni, char separatore) {
    CelleRiga pulite;
    for (size_t i = 0; i < pulite.size(); ++i) pulite[i] = std::string(SenzaSpazi(intestazioni[i]));
    return RigaCsv(pulite, separatore);
}

std::string TabellaCsv(ShotData& d, TipoTabella tipo, std::string_view separatoreDecimale) {
    const char sep = SeparatoreCsv(separatoreDecimale);
    std::string testo = IntestazioneCsv(Intestazioni(tipo), sep);
    CalcRisultati(d, [&](const ShotData& riga) { testo += RigaCsv(CelleTabella(tipo, riga, separatoreDecimale), sep); });
    return testo;
}

}  // namespace rigata
