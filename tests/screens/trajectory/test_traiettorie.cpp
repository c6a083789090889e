// The trajectory screen: the option items compute the table into the grid;
// what leaves it (the printed report and the PDF read back with pdftotext,
// the CSV file, the clipboard, the chart); the data files of the start screen.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include "ambiente.h"
#include "azionitabella.h"
#include "frmAvvio.h"
#include "frmGraficoTraiettoria.h"
#include "frmInputDatiTraiet.h"
#include "frmOpzioni.h"
#include "graficotraiettoria.h"
#include "colonne.h"
#include "csv.h"
#include "documento.h"
#include "file.h"
#include "rapporto.h"

#include <sys/stat.h>

Q_DECLARE_METATYPE(MisureRapporto)

// A report asked from a menu entry for a table (layout, model, scope unit,
// band, last distance and step): the row at 20 m as a pattern, the texts its
// first page holds and those it does not.
struct CasoRapporto {
    const char* voce;
    const char* opzione;
    rigata::TipoModello modello;
    rigata::UnitaCorrezione unita;
    double banda;
    int fine, intervallo;
    QString riga20m;
    QStringList testi, assenti;
    QString seconda = {};  // the day's choices, as a data file's second line
    QString trovare = {};  // a pattern the first page matches
};
Q_DECLARE_METATYPE(CasoRapporto)

class TestTraiettorie : public QObject {
    Q_OBJECT

    // The default bullet confirmed, "Calcolo Traiettorie"; the table of the
    // given request computed when a layout is named.
    static frmInputDatiTraiet* Apri(Ambiente& a, const char* opzione = nullptr,
                                    const QStringList& richiesta = {"225", "0", "500", "20", "5", "50"}) {
        Premi(a.programma->Avvio(), "cmdConferma");
        Premi(a.programma->Opzioni(), "cmdCalcoloTraiettorie");
        frmInputDatiTraiet* t = a.programma->Traiettorie();
        const char* caselle[] = {"txtDistZero", "txtDistInizio", "txtDistFine", "txtIntervallo", "txtVelVento", "txtHottica"};
        for (int i = 0; i < 6; ++i)
            if (Testo(t, caselle[i]) != richiesta[i]) Scrivi(t, caselle[i], richiesta[i]);
        if (opzione) DoppioClick(t, opzione);
        return t;
    }
    // pdftotext's output for a PDF; with -layout, split into pages.
    static QStringList Pdftotext(const QString& pdf, const QString& opzione = "-layout") {
        QProcess p;
        p.start("pdftotext", {opzione, pdf, "-"});
        p.waitForFinished(60000);
        QStringList pagine = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
        if (!pagine.isEmpty() && pagine.last().trimmed().isEmpty()) pagine.removeLast();
        return pagine;
    }
    // The model and the hunter's choices in force for the next table, as
    // the boxes hand them over; with G7 the coefficient typed again, so that
    // it is the G7 model's own.
    static void Scegli(Ambiente& a, rigata::TipoModello modello, rigata::UnitaCorrezione unita, double banda = 6) {
        using rigata::Definizione, rigata::Scelta;
        Documento& doc = a.programma->Doc();
        QVERIFY(!doc.ImpostaScelta(Scelta::Modello, Definizione(Scelta::Modello).nomi[size_t(modello)]));
        QVERIFY(!doc.ImpostaScelta(Scelta::Correzione, Definizione(Scelta::Correzione).nomi[size_t(unita)]));
        QVERIFY(!doc.ImpostaScelta(Scelta::Banda, QString::number(banda)));
        if (modello == rigata::TipoModello::G7) Scrivi(a.programma->Avvio(), "txtCoeffbalistico", "0.379");
    }
    // The table the screen shows, computed again from the record and the
    // document's choices (the default request).
    static rigata::TabellaCalcolata Tabella(Ambiente& a) {
        return std::get<rigata::TabellaCalcolata>(rigata::TabellaCalcolata::Calcola(
            a.programma->Dati(), rigata::RichiestaTabella{225, 0, 500, 20, 5, 50}, a.programma->Doc().Opzioni()));
    }
    static AzioniTabella* Azioni(QWidget* t) { return t->findChild<AzioniTabella*>(); }
    // The catalogue's bullet with velocity pairs picked on the start screen.
    static void ScegliSierra(Ambiente& a) {
        auto* lista = Trova<QComboBox>(a.programma->Avvio(), "Combo1");
        const int i = lista->findText("Sierra", Qt::MatchContains);
        QVERIFY(i >= 0);
        lista->setCurrentIndex(i);
        emit lista->activated(i);
    }
    // File > Salva con nome on the trajectory screen, then the file opened
    // in a fresh program b: its trajectory screen.
    static frmInputDatiTraiet* Riapri(Ambiente& a, Ambiente& b) {
        const QString file = a.File("scelte.dat");
        a.dialoghi.risposte << file;
        Menu(a.programma->Traiettorie(), "mnuSalvaConNome");
        if (b.programma->Doc().isWindowModified()) b.dialoghi.risposte << false;  // the fresh texts not saved
        b.dialoghi.risposte << file;
        Menu(b.programma->Avvio(), "mnuApri");
        return Apri(b);
    }
    // What a choice's control shows.
    static QString Valore(QWidget* w) {
        if (auto* c = qobject_cast<QCheckBox*>(w)) return c->isChecked() ? "sì" : "no";
        if (auto* l = qobject_cast<QComboBox*>(w)) return l->currentText();
        return qobject_cast<QLineEdit*>(w)->text();
    }
    // Every cell of the grid, row by row.
    static QStringList Celle(QWidget* t) {
        QAbstractItemModel* m = Trova<QTableView>(t, "MSFlexGrid1")->model();
        QStringList celle;
        for (int r = 0; r < m->rowCount(); ++r)
            for (int c = 0; c < m->columnCount(); ++c) celle << m->index(r, c).data().toString();
        return celle;
    }
    // Distances at the start of the table's lines, in page order.
    static QList<int> Distanze(const QString& pagina) {
        static const QRegularExpression riga("^\\s*(\\d+)\\s+-?\\d+\\.\\d\\s+-?\\d+\\.\\d\\s",
                                             QRegularExpression::MultilineOption);
        QList<int> d;
        for (auto m = riga.globalMatch(pagina); m.hasNext();) d << m.next().captured(1).toInt();
        return d;
    }

private slots:
    void initTestCase() {
        // The reports are read back from their PDF; ./test installs poppler-utils.
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) non installato");
    }

    // The clipboard: the whole table, or the selected cells under their
    // headers. A scope unit adds the clicks columns, and the default table is
    // still whole in sight, its rows not squashed to fit. A refused request
    // (a decimal comma) leaves the table and its tick; a cancelled printer
    // dialog prints nothing.
    void tabelleNellaGriglia() {
        Ambiente a;
        frmInputDatiTraiet* t = Apri(a, "optTabellaVari");
        auto* griglia = Trova<QTableView>(t, "MSFlexGrid1");
        const QAbstractItemModel* m = griglia->model();
        Menu(t, "mnuCopiaTabella");
        const QStringList tutto = QApplication::clipboard()->text().split('\n');
        QCOMPARE(tutto.size(), 28);
        QCOMPARE(tutto[26].split('\t'), Celle(t).mid(25 * 8));  // the last row too
        griglia->selectionModel()->select(QItemSelection(m->index(1, 0), m->index(2, 0)), QItemSelectionModel::Select);
        griglia->selectionModel()->select(m->index(1, 3), QItemSelectionModel::Select);
        QTest::keyClick(griglia, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), "Distanza (m)\tVelocità (m/s)\n20\t947.6\n40\t\n");

        Trova<QComboBox>(t, "cboUnita")->setCurrentText("mrad");
        QCoreApplication::processEvents();
        QCOMPARE(griglia->horizontalScrollBar()->maximum() + griglia->verticalScrollBar()->maximum(), 0);
        QVERIFY(griglia->rowHeight(25) >= griglia->fontMetrics().height());
        QCOMPARE(Celle(t).mid(5 * 10, 10), (QStringList{"100", "-5.6", "8.0", "881.3", "2390.4", "-2.4", "0.108", "5.3", "-5", "2"}));
        Trova<QComboBox>(t, "cboUnita")->setCurrentIndex(0);
        DoppioClick(t, "optTabellaCampagna");
        QCOMPARE(m->columnCount(), 8);

        Trova<QLineEdit>(t, "txtDistZero")->setText("225,5");
        DoppioClick(t, "optTabellaVari");
        QCOMPARE(a.dialoghi.avvisi, QStringList{"USA IL PUNTO!!|virgola nel campo distanza di azzeramento: il "
                                                "separatore decimale è il punto; scrivere 225.5 e non 225,5"});
        QVERIFY(Trova<QRadioButton>(t, "optTabellaCampagna")->isChecked());
        QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), "Scarto  0°(cm)");

        a.dialoghi.pdf = a.File("annullata.pdf");
        a.dialoghi.risposte << false;
        Menu(t, "mnuStampa");
        QVERIFY(!QFile::exists(a.dialoghi.pdf));
        QVERIFY(a.dialoghi.inattesi.isEmpty());
    }

    // No control of the screen is drawn below its size, collapsed, with the
    // table, and collapsed again (a model the coefficient does not fit): line
    // edits and lists at least their usual height, the others at least their
    // least one; collapsed again, the window is as tall as at first.
    void misureDeiControlli() {
        Ambiente a;
        frmInputDatiTraiet* t = Apri(a);
        QVERIFY(QTest::qWaitForWindowExposed(t));
        const std::function<void()> passi[] = {[] {}, [t] { DoppioClick(t, "optTabellaVari"); },
                                               [t] { Trova<QComboBox>(t, "cboModello")->setCurrentIndex(2); }};
        int compressa = 0;
        for (const auto& passo : passi) {
            passo();
            QCoreApplication::processEvents();
            QStringList schiacciati;
            for (QWidget* w : t->findChildren<QWidget*>()) {
                QWidget* padre = w->parentWidget();
                if (!w->isVisible() || qobject_cast<QAbstractScrollArea*>(padre) || qobject_cast<QComboBox*>(padre) ||
                    (padre && qobject_cast<QAbstractScrollArea*>(padre->parentWidget())))
                    continue;  // the parts of a grid or a list are sized by it
                const bool casella = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
                const int minima = casella ? w->sizeHint().height() : w->minimumSizeHint().height();
                if (w->height() < minima)
                    schiacciati << QString("%1 %2 < %3").arg(w->objectName()).arg(w->height()).arg(minima);
            }
            QVERIFY2(schiacciati.isEmpty(), qPrintable(schiacciati.join(", ")));
            if (!Trova(t, "MSFlexGrid1")->isVisible()) {
                QVERIFY(!compressa || t->height() == compressa);
                compressa = t->height();
            }
        }
        QCOMPARE(a.dialoghi.avvisi.size(), 1);  // the G1 coefficient told
    }

    // A box the model does not read is drawn disabled, box and caption: no
    // red figure, a grey caption; with the point mass the same box shows its
    // bold red figure under a black caption again.
    void caselleDisabilitate_data() {
        QTest::addColumn<QString>("casella");
        QTest::addColumn<QString>("etichetta");
        QTest::addColumn<int>("modello");
        const int classico = int(rigata::TipoModello::Classico);
        QTest::newRow("pressione, classico") << "txtPressione" << "lblPressione" << classico;
        QTest::newRow("umidità, classico") << "txtUmidita" << "lblUmidita" << classico;
        QTest::newRow("vento, classico") << "txtAngoloVento" << "lblAngoloVento" << classico;
        QTest::newRow("vento, G1") << "txtAngoloVento" << "lblAngoloVento" << int(rigata::TipoModello::G1);
        QTest::newRow("click senza ottica") << "cboClick" << "lblClick" << classico;
        QTest::newRow("riferimento senza sensibilità") << "txtTempRiferimento" << "lblTempRiferimento" << classico;
        QTest::newRow("angolo senza anticipo") << "txtAngoloBersaglio" << "lblAngoloBersaglio" << classico;
    }
    void caselleDisabilitate() {
        QFETCH(QString, casella);
        QFETCH(QString, etichetta);
        QFETCH(int, modello);
        Ambiente a;
        frmInputDatiTraiet* t = Apri(a, "optTabellaVari");  // the card's frame in sight
        Trova<QComboBox>(t, "cboModello")->setCurrentIndex(1);
        Scrivi(t, "txtPressione", "1013");  // every box holds a figure
        Trova<QComboBox>(t, "cboModello")->setCurrentIndex(modello);
        const bool attiva = modello != int(rigata::TipoModello::Classico);
        QCOMPARE(Trova(t, qPrintable(casella))->isEnabled(), attiva);
        const auto pixel = [](QWidget* w, auto prova) {
            const QImage im = w->grab().toImage();
            int n = 0;
            for (int y = 0; y < im.height(); ++y)
                for (int x = 0; x < im.width(); ++x) n += prova(im.pixelColor(x, y));
            return n;
        };
        const int rossi = pixel(Trova(t, qPrintable(casella)), [](QColor c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; });
        const int neri = pixel(Trova(t, qPrintable(etichetta)), [](QColor c) { return qGray(c.rgb()) < 60; });
        QVERIFY2(attiva == (rossi > 10) || casella == "cboClick", qPrintable(QString::number(rossi)));
        QVERIFY2(attiva == (neri > 10), qPrintable(QString::number(neri)));
    }

    // The arrows move within the grid; Tab leaves it for the card's band
    // beside it, Shift+Tab for the last cartridge note, and back.
    void tabEsceDallaGriglia() {
        Ambiente a;
        frmInputDatiTraiet* t = Apri(a, "optTabellaVari");
        t->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t));
        auto* griglia = Trova<QTableView>(t, "MSFlexGrid1");
        griglia->setFocus();
        griglia->setCurrentIndex(griglia->model()->index(0, 0));
        QTest::keyClick(griglia, Qt::Key_Down);
        QTest::keyClick(griglia, Qt::Key_Right);
        QCOMPARE(griglia->currentIndex(), griglia->model()->index(1, 1));
        QTest::keyClick(griglia, Qt::Key_Tab);
        QVERIFY(Trova(t, "cboBanda")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(griglia->hasFocus());
        QTest::keyClick(griglia, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(Trova(t, "Text5")->hasFocus());
        QCOMPARE(griglia->currentIndex(), griglia->model()->index(1, 1));
    }

    // Page 1 (head, chart) and the following pages hold as many rows as end
    // above the footer, and every row is on a page.
    void impaginazione_data() {
        QTest::addColumn<MisureRapporto>("m");
        // An A4 page at 1200 dpi (16.7 device units per point).
        const auto misure = [](double grafico, double riga, int righe) {
            MisureRapporto m;
            m.altezzaPagina = 12900, m.altezzaPiede = 160, m.punto = 16.7;
            m.altezzaTitolo = 260, m.altezzaTesto = 180, m.lineeBlocchi = 7, m.frasi = 2;
            m.altezzaGrafico = grafico, m.altezzaSegue = 360, m.altezzaIntestazione = 350;
            m.altezzaRiga = riga, m.righe = righe;
            return m;
        };
        QTest::newRow("tabella predefinita") << misure(3900, 190, 26);
        QTest::newRow("500 righe") << misure(3900, 190, 500);
        QTest::newRow("senza grafico") << misure(0, 190, 120);
        QTest::newRow("righe alte") << misure(3900, 997, 40);
        QTest::newRow("tabella massima") << misure(3900, 190, 32766);
    }
    void impaginazione() {
        QFETCH(MisureRapporto, m);
        const GeometriaRapporto g = CalcolaGeometria(m);
        QVERIFY(g.fondo <= g.piede && g.piede + m.altezzaPiede <= m.altezzaPagina);
        // The head's sentences end above the chart, the chart above the table.
        QVERIFY(g.inizioFrasi + m.frasi * g.passoFrasi <= g.inizioGrafico);
        QVERIFY(g.inizioGrafico + m.altezzaGrafico <= g.inizioTabellaPrima);
        int restanti = m.righe;
        for (int n = 1; n <= g.pagine; ++n) {
            const int righe = std::min(restanti, g.RighePerPagina(n));
            restanti -= righe;
            const double fine = g.InizioTabella(n) + m.altezzaIntestazione + righe * m.altezzaRiga;
            QVERIFY2(fine <= g.fondo, qPrintable(QString("pagina %1 di %2").arg(n).arg(g.pagine)));
            QVERIFY(n == g.pagine || restanti > 0);
        }
        QCOMPARE(restanti, 0);
    }

    // Printed or exported, the report's summary names the model with its
    // coefficient (and for the point mass its air), the energy lines follow;
    // with a scope unit the table gets the correction columns. The default
    // table is one page in either layout and model. Numbered pages, each with the header row
    // ("Distanza (m" of the field table's grid closed), every row once and in
    // order; on every page the last row ends above the footer and every word
    // is at 8 pt or more (DejaVu's box is 1.16 times its size), read back with
    // pdftotext -bbox.
    void rapporto_data() {
        QTest::addColumn<CasoRapporto>("c");
        using M = rigata::TipoModello;
        using U = rigata::UnitaCorrezione;
        QTest::newRow("stampa, parametri vari") << CasoRapporto{"mnuStampa", "optTabellaVari", M::Classico, U::Nessuna, 6, 500, 20,
            "-0\\.2\\s+2\\.5\\s+947\\.6\\s+2764\\.1\\s+-0\\.1",
            {"Rigata - Tabella parametri vari", "punto più alto", "La distanza ottimale", "Tiro utile (±6 cm)",
             "Modello di calcolo: Classico (forma chiusa), C.B. G1 0.379", "Energia a 100 m", "Valori di riferimento",
             "pagina 1 di 1", ".243 Win", "Altitudine (m.s.l.m.)", "Lungh. totale OAL (mm)", "Distanza iniziale"}, {}};
        QTest::newRow("G7, mrad, banda 4") << CasoRapporto{"mnuEsportaPdf", "optTabellaVari", M::G7, U::Mrad, 4, 500, 20, "",
            {"Modello di calcolo: Punto materiale G7, C.B. G7 0.379; aria: 15.0 °C", "Con banda ±4 cm: azzerare a m",
             "Tiro utile (±4 cm)", "Correzione", "vento", "(click)"}, {"Modello di calcolo: Classico"}};
        QTest::newRow("G7 di campagna, mrad, banda 4") << CasoRapporto{"mnuEsportaPdf", "optTabellaCampagna", M::G7, U::Mrad,
            4, 500, 20, "956\\.7\\s+2817\\.3(\\s+-2\\.2){4}\\s+-2\\.1\\s+11\\s+0",
            {"Rigata - Tabella di Campagna", "60°", "Modello di calcolo: Punto materiale G7, C.B. G7 0.379; aria",
             "Con banda ±4 cm", "vento"}, {}};
        // Downhill field slopes named so in the chart's legend as in the headers; the day's columns.
        QTest::newRow("G1 di campagna in discesa, pendio, anticipo, polvere") << CasoRapporto{"mnuEsportaPdf",
            "optTabellaCampagna", M::G1, U::Nessuna, 6, 500, 20, "", {"Scarto -60°", "Velocità alla bocca a -10 °C: 940 m/s"},
            {"Scarto 15°"}, "verso_pendii=discesa;pendio=-35;anticipo=20;sensibilita=1;temp_cartuccia=-10",
            "piano\\s+-15°\\s+-30°\\s+-45°\\s+-60°[^\\n]*\\n(.*\\n)+\\s*Distanza.*Scarto a\\s+Anticipo"};
        QTest::newRow("500 righe in MOA") << CasoRapporto{"mnuEsportaPdf", "optTabellaVari", M::Classico, U::Moa, 6, 499, 1, "",
            {"(click)"}, {}};
    }
    void rapporto() {
        QFETCH(CasoRapporto, c);
        Ambiente a;
        Scegli(a, c.modello, c.unita, c.banda);
        for (const QString& scelta : c.seconda.split(';', Qt::SkipEmptyParts))
            QVERIFY(!a.programma->Doc().ImpostaScelta(rigata::SceltaPerChiave(scelta.section('=', 0, 0).toStdString())->scelta,
                                                      scelta.section('=', 1)));
        frmInputDatiTraiet* t = Apri(a, c.opzione, {"225", "0", QString::number(c.fine), QString::number(c.intervallo), "5", "50"});
        Scrivi(t, "txtCalibro", ".243 Win");
        a.dialoghi.pdf = a.File("rapporto.pdf");
        a.dialoghi.risposte << (c.voce == QLatin1String("mnuStampa") ? QVariant(true) : QVariant(a.dialoghi.pdf));
        Menu(t, c.voce);
        const QStringList pagine = Pdftotext(a.dialoghi.pdf);
        QVERIFY(!pagine.isEmpty());
        for (const QString& testo : c.testi) QVERIFY2(pagine[0].contains(testo), qPrintable(testo));
        for (const QString& testo : c.assenti) QVERIFY2(!pagine[0].contains(testo), qPrintable(testo));
        QVERIFY(c.riga20m.isEmpty() || pagine[0].contains(QRegularExpression("\\b20\\s+" + c.riga20m + "\\s")));
        QVERIFY2(c.trovare.isEmpty() || pagine[0].contains(QRegularExpression(c.trovare)), qPrintable(pagine[0]));
        static const QRegularExpression intestazione(
            "Distanza\\s+Caduta\\s+Ordinata\\s+Velocità\\s+Energia\\s+Dev.Vento\\s+Tempo volo\\s+Scarto mira");
        QList<int> tutte, attese;
        for (int n = 0; n < pagine.size(); ++n) {
            QVERIFY(pagine[n].contains(QString("pagina %1 di %2").arg(n + 1).arg(pagine.size())));
            QVERIFY(c.opzione != QLatin1String("optTabellaVari") || pagine[n].contains(intestazione));
            QVERIFY(!pagine[n].contains(QRegularExpression("\\(m\\s")));
            tutte += Distanze(pagine[n]);
        }
        for (int d = 0; d <= c.fine; d += c.intervallo) attese << d;
        QCOMPARE(tutte, attese);
        // The default table on one page, with every summary line and correction column.
        QVERIFY(attese.size() != 26 || pagine.size() == 1);
        // Stopped from the progress dialog at page 3, no PDF is made.
        if (pagine.size() > 3) QVERIFY(!Azioni(t)->PdfRapporto([](int pagina, int) { return pagina < 3; }));

        // Page by page: every word but the footer's ends above the footer's top.
        const QString bbox = Pdftotext(a.dialoghi.pdf, "-bbox").join("");
        static const QRegularExpression parola(R"re(yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">([^<]*)<)re");
        int n = 0;
        for (const QString& pagina : bbox.split("<page ").mid(1)) {
            double piede = 1e9, fondo = 0;
            for (auto m = parola.globalMatch(pagina); m.hasNext();) {
                const auto w = m.next();
                const double alto = w.captured(1).toDouble(), basso = w.captured(2).toDouble();
                QVERIFY2(basso - alto >= 8 * 1.15, qPrintable(w.captured(3)));
                if (w.captured(3) == "pagina") piede = alto;
                else if (alto < piede) fondo = std::max(fondo, basso);
            }
            QVERIFY2(fondo > 0 && fondo < piede && piede < 1e9, qPrintable(QString("pagina %1: %2 sotto %3").arg(++n).arg(fondo).arg(piede)));
        }
        QCOMPARE(n, pagine.size());
    }

    // The CSV in both locales: without a scope unit the field table as
    // before; with one, each line ends with the four correction cells, the
    // same text as the command line's --csv --correzione.
    void csvNeiDueLocali_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("unita");
        QTest::addColumn<QByteArray>("intestazione");
        QTest::addColumn<QByteArray>("riga20m");
        QTest::newRow("punto decimale, campagna") << QLocale::c() << int(rigata::UnitaCorrezione::Nessuna)
            << QByteArray("\xEF\xBB\xBF" "Distanza (m,Velocità (m/s),Energia   (J),Scarto  0°(cm),Scarto 15°(cm),"
                          "Scarto 30°(cm),Scarto 45°(cm),Scarto 60°(cm)\r")
            << QByteArray("20,947.6,2764.1,-2.0,-2.0,-2.0,-2.0,-1.9\r");
        QTest::newRow("virgola decimale, mrad") << QLocale(QLocale::Italian, QLocale::Italy) << int(rigata::UnitaCorrezione::Mrad)
            << QByteArray("Scarto 60°(cm);Correzione (mrad);Correzione (click);Correzione vento (mrad);Correzione vento (click)\r")
            << QByteArray("20;947,6;2764,1;-2,0;-2,0;-2,0;-2,0;-1,9;1,02;10;0,05;0\r");
    }
    void csvNeiDueLocali() {
        QFETCH(QLocale, locale);
        QFETCH(int, unita);
        QFETCH(QByteArray, intestazione);
        QFETCH(QByteArray, riga20m);
        QLocale::setDefault(locale);
        Ambiente a;
        Scegli(a, rigata::TipoModello::Classico, rigata::UnitaCorrezione(unita));
        frmInputDatiTraiet* t = Apri(a, "optTabellaCampagna");
        a.dialoghi.risposte << a.File("tabella.csv");
        Menu(t, "mnuEsportaCsv");
        QLocale::setDefault(QLocale::c());
        const QByteArray csv = a.Contenuto("tabella.csv");
        const QList<QByteArray> righe = csv.split('\n');
        QCOMPARE(righe.size(), 28);  // 27 lines, each ending in CR LF
        QVERIFY2(righe[0].endsWith(intestazione), righe[0].constData());
        QCOMPARE(righe[2], riga20m);
        rigata::Scelte c;
        c.unita = rigata::UnitaCorrezione(unita);
        QCOMPARE(csv, QByteArray(rigata::kBomUtf8) + QByteArray::fromStdString(rigata::TabellaCsv(
                          Tabella(a), rigata::TipoTabella::Campagna, locale.decimalPoint().toStdString(), c)));
    }

    // The trajectory of the general table: from the sight's height at the
    // muzzle it ends a metre below at 500 m, so the curve's far end lies
    // lower. The table's model is drawn solid in both panels (a curve pixel
    // in every column, the energy's too); with the point mass G1 the closed
    // form (on the same G1 coefficient) is drawn too, dashed (purple columns
    // with gaps), as the legend says; never beside G7.
    // No curve runs through a caption. The 2000 J threshold's distance is
    // marked by a line across the lower panel.
    void graficoDrittoEConfronto_data() {
        QTest::addColumn<int>("modello");
        QTest::addColumn<bool>("confronto");
        QTest::newRow("classico") << int(rigata::TipoModello::Classico) << false;
        QTest::newRow("punto materiale G1") << int(rigata::TipoModello::G1) << true;
        QTest::newRow("punto materiale G7, senza il G1 accanto") << int(rigata::TipoModello::G7) << false;
    }
    void graficoDrittoEConfronto() {
        QFETCH(int, modello);
        QFETCH(bool, confronto);
        Ambiente a;
        Scegli(a, rigata::TipoModello(modello), rigata::UnitaCorrezione::Nessuna);
        Apri(a, "optTabellaVari");
        QImage immagine(900, 600, QImage::Format_RGB32);
        QPainter p(&immagine);
        const DatiGrafico dati = CreaDatiGrafico(std::make_shared<const rigata::TabellaCalcolata>(Tabella(a)),
                                                 rigata::TipoTabella::Vari, a.programma->Doc().Opzioni());
        const PosizioneGrafico pos = DisegnaGrafico(p, immagine.rect(), dati, QFont(), ".");
        p.end();
        const auto colonna = [&](double distanza) {
            return qRound(pos.piano.left() + (distanza - pos.da) / (pos.a - pos.da) * pos.piano.width());
        };
        // Pixels of a colour in a column, between two rows.
        const auto conta = [&](int x, int da, int a, auto colore) {
            int n = 0;
            for (int y = da; y < a; ++y) n += colore(immagine.pixelColor(x, y));
            return n;
        };
        // Near one of the pens' own colours: the trajectory (and velocity), the closed form, the energy.
        const auto penna = [](std::initializer_list<QRgb> penne) {
            return [v = QList<QRgb>(penne)](QColor c) {
                return std::any_of(v.begin(), v.end(), [c](QColor k) {
                    return std::abs(c.red() - k.red()) + std::abs(c.green() - k.green()) + std::abs(c.blue() - k.blue()) < 60;
                });
            };
        };
        const auto blu = penna({0x1f4e9a}), viola = penna({0x8e44ad}), curva = penna({0x1f4e9a, 0x8e44ad, 0xa64b00});
        // The energy's dotted mark is thin: its pixels are paler than the pen.
        const auto energia = [](QColor c) { return c.red() > 120 && c.red() > c.blue() + 60 && c.green() < c.red() - 30; };
        const int alto = int(pos.piano.top()) + 1, basso = int(pos.piano.bottom()), sotto = basso + 40;
        const auto altezzaCurva = [&](double distanza) {  // mean row of the curve's pixels in that column
            double somma = 0;
            int n = 0;
            for (int y = alto; y < basso; ++y)
                if (blu(immagine.pixelColor(colonna(distanza), y))) somma += y, ++n;
            return n ? somma / n : -1.0;
        };
        const double bocca = altezzaCurva(5), fondo = altezzaCurva(495);
        QVERIFY2(bocca > 0 && fondo > bocca + pos.piano.height() / 3, qPrintable(QString("%1 %2").arg(bocca).arg(fondo)));

        int conViola = 0, colonne = 0;
        for (int x = colonna(260); x < colonna(495); ++x, ++colonne) conViola += conta(x, alto, basso, viola) > 0;
        if (confronto) QVERIFY2(conViola > colonne / 5 && conViola < colonne * 9 / 10, qPrintable(QString::number(conViola)));
        else QCOMPARE(conViola, 0);
        int pieneSopra = 0, pieneSotto = 0, tutte = 0;
        for (int x = colonna(5); x < colonna(495); ++x, ++tutte) {
            pieneSopra += conta(x, alto, basso, blu) > 0;
            pieneSotto += conta(x, sotto, immagine.height() - 40, penna({0xa64b00})) > 0;
        }
        QCOMPARE(pieneSopra, tutte);
        QCOMPARE(pieneSotto, tutte);
        QVERIFY(pos.etichette.size() >= 4);  // line of sight, band, zero, highest point, threshold
        for (const QRectF& r : pos.etichette) {
            int attraversata = 0;
            for (int x = int(r.left()); x <= int(r.right()); ++x) attraversata += conta(x, int(r.top()), int(r.bottom()) + 1, curva);
            QVERIFY2(attraversata == 0, qPrintable(QString("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
        }

        QCOMPARE(dati.soglie.size(), size_t(2));
        const int metro = dati.soglie[1].second;
        QVERIFY(metro > 150 && metro < 450);
        int segno = 0;  // the dotted mark, in the column of its distance or a neighbour
        for (int x = colonna(metro) - 1; x <= colonna(metro) + 1; ++x)
            segno = std::max(segno, conta(x, sotto, immagine.height() - 40, energia));
        const int accanto = conta(colonna(metro) + 25, sotto, immagine.height() - 40, energia);
        QVERIFY2(segno > accanto + 20, qPrintable(QString("%1 %2").arg(segno).arg(accanto)));
    }

    // The chart window follows a new table and is saved as SVG.
    void graficoSegueLaTabella() {
        Ambiente a;
        frmInputDatiTraiet* t = Apri(a, "optTabellaVari");
        Menu(t, "mnuGrafico");
        auto* finestra = t->findChild<frmGraficoTraiettoria*>();
        QVERIFY(finestra && finestra->isVisible());
        const QImage generale = finestra->Grafico()->grab().toImage();
        DoppioClick(t, "optTabellaCampagna");
        QVERIFY(finestra->Grafico()->grab().toImage() != generale);
        a.dialoghi.risposte << a.File("grafico.svg");
        Premi(finestra, "cmdSalvaImmagine");
        const QByteArray svg = a.Contenuto("grafico.svg");
        QVERIFY(svg.contains("<svg") && svg.contains("Distanza (m)") && svg.contains("60°"));
        // Leaving the screen puts the table out of sight: its chart and exports go with it.
        Menu(t, "mnuOpzioni");
        QVERIFY(!finestra->isVisible());
        QVERIFY(!Trova<QAction>(t, "mnuEsportaPdf")->isEnabled());
    }

    // The card's entries ask the step (50 m proposed, up to the table's end),
    // then save one card or print two on A4, naming the model and the
    // coefficient's function; a step giving too many rows is
    // refused with the reason, a cancelled question does nothing.
    void cartellinoDalMenu_data() {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QVariant>("passo");
        QTest::addColumn<int>("copie");
        QTest::addColumn<QString>("avviso");
        QTest::newRow("PDF ogni 100 m") << "mnuEsportaCartellino" << QVariant(100) << 1 << "";
        QTest::newRow("stampa ogni 50 m, due copie") << "mnuStampaCartellino" << QVariant(50) << 2 << "";
        QTest::newRow("passo troppo corto") << "mnuEsportaCartellino" << QVariant(10) << 0
            << "CARTELLINO NON COMPOSTO!!|il cartellino ha posto per 15 righe: scegliere un passo di almeno 34 m";
        QTest::newRow("annullato") << "mnuStampaCartellino" << QVariant(false) << 0 << "";
    }
    void cartellinoDalMenu() {
        QFETCH(QString, voce);
        QFETCH(QVariant, passo);
        QFETCH(int, copie);
        QFETCH(QString, avviso);
        Ambiente a;
        Scegli(a, rigata::TipoModello::Classico, rigata::UnitaCorrezione::Mrad);
        frmInputDatiTraiet* t = Apri(a, "optTabellaVari");
        a.dialoghi.pdf = a.File("cartellino.pdf");
        a.dialoghi.risposte << passo << (voce == "mnuStampaCartellino" ? QVariant(true) : QVariant(a.dialoghi.pdf));
        Menu(t, qPrintable(voce));
        QCOMPARE(a.dialoghi.numeri, QStringList{"Cartellino|Una riga ogni quanti metri (fino a m 500)?|50|1..500"});
        QCOMPARE(a.dialoghi.avvisi, avviso.isEmpty() ? QStringList{} : QStringList{avviso});
        QCOMPARE(QFile::exists(a.dialoghi.pdf), copie > 0);
        if (!copie) return;
        static const QRegularExpression riga("^\\s*(\\d+)\\s+-?\\d", QRegularExpression::MultilineOption);
        QList<int> lette, distanze;
        for (int copia = 0; copia < copie; ++copia)  // each card: a row every step up to 500 m
            for (int d = passo.toInt(); d <= 500; d += passo.toInt()) distanze << d;
        const QString testo = Pdftotext(a.dialoghi.pdf).join("");
        for (auto m = riga.globalMatch(testo); m.hasNext();) lette << m.next().captured(1).toInt();
        QCOMPARE(lette, distanze);
        QVERIFY(testo.simplified().contains("Classico (forma chiusa), C.B. G1 0.379; azzerata a m 225"));
    }

    // G7 (picked from the keyboard) with the catalogue's G1 coefficient is
    // told at once, the caption saying G1, and computes nothing until the
    // coefficient is typed for it; then Enter in a box gives G7's own table
    // and optimal zero. The pairs of a picked bullet go with G1 only; typing
    // one's own bullet drops them.
    void puntoMateriale() {
        Ambiente a;
        frmInputDatiTraiet* t = Apri(a, "optTabellaVari");
        auto* modello = Trova<QComboBox>(t, "cboModello");
        modello->setFocus();
        QTest::keyClick(modello, Qt::Key_End);
        QCOMPARE(modello->currentText(), "Punto materiale G7");
        UnAvviso(a.dialoghi.avvisi, "CAMBIA COEFFICIENTE!!|il coefficiente balistico 0.379 è un G1", "vuole un coefficiente G7");
        QVERIFY(!Trova(t, "MSFlexGrid1")->isVisible());
        QCOMPARE(Testo(t, "Label7"), "Coeff. balistico G1");
        DoppioClick(t, "optTabellaVari");
        QCOMPARE(a.dialoghi.avvisi.size(), 2);
        QVERIFY(!Trova(t, "MSFlexGrid1")->isVisible());
        a.dialoghi.avvisi.clear();
        Scrivi(a.programma->Avvio(), "txtCoeffbalistico", "0.379");  // the G7 coefficient, typed
        QCOMPARE(Testo(t, "Label7"), "Coeff. balistico G7");
        Scrivi(t, "txtUmidita", "50");
        QTest::keyClick(Trova(t, "txtUmidita"), Qt::Key_Return);
        QVERIFY(a.dialoghi.avvisi.isEmpty());
        QCOMPARE(Testo(t, "lblRisultDistZeroOK"), QString::number(*Tabella(a).DistanzaOttimale()));
        QVERIFY(Testo(t, "lblRisultDistZeroOK") != "225");
        // A picked bullet with velocity pairs offers them with G1 only.
        ScegliSierra(a);
        QVERIFY(!Trova(t, "chkCoppie")->isEnabled());
        modello->setCurrentIndex(1);
        QVERIFY(Trova(t, "chkCoppie")->isEnabled());
        Scrivi(a.programma->Avvio(), "txtPeso", "151");
        QVERIFY(!Trova(t, "chkCoppie")->isEnabled());
        QVERIFY(a.programma->Doc().CoppiePalla().empty());
    }

    // The velocity pairs of a picked bullet with G1: saved on the second line
    // and back in a fresh program, the box ticked and the same table.
    void coppieSalvateERiaperte() {
        Ambiente a, b;
        ScegliSierra(a);
        frmInputDatiTraiet* t = Apri(a);
        Trova<QComboBox>(t, "cboModello")->setCurrentIndex(1);
        DoppioClick(t, "optTabellaVari");
        const QStringList senzaCoppie = Celle(t);
        Trova<QCheckBox>(t, "chkCoppie")->click();
        DoppioClick(t, "optTabellaVari");
        const QStringList conCoppie = Celle(t);
        QCOMPARE(conCoppie.size(), 26 * 8);
        QVERIFY(conCoppie != senzaCoppie);
        frmInputDatiTraiet* tb = Riapri(a, b);
        QVERIFY(a.Contenuto("scelte.dat").split('\n').value(1).startsWith("modello=g1;coppie="));
        QVERIFY(Trova<QCheckBox>(tb, "chkCoppie")->isChecked());
        DoppioClick(tb, "optTabellaVari");
        QCOMPARE(Celle(tb), conCoppie);
        QVERIFY(a.dialoghi.avvisi.isEmpty() && b.dialoghi.avvisi.isEmpty());
    }

    // A choice changed under a table: the band's summary (without the
    // optimal zero shown beside it) follows at once, a new model gives its
    // own table; a refused text puts the table out of sight and marks its box.
    void sceltaCambiaLaTabella() {
        Ambiente a;
        frmInputDatiTraiet* t = Apri(a, "optTabellaVari");
        auto* griglia = Trova(t, "MSFlexGrid1");
        const QStringList classica = Celle(t);
        Trova<QComboBox>(t, "cboBanda")->setCurrentIndex(0);
        const QString riepilogo = Testo(t, "lblRiepilogo");
        QVERIFY2(riepilogo.startsWith("Con banda ±4 cm: azzerare a m ") && riepilogo.contains("\nEnergia a 100 m: ") &&
                     !riepilogo.contains("ottimale"),
                 qPrintable(riepilogo));
        Trova<QComboBox>(t, "cboModello")->setCurrentIndex(1);
        QVERIFY(griglia->isVisible());
        QVERIFY(Celle(t) != classica);
        QCOMPARE(Testo(t, "lblRisultDistZeroOK"), QString::number(*Tabella(a).DistanzaOttimale()));
        Scrivi(t, "txtUmidita", "150");
        QVERIFY(!griglia->isVisible());
        QVERIFY(Trova(t, "txtUmidita")->property("rifiutata").toBool());
        QVERIFY(a.dialoghi.avvisi.isEmpty());
    }

    // The hunting day's boxes under a table: the columns its choices add
    // follow at once in the grid (the narrow header, the core's cells) and in
    // the clipboard; a sensitivity moves the velocity flown and the summary
    // says so.
    void giornataNellaGriglia() {
        Ambiente a;
        frmInputDatiTraiet* t = Apri(a, "optTabellaVari");
        Trova<QComboBox>(t, "cboModello")->setCurrentIndex(1);
        Scrivi(t, "txtPendio", "-35");
        Scrivi(t, "txtAnticipo", "20,40");
        Scrivi(t, "txtAngoloBersaglio", "30");
        QAbstractItemModel* m = Trova<QTableView>(t, "MSFlexGrid1")->model();
        QCOMPARE(m->columnCount(), 11);
        QCOMPARE(m->headerData(8, Qt::Horizontal).toString(), "Scarto a\n-35°\n(cm)");
        QCOMPARE(m->headerData(10, Qt::Horizontal).toString(), "Anticipo\n40 km/h\n(cm)");
        const rigata::TabellaCalcolata tabella = Tabella(a);
        const rigata::ColonneAggiunte aggiunte(tabella.Opzioni(), ".");
        int r = 0;
        tabella.Righe([&](const rigata::ShotData& riga) {
            const auto celle = aggiunte.Celle(riga);
            for (int c = 0; c < 3; ++c) QCOMPARE(m->index(r, 8 + c).data().toString(), QString::fromStdString(celle[size_t(c)]));
            ++r;
        });
        QCOMPARE(r, 26);
        QVERIFY(Azioni(t)->TestoAppunti().startsWith("Distanza (m)\tCaduta (cm)"));
        QVERIFY(Azioni(t)->TestoAppunti().section('\n', 0, 0).endsWith("\tScarto a -35° (cm)\tAnticipo 20 km/h (cm)\tAnticipo 40 km/h (cm)"));
        Scrivi(t, "txtSensibilita", "1");
        Scrivi(t, "txtTempCartuccia", "-10");
        QCOMPARE(m->index(0, 3).data().toString(), "940.0");
        QVERIFY2(Testo(t, "lblRiepilogo").startsWith("Velocità alla bocca a -10 °C: 940 m/s\n"), qPrintable(Testo(t, "lblRiepilogo")));
        QCOMPARE(a.programma->Dati().VelocitaBocca, 965.f);  // the typed velocity stays the record's
        QVERIFY(a.dialoghi.avvisi.isEmpty());
    }

    // The sensitivity's calculator: two readings at the same temperature are
    // refused; two good ones give the sensitivity, which Usa puts in its box
    // and in the document.
    void sensibilitaDaDueLetture() {
        Ambiente a;
        frmInputDatiTraiet* t = Apri(a, "optTabellaVari");
        Premi(t, "cmdSensibilita");
        auto* f = t->findChild<QDialog*>("frmSensibilita");
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->windowTitle(), "Sensibilità della polvere");
        const char* caselle[] = {"txtTemperatura1", "txtVelocita1", "txtTemperatura2", "txtVelocita2"};
        const QStringList uguali{"20", "950", "20", "920"}, buone{"-10", "920", "20", "954"};
        for (int i = 0; i < 4; ++i) Scrivi(f, caselle[i], uguali[i]);
        Premi(f, "cmdCalcolaSensibilita");
        UnAvviso(a.dialoghi.avvisi, "CAMBIA TEMPERATURA!!|le due letture sono alla stessa temperatura");
        QVERIFY(!Trova(f, "cmdUsaSensibilita")->isEnabled());
        for (int i = 0; i < 4; ++i) Scrivi(f, caselle[i], buone[i]);
        Premi(f, "cmdCalcolaSensibilita");
        QCOMPARE(Testo(f, "lblSensibilitaCalcolata"), "Sensibilità: 1.13 m/s per °C");
        a.programma->Doc().setWindowModified(false);
        Premi(f, "cmdUsaSensibilita");
        QCOMPARE(Testo(t, "txtSensibilita"), "1.13");
        QCOMPARE(a.programma->Doc().Opzioni().sensibilita, 1.13);
        QVERIFY(a.programma->Doc().isWindowModified());
        QVERIFY(!f->isVisible());
    }

    // Truing, both models: a table at 930 m/s gives the impact at 300 m; the
    // 965 m/s load trued to it finds 930 ± 1 m/s; Usa makes it the typed
    // velocity (start screen, labels, table), Annulla brings 965 back. At the
    // zero distance every velocity fits, which is refused.
    void calibraVelocita_data() {
        QTest::addColumn<int>("modello");
        QTest::newRow("classico") << int(rigata::TipoModello::Classico);
        QTest::newRow("G1") << int(rigata::TipoModello::G1);
    }
    void calibraVelocita() {
        QFETCH(int, modello);
        Ambiente a;
        Scrivi(a.programma->Avvio(), "txtVelocitabocca", "930");
        frmInputDatiTraiet* t = Apri(a, "optTabellaVari");
        Trova<QComboBox>(t, "cboModello")->setCurrentIndex(modello);
        const QString scarto = Celle(t)[15 * 8 + 7];  // the impact at 300 m
        QVERIFY(Celle(t)[15 * 8] == "300");
        a.programma->VaiAdAvvio(t);
        Scrivi(a.programma->Avvio(), "txtVelocitabocca", "965");
        t = Apri(a, "optTabellaVari");
        const QStringList a965 = Celle(t);
        Premi(t, "cmdCalibra");
        auto* f = t->findChild<QDialog*>("frmCalibra");
        QVERIFY(f && f->isVisible());
        Scrivi(f, "txtDistanzaCalibra", "225");
        Scrivi(f, "txtScartoCalibra", scarto);
        Premi(f, "cmdCalcolaCalibra");
        UnAvviso(a.dialoghi.avvisi, "CAMBIA DISTANZA!!|alla distanza di azzeramento (225 m)");
        Scrivi(f, "txtDistanzaCalibra", "300");
        Premi(f, "cmdCalcolaCalibra");
        const QString risultato = Testo(f, "lblVelocitaCalibrata");
        QVERIFY2(risultato.startsWith("Velocità alla bocca calibrata: 9"), qPrintable(risultato));
        const double velocita = risultato.section(": ", 1).section(' ', 0, 0).toDouble();
        QVERIFY2(std::abs(velocita - 930) <= 1, qPrintable(risultato));
        a.programma->Doc().setWindowModified(false);
        Premi(f, "cmdUsaCalibra");
        QCOMPARE(a.programma->Doc().Testo(rigata::Campo::VelocitaBocca), QString::number(velocita, 'f', 1));
        QCOMPARE(Testo(a.programma->Avvio(), "txtVelocitabocca"), QString::number(velocita, 'f', 1));
        QCOMPARE(Testo(t, "lblVelocitabocca"), QString::number(velocita, 'f', 1));
        QVERIFY(a.programma->Doc().isWindowModified());
        QCOMPARE(Celle(t)[15 * 8 + 7], scarto);
        Premi(f, "cmdAnnullaCalibra");
        QCOMPARE(Testo(a.programma->Avvio(), "txtVelocitabocca"), "965");
        QCOMPARE(Celle(t), a965);
        QCOMPARE(a.dialoghi.avvisi.size(), 1);
    }

    // Each choice box edited like a user marks the document changed; saved
    // and opened in a fresh program, the box shows the same choice.
    void sceltaSalvata_data() {
        QTest::addColumn<QString>("casella");
        QTest::addColumn<QString>("testo");   // typed, picked, or "sì" to tick
        QTest::addColumn<QString>("atteso");  // what the box shows after opening the file
        QTest::newRow("modello") << "cboModello" << "Punto materiale G1" << "Punto materiale G1";
        QTest::newRow("pressione") << "txtPressione" << "1000.5" << "1000.5";
        QTest::newRow("umidità") << "txtUmidita" << "50" << "50";
        QTest::newRow("vento") << "txtAngoloVento" << "45" << "45";
        QTest::newRow("coppie") << "chkCoppie" << "sì" << "sì";
        QTest::newRow("banda") << "cboBanda" << "4" << "±4 cm (GEE)";
        QTest::newRow("banda scritta") << "cboBanda" << "7.5" << "7.5";
        QTest::newRow("soglie") << "txtSoglie" << "1500 2500" << "1500,2500";
        QTest::newRow("ottica") << "cboUnita" << "MOA" << "MOA";
        QTest::newRow("click") << "cboClick" << "0.2" << "0.2 mrad";
        QTest::newRow("pendio") << "txtPendio" << "-35" << "-35";
        QTest::newRow("verso dei pendii") << "cboVersoPendii" << "pendii in discesa" << "pendii in discesa";
        QTest::newRow("sensibilità") << "txtSensibilita" << "0.85" << "0.85";
        QTest::newRow("temperatura di riferimento") << "txtTempRiferimento" << "21" << "21";
        QTest::newRow("temperatura della cartuccia") << "txtTempCartuccia" << "-12.5" << "-12.5";
        QTest::newRow("anticipo") << "txtAnticipo" << "20 40" << "20,40";
        QTest::newRow("angolo del bersaglio") << "txtAngoloBersaglio" << "30" << "30";
    }
    void sceltaSalvata() {
        QFETCH(QString, casella);
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        Ambiente a, b;
        ScegliSierra(a);
        frmInputDatiTraiet* t = Apri(a);
        // What the box needs to be enabled: the point mass G1, a scope unit,
        // a powder sensitivity, a target speed.
        if (casella != "cboModello") Trova<QComboBox>(t, "cboModello")->setCurrentIndex(1);
        if (casella == "cboClick") Trova<QComboBox>(t, "cboUnita")->setCurrentText("mrad");
        if (casella.startsWith("txtTemp")) Scrivi(t, "txtSensibilita", "1");
        if (casella == "txtAngoloBersaglio") Scrivi(t, "txtAnticipo", "20");
        Documento& doc = a.programma->Doc();
        doc.setWindowModified(false);
        QWidget* w = Trova(t, qPrintable(casella));
        QVERIFY(w->isEnabled());
        auto* lista = qobject_cast<QComboBox*>(w);
        if (auto* spunta = qobject_cast<QCheckBox*>(w)) QTest::mouseClick(spunta, Qt::LeftButton, {}, QPoint(6, spunta->height() / 2));
        else if (lista && !lista->isEditable()) lista->setCurrentIndex(lista->findText(testo));
        else Scrivi(t, casella, testo);
        QVERIFY(doc.isWindowModified());
        QCOMPARE(Valore(Trova(Riapri(a, b), qPrintable(casella))), atteso);
    }

    // A typed value out of its range or not a number is refused naming its
    // box, and nothing is computed.
    void sceltaRifiutata_data() {
        QTest::addColumn<QString>("casella");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("avviso");
        QTest::newRow("umidità 150") << "txtUmidita" << "150" << "CAMBIA VALORE!!|umidità relativa: \"150\" non è valido";
        QTest::newRow("banda 20") << "cboBanda" << "20" << "CAMBIA VALORE!!|banda di tiro utile: \"20\" non è valido";
        QTest::newRow("soglia non numero") << "txtSoglie" << "1000 mille" << "CAMBIA VALORE!!|soglie di energia: \"1000 mille\"";
    }
    void sceltaRifiutata() {
        QFETCH(QString, casella);
        QFETCH(QString, testo);
        QFETCH(QString, avviso);
        Ambiente a;
        frmInputDatiTraiet* t = Apri(a);
        Trova<QComboBox>(t, "cboModello")->setCurrentIndex(1);
        Scrivi(t, casella, testo);
        DoppioClick(t, "optTabellaVari");
        UnAvviso(a.dialoghi.avvisi, avviso);
        QVERIFY(!Trova(t, "MSFlexGrid1")->isVisible());
        QVERIFY(Trova(t, qPrintable(casella))->toolTip().contains(avviso.section('|', 1)));
    }

    // File > Salva con nome refuses a value that would not come back from the
    // file, then writes the twelve texts of both screens (a pasted line end
    // dropped) and the choices on a second line when they are not the usual
    // ones; File > Apri asks about the changes, then reads them back. An
    // unknown key opens with a warning naming it.
    void salvaERiapre() {
        Ambiente a;
        QWidget* t = Apri(a);
        frmAvvio* s = a.programma->Avvio();
        Scrivi(t, "txtVelVento", "3,5");
        a.dialoghi.risposte << a.File("caccia.dat");
        Menu(s, "mnuSalvaConNome");
        UnAvviso(a.dialoghi.avvisi, "SALVATAGGIO NON RIUSCITO!!|",
                 "il campo \"velocità del vento laterale\" contiene una virgola");
        QVERIFY(!QFile::exists(a.File("caccia.dat")));
        auto* vento = Trova<QLineEdit>(t, "txtVelVento");
        vento->clear();
        QGuiApplication::clipboard()->setText("3.5\r\n");
        vento->paste();
        Scrivi(t, "txtHottica", "38.125");
        auto* modello = Trova<QComboBox>(t, "cboModello");
        modello->setCurrentIndex(1);
        Scrivi(t, "txtUmidita", "50");
        a.dialoghi.risposte << a.File("caccia.dat");
        Menu(s, "mnuSalvaConNome");
        QCOMPARE(a.Contenuto("caccia.dat"),
                 "0.243,95,450,15,965,0.379,225,0,500,20,3.5,38.125\r\nmodello=g1;umidita=50\r\n");
        Scrivi(s, "txtDiametro", "0.224");
        Scrivi(t, "txtHottica", "50");
        Scrivi(t, "txtUmidita", "0");
        modello->setCurrentIndex(0);
        a.dialoghi.risposte << false << a.File("caccia.dat");
        Menu(s, "mnuApri");
        QCOMPARE(a.dialoghi.domande,
                 QStringList{"Conferma salvataggio|Il testo è stato modificato.\nVuoi salvare le modifiche?"});
        QCOMPARE(Testo(s, "txtDiametro") + " " + Testo(t, "txtHottica") + " " + Testo(t, "txtVelVento"),
                 "0.243 38.125 3.5");
        QCOMPARE(modello->currentText() + " " + Testo(t, "txtUmidita"), "Punto materiale G1 50");

        QVERIFY(!rigata::ScriviFileSicuro(a.File("colore.dat").toStdString(),
                                          "0.308,150,450,15,900,0.4,200,0,300,20,5,50\r\ncolore=rosso;banda=4\r\n"));
        a.dialoghi.risposte << a.File("colore.dat");
        Menu(s, "mnuApri");
        QCOMPARE(a.dialoghi.avvisi.size(), 2);
        QVERIFY2(a.dialoghi.avvisi[1].contains("\"colore\""), qPrintable(a.dialoghi.avvisi[1]));
        QCOMPARE(Testo(s, "txtDiametro") + " " + Testo(t, "txtDistZero") + " " + modello->currentText(),
                 "0.308 200 Classico (forma chiusa)");  // no model in the file: the usual one
        QSignalSpy fine(a.programma.get(), &Programma::terminato);
        Menu(t, "mnuFileEsci");  // nothing left to ask
        QCOMPARE(fine.count(), 1);
        QCOMPARE(a.dialoghi.domande.size(), 1);
        QVERIFY(a.dialoghi.inattesi.isEmpty());
    }

    // What File > Apri cannot read leaves every box as it was, with a message
    // naming the file; a fifo never hangs the program. (Each kind of file the
    // readers refuse is in the file tests.)
    void fileIllegibile() {
        Ambiente a;
        frmAvvio* s = a.programma->Avvio();
        const QString fifo = a.File("fifo");
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0644) == 0);
        a.dialoghi.risposte << false << fifo;
        Menu(s, "mnuApri");
        UnAvviso(a.dialoghi.avvisi, "", fifo);
        QCOMPARE(Testo(s, "txtDiametro"), "0.243");
    }

    // The platform's standard shortcuts do what their menu entries do.
    void scorciatoie_data() {
        QTest::addColumn<int>("schermo");  // 0 start, 1 options, 2 trajectory
        QTest::addColumn<int>("tasti");
        QTest::addColumn<QString>("dialogo");  // the last dialog it opens
        QTest::newRow("Apri") << 0 << int(QKeySequence::Open) << "apri";
        QTest::newRow("Salva con nome") << 0 << int(QKeySequence::Save) << "salva";
        QTest::newRow("Esci dall'avvio") << 0 << int(QKeySequence::Quit) << "Conferma salvataggio";
        QTest::newRow("Esci dalle opzioni") << 1 << int(QKeySequence::Quit) << "Conferma salvataggio";
        QTest::newRow("Salva con nome dalle traiettorie") << 2 << int(QKeySequence::Save) << "salva";
        QTest::newRow("Stampa") << 2 << int(QKeySequence::Print) << "stampante";
        QTest::newRow("Esci dalle traiettorie") << 2 << int(QKeySequence::Quit) << "Conferma salvataggio";
    }
    void scorciatoie() {
        QFETCH(int, schermo);
        QFETCH(int, tasti);
        QFETCH(QString, dialogo);
        Ambiente a;
        QWidget* finestra = a.programma->Avvio();
        if (schermo == 1) Premi(finestra, "cmdConferma"), finestra = a.programma->Opzioni();
        if (schermo == 2) finestra = Apri(a, "optTabellaVari");
        finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(finestra));
        // Leaving has Ctrl+Q where the platform has no key of its own.
        const QList<QKeySequence> piattaforma = QKeySequence::keyBindings(QKeySequence::StandardKey(tasti));
        QTest::keySequence(finestra, piattaforma.value(0, QKeySequence(Qt::CTRL | Qt::Key_Q)));
        QVERIFY(!a.dialoghi.inattesi.isEmpty());
        QCOMPARE(a.dialoghi.inattesi.last(), dialogo);
    }

    // Leaving with unsaved data asks to save; a failed save asks again.
    void uscitaConDatiNonSalvati() {
        Ambiente a;
        QSignalSpy fine(a.programma.get(), &Programma::terminato);
        a.dialoghi.risposte << true << a.cartella.path() << true << QString();
        Premi(a.programma->Avvio(), "cmdEsci");
        QCOMPARE(a.dialoghi.domande.size(), 2);
        QCOMPARE(a.dialoghi.domande[0], "Conferma salvataggio|Non esiste o è stato modificato il file dei dati "
                                        "impostati.\nVuoi salvare le modifiche in un file?");
        UnAvviso(a.dialoghi.avvisi, "SALVATAGGIO NON RIUSCITO!!|");
        QCOMPARE(fine.count(), 1);
    }
};

QTEST_MAIN(TestTraiettorie)
#include "test_traiettorie.moc"
