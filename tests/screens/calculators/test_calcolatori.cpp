// The five calculator screens: opened from the options screen, their Calcola
// button shows the core's results and refusals, their menus lead back.
#include <QComboBox>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmOpzioni.h"

class TestCalcolatori : public QObject {
    Q_OBJECT

    // The .308 bullet of 150 grains confirmed, then a double click on the option item.
    static Schermo* Apri(Ambiente& a, const QString& opzione) {
        Scrivi(a.programma->Avvio(), "txtDiametro", "0.308");
        Scrivi(a.programma->Avvio(), "txtPeso", "150");
        Premi(a.programma->Avvio(), "cmdConferma");
        DoppioClick(a.programma->Opzioni(), opzione.toLatin1());
        return a.programma->Calcolatore();
    }

private slots:
    void calcola_data() {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QStringList>("ingressi");  // "name=text", typed over the box's first value
        QTest::addColumn<QStringList>("risultati");
        QTest::addColumn<QStringList>("avvisi");
        QTest::newRow("legno") << "optLegno" << "Penetrazione nel legno di abete" << QStringList{}
                               << QStringList{"txtPenetrazioneLegno=53", "txtVolumeLegno=26.2"} << QStringList{};
        QTest::newRow("ferro") << "optFerro" << "Penetrazione nel ferro" << QStringList{"txtVelImpatto=800"}
                               << QStringList{"txtPenetrazioneFerro=1.11"} << QStringList{};
        QTest::newRow("osso") << "optOsso" << "Penetrazione nell' osso" << QStringList{"cBoCoeffPallaOsso=0.15"}
                              << QStringList{"txtPenetrazioneOsso=3.65"} << QStringList{};
        QTest::newRow("uomo") << "optUomo" << "Penetrazione nel corpo umano" << QStringList{}
                              << QStringList{"txtPenetrazioneUomo=104.4", "txtVelocitaLimiteCute=28"} << QStringList{};
        QTest::newRow("canna") << "optVarVelCanna" << "Variazione della velocità  in relazione a lunghezza canna"
                               << QStringList{"txtPercorsoCannaNota=600", "txtPercorsoCannaDiversa=500"}
                               << QStringList{"txtVelocitaNuovaCanna=859.9"} << QStringList{};
        QTest::newRow("uomo sotto la soglia") << "optUomo" << "Penetrazione nel corpo umano" << QStringList{"txtVelImpattoUomo=28"}
            << QStringList{"txtPenetrazioneUomo=", "txtVelocitaLimiteCute=28"}
            << QStringList{"CAMBIA VALORE!!|la velocità di impatto deve superare la velocità limite sulla cute (28.18 m/s); inserire un valore maggiore"};
    }
    void calcola() {
        QFETCH(QString, opzione); QFETCH(QString, titolo); QFETCH(QStringList, ingressi);
        QFETCH(QStringList, risultati); QFETCH(QStringList, avvisi);
        Ambiente a;
        Schermo* c = Apri(a, opzione);
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->windowTitle(), titolo);
        QPushButton* calcola = nullptr;
        for (auto* b : c->findChildren<QPushButton*>()) calcola = b->text().remove('&') == "Calcola" ? b : calcola;
        QTest::mouseClick(calcola, Qt::LeftButton);  // a result for the boxes' first values, to be replaced
        for (const QString& voce : ingressi) {
            auto* lista = c->findChild<QComboBox*>(voce.section('=', 0, 0));
            QLineEdit* e = lista ? lista->lineEdit() : c->findChild<QLineEdit*>(voce.section('=', 0, 0));
            e->selectAll();
            QTest::keyClicks(e, voce.section('=', 1));
        }
        QTest::mouseClick(calcola, Qt::LeftButton);
        for (const QString& r : risultati) QCOMPARE(r.section('=', 0, 0) + '=' + Testo(c, r.section('=', 0, 0).toLatin1()), r);
        QCOMPARE(a.dialoghi.avvisi, avvisi);
    }

    // Each calculator's menu: Opzioni closes it, Nuova palla goes to the start
    // screen, Esci ends without asking.
    void menu_data() {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QStringList>("voci");
        QTest::newRow("legno") << "optLegno" << QStringList{"MnuOpzioni", "mnuNuovaPalla", "mnuEsci"};
        QTest::newRow("ferro") << "optFerro" << QStringList{"mnuOpzioni", "mnuNuovaPalla", "mnuEsci"};
        QTest::newRow("osso") << "optOsso" << QStringList{"mnuOpzioni", "mnuNuovaPalla", "mnuEsci"};
        QTest::newRow("uomo") << "optUomo" << QStringList{"mnuOpzioni", "mnuNuovaPalla", "MnuEsci"};
        QTest::newRow("canna") << "optVarVelCanna" << QStringList{"mnuOpzioni", "mnuNuovaPalla", "mnuEsci"};
    }
    void menu() {
        QFETCH(QString, opzione); QFETCH(QStringList, voci);
        Ambiente a;
        QPointer<Schermo> c = Apri(a, opzione);
        Menu(c, voci[0].toLatin1());
        Svuota();
        QVERIFY(!c && a.programma->Opzioni()->isVisible());
        DoppioClick(a.programma->Opzioni(), opzione.toLatin1());
        Menu(c = a.programma->Calcolatore(), voci[1].toLatin1());
        Svuota();
        QVERIFY(!c && a.programma->Avvio()->isVisible());
        QSignalSpy fine(a.programma.get(), &Programma::terminato);
        Menu(Apri(a, opzione), voci[2].toLatin1());
        QCOMPARE(fine.count(), 1);
        QVERIFY(a.dialoghi.domande.isEmpty() && a.dialoghi.avvisi.isEmpty());
    }
};

QTEST_MAIN(TestCalcolatori)
#include "test_calcolatori.moc"
