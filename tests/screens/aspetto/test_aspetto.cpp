// What the user meets around the numbers: Qt's dialogs in Italian, bold red
// number boxes, a typed decimal comma refused, the default table wholly in
// sight and ticked as shown, the screens driven by the keyboard alone (the
// whole road is also driven end to end by tests/e2e/percorso.sh).
#include <QComboBox>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>
#include <QtTest>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmInputDatiTraiet.h"
#include "frmOpzioni.h"
#include "traduzione.h"

namespace {


QWidget* W(QWidget* schermo, const QString& nome) { return Trova<QWidget>(schermo, nome.toLatin1().constData()); }

// Start-up, then the screen named: "avvio", "opzioni", "traiettorie",
// "nuovapalla" or the option item of a calculator.
QWidget* Apri(Ambiente& a, const QString& schermo) {
    if (schermo == QLatin1String("avvio")) return a.programma->Avvio();
    Premi(a.programma->Avvio(), "cmdConferma");
    if (schermo == QLatin1String("opzioni")) return a.programma->Opzioni();
    if (schermo == QLatin1String("traiettorie")) {
        Premi(a.programma->Opzioni(), "cmdCalcoloTraiettorie");
        return a.programma->Traiettorie();
    }
    if (schermo == QLatin1String("nuovapalla")) {
        a.programma->ApriNuovaPalla();
        return a.programma->NuovaPalla();
    }
    DoppioClick(a.programma->Opzioni(), schermo.toLatin1().constData());
    return a.programma->Calcolatore();
}

// The text box of a name: a text box, or the text part of an editable list.
QLineEdit* Casella(QWidget* schermo, const QString& nome) {
    QWidget* w = W(schermo, nome);
    if (auto* lista = qobject_cast<QComboBox*>(w)) return lista->lineEdit();
    return qobject_cast<QLineEdit*>(w);
}

void Attiva(QWidget* schermo) {
    schermo->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(schermo));
}

}  // namespace

class TestAspetto : public QObject {
    Q_OBJECT

private slots:
    // In the C locale too: the program loads the Italian texts whatever the system's language.
    void dialoghiInItaliano_data() {
        QTest::addColumn<int>("pulsante");
        QTest::addColumn<QString>("testo");
        QTest::newRow("si") << int(QDialogButtonBox::Yes) << "Sì";
        QTest::newRow("annulla") << int(QDialogButtonBox::Cancel) << "Annulla";
        QTest::newRow("salva") << int(QDialogButtonBox::Save) << "Salva";
    }
    void dialoghiInItaliano() {
        QFETCH(int, pulsante);
        QFETCH(QString, testo);
        static const bool caricata = CaricaTraduzioneQt(*QCoreApplication::instance());
        QVERIFY(caricata);
        QDialogButtonBox scatola{QDialogButtonBox::StandardButton(pulsante)};
        QCOMPARE(scatola.buttons().first()->text().remove(QLatin1Char('&')), testo);
    }

    // (The calculators' boxes, results included, are checked with the calculators.)
    void grassettoRosso_data() {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QStringList>("caselle");
        QTest::newRow("avvio") << "avvio" << QStringList{"txtCoeff_Bal_Std", "txtVelocita1", "txtCoeff_Bal_Vel4"};
        QTest::newRow("nuova palla") << "nuovapalla" << QStringList{"txtInpDiametro", "txtInpCBStd", "txtInpVelocita4"};
    }
    void grassettoRosso() {
        QFETCH(QString, schermo);
        QFETCH(QStringList, caselle);
        Ambiente a;
        QWidget* s = Apri(a, schermo);
        for (const QString& nome : caselle) {
            QVERIFY2(W(s, nome)->font().bold(), qPrintable(nome));
            QCOMPARE(W(s, nome)->palette().color(QPalette::Text), QColor(Qt::red));
        }
    }

    void virgolaRifiutata_data() {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QString>("casella");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("campo");   // as the message names it
        QTest::addColumn<QString>("azione");  // the button, or the option item double-clicked
        QTest::newRow("legno") << "optLegno" << "txtVelImpatto" << "500,5" << "velocità di impatto"
                               << "cmdCalcolaLegno";
        QTest::newRow("osso 0,30 come la guida")
            << "optOsso" << "cBoCoeffPallaOsso" << "0,30" << "coefficiente" << "cmdCalcolaOsso";
        QTest::newRow("traiettorie") << "traiettorie" << "txtDistZero" << "225,5" << "distanza di azzeramento"
                                     << "optTabellaVari";
        QTest::newRow("nuova palla") << "nuovapalla" << "txtInpPeso" << "150,5" << "peso" << "cmdMemorizza";
        QTest::newRow("due velocita") << "avvio" << "txtVelFin" << ",5" << "velocità residua" << "cmdConfCBVel";
    }
    void virgolaRifiutata() {
        QFETCH(QString, schermo);
        QFETCH(QString, casella);
        QFETCH(QString, testo);
        QFETCH(QString, campo);
        QFETCH(QString, azione);
        Ambiente a;
        QWidget* s = Apri(a, schermo);
        Casella(s, casella)->setText(testo);
        if (azione.startsWith(QLatin1String("opt")))
            DoppioClick(s, azione.toLatin1().constData());
        else
            qobject_cast<QPushButton*>(W(s, azione))->click();
        QCOMPARE(a.dialoghi.avvisi,
                 QStringList{QStringLiteral("USA IL PUNTO!!|virgola nel campo %1: il separatore decimale è il punto; "
                                            "scrivere %2 e non %3")
                                 .arg(campo, QString(testo).replace(QLatin1Char(','), QLatin1Char('.')), testo)});
        // Nothing computed.
        if (auto* t = qobject_cast<frmInputDatiTraiet*>(s)) QVERIFY(!t->Espanso());
        if (schermo == QLatin1String("optOsso")) QCOMPARE(Casella(s, "txtPenetrazioneOsso")->text(), QString());
    }

    // The expanded screen shows the default table (0 to 500 m by 20) whole.
    void tabellaPredefinitaTuttaInVista() {
        Ambiente a;
        auto* t = static_cast<frmInputDatiTraiet*>(Apri(a, QStringLiteral("traiettorie")));
        const int compressa = t->height();
        DoppioClick(t, "optTabellaCampagna");
        QCoreApplication::processEvents();
        auto* griglia = Trova<QTableView>(t, "MSFlexGrid1");
        QCOMPARE(griglia->model()->rowCount(), 26);
        QCOMPARE(griglia->verticalScrollBar()->maximum(), 0);
        QVERIFY(griglia->rowViewportPosition(25) + griglia->rowHeight(25) <= griglia->viewport()->height());
        QVERIFY(griglia->rowHeight(25) >= griglia->fontMetrics().height());
        QVERIFY(t->height() > compressa * 3);
    }

    // After a refused request (step 0), the tick is on the layout of the table still shown.
    void spuntaDopoRifiuto_data() {
        QTest::addColumn<QString>("primaTabella");  // computed before, or empty
        QTest::addColumn<QString>("spuntata");      // ticked afterwards, or empty
        QTest::newRow("nessuna tabella prima") << "" << "";
        QTest::newRow("vari mostrata") << "optTabellaVari" << "optTabellaVari";
    }
    void spuntaDopoRifiuto() {
        QFETCH(QString, primaTabella);
        QFETCH(QString, spuntata);
        Ambiente a;
        QWidget* t = Apri(a, QStringLiteral("traiettorie"));
        if (!primaTabella.isEmpty()) DoppioClick(t, primaTabella.toLatin1().constData());
        Scrivi(t, "txtIntervallo", QStringLiteral("0"));
        DoppioClick(t, "optTabellaCampagna");
        QCOMPARE(a.dialoghi.avvisi.size(), 1);
        for (const char* o : {"optTabellaVari", "optTabellaCampagna"})
            QCOMPARE(Trova<QRadioButton>(t, o)->isChecked(), spuntata == QLatin1String(o));
    }

    // Keys on a control do what a click or double click does.
    void tasti_data() {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QString>("controllo");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<QString>("risultato");  // the result box to fill, or the screen to open
        QTest::addColumn<QString>("atteso");
        QTest::newRow("opzione, invio") << "opzioni" << "optLegno" << int(Qt::Key_Return) << "" << "frmPenetrazioneLegno";
        QTest::newRow("opzione, spazio") << "opzioni" << "optVarVelCanna" << int(Qt::Key_Space) << ""
                                         << "frmVarVelCanna";
        QTest::newRow("invio in una casella è Calcola")
            << "optFerro" << "txtVelImpatto" << int(Qt::Key_Return) << "txtPenetrazioneFerro" << "0.53";
        QTest::newRow("invio nella lista è Calcola")
            << "optOsso" << "cBoCoeffPallaOsso" << int(Qt::Key_Return) << "txtPenetrazioneOsso" << "8.60";
        QTest::newRow("freccia su della velocità") << "avvio" << "txtVelocitabocca" << int(Qt::Key_Up)
                                                  << "txtVelocitabocca" << "966";
        QTest::newRow("pagina giù della velocità") << "avvio" << "txtVelocitabocca" << int(Qt::Key_PageDown)
                                                  << "txtVelocitabocca" << "955";
    }
    void tasti() {
        QFETCH(QString, schermo);
        QFETCH(QString, controllo);
        QFETCH(int, tasto);
        QFETCH(QString, risultato);
        QFETCH(QString, atteso);
        Ambiente a;
        QWidget* s = Apri(a, schermo);
        QWidget* w = W(s, controllo);
        QTest::keyClick(Casella(s, controllo) ? Casella(s, controllo) : w, Qt::Key(tasto));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (risultato.isEmpty())
            QCOMPARE(a.programma->Calcolatore() ? a.programma->Calcolatore()->objectName() : QString(), atteso);
        else
            QCOMPARE(Casella(s, risultato)->text(), atteso);
        QVERIFY((a.dialoghi.avvisi.isEmpty() && a.dialoghi.domande.isEmpty()));
    }

    // Access keys: Alt and the underlined letter press the button.
    void tastiDiAccesso_data() {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<char>("lettera");
        QTest::newRow("traiettorie") << "opzioni" << "cmdCalcoloTraiettorie" << 't';
        QTest::newRow("calcola") << "optFerro" << "cmdCalcolaFerro" << 'c';
        QTest::newRow("memorizza") << "nuovapalla" << "cmdMemorizza" << 'm';
        QTest::newRow("avanti") << "avvio" << "cmdConferma" << 'a';
    }
    void tastiDiAccesso() {
        QFETCH(QString, schermo);
        QFETCH(QString, pulsante);
        QFETCH(char, lettera);
        Ambiente a;
        QWidget* s = Apri(a, schermo);
        QSignalSpy premuto(qobject_cast<QPushButton*>(W(s, pulsante)), &QPushButton::clicked);
        Attiva(s);
        // Through the window, as the window system delivers keys: shortcuts are matched there.
        QTest::keyClick(s->windowHandle(), lettera, Qt::AltModifier);
        QTRY_COMPARE(premuto.count(), 1);  // the button shows itself pressed, then clicks
    }

    // The start screen's tab order: top to bottom, left to right, no spinner
    // arrow in it, "Avanti  >" last.
    void ordineDiTabulazioneDellAvvio() {
        Ambiente a;
        QWidget* s = Apri(a, QStringLiteral("avvio"));
        Attiva(s);
        W(s, "txtDiametro")->setFocus();
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

    // Enter in the two-velocity frame is "Conferma"; then the focus waits on
    // "Avanti  >", not in the bullet list.
    void invioConferma() {
        Ambiente a;
        QWidget* s = Apri(a, QStringLiteral("avvio"));
        Attiva(s);
        Scrivi(s, "txtCoeffbalistico", QString());
        QTest::keyClick(Casella(s, "txtCoeffbalistico"), Qt::Key_Return);
        QVERIFY(W(s, "fraCalcolaCB")->isVisible());
        QTest::keyClick(Casella(s, "txtTratto"), Qt::Key_Return);
        QVERIFY((a.dialoghi.avvisi.isEmpty() && a.dialoghi.domande.isEmpty()));
        QVERIFY(Casella(s, "txtCoeffbalistico")->text().startsWith(QStringLiteral("0.")));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdConferma"));
    }

    // The wheel over the unfocused bullet list changes neither the pick nor the typed place.
    void rotellaSenzaFuoco() {
        Ambiente a;
        QWidget* s = Apri(a, QStringLiteral("avvio"));
        auto* lista = Trova<QComboBox>(s, "Combo1");
        Scrivi(s, "txtAltitudine", QStringLiteral("1200"));
        const int scelta = lista->currentIndex();
        QWheelEvent rotella(QPointF(10, 5), lista->mapToGlobal(QPointF(10, 5)), {}, QPoint(0, -120), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(lista, &rotella);
        QCOMPARE(lista->currentIndex(), scelta);
        QCOMPARE(Casella(s, "txtAltitudine")->text(), QStringLiteral("1200"));
    }

    // The waiting notice goes when loading ends, whatever the catalogue held.
    void avvisoDiAttesa_data() {
        QTest::addColumn<QByteArray>("catalogo");
        QTest::addColumn<QString>("avviso");  // empty: the notice is hidden
        QTest::newRow("con palle") << QByteArray(kCatalogoProva) << QString();
        QTest::newRow("solo note") << QByteArray("(c) nota\r\n\r\n")
                                   << " Elenco vuoto: per inserire palle fare click su \"Aggiungi palle\"";
    }
    void avvisoDiAttesa() {
        QFETCH(QByteArray, catalogo);
        QFETCH(QString, avviso);
        Ambiente a(catalogo.constData());
        QWidget* s = Apri(a, QStringLiteral("avvio"));
        QCOMPARE(W(s, "Text1")->isHidden(), avviso.isEmpty());
        if (!avviso.isEmpty()) QCOMPARE(Casella(s, "Text1")->text(), avviso);
        QVERIFY(W(s, "PB1")->isHidden());
    }
};

QTEST_MAIN(TestAspetto)
#include "test_aspetto.moc"
