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

class ArchivioUtente : public QObject {
    Q_OBJECT
    DialoghiScriptati dialoghi;
    std::unique_ptr<Programma> programma;

    QComboBox* Lista() { return Trova<QComboBox>(programma->Avvio(), "Combo1"); }
    // The stored bullets, of type "E2E", in the list.
    int PalleProprie() {
        const QAbstractItemModel* m = Lista()->model();
        return m->match(m->index(0, 0), Qt::DisplayRole, "E2E", -1, Qt::MatchContains).size();
    }
    void Memorizza(const QString& diametro, const QString& peso, const QString& cb) {
        QWidget* nuova = programma->NuovaPalla();
        QVERIFY(nuova);
        QTest::keyClicks(Trova<QComboBox>(nuova, "cBoMarca")->lineEdit(), "Prova");
        for (const auto& [casella, testo] : {std::pair<const char*, QString>{"txtInpDiametro", diametro},
                                             {"txtInpPeso", peso}, {"txtImpTipoPalla", "E2E"}, {"txtInpCBStd", cb}})
            Scrivi(nuova, casella, testo);
        Premi(nuova, "cmdMemorizza");
    }

private slots:
    void init() {
        programma = std::make_unique<Programma>(qEnvironmentVariable("RIGATA_CARTELLA_PROGRAMMA"), dialoghi);
        programma->Main();
        QVERIFY(Lista()->count() > 0);
        QVERIFY2(dialoghi.avvisi.isEmpty() && dialoghi.domande.isEmpty(), qPrintable(dialoghi.avvisi.join('\n')));
    }

    void memorizza() {
        const int consegnate = Lista()->count();
        QCOMPARE(PalleProprie(), 0);
        QTest::mouseClick(Trova<QWidget>(programma->Avvio(), "lblAggiungi"), Qt::LeftButton);
        Memorizza(".308", "150", ".400");
        // Told once where his bullets go.
        const QString proprio = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/rigata/stdbulls.bc");
        const QString avviso = dialoghi.avvisi.value(0);
        QVERIFY2(avviso.startsWith("ARCHIVIO PERSONALE|") && avviso.contains(proprio), qPrintable(avviso));
        Memorizza(".243", "95", ".379");
        Premi(programma->NuovaPalla(), "cmdUtilizza");
        QCOMPARE(Lista()->count(), consegnate + 2);
        QCOMPARE(PalleProprie(), 2);
        QCOMPARE(dialoghi.avvisi.size() + dialoghi.domande.size(), 1);
    }

    void elenca() { QCOMPARE(PalleProprie(), qEnvironmentVariableIntValue("RIGATA_PALLE_PROPRIE")); }
};

QTEST_MAIN(ArchivioUtente)
#include "archivio_utente.moc"
