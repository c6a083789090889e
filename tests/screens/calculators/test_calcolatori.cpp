// The options screen and the five calculators: an option item opens its
// calculator by double click, Enter or Space; Calcola, or Enter in a box,
// shows the core's results.
#include <QComboBox>
#include <QtTest>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmOpzioni.h"

class TestCalcolatori : public QObject {
    Q_OBJECT

    // The .308 bullet of 150 grains confirmed: the options screen.
    static QWidget* Opzioni(Ambiente& a) {
        Scrivi(a.programma->Avvio(), "txtDiametro", "0.308");
        Scrivi(a.programma->Avvio(), "txtPeso", "150");
        Premi(a.programma->Avvio(), "cmdConferma");
        return a.programma->Opzioni();
    }

private slots:
    // The item opened by double click, Enter or Space; with inputs typed,
    // Enter in the last box computes; without, a click on Calcola.
    void calcola_data() {
        QTest::addColumn<int>("tasto");  // 0: double click
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QStringList>("ingressi");  // "name=text", typed over the box's first value
        QTest::addColumn<QStringList>("risultati");
        QTest::newRow("legno, invio") << int(Qt::Key_Return) << "optLegno" << "Penetrazione nel legno di abete" << QStringList{}
                               << QStringList{"txtPenetrazioneLegno=53", "txtVolumeLegno=26.2"};
        QTest::newRow("ferro") << 0 << "optFerro" << "Penetrazione nel ferro" << QStringList{"txtVelImpatto=800"}
                               << QStringList{"txtPenetrazioneFerro=1.11"};
        QTest::newRow("osso") << 0 << "optOsso" << "Penetrazione nell' osso" << QStringList{"cBoCoeffPallaOsso=0.15"}
                              << QStringList{"txtPenetrazioneOsso=3.65"};
        QTest::newRow("uomo") << 0 << "optUomo" << "Penetrazione nel corpo umano" << QStringList{}
                              << QStringList{"txtPenetrazioneUomo=104.4", "txtVelocitaLimiteCute=28"};
        QTest::newRow("canna, spazio") << int(Qt::Key_Space) << "optVarVelCanna" << "Variazione della velocità  in relazione a lunghezza canna"
                               << QStringList{"txtPercorsoCannaNota=600", "txtPercorsoCannaDiversa=500"}
                               << QStringList{"txtVelocitaNuovaCanna=859.9"};
    }
    void calcola() {
        QFETCH(int, tasto);
        QFETCH(QString, opzione);
        QFETCH(QString, titolo);
        QFETCH(QStringList, ingressi);
        QFETCH(QStringList, risultati);
        Ambiente a;
        if (tasto) QTest::keyClick(Trova(Opzioni(a), opzione.toLatin1()), Qt::Key(tasto));
        else DoppioClick(Opzioni(a), opzione.toLatin1());
        Schermo* c = a.programma->Calcolatore();
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->windowTitle(), titolo);
        QLineEdit* e = nullptr;
        for (const QString& voce : ingressi) e = Scrivi(c, voce.section('=', 0, 0), voce.section('=', 1));
        if (e)
            QTest::keyClick(e, Qt::Key_Return);
        else
            c->findChildren<QPushButton*>(QRegularExpression("^cmdCalcola")).first()->click();
        for (const QString& r : risultati)
            QCOMPARE(r.section('=', 0, 0) + '=' + Testo(c, r.section('=', 0, 0).toLatin1()), r);
        GrassettoRosso(c, {risultati[0].section('=', 0, 0)});
        QVERIFY(a.dialoghi.avvisi.isEmpty() && a.dialoghi.inattesi.isEmpty());
    }

    // A refusal empties the result box: no old figure stays beside the new input.
    void rifiutoSvuotaIRisultati() {
        Ambiente a;
        DoppioClick(Opzioni(a), "optOsso");
        Schermo* c = a.programma->Calcolatore();
        Premi(c, "cmdCalcolaOsso");
        QCOMPARE(Testo(c, "txtPenetrazioneOsso"), "10.71");
        Trova<QComboBox>(c, "cBoCoeffPallaOsso")->setEditText("0,30");
        Premi(c, "cmdCalcolaOsso");
        QCOMPARE(a.dialoghi.avvisi, QStringList{"USA IL PUNTO!!|virgola nel campo coefficiente: il separatore "
                                                "decimale è il punto; scrivere 0.30 e non 0,30"});
        QCOMPARE(Testo(c, "txtPenetrazioneOsso"), "");
    }
};

QTEST_MAIN(TestCalcolatori)
#include "test_calcolatori.moc"
