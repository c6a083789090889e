// The start screen and the options screen: each control calls its rule and
// shows the result.
#include <QComboBox>
#include <QtTest>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmOpzioni.h"

class TestAvvio : public QObject {
    Q_OBJECT

    static QStringList Ingresso(QWidget* s, const QStringList& valori = {}) {
        const char* campi[] = {"txtDiametro", "txtPeso", "txtAltitudine", "txtTemperatura", "txtVelocitabocca", "txtCoeffbalistico"};
        QStringList t;
        for (int i = 0; i < 6; ++i) {
            if (!valori.isEmpty()) Scrivi(s, campi[i], valori[i]);
            t << Testo(s, campi[i]);
        }
        return t;
    }

private slots:
    // Start-up selects the default bullet; "Avanti" refuses through the entry
    // checks or opens the options screen, and "Indietro" comes back.
    void avvioEConferma() {
        Ambiente a;
        frmAvvio* s = a.programma->Avvio();
        QCOMPARE(Ingresso(s), (QStringList{"0.243", "95", "450", "15", "965", "0.379"}));
        auto* lista = Trova<QComboBox>(s, "Combo1");
        QCOMPARE(lista->count(), 6);
        QVERIFY(lista->currentText().startsWith("0.243\"   95gr    Nosler  BTsb"));
        QVERIFY(lista->itemText(2).startsWith("0.308\"   150gr   RWS"));
        QCOMPARE(Testo(s, "txtFile"), "0.243,95,450,15,965,0.379,225,0,500,20,5,50");
        Ingresso(s, {"0.308", "150", "40000", "-5.5", "800", "0.25"});
        Premi(s, "cmdConferma");
        QCOMPARE(a.dialoghi.avvisi, QStringList{"CAMBIA VALORE!!|altitudine consentita fra -32768 e 32767 m; correggere l'altitudine"});
        QVERIFY(s->isVisible() && !a.programma->Opzioni());
        Scrivi(s, "txtAltitudine", "0");
        Premi(s, "cmdConferma");
        frmOpzioni* o = a.programma->Opzioni();
        QVERIFY(o && o->isVisible() && !s->isVisible());
        QCOMPARE(Testo(o, "lblTemperatura") + " " + Testo(o, "lblCoeffBalistico"), "-5.5 0.250");
        o->close();  // no close command
        QVERIFY(o->isVisible());
        Premi(o, "cmdIndietro");
        QCOMPARE(Ingresso(s), (QStringList{"0.308", "150", "0", "-5.5", "800", "0.25"}));
        QCOMPARE(a.dialoghi.avvisi.size(), 1);
    }

    void coefficienteDaDueVelocita() {
        Ambiente a;
        frmAvvio* s = a.programma->Avvio();
        Scrivi(s, "txtCoeffbalistico", "");
        Premi(s, "cmdConferma");
        QVERIFY(!Trova(s, "fraCalcolaCB")->isHidden());
        Scrivi(s, "txtVelIniz", "965");
        Scrivi(s, "txtVelFin", "881.3");
        Scrivi(s, "txtTratto", "100");
        Premi(s, "cmdConfCBVel");
        QCOMPARE(Testo(s, "txtCoeffbalistico"), "0.379");
        QVERIFY(Trova(s, "fraCalcolaCB")->isHidden());
        Scrivi(s, "txtCoeffbalistico", " ");
        Scrivi(s, "txtVelFin", "965");  // no drag: refused
        Premi(s, "cmdConfCBVel");
        QCOMPARE(a.dialoghi.avvisi, QStringList{"CAMBIA VALORE!!|VALORI NON CONSENTITI"});
    }

    // A pick fills the boxes; a click on a pair's coefficient takes it; the
    // unit label lists the same bullet in metric units.
    void sceltaEUnita() {
        Ambiente a;
        frmAvvio* s = a.programma->Avvio();
        auto* lista = Trova<QComboBox>(s, "Combo1");
        lista->setCurrentIndex(3);
        emit lista->activated(3);
        QCOMPARE(Ingresso(s), (QStringList{"0.308", "150", "450", "15", "965", "0.400"}));
        QTest::mouseClick(Trova(s, "txtCoeff_Bal_Vel3"), Qt::LeftButton);
        QCOMPARE(Testo(s, "txtCoeffbalistico"), "0.380");
        QTest::mouseClick(Trova(s, "lblSAE"), Qt::LeftButton);
        QVERIFY(lista->currentText().startsWith("7.82mm   9.72g   Sierra"));
        QCOMPARE(Testo(s, "txtVelocita1") + " " + Testo(s, "txtPeso"), "853.4 150");
    }

    void frecceDellaVelocita() {
        Ambiente a;
        frmAvvio* s = a.programma->Avvio();
        auto freccia = [&](const char* spinner, const char* verso) { QTest::mouseClick(Trova(s, spinner)->findChild<QWidget*>(verso), Qt::LeftButton); };
        freccia("udVInizCentinaia", "su");
        freccia("udVInizUnita", "giu");
        QCOMPARE(Testo(s, "txtVelocitabocca"), "1064");
        for (int i = 0; i < 4; ++i) freccia("udVInizCentinaia", "su");
        QCOMPARE(Testo(s, "txtVelocitabocca"), "1369");  // 1370 is refused by the confirmation
    }

    void catalogoMancante() {
        Ambiente a(nullptr);
        QCOMPARE(a.dialoghi.avvisi, QStringList{"CAMBIA PERCORSO!!|File Inesistente!!"});
        QCOMPARE(Trova<QComboBox>(a.programma->Avvio(), "Combo1")->count(), 0);
    }
};

QTEST_MAIN(TestAvvio)
#include "test_avvio.moc"
