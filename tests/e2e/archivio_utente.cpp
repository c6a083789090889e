// The window program of an installed package, used by a user who cannot
// write the program's folder: driven like a user through the real screens
// (start screen, "Aggiungi palle", the new-bullet screen, "Utilizza nuovi
// dati"), with the program's folder and the user's data folder of the
// environment. Run by tests/e2e/pacchetto.sh as an unprivileged user:
//   RIGATA_CARTELLA_PROGRAMMA=<extracted>/usr/lib/rigata XDG_DATA_HOME=...
//   prova_archivio_utente memorizza        stores two bullets
//   RIGATA_PALLE_PROPRIE=N prova_archivio_utente elenca   the list holds N of them
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "ambiente.h"
#include "frmAvvio.h"

namespace {

const char* kTipoProva = "E2E";  // the bullet type of the stored bullets, found in the list lines

int PalleProprie(const QComboBox* lista) {
    int n = 0;
    for (int i = 0; i < lista->count(); ++i) n += lista->itemText(i).contains(QLatin1String(kTipoProva));
    return n;
}

}  // namespace

class ArchivioUtente : public QObject {
    Q_OBJECT
    DialoghiScriptati dialoghi;
    std::unique_ptr<Programma> programma;

    QComboBox* Lista() { return Trova<QComboBox>(programma->Avvio(), "Combo1"); }
    void Memorizza(const QStringList& campi) {
        QWidget* nuova = programma->NuovaPalla();
        QVERIFY(nuova);
        QTest::keyClicks(Trova<QComboBox>(nuova, "cBoMarca")->lineEdit(), campi[0]);
        const char* caselle[] = {"txtInpDiametro", "txtInpPeso", "txtImpTipoPalla", "txtInpCBStd"};
        for (int i = 0; i < 4; ++i) Scrivi(nuova, caselle[i], campi[i + 1]);
        Premi(nuova, "cmdMemorizza");
    }

private slots:
    void init() {
        dialoghi.avvisi.clear(), dialoghi.domande.clear();
        programma = std::make_unique<Programma>(qEnvironmentVariable("RIGATA_CARTELLA_PROGRAMMA"), dialoghi);
        programma->Main();
        QVERIFY(Lista()->count() > 0);
        QVERIFY2(dialoghi.avvisi.isEmpty() && dialoghi.domande.isEmpty(), qPrintable(dialoghi.avvisi.join('\n')));
    }
    void cleanup() { programma.reset(); }

    void memorizza() {
        const int consegnate = Lista()->count();
        QCOMPARE(PalleProprie(Lista()), 0);
        QTest::mouseClick(Trova<QWidget>(programma->Avvio(), "lblAggiungi"), Qt::LeftButton);
        Memorizza({"Prova", ".308", "150", kTipoProva, ".400"});
        // Told once where his bullets go.
        const QString proprio = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/rigata/stdbulls.bc");
        const QStringList avvisi = dialoghi.avvisi;
        QCOMPARE(avvisi.size(), 1);
        QVERIFY2(avvisi[0].startsWith(QStringLiteral("ARCHIVIO PERSONALE|")) && avvisi[0].contains(proprio),
                 qPrintable(avvisi[0]));
        Memorizza({"Prova", ".243", "95", kTipoProva, ".379"});
        QCOMPARE(dialoghi.avvisi.size() + dialoghi.domande.size(), 1);
        QVERIFY(programma->NuovaPalla());
        Premi(programma->NuovaPalla(), "cmdUtilizza");
        QCOMPARE(Lista()->count(), consegnate + 2);
        QCOMPARE(PalleProprie(Lista()), 2);
        QCOMPARE(dialoghi.avvisi.size() + dialoghi.domande.size(), 1);
    }

    void elenca() { QCOMPARE(PalleProprie(Lista()), qEnvironmentVariableIntValue("RIGATA_PALLE_PROPRIE")); }
};

QTEST_MAIN(ArchivioUtente)
#include "archivio_utente.moc"
