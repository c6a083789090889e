// Benchmarks: prints the figures of the operations with speed targets.
#include <chrono>
#include <cstdio>
#include <string>

#include "modello.h"
#include "shotdata.h"
#include "tabella.h"

namespace {

using Orologio = std::chrono::steady_clock;

double Millisecondi(Orologio::time_point da) {
    return std::chrono::duration<double, std::milli>(Orologio::now() - da).count();
}

// The largest table: 32766 rows from 0 by 1 m, with every cell text.
void TabellaMassima() {
    rigata::ShotData d;
    d.DiametroInch = 0.243f;
    d.PesoGrain = 95;
    d.Temperatura = 15;
    d.VelocitaBocca = 965;
    d.CoeffBalistico = 0.379;
    rigata::CalcolaAtmosfera(d);
    rigata::CalcolaResistenza(d);
    const rigata::RichiestaTabella r{225, 0, 32765, 1, 5, 50};

    double migliore = 1e9;
    size_t caratteri = 0;
    for (int prova = 0; prova < 5; ++prova) {
        const auto inizio = Orologio::now();
        if (rigata::ControllaRichiesta(d, r)) {
            std::printf("richiesta rifiutata\n");
            return;
        }
        rigata::ApplicaRichiesta(d, r);
        rigata::CalcolaAzzeramento(d);
        caratteri = 0;
        for (auto tipo : {rigata::TipoTabella::Vari}) {
            rigata::CalcRisultati(d, [&](const rigata::ShotData& riga) {
                for (const auto& c : rigata::CelleTabella(tipo, riga, ".")) caratteri += c.size();
            });
        }
        migliore = std::min(migliore, Millisecondi(inizio));
    }
    std::printf("tabella di 32766 righe (controllo, calcolo e testi delle celle): %.1f ms (migliore di 5), %zu caratteri\n",
                migliore, caratteri);
}

}  // namespace

void BenchSchermi(int argc, char** argv);

int main(int argc, char** argv) {
    TabellaMassima();
    BenchSchermi(argc, argv);
    return 0;
}
