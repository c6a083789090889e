// The new-bullet screen: the frame of extra pairs opens as the boxes fill,
// "Memorizza dati" refuses through the core's checks or appends the line to
// the catalogue, and "Utilizza nuovi dati" lists the new bullet.
#include <QComboBox>
#include <QDir>
#include <QtTest>

#include "ambiente.h"
#include "frmAvvio.h"

class TestNuovaPalla : public QObject {
    Q_OBJECT

    // "Aggiungi palle", then maker, diameter, weight, type, coefficient and the
    // frame's boxes in order, each typed as one key event carrying the text.
    static QWidget* Compila(Ambiente& a, const QStringList& testi) {
        QTest::mouseClick(Trova(a.programma->Avvio(), "lblAggiungi"), Qt::LeftButton);
        QWidget* s = a.programma->NuovaPalla();
        const char* caselle[] = {"txtInpDiametro", "txtInpPeso", "txtImpTipoPalla", "txtInpCBStd", "txtInpCB1", "txtInpVelocita1", "txtInpCB2"};
        for (int i = 0; i < testi.size(); ++i)
            QTest::sendKeyEvent(QTest::Click, i ? Trova(s, caselle[i - 1]) : Trova<QComboBox>(s, "cBoMarca")->lineEdit(), Qt::Key_unknown, testi[i], {});
        return s;
    }
    static QWidget* Memorizza(Ambiente& a, QWidget* s) {
        Premi(s, "cmdMemorizza");
        Svuota();
        return a.programma->NuovaPalla();
    }

private slots:
    void corniceSiApreInOrdine() {
        Ambiente a;
        QWidget* s = Compila(a, {"Nosler", ".243", "95", "BTsb"});
        QVERIFY(s->isVisible() && !a.programma->Avvio()->isVisible());
        QVERIFY(!Trova(s, "fraDatiPallaExtra")->isEnabled());
        QTest::keyClicks(Trova(s, "txtInpCBStd"), ".379");
        QVERIFY(Trova(s, "fraDatiPallaExtra")->isEnabled());
        QVERIFY(Trova(s, "txtInpCB1")->isEnabled() && !Trova(s, "txtInpVelocita1")->isEnabled());
        QTest::keyClicks(Trova(s, "txtInpCB1"), ".4");
        QVERIFY(Trova(s, "txtInpVelocita1")->isEnabled() && !Trova(s, "txtInpCB2")->isEnabled());
    }

    void rifiuto() {
        Ambiente a;
        QWidget* s = Compila(a, {"Sierra", ".308", "150", "SPBT", ".400", ".420"});
        QCOMPARE(Memorizza(a, s), s);
        QCOMPARE(a.dialoghi.avvisi, QStringList{"INSERISCI VALORE!!| Inserire la velocità relativa\n\nal proprio coefficiente balistico"});
        QCOMPARE(a.Contenuto("stdbulls.bc"), QByteArray(kCatalogoProva));
        QCOMPARE(Testo(s, "txtInpCB1"), ".420");
    }

    void memorizzaEUtilizza() {
        Ambiente a;
        QWidget* nuova = Memorizza(a, Compila(a, {"Brünner", ".284", "162", "Spitz €", ".631", ".620", "2800"}));
        QVERIFY(a.dialoghi.avvisi.isEmpty());
        QCOMPARE(a.Contenuto("stdbulls.bc").mid(qstrlen(kCatalogoProva)), "Br\xfcnner,.284,162,Spitz \x80,.287,.631,2800,.620\r\n");
        QVERIFY(nuova && nuova->isVisible() && Testo(nuova, "txtInpPeso").isEmpty());
        Premi(nuova, "cmdUtilizza");
        Svuota();
        auto* lista = Trova<QComboBox>(a.programma->Avvio(), "Combo1");
        QCOMPARE(lista->count(), 7);
        QVERIFY(lista->itemText(1).startsWith("0.284\"   162gr   Brünner Spitz €"));
    }

    // A failed write keeps the catalogue and every typed value.
    void scritturaFallita() {
        Ambiente a;
        QVERIFY(QFile::remove(a.File("stdbulls.bc")) && QDir().mkdir(a.File("stdbulls.bc")));
        QWidget* s = Compila(a, {"Nosler", ".243", "95", "BTsb", ".379"});
        QCOMPARE(Memorizza(a, s), s);
        QCOMPARE(a.dialoghi.avvisi.size(), 1);
        QVERIFY(a.dialoghi.avvisi[0].startsWith("SALVATAGGIO NON RIUSCITO!!|") && a.dialoghi.avvisi[0].contains(a.File("stdbulls.bc")));
        QCOMPARE(Testo(s, "txtInpCBStd"), ".379");
    }
};

QTEST_MAIN(TestNuovaPalla)
#include "test_nuovapalla.moc"
