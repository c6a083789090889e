// The screens without the mouse: Enter in a field does the screen's main
// action, Enter or Space on a focused option item is its double click, and
// the buttons answer to their access keys.
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>
#include <QtTest>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmInputDatiTraiet.h"
#include "frmOpzioni.h"
#include "modellotabella.h"
#include "tabella.h"

namespace {

using A = Ambiente;
using rigata::Intestazioni;
using rigata::TipoTabella;

frmOpzioni* ApriOpzioni(A& a) {
    a.programma->Main();
    A::Premi(a.programma->Avvio(), "cmdConferma");
    return a.programma->Opzioni();
}

void Svuota() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

class TestTastiera : public QObject {
    Q_OBJECT

private slots:
    // Each option item of the options screen opens its calculator with Enter or Space.
    void opzioniDaTastiera_data() {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<QString>("schermo");
        QTest::newRow("legno, invio") << "optLegno" << int(Qt::Key_Return) << "frmPenetrazioneLegno";
        QTest::newRow("ferro, spazio") << "optFerro" << int(Qt::Key_Space) << "frmPenetrazioneFerro";
        QTest::newRow("osso, invio del tastierino") << "optOsso" << int(Qt::Key_Enter) << "frmPenetrazioneOsso";
        QTest::newRow("uomo, spazio") << "optUomo" << int(Qt::Key_Space) << "frmPenetrazioneUomo";
        QTest::newRow("canna, invio") << "optVarVelCanna" << int(Qt::Key_Return) << "frmVarVelCanna";
    }
    void opzioniDaTastiera() {
        QFETCH(QString, opzione);
        QFETCH(int, tasto);
        QFETCH(QString, schermo);
        A a;
        frmOpzioni* o = ApriOpzioni(a);
        QTest::keyClick(A::Trova<QRadioButton>(o, opzione.toLatin1().constData()), Qt::Key(tasto));
        Svuota();
        QVERIFY(a.programma->Calcolatore());
        QCOMPARE(a.programma->Calcolatore()->objectName(), schermo);
        QVERIFY(!a.programma->Opzioni());
    }

    // From the options screen on with keys only: Enter on "Calcolo Traiettorie"
    // (focused at opening), Tab to the table options, Down, Enter.
    void tabellaDaTastiera_data() {
        QTest::addColumn<int>("giu");  // Down presses after the first option
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("tipo");
        QTest::newRow("parametri vari, invio") << 0 << int(Qt::Key_Return) << int(TipoTabella::Vari);
        QTest::newRow("campagna, spazio") << 1 << int(Qt::Key_Space) << int(TipoTabella::Campagna);
    }
    void tabellaDaTastiera() {
        QFETCH(int, giu);
        QFETCH(int, tasto);
        QFETCH(int, tipo);
        A a;
        frmOpzioni* o = ApriOpzioni(a);
        o->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(o));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdCalcoloTraiettorie"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        frmInputDatiTraiet* t = a.programma->Traiettorie();
        QVERIFY(t->isVisible());
        t->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t));
        // The six request boxes, then the first table option.
        for (int i = 0; i < 6; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optTabellaVari"));
        for (int i = 0; i < giu; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(tasto));
        QVERIFY(t->Espanso());
        QCOMPARE(t->Tabella().rowCount(), 26);
        QCOMPARE(t->Tabella().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString::fromStdString(Intestazioni(TipoTabella(tipo))[1]));
    }

    // Enter in any input of a calculator is Calcola.
    void invioCalcola_data() {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QString>("casella");
        QTest::addColumn<QString>("risultato");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("legno") << "optLegno" << "txtVelImpatto" << "txtVolumeLegno" << "26.2";
        QTest::newRow("osso, nella lista") << "optOsso" << "cBoCoeffPallaOsso" << "txtPenetrazioneOsso" << "10.71";
        QTest::newRow("canna, ultima casella") << "optVarVelCanna" << "txtPercorsoCannaDiversa"
                                               << "txtVelocitaNuovaCanna" << "918.2";
    }
    void invioCalcola() {
        QFETCH(QString, opzione);
        QFETCH(QString, casella);
        QFETCH(QString, risultato);
        QFETCH(QString, atteso);
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        A::Scrivi(s, "txtDiametro", QStringLiteral("0.308"));
        A::Scrivi(s, "txtPeso", QStringLiteral("150"));
        A::Premi(s, "cmdConferma");
        A::DoppioClick(a.programma->Opzioni(), opzione.toLatin1().constData());
        QWidget* c = a.programma->Calcolatore();
        QWidget* w = A::Trova<QWidget>(c, casella.toLatin1().constData());
        if (auto* lista = qobject_cast<QComboBox*>(w)) w = lista->lineEdit();
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(A::Testo(c, risultato.toLatin1().constData()), atteso);
        QVERIFY(a.dialoghi.registro.isEmpty());
    }

    // Access keys: Alt and the underlined letter press the button.
    void tastiDiAccesso_data() {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("lettera");
        QTest::newRow("opzioni, traiettorie") << "opzioni" << "cmdCalcoloTraiettorie" << "T";
        QTest::newRow("opzioni, indietro") << "opzioni" << "cmdIndietro" << "I";
        QTest::newRow("calcolatore, calcola") << "optFerro" << "cmdCalcolaFerro" << "C";
        QTest::newRow("nuova palla, memorizza") << "nuovapalla" << "cmdMemorizza" << "M";
        QTest::newRow("nuova palla, cancella") << "nuovapalla" << "cmdAnnulla" << "C";
        QTest::newRow("nuova palla, indietro") << "nuovapalla" << "cmdIndietro" << "I";
    }
    void tastiDiAccesso() {
        QFETCH(QString, schermo);
        QFETCH(QString, pulsante);
        QFETCH(QString, lettera);
        A a;
        QWidget* s = ApriOpzioni(a);
        if (schermo == QLatin1String("nuovapalla")) {
            a.programma->ApriNuovaPalla();
            s = a.programma->NuovaPalla();
        } else if (schermo != QLatin1String("opzioni")) {
            A::DoppioClick(s, schermo.toLatin1().constData());
            s = a.programma->Calcolatore();
        }
        auto* p = A::Trova<QPushButton>(s, pulsante.toLatin1().constData());
        QCOMPARE(p->shortcut(), QKeySequence(QStringLiteral("Alt+") + lettera));
        QSignalSpy premuto(p, &QPushButton::clicked);
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        // Through the window, as the window system delivers keys: shortcuts are matched there.
        QTest::keyClick(s->windowHandle(), lettera.at(0).toLower().toLatin1(), Qt::AltModifier);
        QTRY_COMPARE(premuto.count(), 1);  // an access key presses the button visibly, then clicks
    }

    // Enter in a box of the new-bullet screen stores the bullet.
    void invioMemorizza() {
        A a;
        a.programma->Main();
        a.programma->ApriNuovaPalla();
        QWidget* n = a.programma->NuovaPalla();
        QTest::keyClicks(A::Trova<QComboBox>(n, "cBoMarca")->lineEdit(), QStringLiteral("Prova"));
        const char* campi[] = {"txtInpDiametro", "txtInpPeso", "txtImpTipoPalla", "txtInpCBStd"};
        const char* testi[] = {".308", "150", "SP", ".400"};
        for (int i = 0; i < 4; ++i) A::Scrivi(n, campi[i], QString::fromLatin1(testi[i]));
        QTest::keyClick(A::Trova<QLineEdit>(n, "txtInpCBStd"), Qt::Key_Return);
        QVERIFY(a.dialoghi.registro.isEmpty());
        QFile f(a.PercorsoFile(QStringLiteral("stdbulls.bc")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().endsWith("Prova,.308,150,SP,.226,.400\r\n"));
    }

    // The start screen's tab order: top to bottom, left to right, no spinner
    // arrow in it, "Avanti  >" last.
    void ordineDiTabulazioneDellAvvio() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        A::Trova<QWidget>(s, "txtDiametro")->setFocus();
        QStringList visti{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 15; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visti << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visti, (QStringList{"txtDiametro", "txtPeso", "txtAltitudine", "txtTemperatura", "txtVelocitabocca",
                                     "txtCoeffbalistico", "lblSAE", "Combo1", "lblAggiungi", "txtCoeff_Bal_Std",
                                     "txtCoeff_Bal_Vel1", "txtCoeff_Bal_Vel2", "txtCoeff_Bal_Vel3",
                                     "txtCoeff_Bal_Vel4", "cmdEsci", "cmdConferma"}));
    }

    // Enter in any entry field is "Avanti  >".
    void invioAvanti_data() {
        QTest::addColumn<QString>("campo");
        QTest::newRow("diametro") << "txtDiametro";
        QTest::newRow("coefficiente") << "txtCoeffbalistico";
    }
    void invioAvanti() {
        QFETCH(QString, campo);
        A a;
        a.programma->Main();
        QTest::keyClick(A::Trova<QWidget>(a.programma->Avvio(), campo.toLatin1().constData()), Qt::Key_Return);
        QVERIFY(a.programma->Opzioni());
        QVERIFY(!a.programma->Avvio()->isVisible());
    }

    // The two-velocity frame: Enter is "Conferma", then the focus waits on
    // "Avanti  >", and Enter goes on to the options with the computed coefficient.
    void invioConferma() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        A::Scrivi(s, "txtCoeffbalistico", QString());
        QTest::keyClick(A::Trova<QWidget>(s, "txtCoeffbalistico"), Qt::Key_Return);
        QVERIFY(A::Trova<QWidget>(s, "fraCalcolaCB")->isVisible());
        QTest::keyClick(A::Trova<QWidget>(s, "txtTratto"), Qt::Key_Return);
        QVERIFY(a.dialoghi.registro.isEmpty());
        QVERIFY(!A::Trova<QWidget>(s, "fraCalcolaCB")->isVisible());
        const QString coefficiente = A::Testo(s, "txtCoeffbalistico");
        QVERIFY(coefficiente.startsWith(QStringLiteral("0.")));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdConferma"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(a.programma->Opzioni());
        QCOMPARE(A::Testo(a.programma->Opzioni(), "lblCoeffBalistico"), coefficiente);
    }

    // Up/Down step the velocity by 1, Page Up/Down by 10, within 93 and 1369
    // (92 and 1370 are refused by the confirmation).
    void frecceDellaVelocita_data() {
        QTest::addColumn<QString>("prima");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<QString>("dopo");
        QTest::newRow("su") << "965" << int(Qt::Key_Up) << "966";
        QTest::newRow("giu") << "965" << int(Qt::Key_Down) << "964";
        QTest::newRow("pagina su") << "965" << int(Qt::Key_PageUp) << "975";
        QTest::newRow("in cima") << "1369" << int(Qt::Key_Up) << "1369";
        QTest::newRow("in fondo") << "93" << int(Qt::Key_PageDown) << "93";
        QTest::newRow("vuota") << "" << int(Qt::Key_Down) << "93";
    }
    void frecceDellaVelocita() {
        QFETCH(QString, prima);
        QFETCH(int, tasto);
        QFETCH(QString, dopo);
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        A::Scrivi(s, "txtVelocitabocca", prima);
        QTest::keyClick(A::Trova<QWidget>(s, "txtVelocitabocca"), Qt::Key(tasto));
        QCOMPARE(A::Testo(s, "txtVelocitabocca"), dopo);
    }

    // The wheel over the bullet list without the focus changes nothing: the
    // typed place and the computed coefficient stay.
    void rotellaSenzaFuoco() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        auto* lista = A::Trova<QComboBox>(s, "Combo1");
        QVERIFY(lista->focusPolicy() != Qt::WheelFocus);
        A::Scrivi(s, "txtAltitudine", QStringLiteral("1200"));
        const int scelta = lista->currentIndex();
        QWheelEvent rotella(QPointF(10, 5), lista->mapToGlobal(QPointF(10, 5)), {}, QPoint(0, -120), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(lista, &rotella);
        QCOMPARE(lista->currentIndex(), scelta);
        QCOMPARE(A::Testo(s, "txtAltitudine"), QStringLiteral("1200"));
    }

    // The waiting notice goes when loading ends, whatever the catalogue held.
    void avvisoDiAttesa_data() {
        QTest::addColumn<QByteArray>("catalogo");
        QTest::addColumn<QString>("avviso");  // empty: the notice is hidden
        const QString vuoto = QStringLiteral(" Elenco vuoto: per inserire palle fare click su \"Aggiungi palle\"");
        QTest::newRow("con palle") << QByteArray(kCatalogoProva) << QString();
        QTest::newRow("file vuoto") << QByteArray("") << vuoto;
        QTest::newRow("solo note") << QByteArray("(c) nota\r\n(c) altra nota\r\n") << vuoto;
    }
    void avvisoDiAttesa() {
        QFETCH(QByteArray, catalogo);
        QFETCH(QString, avviso);
        A a(catalogo.constData());
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        auto* notizia = A::Trova<QLineEdit>(s, "Text1");
        QCOMPARE(notizia->isHidden(), avviso.isEmpty());
        if (!avviso.isEmpty()) QCOMPARE(notizia->text(), avviso);
        QVERIFY(A::Trova<QWidget>(s, "PB1")->isHidden());
        QVERIFY(!A::Trova<QWidget>(s, "lblAggiungi")->isHidden());
    }

    // "Aggiungi palle" and the unit switch answer to Enter and Space as to a click.
    void etichetteDaTastiera() {
        A a;
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        QTest::keyClick(A::Trova<QWidget>(s, "lblSAE"), Qt::Key_Space);
        QVERIFY(A::Trova<QWidget>(s, "lblSAE")->isHidden());
        QVERIFY(A::Trova<QComboBox>(s, "Combo1")->currentText().startsWith(QStringLiteral("6.17mm")));
        QTest::keyClick(A::Trova<QWidget>(s, "lblAggiungi"), Qt::Key_Return);
        QVERIFY(a.programma->NuovaPalla());
    }
};

QTEST_MAIN(TestTastiera)
#include "test_tastiera.moc"
