// Benchmarks of what leaves the trajectory screen: the chart redrawn for the
// largest table (closed form; point mass with both curves), the report to PDF (default and largest table), the CSV of
// the largest table. RIGATA_BENCH_PDF=FOLDER keeps the two PDFs there.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

#include "richiesta.h"
#include "azionitabella.h"
#include "frmInputDatiTraiet.h"
#include "graficotraiettoria.h"
#include "modellotabella.h"
#include "programma.h"

namespace {

double Ms(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

void Conserva(const QByteArray& pdf, const char* nome) {
    const QByteArray cartella = qgetenv("RIGATA_BENCH_PDF");
    if (cartella.isEmpty()) return;
    QFile f(QString::fromLocal8Bit(cartella) + QLatin1Char('/') + QLatin1String(nome));
    if (f.open(QIODevice::WriteOnly)) f.write(pdf);
}

}  // namespace

// The screen has just computed the largest table (32766 rows).
void BenchRapporto(Programma& p, frmInputDatiTraiet* t) {
    auto* azioni = t->findChild<AzioniTabella*>();
    QElapsedTimer tempo;

    // The chart of the largest table in a window-sized picture: one point per
    // pixel column; with the point mass, the closed form's curve beside it.
    const auto misuraGrafico = [&](std::shared_ptr<const rigata::TabellaCalcolata> tabella, const char* cosa) {
        GraficoTraiettoria grafico(QStringLiteral("."));
        grafico.Imposta(CreaDatiGrafico(std::move(tabella), rigata::TipoTabella::Vari, rigata::Scelte{}));
        grafico.resize(1200, 800);
        QImage immagine(grafico.size(), QImage::Format_RGB32);
        double disegno = 1e9;
        for (int prova = 0; prova < 10; ++prova) {
            tempo.restart();
            QPainter pittore(&immagine);
            grafico.Disegna(pittore, QRectF(immagine.rect()));
            pittore.end();
            disegno = std::min(disegno, Ms(tempo));
        }
        std::printf("grafico della tabella %s ridisegnato (1200 x 800): %.1f ms (migliore di 10; "
                    "obiettivo < 16 ms)\n", cosa, disegno);
    };
    auto classica = rigata::TabellaCalcolata::Calcola(p.Dati(), rigata::RichiestaTabella{225, 0, 32765, 1, 5, 50}, {});
    if (auto* tabella = std::get_if<rigata::TabellaCalcolata>(&classica))
        misuraGrafico(std::make_shared<const rigata::TabellaCalcolata>(*tabella), "di 32766 righe (classico)");
    rigata::Scelte g1;
    g1.modello = rigata::TipoModello::G1;
    // The point mass G1 reaches about 3470 m with the default load: its
    // longest table; the closed form's curve (same G1 coefficient) beside it.
    auto puntoMateriale = rigata::TabellaCalcolata::Calcola(p.Dati(), rigata::RichiestaTabella{225, 0, 3472, 1, 5, 50}, g1);
    if (auto* tabella = std::get_if<rigata::TabellaCalcolata>(&puntoMateriale))
        misuraGrafico(std::make_shared<const rigata::TabellaCalcolata>(std::move(*tabella)),
                      "di 3473 righe (punto materiale G1, con la curva classica)");
    else
        std::printf("tabella del punto materiale rifiutata: %s\n",
                    std::get<rigata::Rifiuto>(puntoMateriale).messaggio.c_str());

    double csv = 1e9;
    qsizetype byteCsv = 0;
    for (int prova = 0; prova < 5; ++prova) {
        tempo.restart();
        byteCsv = azioni->Csv().size();
        csv = std::min(csv, Ms(tempo));
    }
    std::printf("CSV della tabella di 32766 righe: %.1f ms, %lld byte (migliore di 5; obiettivo < 100 ms)\n", csv,
                static_cast<long long>(byteCsv));

    tempo.restart();
    int pagine = 0;
    const auto grande = azioni->PdfRapporto([&](int, int n) { return pagine = n, true; });
    std::printf("PDF della tabella di 32766 righe: %.2f s, %d pagine, %.1f MB (obiettivo < 15 s)\n", Ms(tempo) / 1000,
                pagine, grande ? grande->size() / 1048576.0 : 0.0);
    if (grande) Conserva(*grande, "tabella-massima.pdf");

    ImpostaRichiesta(p.Doc(), {"225", "0", "500", "20", "5", "50"});
    t->CalcolaTabella();
    double predefinita = 1e9;
    std::optional<QByteArray> piccola;
    for (int prova = 0; prova < 5; ++prova) {
        tempo.restart();
        piccola = azioni->PdfRapporto();
        predefinita = std::min(predefinita, Ms(tempo));
    }
    std::printf("PDF della tabella predefinita (26 righe, con il grafico): %.0f ms (migliore di 5; obiettivo < 300 ms)\n",
                predefinita);
    if (piccola) Conserva(*piccola, "tabella-predefinita.pdf");
}
