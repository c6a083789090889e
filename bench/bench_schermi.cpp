// Benchmarks of the screens: start-up with a full catalogue, the unit switch,
// and the largest table shown in the grid. Runs without a display.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <fstream>
#include <string>

#include "richiesta.h"
#include "dialoghi.h"
#include "frmAvvio.h"
#include "frmInputDatiTraiet.h"
#include "frmOpzioni.h"
#include "programma.h"

namespace {

class DialoghiMuti : public Dialoghi {
public:
    void Avviso(QWidget*, const QString& t, const QString& m) override {
        std::printf("avviso inatteso: %s %s\n", qPrintable(t), qPrintable(m));
    }
    bool Domanda(QWidget*, const QString&, const QString&) override { return false; }
    QString ApriFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString SalvaFile(QWidget*, const QString&, const QString&) override { return {}; }
    bool ScegliStampante(QWidget*, QPrinter&) override { return false; }
    std::optional<int> Intero(QWidget*, const QString&, const QString&, int, int, int) override { return {}; }
};

// 4000 bullets in a shuffled order, with velocity pairs on every other row.
void ScriviCatalogoPieno(const QString& percorso) {
    std::ofstream f(percorso.toStdString(), std::ios::binary);
    const char* marche[] = {"Sierra", "Nosler", "Hornady", "Barnes", "Speer", "RWS", "Lapua", "Berger"};
    unsigned seme = 12345;
    for (int i = 0; i < 4000; ++i) {
        seme = seme * 1103515245u + 12345u;
        const int diametro = 172 + static_cast<int>((seme >> 8) % 287);
        const int peso = 20 + static_cast<int>((seme >> 4) % 500);
        f << marche[(seme >> 16) % 8] << ",." << diametro << "," << peso << ",Tipo " << i << ",.250,.3"
          << (seme % 90 + 10);
        if (i % 2) f << ",2800,.420,2000,.400,1600,.380,1200,.350";
        f << "\r\n";
    }
}

long PiccoMemoriaKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith("VmHWM:")) return riga.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

}  // namespace

void BenchRapporto(Programma& p, frmInputDatiTraiet* t);

void BenchSchermi(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir cartella;
    ScriviCatalogoPieno(cartella.path() + QStringLiteral("/stdbulls.bc"));
    DialoghiMuti dialoghi;
    Programma p(cartella.path(), dialoghi);

    QElapsedTimer t;
    t.start();
    p.Main();
    // The screen just shown settles in a few passes (polish, fonts, layout).
    for (int passo = 0; passo < 3; ++passo) QApplication::processEvents();
    std::printf("avvio con 4000 palle (lettura, ordinamento, elenco, scelta, schermo disegnato): %.0f ms\n",
                t.nsecsElapsed() / 1e6);

    frmAvvio* avvio = p.Avvio();
    t.restart();
    QTest::mouseClick(avvio->findChild<QWidget*>(QStringLiteral("lblUnita")), Qt::LeftButton);
    QApplication::processEvents();
    std::printf("passaggio a unità metriche con 4000 palle: %.0f ms\n", t.nsecsElapsed() / 1e6);

    avvio->findChild<QLineEdit*>(QStringLiteral("txtDiametro"))->setText(QStringLiteral("0.243"));
    avvio->findChild<QLineEdit*>(QStringLiteral("txtPeso"))->setText(QStringLiteral("95"));
    avvio->findChild<QLineEdit*>(QStringLiteral("txtCoeffbalistico"))->setText(QStringLiteral("0.379"));
    avvio->findChild<QPushButton*>(QStringLiteral("cmdConferma"))->click();
    p.Opzioni()->findChild<QPushButton*>(QStringLiteral("cmdCalcoloTraiettorie"))->click();
    frmInputDatiTraiet* traiettorie = p.Traiettorie();
    ImpostaRichiesta(p.Doc(), {"225", "0", "32765", "1", "5", "50"});
    QApplication::processEvents();
    double migliore = 1e9;
    for (int prova = 0; prova < 3; ++prova) {
        t.restart();
        traiettorie->CalcolaTabella();
        traiettorie->repaint();
        QApplication::processEvents();
        migliore = std::min(migliore, t.nsecsElapsed() / 1e6);
    }
    std::printf("tabella di 32766 righe calcolata e mostrata nella griglia: %.0f ms (migliore di 3)\n", migliore);
    std::printf("picco di memoria (catalogo pieno e tabella massima): %.1f MB\n", PiccoMemoriaKb() / 1024.0);
    BenchRapporto(p, traiettorie);
}
