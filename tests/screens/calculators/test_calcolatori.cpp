// The five calculator screens, reached from the options screen and driven like a user.
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmOpzioni.h"

namespace {

using A = Ambiente;

// What sets the calculators apart, by the option item that opens them.
struct Calcolatore {
    const char* opzione;
    const char* schermo;
    const char* calcola;  // the Calcola button
    const char* opzioni;  // the menu entry back to the options screen
    const char* esci;     // the menu entry that ends the program
    const char* schermata;
};

const Calcolatore kCalcolatori[] = {
    {"optLegno", "frmPenetrazioneLegno", "cmdCalcolaLegno", "MnuOpzioni", "mnuEsci", "calcolatore-legno.png"},
    {"optFerro", "frmPenetrazioneFerro", "cmdCalcolaFerro", "mnuOpzioni", "mnuEsci", "calcolatore-ferro.png"},
    {"optOsso", "frmPenetrazioneOsso", "cmdCalcolaOsso", "mnuOpzioni", "mnuEsci", "calcolatore-osso.png"},
    {"optUomo", "frmPenetrazioneUomo", "cmdCalcolaUomo", "mnuOpzioni", "MnuEsci", "calcolatore-uomo.png"},
    {"optVarVelCanna", "frmVarVelCanna", "cmdCalcolaOsso", "mnuOpzioni", "mnuEsci", "calcolatore-canna.png"},
};

const Calcolatore& Di(const QString& opzione) {
    for (const Calcolatore& c : kCalcolatori)
        if (opzione == QLatin1String(c.opzione)) return c;
    qFatal("unknown option");
}

void Svuota() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The text box a name stands for: a text box, or the text part of an editable list.
QLineEdit* Casella(QWidget* schermo, const QString& nome) {
    QWidget* w = schermo->findChild<QWidget*>(nome);
    if (auto* lista = qobject_cast<QComboBox*>(w)) return lista->lineEdit();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e;
    qWarning("box %s not found", qPrintable(nome));
    return nullptr;
}

// Each "name=text": selects what is in the box, deletes it and types the text.
void Digita(QWidget* schermo, const QStringList& voci) {
    for (const QString& voce : voci) {
        const int uguale = voce.indexOf(QLatin1Char('='));
        QLineEdit* e = Casella(schermo, voce.left(uguale));
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, voce.mid(uguale + 1));
    }
}

// "name=text" of each named box, label or frame, as the user reads it.
QStringList Letti(QWidget* schermo, const QStringList& nomi) {
    QStringList l;
    for (const QString& nome : nomi) {
        QString testo;
        QObject* o = schermo->findChild<QObject*>(nome);
        if (auto* g = qobject_cast<QGroupBox*>(o))
            testo = g->title();
        else if (auto* b = qobject_cast<QAbstractButton*>(o))
            testo = b->text().remove(QLatin1Char('&'));  // the caption as shown, without its access-key mark
        else if (auto* lb = qobject_cast<QLabel*>(o))
            testo = lb->text();
        else if (QLineEdit* e = Casella(schermo, nome))
            testo = e->text();
        l << nome + QLatin1Char('=') + testo;
    }
    return l;
}

QStringList Nomi(const QStringList& voci) {
    QStringList l;
    for (const QString& v : voci) l << v.left(v.indexOf(QLatin1Char('=')));
    return l;
}

// No box of the screen shows anything but a number, a lone point or nothing.
bool SoloNumeri(QWidget* schermo) {
    for (QLineEdit* e : schermo->findChildren<QLineEdit*>()) {
        const QString t = e->text().toLower();
        if (t.contains(QLatin1String("nan")) || t.contains(QLatin1String("inf"))) {
            qWarning("box %s shows %s", qPrintable(e->objectName()), qPrintable(t));
            return false;
        }
    }
    return true;
}

}  // namespace

class TestCalcolatori : public QObject {
    Q_OBJECT

    // From start-up: the bullet confirmed on the start screen, then a double
    // click on the option item. Null when a step did not lead where it should.
    static Schermo* Apri(A& a, const QString& opzione, const QString& diametro = QStringLiteral("0.308"),
                         const QString& peso = QStringLiteral("150")) {
        a.programma->Main();
        frmAvvio* avvio = a.programma->Avvio();
        A::Scrivi(avvio, "txtDiametro", diametro);
        A::Scrivi(avvio, "txtPeso", peso);
        A::Premi(avvio, "cmdConferma");
        frmOpzioni* o = a.programma->Opzioni();
        if (!o || A::Testo(o, "lblDiametro") != diametro || A::Testo(o, "lblPeso") != peso) return nullptr;
        A::DoppioClick(o, opzione.toLatin1().constData());
        return a.programma->Calcolatore();
    }

    static void Calcola(QWidget* schermo, const QString& opzione) { A::Premi(schermo, Di(opzione).calcola); }

    static void PerOgniCalcolatore() {
        QTest::addColumn<QString>("opzione");
        for (const Calcolatore& c : kCalcolatori) QTest::newRow(c.opzione) << c.opzione;
    }

private slots:
    void aspettoAllApertura_data() {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QStringList>("didascalie");
        QTest::addColumn<QStringList>("ingressi");
        QTest::addColumn<QStringList>("risultati");
        QTest::newRow("legno") << "optLegno"
                               << "Penetrazione nel legno di abete"
                               << QStringList{"lblVelImpattoLegno=Velocità di impatto del proiettile",
                                              "cmdCalcolaLegno=Calcola", "Frame1=Risultati",
                                              "lblPenetrazioneLegno=La penetrazione nel legno e' di cm ",
                                              "lblVolumeLegno=Il volume della cavita' nel legno e di cmc "}
                               << QStringList{"txtVelImpatto=500"}
                               << QStringList{"txtPenetrazioneLegno", "txtVolumeLegno"};
        QTest::newRow("ferro") << "optFerro"
                               << "Penetrazione nel ferro"
                               << QStringList{"lblVelImpatto=Velocità di impatto del proiettile",
                                              "cmdCalcolaFerro=Calcola", "fraFerro=Risultati",
                                              "lblPenetrazioneFerro=La penetrazione nel ferro è  di cm "}
                               << QStringList{"txtVelImpatto=500"} << QStringList{"txtPenetrazioneFerro"};
        QTest::newRow("osso") << "optOsso"
                              << "Penetrazione nell' osso"
                              << QStringList{"lblCoeffPallaOsso=Coefficiente da utilizzare",
                                             "fraCoeffPallaOsso=Usare i seguenti coefficienti ...",
                                             "Label1=0,44 per proiettili da pistola camiciati      0,30 per "
                                             "proiettiili in piombo arrotondati  0,15 per proiettili Wad-cutter",
                                             "lblVelImpatto=Velocità di impatto del proiettile",
                                             "cmdCalcolaOsso=Calcola",
                                             "fraFerro=Risultati",
                                             "lblPenetrazioneOsso=La penetrazione nell'osso è  di cm "}
                              << QStringList{"cBoCoeffPallaOsso=0.44", "txtVelImpatto=200"}
                              << QStringList{"txtPenetrazioneOsso"};
        QTest::newRow("uomo") << "optUomo"
                              << "Penetrazione nel corpo umano"
                              << QStringList{"lblVelImpattoUomo=Velocità di impatto del proiettile in m/s",
                                             "cmdCalcolaUomo=Calcola", "Frame1=Risultati",
                                             "lblPenetrazioneUomo=La penetrazione nel muscolo umano e' di cm ",
                                             "lblVeLimitCute=La velocita' limite sulla cute e di m/s"}
                              << QStringList{"txtVelImpattoUomo=500"}
                              << QStringList{"txtPenetrazioneUomo", "txtVelocitaLimiteCute"};
        QTest::newRow("canna") << "optVarVelCanna" << "Variazione della velocità  in relazione a lunghezza canna"
                               << QStringList{"Label1=In questo calcolo per lunghezza della canna si intende il "
                                              "percorso del proiettile nella canna e quindi la tratta misurata "
                                              "dalla punta del proiettile in camera alla bocca + la lunghezza del "
                                              "proiettile",
                                              "lblVelCannaNota=Velocità del proiettile in canna nota in  m/s",
                                              "lblPercorsoCannaNota=Percorso del proiettile in canna nota in mm",
                                              "lblPercorsoCannaDiversa=Percorso del proiettile nella canna diversa "
                                              "in mm",
                                              "cmdCalcolaOsso=Calcola", "fraFerro=Risultati",
                                              "lblVelocitaNuovaCanna=Velocità nella nuova canna in m/s"}
                               << QStringList{"txtVelCannaNota=900", "txtPercorsoCannaNota=60",
                                              "txtPercorsoCannaDiversa=65"}
                               << QStringList{"txtVelocitaNuovaCanna"};
    }

    void aspettoAllApertura() {
        QFETCH(QString, opzione);
        QFETCH(QString, titolo);
        QFETCH(QStringList, didascalie);
        QFETCH(QStringList, ingressi);
        QFETCH(QStringList, risultati);
        A a;
        Schermo* c = Apri(a, opzione);
        QVERIFY(c);
        QVERIFY(c->isVisible());
        QCOMPARE(c->objectName(), QLatin1String(Di(opzione).schermo));
        QCOMPARE(c->windowTitle(), titolo);
        QVERIFY(!a.programma->Opzioni());
        QVERIFY(!a.programma->Avvio()->isVisible());
        // The calculators keep the window's close command.
        QVERIFY(c->windowFlags() & Qt::WindowCloseButtonHint || !(c->windowFlags() & Qt::CustomizeWindowHint));
        QCOMPARE(Letti(c, Nomi(didascalie)), didascalie);
        QCOMPARE(Letti(c, Nomi(ingressi)), ingressi);
        for (const QString& nome : Nomi(ingressi)) {
            QWidget* w = c->findChild<QWidget*>(nome);
            QVERIFY2(w->font().bold(), qPrintable(nome));
            QCOMPARE(Casella(c, nome)->palette().color(QPalette::Text), QColor(Qt::red));
            QVERIFY(w->isVisible());
        }
        for (const QString& nome : risultati) {
            QLineEdit* e = Casella(c, nome);
            QCOMPARE(e->text(), QString());
            QVERIFY2(e->font().bold(), qPrintable(nome));
            QCOMPARE(e->palette().color(QPalette::Text), QColor(Qt::red));
            QVERIFY(!e->isReadOnly());
            QVERIFY(e->isVisible());
        }
        QVERIFY(a.dialoghi.registro.isEmpty());
    }

    void menuNellOrdine_data() {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QStringList>("voci");
        QTest::newRow("legno") << "optLegno"
                               << QStringList{"MnuOpzioni=Opzioni", "mnuNuovaPalla=Nuova palla", "mnuEsci=Esci"};
        QTest::newRow("ferro") << "optFerro"
                               << QStringList{"mnuNuovaPalla=&Nuova Palla", "mnuOpzioni=&Opzioni", "mnuEsci=&Esci"};
        QTest::newRow("osso") << "optOsso"
                              << QStringList{"mnuOpzioni=&Opzioni", "mnuNuovaPalla=&Nuova palla", "mnuEsci=&Esci"};
        QTest::newRow("uomo") << "optUomo"
                              << QStringList{"mnuNuovaPalla=Nuova Palla", "mnuOpzioni=Opzioni", "MnuEsci=Esci"};
        QTest::newRow("canna") << "optVarVelCanna"
                               << QStringList{"mnuNuovaPalla=NuovaPalla", "mnuOpzioni=Opzioni", "mnuEsci=Esci"};
    }

    void menuNellOrdine() {
        QFETCH(QString, opzione);
        QFETCH(QStringList, voci);
        A a;
        Schermo* c = Apri(a, opzione);
        QVERIFY(c);
        const QList<QAction*> titoli = c->menuBar()->actions();
        QCOMPARE(titoli.size(), 1);
        QCOMPARE(titoli[0]->text(), QStringLiteral("File"));
        QStringList lette;
        for (QAction* voce : titoli[0]->menu()->actions())
            lette << voce->objectName() + QLatin1Char('=') + voce->text();
        QCOMPARE(lette, voci);
    }

    void risultati_data() {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QString>("diametro");
        QTest::addColumn<QString>("peso");
        QTest::addColumn<QStringList>("ingressi");
        QTest::addColumn<QStringList>("attesi");
        const QString d = QStringLiteral("0.308"), p = QStringLiteral("150");
        auto legno = [](const char* pen, const char* vol) {
            return QStringList{QStringLiteral("txtPenetrazioneLegno=") + pen, QStringLiteral("txtVolumeLegno=") + vol};
        };
        QTest::newRow("legno 500") << "optLegno" << d << p << QStringList{} << legno("53", "26.2");
        QTest::newRow("legno 450 m/s") << "optLegno" << d << p << QStringList{"txtVelImpatto=450 m/s"}
                                       << legno("45", "22.3");
        QTest::newRow("legno vuoto") << "optLegno" << d << p << QStringList{"txtVelImpatto="} << legno("", ".");

        const QString ferro = QStringLiteral("txtPenetrazioneFerro=");
        QTest::newRow("ferro 500") << "optFerro" << d << p << QStringList{} << QStringList{ferro + "0.55"};
        QTest::newRow("ferro -500") << "optFerro" << d << p << QStringList{"txtVelImpatto=-500"}
                                    << QStringList{ferro + "0.55"};

        const QString osso = QStringLiteral("txtPenetrazioneOsso=");
        QTest::newRow("osso 0.44") << "optOsso" << d << p << QStringList{} << QStringList{osso + "10.71"};
        QTest::newRow("osso 0.5 fuori lista")
            << "optOsso" << d << p << QStringList{"cBoCoeffPallaOsso=0.5"} << QStringList{osso + "12.18"};

        auto uomo = [](const char* pen, const char* soglia) {
            return QStringList{QStringLiteral("txtPenetrazioneUomo=") + pen,
                               QStringLiteral("txtVelocitaLimiteCute=") + soglia};
        };
        QTest::newRow("uomo 500") << "optUomo" << d << p << QStringList{} << uomo("104.4", "28");
        QTest::newRow("uomo 70") << "optUomo" << d << p << QStringList{"txtVelImpattoUomo=70"} << uomo("-8.3", "28");

        const QString canna = QStringLiteral("txtVelocitaNuovaCanna=");
        QTest::newRow("canna 60 65") << "optVarVelCanna" << d << p << QStringList{} << QStringList{canna + "918.2"};
        QTest::newRow("canna diversa 0") << "optVarVelCanna" << d << p << QStringList{"txtPercorsoCannaDiversa=0"}
                                         << QStringList{canna + "."};
    }

    void risultati() {
        QFETCH(QString, opzione);
        QFETCH(QString, diametro);
        QFETCH(QString, peso);
        QFETCH(QStringList, ingressi);
        QFETCH(QStringList, attesi);
        A a;
        Schermo* c = Apri(a, opzione, diametro, peso);
        QVERIFY(c);
        Digita(c, ingressi);
        Calcola(c, opzione);
        QCOMPARE(Letti(c, Nomi(attesi)), attesi);
        QVERIFY(a.dialoghi.registro.isEmpty());
        QVERIFY(SoloNumeri(c));
        // A result box is an ordinary box: typed over, then overwritten by the next calculation.
        Digita(c, {Nomi(attesi).first() + QStringLiteral("=abc")});
        QCOMPARE(Casella(c, Nomi(attesi).first())->text(), QStringLiteral("abc"));
        Calcola(c, opzione);
        QCOMPARE(Letti(c, Nomi(attesi)), attesi);
    }

    void coefficienteDallaLista() {
        A a;
        Schermo* c = Apri(a, QStringLiteral("optOsso"));
        QVERIFY(c);
        auto* lista = A::Trova<QComboBox>(c, "cBoCoeffPallaOsso");
        QCOMPARE(lista->count(), 3);
        QTest::keyClick(lista, Qt::Key_Down);
        QCOMPARE(lista->currentText(), QStringLiteral("0.30"));
        Calcola(c, QStringLiteral("optOsso"));
        QCOMPARE(A::Testo(c, "txtPenetrazioneOsso"), QStringLiteral("7.31"));
        QTest::keyClick(lista, Qt::Key_Down);
        Calcola(c, QStringLiteral("optOsso"));
        QCOMPARE(A::Testo(c, "txtPenetrazioneOsso"), QStringLiteral("3.65"));
        // Typing and pressing Enter does not grow the list.
        Digita(c, {QStringLiteral("cBoCoeffPallaOsso=0.5")});
        QTest::keyClick(lista, Qt::Key_Return);
        QCOMPARE(lista->count(), 3);
        QCOMPARE(lista->currentText(), QStringLiteral("0.5"));
        QVERIFY(a.dialoghi.registro.isEmpty());
    }

    void rifiuti_data() {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QStringList>("ingressi");
        QTest::addColumn<QStringList>("attesi");
        QTest::addColumn<QString>("avviso");
        const QString titolo = QStringLiteral("CAMBIA VALORE!!|");
        const QString troppoGrande = titolo + QStringLiteral(
                                                  "valore troppo grande per il campo velocità di impatto; inserire un "
                                                  "numero più piccolo");
        const QString legnoNegativa = titolo + QStringLiteral(
                                                   "la velocità di impatto non può essere negativa; inserire un valore "
                                                   "maggiore o uguale a zero");
        const QStringList legnoVuoti{"txtPenetrazioneLegno=", "txtVolumeLegno="};
        QTest::newRow("legno negativa") << "optLegno" << QStringList{"txtVelImpatto=-10"} << legnoVuoti
                                        << legnoNegativa;
        QTest::newRow("legno enorme") << "optLegno" << QStringList{"txtVelImpatto=1e400"} << legnoVuoti << troppoGrande;
        QTest::newRow("osso coefficiente enorme")
            << "optOsso" << QStringList{"cBoCoeffPallaOsso=1e308", "txtVelImpatto=1e150"}
            << QStringList{"txtPenetrazioneOsso="}
            << titolo +
                   QStringLiteral("valore troppo grande per il campo coefficiente; inserire un numero più piccolo");
        const QString soglia = titolo + QStringLiteral(
                                            "la velocità di impatto deve superare la velocità limite sulla cute (28.18 "
                                            "m/s); inserire un valore maggiore");
        const QStringList uomoSoglia{"txtPenetrazioneUomo=", "txtVelocitaLimiteCute=28"};
        QTest::newRow("uomo alla soglia")
            << "optUomo" << QStringList{"txtVelImpattoUomo=28.18"} << uomoSoglia << soglia;
        QTest::newRow("uomo enorme") << "optUomo" << QStringList{"txtVelImpattoUomo=1e400"}
                                     << QStringList{"txtPenetrazioneUomo=", "txtVelocitaLimiteCute=28"} << troppoGrande;
        const QString nota = titolo + QStringLiteral(
                                          "il percorso del proiettile in canna nota deve essere maggiore di zero; "
                                          "inserire il percorso in mm");
        const QStringList cannaVuota{"txtVelocitaNuovaCanna="};
        QTest::newRow("canna nota 0") << "optVarVelCanna" << QStringList{"txtPercorsoCannaNota=0"} << cannaVuota
                                      << nota;
        QTest::newRow("canna diversa negativa")
            << "optVarVelCanna" << QStringList{"txtPercorsoCannaDiversa=-65"} << cannaVuota
            << titolo +
                   QStringLiteral(
                       "il percorso del proiettile nella canna diversa non può essere negativo; inserire un valore "
                       "maggiore o uguale a zero");
        QTest::newRow("canna fuori misura")
            << "optVarVelCanna"
            << QStringList{"txtVelCannaNota=1e308", "txtPercorsoCannaNota=1e-300", "txtPercorsoCannaDiversa=1e300"}
            << cannaVuota
            << titolo + QStringLiteral(
                            "velocità e percorsi fuori misura, il risultato non è calcolabile; inserire valori "
                            "realistici");
    }

    // A refused input shows its warning once and clears the results of the
    // previous calculation, so no stale figure stays next to the new input.
    void rifiuti() {
        QFETCH(QString, opzione);
        QFETCH(QStringList, ingressi);
        QFETCH(QStringList, attesi);
        QFETCH(QString, avviso);
        A a;
        Schermo* c = Apri(a, opzione);
        QVERIFY(c);
        Calcola(c, opzione);
        QVERIFY(a.dialoghi.registro.isEmpty());
        Digita(c, ingressi);
        Calcola(c, opzione);
        QCOMPARE(a.dialoghi.Di(QStringLiteral("avviso")), QStringList{avviso});
        QCOMPARE(a.dialoghi.registro.size(), 1);
        QCOMPARE(Letti(c, Nomi(attesi)), attesi);
        QVERIFY(SoloNumeri(c));
        QVERIFY(c->isVisible());
        QCOMPARE(Letti(c, Nomi(ingressi)), ingressi);  // what was typed stays to be corrected
    }

    void riaperturaMostraIValoriIniziali_data() {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QStringList>("ingressi");
        QTest::addColumn<QStringList>("risultati");
        QTest::newRow("legno") << "optLegno" << QStringList{"txtVelImpatto=500"}
                               << QStringList{"txtPenetrazioneLegno=", "txtVolumeLegno="};
        QTest::newRow("ferro") << "optFerro" << QStringList{"txtVelImpatto=500"}
                               << QStringList{"txtPenetrazioneFerro="};
        QTest::newRow("osso") << "optOsso" << QStringList{"cBoCoeffPallaOsso=0.44", "txtVelImpatto=200"}
                              << QStringList{"txtPenetrazioneOsso="};
        QTest::newRow("uomo") << "optUomo" << QStringList{"txtVelImpattoUomo=500"}
                              << QStringList{"txtPenetrazioneUomo=", "txtVelocitaLimiteCute="};
        QTest::newRow("canna") << "optVarVelCanna"
                               << QStringList{"txtVelCannaNota=900", "txtPercorsoCannaNota=60",
                                              "txtPercorsoCannaDiversa=65"}
                               << QStringList{"txtVelocitaNuovaCanna="};
    }

    void riaperturaMostraIValoriIniziali() {
        QFETCH(QString, opzione);
        QFETCH(QStringList, ingressi);
        QFETCH(QStringList, risultati);
        A a;
        QPointer<Schermo> prima = Apri(a, opzione);
        QVERIFY(prima);
        QStringList altri;
        for (const QString& nome : Nomi(ingressi)) altri << nome + QStringLiteral("=123");
        Digita(prima, altri);
        Calcola(prima, opzione);
        A::Menu(prima, Di(opzione).opzioni);
        Svuota();
        QVERIFY(!prima);  // closed, not hidden
        frmOpzioni* o = a.programma->Opzioni();
        QVERIFY(o && o->isVisible());
        A::DoppioClick(o, Di(opzione).opzione);
        Schermo* dopo = a.programma->Calcolatore();
        QVERIFY(dopo && dopo->isVisible());
        QCOMPARE(Letti(dopo, Nomi(ingressi)), ingressi);
        QCOMPARE(Letti(dopo, Nomi(risultati)), risultati);
        if (auto* lista = dopo->findChild<QComboBox*>(QStringLiteral("cBoCoeffPallaOsso"))) {
            QStringList voci;
            for (int i = 0; i < lista->count(); ++i) voci << lista->itemText(i);
            QCOMPARE(voci, (QStringList{"0.44", "0.30", "0.15"}));
        }
        // The powder row of the barrel screen stays hidden, with its 55 grains.
        if (auto* polvere = dopo->findChild<QLineEdit*>(QStringLiteral("txtPesoPolvere"))) {
            QVERIFY(polvere->isHidden());
            QVERIFY(A::Trova<QLabel>(dopo, "lblPesoPolvere")->isHidden());
            QCOMPARE(polvere->text(), QStringLiteral("55"));
        }
        QVERIFY(a.dialoghi.registro.isEmpty());
    }

    void comandoDiChiusuraTornaAlleOpzioni_data() { PerOgniCalcolatore(); }

    void comandoDiChiusuraTornaAlleOpzioni() {
        QFETCH(QString, opzione);
        A a;
        QPointer<Schermo> c = Apri(a, opzione);
        QVERIFY(c);
        c->close();
        QVERIFY(!a.programma->Calcolatore());
        Svuota();
        QVERIFY(!c);
        frmOpzioni* o = a.programma->Opzioni();
        QVERIFY(o && o->isVisible());
        QCOMPARE(A::Testo(o, "lblDiametro"), QStringLiteral("0.308"));
        QVERIFY(!a.programma->Avvio()->isVisible());
        QVERIFY(a.dialoghi.registro.isEmpty());
    }

    void nuovaPallaTornaAllAvvio_data() { PerOgniCalcolatore(); }

    void nuovaPallaTornaAllAvvio() {
        QFETCH(QString, opzione);
        A a;
        QPointer<Schermo> c = Apri(a, opzione);
        QVERIFY(c);
        A::Menu(c, "mnuNuovaPalla");
        Svuota();
        QVERIFY(!c);
        QVERIFY(!a.programma->Calcolatore());
        QVERIFY(!a.programma->Opzioni());
        frmAvvio* avvio = a.programma->Avvio();
        QVERIFY(avvio->isVisible());
        QCOMPARE(A::Testo(avvio, "txtDiametro"), QStringLiteral("0.308"));  // hidden, not closed
        QCOMPARE(A::Testo(avvio, "txtPeso"), QStringLiteral("150"));
        QVERIFY(a.dialoghi.registro.isEmpty());
    }

    void esciSenzaDomanda_data() { PerOgniCalcolatore(); }

    void esciSenzaDomanda() {
        QFETCH(QString, opzione);
        A a;
        Schermo* c = Apri(a, opzione);
        QVERIFY(c);
        QVERIFY(a.programma->Avvio()->DatiCambiati());  // the start screen would ask to save
        QSignalSpy fine(a.programma.get(), &Programma::terminato);
        A::Menu(c, Di(opzione).esci);
        QCOMPARE(fine.count(), 1);
        QVERIFY(a.programma->InChiusura());
        QVERIFY(a.dialoghi.registro.isEmpty());
        QVERIFY(a.dialoghi.inattesi.isEmpty());
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    // Each calculator with its worked results: no control cut or overlapping
    // another. With RIGATA_SCHERMATE set to a folder, the windows are saved
    // there as PNG pictures.
    void schermate_data() { PerOgniCalcolatore(); }

    void schermate() {
        QFETCH(QString, opzione);
        A a;
        Schermo* c = Apri(a, opzione);
        QVERIFY(c);
        Calcola(c, opzione);
        QVERIFY(QTest::qWaitForWindowExposed(c));
        for (QWidget* w : c->findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            auto* etichetta = qobject_cast<QLabel*>(w);
            if (etichetta && !etichetta->wordWrap())
                QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(w->objectName()));
            if (etichetta && etichetta->wordWrap())
                QVERIFY2(w->height() >= w->heightForWidth(w->width()), qPrintable(w->objectName()));
            if (qobject_cast<QAbstractButton*>(w))
                QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(w->objectName()));
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
            for (QWidget* altro : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (altro == w || !altro->isVisible() || altro->objectName().isEmpty() ||
                    altro->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                QVERIFY2(!w->geometry().intersects(altro->geometry()),
                         qPrintable(w->objectName() + QStringLiteral(" / ") + altro->objectName()));
            }
        }
        const QString cartella = qEnvironmentVariable("RIGATA_SCHERMATE");
        if (!cartella.isEmpty()) QVERIFY(c->grab().save(QDir(cartella).filePath(QLatin1String(Di(opzione).schermata))));
    }
};

QTEST_MAIN(TestCalcolatori)
#include "test_calcolatori.moc"
