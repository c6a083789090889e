// The start screen and the options screen, driven like a user.
#include <QComboBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QtTest>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmOpzioni.h"
#include "frmInputDatiTraiet.h"

class TestAvvio : public QObject {
    Q_OBJECT

    using A = Ambiente;

    static QStringList Ingresso(QWidget* s) {
        return {A::Testo(s, "txtDiametro"),    A::Testo(s, "txtPeso"),          A::Testo(s, "txtAltitudine"),
                A::Testo(s, "txtTemperatura"), A::Testo(s, "txtVelocitabocca"), A::Testo(s, "txtCoeffbalistico")};
    }
    static void ScriviIngresso(QWidget* s, const QStringList& v) {
        const char* campi[] = {"txtDiametro", "txtPeso", "txtAltitudine", "txtTemperatura", "txtVelocitabocca",
                               "txtCoeffbalistico"};
        for (int i = 0; i < 6; ++i) A::Scrivi(s, campi[i], v[i]);
    }
    static int Seleziona(QWidget* s, const QString& inizio) {
        auto* combo = A::Trova<QComboBox>(s, "Combo1");
        for (int i = 0; i < combo->count(); ++i)
            if (combo->itemText(i).startsWith(inizio)) {
                combo->setCurrentIndex(i);
                emit combo->activated(i);
                return i;
            }
        return -1;
    }

private slots:
    void avvioSelezionaLaPallaPredefinita() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        QVERIFY(s->isVisible());
        QCOMPARE(s->windowTitle(), QStringLiteral("Inserimento dati"));
        QCOMPARE(Ingresso(s), (QStringList{"0.243", "95", "450", "15", "965", "0.379"}));
        auto* combo = A::Trova<QComboBox>(s, "Combo1");
        QCOMPARE(combo->count(), 6);
        QVERIFY(combo->currentText().startsWith(QStringLiteral("0.243\"   95gr    Nosler  BTsb")));
        QCOMPARE(A::Trova<QLineEdit>(s, "txtCoeff_Bal_Std")->text(), QStringLiteral("0.379"));
        QVERIFY(A::Trova<QWidget>(s, "Text1")->isHidden());
        QVERIFY(!A::Trova<QWidget>(s, "lblAggiungi")->isHidden());
        QVERIFY(A::Trova<QWidget>(s, "PB1")->isHidden());
        QCOMPARE(A::Testo(s, "lblSAE"), QStringLiteral("    SAE"));
        // The entered fields of the record stay zero until a confirmation.
        const auto& d = a.programma->Dati();
        QCOMPARE(d.DiametroInch, 0.0f);
        QCOMPARE(d.VelocitaBocca, 0.0f);
        QCOMPARE(d.CoeffBalistico, 0.0);
        QCOMPARE(A::Testo(s, "txtFile"), QStringLiteral("0.243,95,450,15,965,0.379,225,0,500,20,5,50"));
        QVERIFY(s->DatiCambiati());
        QVERIFY(a.dialoghi.registro.isEmpty());
        // Sorted by diameter, weight, maker.
        QVERIFY(combo->itemText(1).startsWith(QStringLiteral("0.308\"   130gr   Barnes")));
        QVERIFY(combo->itemText(2).startsWith(QStringLiteral("0.308\"   150gr   RWS")));
        QVERIFY(combo->itemText(3).startsWith(QStringLiteral("0.308\"   150gr   Sierra")));
    }

    void catalogoMancante() {
        A a(nullptr);
        a.programma->Main();
        QCOMPARE(a.dialoghi.Di("avviso"), QStringList{"CAMBIA PERCORSO!!|File Inesistente!!"});
        frmAvvio* s = a.programma->Avvio();
        QCOMPARE(A::Trova<QComboBox>(s, "Combo1")->count(), 0);
        QCOMPARE(A::Testo(s, "txtDiametro"), QString());
        QVERIFY(!A::Trova<QWidget>(s, "Text1")->isHidden());
    }

    void catalogoOltreLe4000Palle() {
        QByteArray testo;
        for (int i = 0; i < 4002; ++i) testo += "Sierra,.308," + QByteArray::number(100 + i % 500) + ",SP,.2,.3\r\n";
        A a(testo.constData());
        a.programma->Main();
        QCOMPARE(a.dialoghi.Di("avviso"),
                 QStringList{"CATALOGO TROPPO GRANDE!!|L'archivio delle palle contiene più di 4000 palle: le ultime 2 "
                             "righe non sono state caricate. Per usarle togliere dall'archivio le palle che non "
                             "servono."});
        QCOMPARE(A::Trova<QComboBox>(a.programma->Avvio(), "Combo1")->count(), 4000);
    }

    void catalogoSenzaLaPallaPredefinita() {
        A a("RWS,.308,150,KS,.226,.301\r\nSierra,.224,55,SPT,.157,.235\r\n");
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        QCOMPARE(A::Trova<QComboBox>(s, "Combo1")->currentIndex(), 0);
        QCOMPARE(A::Testo(s, "txtDiametro"), QStringLiteral("0.224"));
    }

    void rifiutiDellaConferma_data() {
        QTest::addColumn<QStringList>("valori");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("messaggio");
        const QString maggiori = QStringLiteral(
            "valori consentiti maggiori di zero; usare il punto come separatore decimale");
        const QString separatore = QStringLiteral("Usa il punto come separatore decimale dopo lo 0");
        const QString velocita = QStringLiteral("valori consentiti fra 92 e 1370 m/sec");
        QTest::newRow("diametro con la virgola")
            << QStringList{"0,308", "150", "450", "15", "965", "0.35"} << "USA IL PUNTO!!"
            << "virgola nel campo diametro: il separatore decimale è il punto; scrivere 0.308 e non 0,308";
        QTest::newRow("peso vuoto") << QStringList{"0.308", "", "450", "15", "965", "0.35"} << "CAMBIA VALORE!!"
                                    << maggiori;
        QTest::newRow("coefficiente 1.11") << QStringList{"0.308", "150", "450", "15", "965", "1.11"}
                                           << "VALORE TROPPO GRANDE" << "Inserisci valore minore di 1.1";
        QTest::newRow("coefficiente .35") << QStringList{"0.308", "150", "450", "15", "965", ".35"}
                                          << "VALORE NON CORRETTO" << separatore;
        QTest::newRow("solo il primo") << QStringList{"0.308", "150", "450", "15", "50", ".35"}
                                       << "VALORE NON CORRETTO" << separatore;
        QTest::newRow("velocita 92") << QStringList{"0.308", "150", "450", "15", "92", "0.35"} << "CAMBIA VALORE!!"
                                     << velocita;
        QTest::newRow("velocita 1370") << QStringList{"0.308", "150", "450", "15", "1370", "0.35"}
                                       << "CAMBIA VALORE!!" << velocita;
        QTest::newRow("altitudine fuori misura")
            << QStringList{"0.308", "150", "40000", "15", "965", "0.35"} << "CAMBIA VALORE!!"
            << "altitudine consentita fra -32768 e 32767 m; correggere l'altitudine";
        QTest::newRow("sotto lo zero assoluto")
            << QStringList{"0.308", "150", "450", "-300", "965", "0.35"} << "CAMBIA VALORE!!"
            << "alla quota indicata la temperatura scende sotto lo zero assoluto (-273 °C); aumentare la "
               "temperatura o diminuire l'altitudine";
        QTest::newRow("diametro enorme") << QStringList{"1e39", "150", "450", "15", "965", "0.35"}
                                         << "CAMBIA VALORE!!"
                                         << "valore troppo grande per il campo diametro; inserire un numero più piccolo";
    }

    void rifiutiDellaConferma() {
        QFETCH(QStringList, valori);
        QFETCH(QString, titolo);
        QFETCH(QString, messaggio);
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        ScriviIngresso(s, valori);
        a.dialoghi.Azzera();
        A::Premi(s, "cmdConferma");
        QCOMPARE(a.dialoghi.Di("avviso"), QStringList{titolo + QLatin1Char('|') + messaggio});
        QVERIFY(s->isVisible());
        QVERIFY(!a.programma->Opzioni());
        QCOMPARE(Ingresso(s), valori);  // nothing typed is lost
    }

    void valoriMemorizzatiAncheSeRifiutati() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        ScriviIngresso(s, {"0.308", "150", "450.5", "12.5", "1370", "0.35"});
        A::Premi(s, "cmdConferma");
        const auto& d = a.programma->Dati();
        QCOMPARE(d.DiametroInch, 0.308f);
        QCOMPARE(d.PesoGrain, 150.0f);
        QCOMPARE(d.Altitudine, int16_t(450));
        QCOMPARE(d.Temperatura, 12.5f);
        QCOMPARE(d.VelocitaBocca, 1370.0f);
        A::Scrivi(s, "txtAltitudine", QStringLiteral("451.5"));
        A::Premi(s, "cmdConferma");
        QCOMPARE(d.Altitudine, int16_t(452));
    }

    void confermaPortaAlleOpzioni() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        ScriviIngresso(s, {"0.308", "150", "0", "-5.5", "800", "0.25"});
        A::Premi(s, "cmdConferma");
        QVERIFY(a.dialoghi.registro.isEmpty());
        QVERIFY(!s->isVisible());
        frmOpzioni* o = a.programma->Opzioni();
        QVERIFY(o && o->isVisible());
        QCOMPARE(o->windowTitle(), QStringLiteral("Opzioni"));
        QCOMPARE(A::Testo(o, "lblDiametro"), QStringLiteral("0.308"));
        QCOMPARE(A::Testo(o, "lblPeso"), QStringLiteral("150"));
        QCOMPARE(A::Testo(o, "lblAltitudine"), QStringLiteral("0"));
        QCOMPARE(A::Testo(o, "lblTemperatura"), QStringLiteral("-5.5"));
        QCOMPARE(A::Testo(o, "lblVelocitaBocca"), QStringLiteral("800"));
        QCOMPARE(A::Testo(o, "lblCoeffBalistico"), QStringLiteral("0.250"));
        QVERIFY(!(o->windowFlags() & Qt::WindowCloseButtonHint));
        // The close command is refused.
        o->close();
        QVERIFY(o->isVisible());
        // Back: every typed value kept.
        A::Premi(o, "cmdIndietro");
        QVERIFY(s->isVisible());
        QCOMPARE(Ingresso(s), (QStringList{"0.308", "150", "0", "-5.5", "800", "0.25"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!a.programma->Opzioni());
    }

    void coefficienteVuotoApreIlCalcolo() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        auto* istruzioni = A::Trova<QGroupBox>(s, "fraIstruzioniCB");
        auto* calcolo = A::Trova<QGroupBox>(s, "fraCalcolaCB");
        QVERIFY(!istruzioni->isHidden() && calcolo->isHidden());
        A::Scrivi(s, "txtCoeffbalistico", QStringLiteral(" "));
        QVERIFY(istruzioni->isHidden() && !calcolo->isHidden());
        A::Scrivi(s, "txtCoeffbalistico", QString());
        QVERIFY(!istruzioni->isHidden() && calcolo->isHidden());
        A::Premi(s, "cmdConferma");
        QVERIFY(istruzioni->isHidden() && !calcolo->isHidden());
        QVERIFY(s->isVisible());
        QVERIFY(a.dialoghi.registro.isEmpty());
    }

    void coefficienteDaDueVelocita_data() {
        QTest::addColumn<QStringList>("valori");
        QTest::addColumn<QStringList>("misure");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("450 m") << QStringList{"0.243", "95", "450", "15", "965", ""}
                               << QStringList{"965", "881.3", "100"} << "0.379";
        QTest::newRow("0 m") << QStringList{"0.243", "95", "0", "15", "965", ""} << QStringList{"965", "881.3", "100"}
                             << "0.401";
        QTest::newRow("308 180") << QStringList{"0.308", "180", "0", "15", "800", ""}
                                 << QStringList{"800", "700", "100"} << "0.304";
    }

    void coefficienteDaDueVelocita() {
        QFETCH(QStringList, valori);
        QFETCH(QStringList, misure);
        QFETCH(QString, atteso);
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        ScriviIngresso(s, valori);
        A::Premi(s, "cmdConferma");
        QVERIFY(!A::Trova<QGroupBox>(s, "fraCalcolaCB")->isHidden());
        A::Scrivi(s, "txtVelIniz", misure[0]);
        A::Scrivi(s, "txtVelFin", misure[1]);
        A::Scrivi(s, "txtTratto", misure[2]);
        A::Premi(s, "cmdConfCBVel");
        QVERIFY(a.dialoghi.registro.isEmpty());
        QCOMPARE(A::Testo(s, "txtCoeffbalistico"), atteso);
        QVERIFY(A::Trova<QGroupBox>(s, "fraCalcolaCB")->isHidden());
        QVERIFY(!A::Trova<QGroupBox>(s, "fraIstruzioniCB")->isHidden());
        // The next confirmation takes the rounded coefficient.
        A::Premi(s, "cmdConferma");
        QCOMPARE(a.programma->Dati().CoeffBalistico, atteso.toDouble());
    }

    void rifiutiDelCalcoloDelCoefficiente_data() {
        QTest::addColumn<QStringList>("misure");
        QTest::addColumn<QString>("avviso");
        const QString nonConsentiti = QStringLiteral("CAMBIA VALORE!!|VALORI NON CONSENTITI");
        QTest::newRow("residua uguale") << QStringList{"965", "965", "100"} << nonConsentiti;
        QTest::newRow("residua zero") << QStringList{"965", "0", "100"} << nonConsentiti;
        QTest::newRow("iniziale negativa") << QStringList{"-965", "800", "100"} << nonConsentiti;
        QTest::newRow("tratto zero") << QStringList{"965", "881.3", "0"} << nonConsentiti;
        QTest::newRow("troppo grande") << QStringList{"965", "964", "1000"}
                                       << "CB troppo grande!!|Coeff. Bal. superiore a 0.65, diminuire Velocita residua";
    }

    void rifiutiDelCalcoloDelCoefficiente() {
        QFETCH(QStringList, misure);
        QFETCH(QString, avviso);
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        ScriviIngresso(s, {"0.243", "95", "450", "15", "965", ""});
        A::Premi(s, "cmdConferma");
        A::Scrivi(s, "txtVelIniz", misure[0]);
        A::Scrivi(s, "txtVelFin", misure[1]);
        A::Scrivi(s, "txtTratto", misure[2]);
        A::Premi(s, "cmdConfCBVel");
        QCOMPARE(a.dialoghi.Di("avviso"), QStringList{avviso});
        QCOMPARE(A::Testo(s, "txtCoeffbalistico"), QString());
        QVERIFY(!A::Trova<QGroupBox>(s, "fraCalcolaCB")->isHidden());
    }

    void coefficientePrimaDiUnaConfermaValida() {
        // The frame reached by typing one space before any accepted confirmation.
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        A::Scrivi(s, "txtCoeffbalistico", QStringLiteral(" "));
        A::Premi(s, "cmdConfCBVel");
        QCOMPARE(a.dialoghi.Di("avviso").size(), 1);
        QVERIFY(a.dialoghi.Di("avviso")[0].startsWith(QStringLiteral("CONFERMA I DATI!!|")));
        QCOMPARE(A::Testo(s, "txtCoeffbalistico"), QStringLiteral(" "));
    }

    void sceltaInUnitaMetriche() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        Seleziona(s, QStringLiteral("0.308\"   150gr   Sierra"));
        QTest::mouseClick(A::Trova<QWidget>(s, "lblSAE"), Qt::LeftButton);
        QVERIFY(A::Trova<QWidget>(s, "lblSAE")->isHidden());
        QCOMPARE(A::Testo(s, "lblMetrico"), QStringLiteral("Metrico"));
        auto* combo = A::Trova<QComboBox>(s, "Combo1");
        QCOMPARE(combo->count(), 6);
        // The same bullet, now in mm, g and m/s.
        QVERIFY(combo->currentText().startsWith(QStringLiteral("7.82mm   9.72g   Sierra")));
        QCOMPARE(A::Testo(s, "txtDiametro"), QStringLiteral("0.308"));
        QCOMPARE(A::Testo(s, "txtPeso"), QStringLiteral("150"));
        QCOMPARE(A::Testo(s, "txtVelocita1"), QStringLiteral("853.4"));
        QCOMPARE(A::Testo(s, "txtCoeff_Bal_Vel3"), QStringLiteral("0.380"));
        Seleziona(s, QStringLiteral("7.82mm   11.66g  Hornady"));
        QCOMPARE(A::Testo(s, "txtPeso"), QStringLiteral("180"));
        Seleziona(s, QStringLiteral("10.57mm"));
        QCOMPARE(A::Testo(s, "txtDiametro"), QStringLiteral("0.416"));
        // And back to SAE, same bullet.
        QTest::mouseClick(A::Trova<QWidget>(s, "lblMetrico"), Qt::LeftButton);
        QVERIFY(!A::Trova<QWidget>(s, "lblSAE")->isHidden());
        QVERIFY(combo->currentText().startsWith(QStringLiteral("0.416\"   400gr   Speer")));
        QCOMPARE(A::Testo(s, "txtPeso"), QStringLiteral("400"));
    }

    void sceltaRiportaAltitudineTemperaturaVelocita() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        A::Scrivi(s, "txtAltitudine", QStringLiteral("1200"));
        A::Scrivi(s, "txtTemperatura", QStringLiteral("-3"));
        A::Scrivi(s, "txtVelocitabocca", QStringLiteral("800"));
        Seleziona(s, QStringLiteral("0.308\"   150gr   Sierra"));
        QCOMPARE(Ingresso(s), (QStringList{"0.308", "150", "450", "15", "965", "0.400"}));
        // A click on coefficient 3 takes it.
        QTest::mouseClick(A::Trova<QWidget>(s, "txtCoeff_Bal_Vel3"), Qt::LeftButton);
        QCOMPARE(A::Testo(s, "txtCoeffbalistico"), QStringLiteral("0.380"));
        // An empty coefficient box empties the field.
        QTest::mouseClick(A::Trova<QWidget>(s, "txtCoeff_Bal_Vel4"), Qt::LeftButton);
        QCOMPARE(A::Testo(s, "txtCoeffbalistico"), QString());
    }

    void freccePassoDellaVelocita() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        auto premi = [&](const char* spinner, const char* freccia) {
            QTest::mouseClick(A::Trova<QWidget>(s, spinner)->findChild<QWidget*>(QString::fromLatin1(freccia)),
                              Qt::LeftButton);
        };
        premi("udVInizCentinaia", "su");
        QCOMPARE(A::Testo(s, "txtVelocitabocca"), QStringLiteral("1065"));
        premi("udVInizDecine", "giu");
        premi("udVInizUnita", "giu");
        QCOMPARE(A::Testo(s, "txtVelocitabocca"), QStringLiteral("1054"));
        for (int i = 0; i < 5; ++i) premi("udVInizCentinaia", "su");
        QCOMPARE(A::Testo(s, "txtVelocitabocca"), QStringLiteral("1369"));  // 1370 is refused
        A::Scrivi(s, "txtVelocitabocca", QString());
        premi("udVInizUnita", "giu");
        QCOMPARE(A::Testo(s, "txtVelocitabocca"), QStringLiteral("93"));  // 92 is refused
    }

    void senzaComandoDiChiusura() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        QVERIFY(!(s->windowFlags() & Qt::WindowCloseButtonHint));
        s->close();
        QVERIFY(s->isVisible());
    }
};

QTEST_MAIN(TestAvvio)
#include "test_avvio.moc"
