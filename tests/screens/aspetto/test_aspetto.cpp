// What the user meets around the numbers: Qt's dialogs in Italian, bold red
// number boxes, a typed decimal comma refused on every screen, the default
// table wholly in sight, the table option ticked as the table shown.
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmInputDatiTraiet.h"
#include "frmOpzioni.h"
#include "traduzione.h"

namespace {

using A = Ambiente;

// Start-up, the default bullet confirmed, then the screen named: "traiettorie",
// "nuovapalla" or the option item of a calculator.
QWidget* Apri(A& a, const QString& schermo) {
    a.programma->Main();
    A::Premi(a.programma->Avvio(), "cmdConferma");
    if (schermo == QLatin1String("traiettorie")) {
        A::Premi(a.programma->Opzioni(), "cmdCalcoloTraiettorie");
        return a.programma->Traiettorie();
    }
    if (schermo == QLatin1String("nuovapalla")) {
        a.programma->ApriNuovaPalla();
        return a.programma->NuovaPalla();
    }
    A::DoppioClick(a.programma->Opzioni(), schermo.toLatin1().constData());
    return a.programma->Calcolatore();
}

// Types the text into the box (a text box, or the text part of an editable list).
void Digita(QWidget* schermo, const QString& nome, const QString& testo) {
    QWidget* w = A::Trova<QWidget>(schermo, nome.toLatin1().constData());
    auto* casella = qobject_cast<QLineEdit*>(w);
    if (auto* lista = qobject_cast<QComboBox*>(w)) casella = lista->lineEdit();
    QTest::keyClick(casella, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(casella, testo);
}

}  // namespace

class TestAspetto : public QObject {
    Q_OBJECT

private slots:
    void dialoghiInItaliano_data() {
        QTest::addColumn<int>("pulsante");
        QTest::addColumn<QString>("testo");
        QTest::newRow("si") << int(QDialogButtonBox::Yes) << "Sì";
        QTest::newRow("no") << int(QDialogButtonBox::No) << "No";
        QTest::newRow("annulla") << int(QDialogButtonBox::Cancel) << "Annulla";
        QTest::newRow("salva") << int(QDialogButtonBox::Save) << "Salva";
        QTest::newRow("apri") << int(QDialogButtonBox::Open) << "Apri";
    }
    // In the C locale too: the program loads the Italian texts whatever the system's language.
    void dialoghiInItaliano() {
        QFETCH(int, pulsante);
        QFETCH(QString, testo);
        static const bool caricata = CaricaTraduzioneQt(*QCoreApplication::instance());
        QVERIFY(caricata);
        QDialogButtonBox scatola{QDialogButtonBox::StandardButton(pulsante)};
        QCOMPARE(scatola.buttons().first()->text().remove(QLatin1Char('&')), testo);
    }

    void grassettoRosso_data() {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QStringList>("caselle");
        QTest::newRow("traiettorie") << "traiettorie"
                                     << QStringList{"txtDistZero", "txtHottica", "txtDistInizio", "txtDistFine",
                                                    "txtIntervallo", "txtVelVento"};
        QTest::newRow("nuova palla") << "nuovapalla"
                                     << QStringList{"txtInpDiametro", "txtInpPeso", "txtInpCBStd", "txtInpCB1",
                                                    "txtInpVelocita1", "txtInpCB4", "txtInpVelocita4"};
        QTest::newRow("osso, risultato compreso")
            << "optOsso" << QStringList{"cBoCoeffPallaOsso", "txtVelImpatto", "txtPenetrazioneOsso"};
    }
    void grassettoRosso() {
        QFETCH(QString, schermo);
        QFETCH(QStringList, caselle);
        A a;
        QWidget* s = Apri(a, schermo);
        for (const QString& nome : caselle) {
            QWidget* w = A::Trova<QWidget>(s, nome.toLatin1().constData());
            QVERIFY2(w->font().bold(), qPrintable(nome));
            QCOMPARE(w->palette().color(QPalette::Text), QColor(Qt::red));
        }
        // Words are not numbers: the bullet type stays plain.
        if (schermo == QLatin1String("nuovapalla")) QVERIFY(!A::Trova<QWidget>(s, "txtImpTipoPalla")->font().bold());
    }

    void virgolaRifiutata_data() {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QString>("casella");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("campo");   // as the message names it
        QTest::addColumn<QString>("azione");  // the button, or the option item double-clicked
        QTest::newRow("legno 500,5") << "optLegno" << "txtVelImpatto" << "500,5" << "velocità di impatto"
                                     << "cmdCalcolaLegno";
        QTest::newRow("osso 0,30 come la guida") << "optOsso" << "cBoCoeffPallaOsso" << "0,30" << "coefficiente"
                                                 << "cmdCalcolaOsso";
        QTest::newRow("canna ,5") << "optVarVelCanna" << "txtPercorsoCannaNota" << ",5" << "percorso in canna nota"
                                  << "cmdCalcolaOsso";
        QTest::newRow("traiettorie 225,5") << "traiettorie" << "txtDistZero" << "225,5" << "distanza di azzeramento"
                                           << "optTabellaVari";
        QTest::newRow("nuova palla peso 150,5") << "nuovapalla" << "txtInpPeso" << "150,5" << "peso"
                                                << "cmdMemorizza";
    }
    void virgolaRifiutata() {
        QFETCH(QString, schermo);
        QFETCH(QString, casella);
        QFETCH(QString, testo);
        QFETCH(QString, campo);
        QFETCH(QString, azione);
        A a;
        QWidget* s = Apri(a, schermo);
        Digita(s, casella, testo);
        const QByteArray nome = azione.toLatin1();
        if (azione.startsWith(QLatin1String("opt")))
            A::DoppioClick(s, nome.constData());
        else
            A::Premi(s, nome.constData());
        QCOMPARE(a.dialoghi.Di(QStringLiteral("avviso")),
                 QStringList{QStringLiteral("USA IL PUNTO!!|virgola nel campo ") + campo +
                             QStringLiteral(": il separatore decimale è il punto; scrivere ") +
                             QString(testo).replace(QLatin1Char(','), QLatin1Char('.')) + QStringLiteral(" e non ") +
                             testo});
        // Nothing computed; the box keeps its text.
        if (auto* t = qobject_cast<frmInputDatiTraiet*>(s)) QVERIFY(!t->Espanso());
        for (QLineEdit* e : s->findChildren<QLineEdit*>())
            if (e->objectName().startsWith(QLatin1String("txtPenetrazione")) ||
                e->objectName() == QLatin1String("txtVelocitaNuovaCanna"))
                QCOMPARE(e->text(), QString());
    }

    // The expanded screen shows the default table (0 to 500 m by 20) whole,
    // in both layouts, at the two window heights of the screen.
    void tabellaPredefinitaTuttaInVista_data() {
        QTest::addColumn<QString>("opzione");
        QTest::newRow("parametri vari") << "optTabellaVari";
        QTest::newRow("campagna") << "optTabellaCampagna";
    }
    void tabellaPredefinitaTuttaInVista() {
        QFETCH(QString, opzione);
        A a;
        auto* t = static_cast<frmInputDatiTraiet*>(Apri(a, QStringLiteral("traiettorie")));
        const int compressa = t->height();
        A::DoppioClick(t, opzione.toLatin1().constData());
        QCoreApplication::processEvents();
        auto* griglia = A::Trova<QTableView>(t, "MSFlexGrid1");
        QCOMPARE(griglia->model()->rowCount(), 26);
        QCOMPARE(griglia->verticalScrollBar()->maximum(), 0);
        QVERIFY(griglia->rowViewportPosition(25) + griglia->rowHeight(25) <= griglia->viewport()->height());
        // The row is at least as high as its text.
        QVERIFY(griglia->rowHeight(25) >= griglia->fontMetrics().height());
        QVERIFY(t->height() > compressa * 3);
    }

    // After a refused request, the tick is on the layout of the table still shown.
    void spuntaDopoRifiuto_data() {
        QTest::addColumn<QString>("primaTabella");  // computed before, or empty
        QTest::addColumn<QString>("rifiutata");     // double-clicked with a step of 0
        QTest::addColumn<QString>("spuntata");      // ticked afterwards, or empty
        QTest::newRow("nessuna tabella prima") << "" << "optTabellaCampagna" << "";
        QTest::newRow("vari mostrata, campagna rifiutata") << "optTabellaVari" << "optTabellaCampagna"
                                                            << "optTabellaVari";
        QTest::newRow("campagna mostrata, vari rifiutata") << "optTabellaCampagna" << "optTabellaVari"
                                                            << "optTabellaCampagna";
    }
    void spuntaDopoRifiuto() {
        QFETCH(QString, primaTabella);
        QFETCH(QString, rifiutata);
        QFETCH(QString, spuntata);
        A a;
        QWidget* t = Apri(a, QStringLiteral("traiettorie"));
        if (!primaTabella.isEmpty()) A::DoppioClick(t, primaTabella.toLatin1().constData());
        A::Scrivi(t, "txtIntervallo", QStringLiteral("0"));
        A::DoppioClick(t, rifiutata.toLatin1().constData());
        QCOMPARE(a.dialoghi.Di(QStringLiteral("avviso")).size(), 1);
        for (const char* o : {"optTabellaVari", "optTabellaCampagna"})
            QCOMPARE(A::Trova<QRadioButton>(t, o)->isChecked(), spuntata == QLatin1String(o));
    }
};

QTEST_MAIN(TestAspetto)
#include "test_aspetto.moc"
