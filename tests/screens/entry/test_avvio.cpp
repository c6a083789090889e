// The start screen, the options screen and the new-bullet screen: each
// control calls its rule and shows the result; Qt's dialogs speak Italian.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QWheelEvent>
#include <QtTest>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmOpzioni.h"
#include "traduzione.h"

class TestAvvio : public QObject {
    Q_OBJECT

    static QStringList Ingresso(QWidget* s, const QStringList& valori = {}) {
        const char* campi[] = {"txtDiametro",      "txtPeso",          "txtAltitudine",
                               "txtTemperatura",   "txtVelocitabocca", "txtCoeffbalistico"};
        QStringList t;
        for (int i = 0; i < 6; ++i) {
            if (!valori.isEmpty()) Scrivi(s, campi[i], valori[i]);
            t << Testo(s, campi[i]);
        }
        return t;
    }
    // "Aggiungi palle", then maker, diameter, weight, type, coefficient and the
    // pairs' boxes in order, each typed as one key event carrying the text.
    static QWidget* Compila(Ambiente& a, const QStringList& testi) {
        QTest::mouseClick(Trova(a.programma->Avvio(), "lblAggiungi"), Qt::LeftButton);
        QWidget* s = a.programma->NuovaPalla();
        const char* caselle[] = {"txtInpDiametro", "txtInpPeso", "txtImpTipoPalla", "txtInpCBStd", "txtInpCB1"};
        for (int i = 0; i < testi.size(); ++i) {
            QWidget* w = i ? Trova(s, caselle[i - 1]) : Trova<QComboBox>(s, "cBoMarca")->lineEdit();
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, testi[i], {});
        }
        return s;
    }

private slots:
    // In the C locale too: the program loads the Italian texts whatever the system's language.
    void dialoghiInItaliano() {
        QVERIFY(CaricaTraduzioneQt(*QCoreApplication::instance()));
        QDialogButtonBox scatola{QDialogButtonBox::Yes | QDialogButtonBox::Cancel};
        QCOMPARE(scatola.button(QDialogButtonBox::Yes)->text().remove('&'), "Sì");
        QCOMPARE(scatola.button(QDialogButtonBox::Cancel)->text().remove('&'), "Annulla");
    }

    // Start-up selects the default bullet; "Avanti" refuses through the entry
    // checks or opens the options screen, and "Indietro" comes back.
    void avvioEConferma() {
        Ambiente a;
        frmAvvio* s = a.programma->Avvio();
        QCOMPARE(Ingresso(s), (QStringList{"0.243", "95", "450", "15", "965", "0.379"}));
        GrassettoRosso(s, {"txtCoeff_Bal_Std", "txtVelocita1", "txtCoeff_Bal_Vel4"});
        auto* lista = Trova<QComboBox>(s, "Combo1");
        QCOMPARE(lista->count(), 6);
        QVERIFY(lista->currentText().startsWith("0.243\"   95gr    Nosler  BTsb"));
        Ingresso(s, {"0.308", "150", "40000", "-5.5", "800", "0.25"});
        Premi(s, "cmdConferma");
        QCOMPARE(a.dialoghi.avvisi,
                 QStringList{"CAMBIA VALORE!!|altitudine consentita fra -32768 e 32767 m; correggere l'altitudine"});
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
    }

    // Enter in the empty coefficient opens the two-velocity frame, Enter there
    // is "Conferma"; then the focus waits on "Avanti  >", not in the bullet list.
    void coefficienteDaDueVelocita() {
        Ambiente a;
        frmAvvio* s = a.programma->Avvio();
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        Scrivi(s, "txtCoeffbalistico", "");
        QTest::keyClick(Trova(s, "txtCoeffbalistico"), Qt::Key_Return);
        QVERIFY(Trova(s, "fraCalcolaCB")->isVisible());
        Scrivi(s, "txtVelIniz", "965");
        Scrivi(s, "txtVelFin", "881.3");
        Scrivi(s, "txtTratto", "100");
        QTest::keyClick(Trova(s, "txtTratto"), Qt::Key_Return);
        QCOMPARE(Testo(s, "txtCoeffbalistico"), "0.379");
        QVERIFY(Trova(s, "fraCalcolaCB")->isHidden());
        QCOMPARE(QApplication::focusWidget()->objectName(), "cmdConferma");
        QVERIFY(a.dialoghi.avvisi.isEmpty() && a.dialoghi.domande.isEmpty());
    }

    // The wheel over the unfocused list leaves the pick alone; a pick fills the
    // boxes; a click on a pair's coefficient takes it; the unit label lists the
    // same bullet in metric units; the spinner's arrows step.
    void sceltaUnitaEFrecce() {
        Ambiente a;
        frmAvvio* s = a.programma->Avvio();
        auto* lista = Trova<QComboBox>(s, "Combo1");
        const int scelta = lista->currentIndex();
        QWheelEvent rotella(QPointF(10, 5), lista->mapToGlobal(QPointF(10, 5)), {}, QPoint(0, -120), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(lista, &rotella);
        QCOMPARE(lista->currentIndex(), scelta);
        lista->setCurrentIndex(3);
        emit lista->activated(3);
        QCOMPARE(Ingresso(s), (QStringList{"0.308", "150", "450", "15", "965", "0.400"}));
        QTest::mouseClick(Trova(s, "txtCoeff_Bal_Vel3"), Qt::LeftButton);
        QCOMPARE(Testo(s, "txtCoeffbalistico"), "0.380");
        QTest::mouseClick(Trova(s, "lblUnita"), Qt::LeftButton);
        QVERIFY(lista->currentText().startsWith("7.82mm   9.72g   Sierra"));
        QCOMPARE(Testo(s, "txtVelocita1") + " " + Testo(s, "txtPeso"), "853.4 150");
        QTest::mouseClick(Trova(s, "lblUnita"), Qt::LeftButton);
        QVERIFY(lista->currentText().startsWith("0.308\"   150gr   Sierra"));
        QCOMPARE(Testo(s, "txtVelocita1") + " " + Testo(s, "txtPeso"), "2800 150");
        QTest::mouseClick(Trova(s, "udVInizCentinaia")->findChild<QWidget*>("su"), Qt::LeftButton);
        QTest::mouseClick(Trova(s, "udVInizUnita")->findChild<QWidget*>("giu"), Qt::LeftButton);
        QCOMPARE(Testo(s, "txtVelocitabocca"), "1064");
        // They stop at the velocities "Avanti" accepts (above 92, below 1370 m/s).
        for (const auto& [velocita, freccia, attesa] : {std::tuple{"1360", "su", "1369"}, {"150", "giu", "93"}}) {
            Scrivi(s, "txtVelocitabocca", velocita);
            QTest::mouseClick(Trova(s, "udVInizCentinaia")->findChild<QWidget*>(freccia), Qt::LeftButton);
            QCOMPARE(Testo(s, "txtVelocitabocca"), attesa);
        }
    }

    // A catalogue without bullets: its notice replaces the waiting one; none at all: a message.
    void catalogoVuotoOMancante() {
        Ambiente vuoto("(c) nota\r\n\r\n");
        QCOMPARE(Testo(vuoto.programma->Avvio(), "Text1"),
                 " Elenco vuoto: per inserire palle fare click su \"Aggiungi palle\"");
        QVERIFY(!Trova(vuoto.programma->Avvio(), "Text1")->isHidden());
        QVERIFY(Trova(vuoto.programma->Avvio(), "PB1")->isHidden());
        Ambiente a(nullptr);
        QCOMPARE(a.dialoghi.avvisi, QStringList{"CAMBIA PERCORSO!!|File Inesistente!!"});
    }

    // "Memorizza dati" refuses through the core's checks, keeps every typed
    // value when the write fails, or appends the line to the catalogue; and
    // "Utilizza nuovi dati" lists the new bullet.
    void nuovaPalla() {
        Ambiente a;
        QWidget* s = Compila(a, {"Brünner", ".284", "162", "Spitz €", ".631", ".620"});
        GrassettoRosso(s, {"txtInpDiametro", "txtInpCBStd", "txtInpVelocita4"});
        Premi(s, "cmdMemorizza");
        QCOMPARE(a.dialoghi.avvisi, QStringList{"INSERISCI VALORE!!| Inserire la velocità relativa\n\nal proprio "
                                                "coefficiente balistico"});
        QCOMPARE(a.Contenuto("stdbulls.bc"), QByteArray(kCatalogoProva));
        QTest::keyClicks(Trova(s, "txtInpVelocita1"), "2800");
        const QString catalogo = a.File("stdbulls.bc");
        QVERIFY(QFile::rename(catalogo, a.File("da parte")) && QDir().mkdir(catalogo));
        a.dialoghi.avvisi.clear();
        Premi(s, "cmdMemorizza");
        UnAvviso(a.dialoghi.avvisi, "SALVATAGGIO NON RIUSCITO!!|", catalogo);
        QCOMPARE(Testo(s, "txtInpVelocita1"), "2800");
        QVERIFY(QDir().rmdir(catalogo) && QFile::rename(a.File("da parte"), catalogo));
        Premi(s, "cmdMemorizza");
        Svuota();
        QCOMPARE(a.Contenuto("stdbulls.bc").mid(qstrlen(kCatalogoProva)),
                 "Br\xfcnner,.284,162,Spitz \x80,.287,.631,2800,.620\r\n");
        QWidget* nuova = a.programma->NuovaPalla();
        QVERIFY(nuova && nuova->isVisible() && Testo(nuova, "txtInpPeso").isEmpty());
        Premi(nuova, "cmdUtilizza");
        Svuota();
        auto* lista = Trova<QComboBox>(a.programma->Avvio(), "Combo1");
        QCOMPARE(lista->count(), 7);
        QVERIFY(lista->itemText(1).startsWith("0.284\"   162gr   Brünner Spitz €"));
    }
};

QTEST_MAIN(TestAvvio)
#include "test_avvio.moc"
