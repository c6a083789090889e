// The trajectory screen and the data files of the start screen: the option
// items compute the table into the grid, the menus print, save, open and end.
#include <QClipboard>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmInputDatiTraiet.h"
#include "frmOpzioni.h"

#include <sys/stat.h>

class TestTraiettorie : public QObject {
    Q_OBJECT

    // Start-up, the default bullet confirmed at sea level, "Calcolo Traiettorie".
    static QWidget* Apri(Ambiente& a) {
        Scrivi(a.programma->Avvio(), "txtAltitudine", "0");
        Premi(a.programma->Avvio(), "cmdConferma");
        Premi(a.programma->Opzioni(), "cmdCalcoloTraiettorie");
        return a.programma->Traiettorie();
    }
    // The header of the fourth column, then the cells of a row.
    static QStringList Riga(QWidget* t, int riga) {
        QAbstractItemModel* m = Trova<QTableView>(t, "MSFlexGrid1")->model();
        QStringList celle{m->headerData(3, Qt::Horizontal).toString()};
        for (int c = 0; c < 8; ++c) celle << m->index(riga, c).data().toString();
        return celle;
    }

private slots:
    void tabelleEStampa() {
        Ambiente a;
        QWidget* t = Apri(a);
        QVERIFY(!Trova(t, "MSFlexGrid1")->isVisible());
        DoppioClick(t, "optTabellaVari");
        QVERIFY(Trova(t, "MSFlexGrid1")->isVisible());
        QCOMPARE(Testo(t, "lblRisultDistZeroOK"), "224");
        QCOMPARE(Riga(t, 1), (QStringList{"Velocità (m/s)", "20", "-0.2", "2.5", "946.6", "2758.3", "-0.1", "0.021", "-2.0"}));
        DoppioClick(t, "optTabellaCampagna");
        QCOMPARE(Riga(t, 25), (QStringList{"Scarto  0°(cm)", "500", "597.0", "1096.9", "-111.4", "-105.1", "-86.4", "-56.8", "-18.2"}));
        Scrivi(t, "txtDistFine", "40000");
        Scrivi(t, "txtIntervallo", "1");
        DoppioClick(t, "optTabellaVari");  // refused: the table shown stays
        QCOMPARE(a.dialoghi.avvisi.size(), 1);
        QVERIFY(a.dialoghi.avvisi[0].startsWith("TROPPE RIGHE!!|"));
        QCOMPARE(Riga(t, 25)[1], "500");
        a.dialoghi.pdf = a.File("tabella.pdf");
        a.dialoghi.risposte << false << true;
        Menu(t, "mnuStampa");
        QVERIFY(!QFile::exists(a.dialoghi.pdf));
        Menu(t, "mnuStampa");
        QVERIFY(a.Contenuto("tabella.pdf").startsWith("%PDF"));
        QVERIFY(a.dialoghi.inattesi.isEmpty());
    }

    // File > Salva con nome writes the twelve texts of both screens; File >
    // Apri asks about the changes, then reads them back; nothing is left to ask.
    void salvaERiapre() {
        Ambiente a;
        QWidget* t = Apri(a);
        frmAvvio* s = a.programma->Avvio();
        Scrivi(t, "txtVelVento", "3.5");
        a.dialoghi.risposte << a.File("caccia.dat");
        Menu(s, "mnuSalvaConNome");
        QCOMPARE(a.Contenuto("caccia.dat"), "0.243,95,0,15,965,0.379,225,0,500,20,3.5,50\r\n");
        Scrivi(s, "txtDiametro", "0.224");
        Scrivi(t, "txtHottica", "38");
        a.dialoghi.risposte << false << a.File("caccia.dat") << a.File("manca.dat");
        Menu(s, "mnuApri");
        QCOMPARE(a.dialoghi.domande, QStringList{"Conferma salvataggio|Il testo è stato modificato.\nVuoi salvare le modifiche?"});
        QCOMPARE(Testo(s, "txtDiametro") + " " + Testo(t, "txtHottica") + " " + Testo(t, "txtVelVento"), "0.243 50 3.5");
        Menu(s, "mnuApri");  // a missing file: a message naming it, nothing changed
        QCOMPARE(a.dialoghi.avvisi.size(), 1);
        QVERIFY(a.dialoghi.avvisi[0].startsWith("FILE NON LEGGIBILE!!|") && a.dialoghi.avvisi[0].contains(a.File("manca.dat")));
        QSignalSpy fine(a.programma.get(), &Programma::terminato);
        Menu(t, "mnuFileEsci");
        QCOMPARE(fine.count(), 1);
        QCOMPARE(a.dialoghi.domande.size(), 1);
        QVERIFY(a.dialoghi.inattesi.isEmpty());
    }

    // Leaving with unsaved data asks to save; a failed save asks again.
    void uscitaConDatiNonSalvati() {
        Ambiente a;
        QSignalSpy fine(a.programma.get(), &Programma::terminato);
        a.dialoghi.risposte << true << a.cartella.path() << true << QString();
        Premi(a.programma->Avvio(), "cmdEsci");
        QCOMPARE(a.dialoghi.domande.size(), 2);
        QCOMPARE(a.dialoghi.domande[0], "Conferma salvataggio|Non esiste o è stato modificato il file dei dati impostati.\nVuoi salvare le modifiche in un file?");
        QCOMPARE(a.dialoghi.avvisi.size(), 1);
        QVERIFY(a.dialoghi.avvisi[0].startsWith("SALVATAGGIO NON RIUSCITO!!|"));
        QCOMPARE(fine.count(), 1);
    }
    // What File > Apri cannot read leaves every box as it was, with a message
    // naming the file; a special file never hangs the program.
    void fileIllegibili_data() {
        QTest::addColumn<QString>("percorso");
        QTest::newRow("una cartella") << "";
        QTest::newRow("un dispositivo") << "/dev/zero";
        QTest::newRow("una fifo") << "fifo";
        QTest::newRow("riga lunghissima") << "lunga";
    }
    void fileIllegibili() {
        QFETCH(QString, percorso);
        Ambiente a;
        frmAvvio* s = a.programma->Avvio();
        if (percorso.isEmpty()) percorso = a.cartella.path();
        if (percorso == "fifo") QVERIFY(mkfifo(QFile::encodeName(percorso = a.File("fifo")).constData(), 0644) == 0);
        if (percorso == "lunga") {
            QFile f(percorso = a.File("lunga.dat"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(40000, '7')) == 40000);
        }
        a.dialoghi.risposte << false << percorso;
        Menu(s, "mnuApri");
        QCOMPARE(a.dialoghi.avvisi.size(), 1);
        QVERIFY2(a.dialoghi.avvisi[0].contains(percorso), qPrintable(a.dialoghi.avvisi[0]));
        QCOMPARE(Testo(s, "txtDiametro"), "0.243");
    }

    // A value that would not come back from the file is refused before writing;
    // the sixth character of the sight height comes back; a pasted line end is dropped.
    void valoriCheTornanoDalFile() {
        Ambiente a;
        QWidget* t = Apri(a);
        frmAvvio* s = a.programma->Avvio();
        Scrivi(t, "txtVelVento", "3,5");
        a.dialoghi.risposte << a.File("caccia.dat");
        Menu(s, "mnuSalvaConNome");
        QCOMPARE(a.dialoghi.avvisi.size(), 1);
        QVERIFY2(a.dialoghi.avvisi[0].startsWith("SALVATAGGIO NON RIUSCITO!!|") &&
                     a.dialoghi.avvisi[0].contains("il campo \"velocità del vento laterale\" contiene una virgola"),
                 qPrintable(a.dialoghi.avvisi[0]));
        QVERIFY(!QFile::exists(a.File("caccia.dat")));
        auto* vento = Trova<QLineEdit>(t, "txtVelVento");
        vento->clear();
        QGuiApplication::clipboard()->setText("3.5\r\n");
        vento->paste();
        Scrivi(t, "txtHottica", "38.125");
        a.dialoghi.risposte << a.File("caccia.dat") << false << a.File("caccia.dat");
        Menu(s, "mnuSalvaConNome");
        QCOMPARE(a.Contenuto("caccia.dat"), "0.243,95,0,15,965,0.379,225,0,500,20,3.5,38.125\r\n");
        Scrivi(t, "txtHottica", "50");
        Menu(s, "mnuApri");
        QCOMPARE(Testo(t, "txtHottica"), "38.125");
    }
};

QTEST_MAIN(TestTraiettorie)
#include "test_traiettorie.moc"
