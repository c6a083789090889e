// Benchmarks: prints the figures of the operations with speed targets.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "catalogo.h"
#include "elenco.h"
#include "file.h"

#include "calibrazione.h"
#include "cartellino.h"
#include "colonne.h"
#include "modello.h"
#include "shotdata.h"
#include "tabella.h"
#include "tabellacalcolata.h"
#include "traiettoria.h"

namespace {

using Orologio = std::chrono::steady_clock;

double Millisecondi(Orologio::time_point da) {
    return std::chrono::duration<double, std::milli>(Orologio::now() - da).count();
}

// The .243 bullet of 95 grains (0.379, 965 m/s) at 15 degrees and the
// given altitude, through the entry's steps.
rigata::ShotData PallaPredefinita(int16_t altitudine) {
    rigata::ShotData d;
    d.DiametroInch = 0.243f;
    d.PesoGrain = 95;
    d.Altitudine = altitudine;
    d.Temperatura = 15;
    d.VelocitaBocca = 965;
    d.CoeffBalistico = 0.379;
    rigata::CalcolaAtmosfera(d);
    rigata::CalcolaResistenza(d);
    return d;
}

// The largest table: 32766 rows from 0 by 1 m, with every cell text.
void TabellaMassima() {
    rigata::ShotData d = PallaPredefinita(0);
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

// The best time (ms) of a number of runs.
template <typename Funzione>
double Migliore(int prove, Funzione&& f) {
    double ms = 1e9;
    for (int i = 0; i < prove; ++i) {
        const auto inizio = Orologio::now();
        f();
        ms = std::min(ms, Millisecondi(inizio));
    }
    return ms;
}

// The point mass (G1) for the default load at 450 m: the default table (zero
// 225 m, 0 to 500 by 20, wind 5 m/s, sight 50 mm) as --tabella computes it
// (checks, zeroing, the flights the summary reads, the optimal zero's search,
// every cell text), and its summary as --riepilogo; the reach; the largest
// table it can give (from 0 by 1 m to the reach) against the closed form over
// the same rows; the cost of one row.
void PuntoMateriale() {
    const rigata::ShotData palla = PallaPredefinita(450);
    const rigata::RichiestaTabella richiesta{225, 0, 500, 20, 5, 50};
    rigata::ShotData d = palla;
    rigata::ApplicaRichiesta(d, richiesta);
    rigata::CalcolaAzzeramento(d);
    rigata::Scelte g1;
    g1.modello = rigata::TipoModello::G1;
    rigata::Scelte classico;

    size_t caratteri = 0;
    auto tabella = [&](const rigata::Scelte& m, double fine, int passo) {
        const auto t = rigata::CreaTraiettoria(d, m, fine);
        rigata::ShotData riga = d;
        for (double x = 0; x <= fine; x += passo) {
            riga.Distanza = static_cast<float>(x);
            t->CalcolaRiga(riga);
            for (const auto& c : rigata::CelleTabella(rigata::TipoTabella::Vari, riga, ".")) caratteri += c.size();
        }
    };
    const double predefinita = Migliore(20, [&] {
        const auto t = std::get<rigata::TabellaCalcolata>(rigata::TabellaCalcolata::Calcola(palla, richiesta, g1));
        t.Righe([&](const rigata::ShotData& riga) {
            for (const auto& c : rigata::CelleTabella(rigata::TipoTabella::Vari, riga, ".")) caratteri += c.size();
        });
    });
    const auto calcolata = std::get<rigata::TabellaCalcolata>(rigata::TabellaCalcolata::Calcola(palla, richiesta, g1));
    const double riepilogo =
        Migliore(5, [&] { caratteri += rigata::ComponiRiepilogo(calcolata, g1, ".").zeroBanda.size(); });
    const double portata = rigata::CreaTraiettoria(d, g1, 1e9)->Portata();
    const double fine = std::floor(portata);
    const double massima = Migliore(5, [&] { tabella(g1, fine, 1); });
    const double chiusa = Migliore(5, [&] { tabella(classico, fine, 1); });
    const auto t = rigata::CreaTraiettoria(d, g1, fine);
    const double volo = Migliore(5, [&] { rigata::CreaTraiettoria(d, g1, fine); });
    const int righe = static_cast<int>(fine) + 1;
    rigata::ShotData riga = d;
    const double soleRighe = Migliore(5, [&] {
        for (int x = 0; x < righe; ++x) {
            riga.Distanza = static_cast<float>(x);
            t->CalcolaRiga(riga);
        }
    });
    std::printf("punto materiale G1: tabella predefinita come --tabella (26 righe, azzeramento, distanza ottimale e "
                "testi) %.2f ms (obiettivo < 5 ms); riepilogo %.2f ms; portata %.0f m; tabella da 0 a %.0f m ogni "
                "metro (%d righe) %.1f ms, forma chiusa sulle stesse righe %.1f ms; volo e azzeramento %.2f ms, una "
                "riga %.2f us (migliori di 5)\n",
                predefinita, riepilogo, portata, fine, righe, massima, chiusa, volo, soleRighe * 1000 / righe);
}

// The point mass (G1), the default table as --tabella computes it (checks,
// zero, optimal zero, rows and the texts of every column) without a slope,
// with one up or down, with the field table downhill, with three lead
// columns and with the powder's correction; then the truing of the muzzle
// velocity with each model, as --calibra does it.
void TabelleConScelte() {
    const rigata::ShotData palla = PallaPredefinita(450);
    const rigata::RichiestaTabella richiesta{225, 0, 500, 20, 5, 50};
    rigata::Scelte g1;
    g1.modello = rigata::TipoModello::G1;
    size_t caratteri = 0;
    auto comeTabella = [&](const rigata::Scelte& m) {
        const auto esito = rigata::TabellaCalcolata::Calcola(palla, richiesta, m);
        const rigata::ColonneAggiunte aggiunte(m, ".");
        std::vector<std::string> celle;
        std::get<rigata::TabellaCalcolata>(esito).Righe([&](const rigata::ShotData& riga) {
            for (const auto& c : rigata::CelleTabella(rigata::TipoTabella::Campagna, riga, ".")) caratteri += c.size();
            aggiunte.Celle(riga, celle);
            for (const auto& c : celle) caratteri += c.size();
        });
    };
    rigata::Scelte discesa = g1, salita = g1, campagnaInDiscesa = g1;
    discesa.pendio = -30, salita.pendio = 30, campagnaInDiscesa.versoPendii = rigata::VersoPendii::Discesa;
    const double senza = Migliore(20, [&] { comeTabella(g1); });
    const double conDiscesa = Migliore(20, [&] { comeTabella(discesa); });
    const double conSalita = Migliore(20, [&] { comeTabella(salita); });
    const double campagna = Migliore(20, [&] { comeTabella(campagnaInDiscesa); });
    std::printf("punto materiale G1, la tabella come --tabella: senza pendio %.2f ms, pendio -30 %.2f ms, pendio 30 "
                "%.2f ms, pendii di campagna in discesa %.2f ms (migliori di 20)\n",
                senza, conDiscesa, conSalita, campagna);

    // The same with three lead columns, and with the powder's correction.
    rigata::Scelte anticipo = g1, polvere = g1;
    anticipo.anticipi = {10, 20, 30};
    polvere.sensibilita = 1, polvere.tempCartuccia = -10;
    const double conAnticipo = Migliore(20, [&] { comeTabella(anticipo); });
    const double conPolvere = Migliore(20, [&] { comeTabella(polvere); });
    std::printf("punto materiale G1, la tabella come --tabella: con tre colonne di anticipo %.2f ms, con la "
                "correzione della polvere %.2f ms (migliori di 20)\n",
                conAnticipo, conPolvere);

    // Truing the 965 m/s load to an impact seen at 300 m, as --calibra does.
    double calibra[3] = {};
    const rigata::TipoModello modelli[] = {rigata::TipoModello::Classico, rigata::TipoModello::G1,
                                           rigata::TipoModello::G7};
    for (int i = 0; i < 3; ++i) {
        rigata::Scelte m;
        m.modello = modelli[i];
        calibra[i] = Migliore(5, [&] {
            const auto c = rigata::CalibraVelocita(palla, richiesta, m, 300, -23.4);
            caratteri += std::holds_alternative<rigata::Calibrazione>(c);
        });
    }
    std::printf("calibrazione della velocità alla bocca a 300 m: classico %.2f ms, G1 %.2f ms, G7 %.2f ms (migliori di 5)\n",
                calibra[0], calibra[1], calibra[2]);
}

// A catalogue of 4000 bullets in the file's form, from a fixed pseudo-random
// sequence: few diameters and weights, so that the sort meets many ties.
std::string CatalogoGenerato() {
    const char* marche[] = {"Barnes", "Berger", "Hornady", "Lapua", "Nosler", "RCBS", "Remington", "RWS", "Sierra", "Speer"};
    const char* diametri[] = {".224", ".243", ".257", ".264", ".277", ".284", ".308", ".338", ".375"};
    unsigned stato = 12345;
    auto prossimo = [&](unsigned n) {
        stato = stato * 1103515245u + 12345u;
        return (stato >> 16) % n;
    };
    std::string testo = "(c) catalogo di prova\r\n";
    for (int i = 0; i < rigata::kMassimoPalle; ++i) {
        testo += std::string(marche[prossimo(10)]) + "," + diametri[prossimo(9)] + "," +
                 std::to_string(40 + 5 * prossimo(40)) + ",Tipo " + std::to_string(i) + ",.250,." +
                 std::to_string(200 + prossimo(400));
        for (unsigned n = prossimo(5), v = 3000; n > 0; --n, v -= 400)
            testo += "," + std::to_string(v) + ",." + std::to_string(200 + prossimo(400));
        testo += "\r\n";
    }
    return testo;
}

// Start-up with a full catalogue: read the file, sort it, build the SAE lines
// (the list of the start screen); then the metric lines of a unit switch.
void CatalogoMassimo() {
    char modello[] = "/tmp/rigata-bench-XXXXXX";
    if (!::mkdtemp(modello)) {
        std::printf("cartella temporanea non creata\n");
        return;
    }
    const std::string cartella = modello, file = cartella + "/stdbulls.bc";
    if (auto errore = rigata::ScriviFileSicuro(file, CatalogoGenerato())) {
        std::printf("%s\n", errore->c_str());
        return;
    }
    double lettura = 1e9, ordinamento = 1e9, sae = 1e9, metriche = 1e9, avvio = 1e9;
    for (int prova = 0; prova < 5; ++prova) {
        rigata::Catalogo c;
        const auto t0 = Orologio::now();
        rigata::CaricaCatalogo(c, cartella);
        const double t1 = Millisecondi(t0);
        rigata::OrdinaCatalogo(c, [](int) {});
        const double t2 = Millisecondi(t0);
        const auto righe = rigata::ElencaCatalogo(c, false, rigata::RigaPallaDefaultSAE());
        const double t3 = Millisecondi(t0);
        const auto inizioMetriche = Orologio::now();
        const auto righeMetriche = rigata::ElencaCatalogo(c, true, righe[static_cast<size_t>(c.IndicePallaDefault)]);
        metriche = std::min(metriche, Millisecondi(inizioMetriche));
        lettura = std::min(lettura, t1);
        ordinamento = std::min(ordinamento, t2 - t1);
        sae = std::min(sae, t3 - t2);
        avvio = std::min(avvio, t3);
        if (righe.size() != 4000 || righeMetriche.size() != 4000) std::printf("righe mancanti\n");
    }
    std::printf("catalogo di 4000 palle: lettura %.1f ms, ordinamento %.1f ms, righe SAE %.1f ms, "
                "totale %.1f ms (obiettivo < 100 ms); righe metriche %.1f ms (migliori di 5)\n",
                lettura, ordinamento, sae, avvio, metriche);
    ::unlink(file.c_str());
    ::rmdir(cartella.c_str());
}

}  // namespace

void BenchSchermi(int argc, char** argv);

int main(int argc, char** argv) {
    TabellaMassima();
    PuntoMateriale();
    TabelleConScelte();
    CatalogoMassimo();
    BenchSchermi(argc, argv);
    return 0;
}
