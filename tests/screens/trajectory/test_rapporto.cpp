// What leaves the trajectory screen: the printed report and the PDF (read
// back with pdftotext), the CSV file, the clipboard and the chart window.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QtTest>

#include "ambiente.h"
#include "azionitabella.h"
#include "frmAvvio.h"
#include "frmGraficoTraiettoria.h"
#include "frmInputDatiTraiet.h"
#include "frmOpzioni.h"

class TestRapporto : public QObject {
    Q_OBJECT
    using A = Ambiente;

    // The default load at 450 m, the table of the given request computed.
    static frmInputDatiTraiet* Tabella(A& a, const QStringList& richiesta = {"225", "0", "500", "20", "5", "50"},
                                       const char* opzione = "optTabellaVari") {
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        A::Scrivi(s, "txtAltitudine", QStringLiteral("450"));
        A::Premi(s, "cmdConferma");
        A::Premi(a.programma->Opzioni(), "cmdCalcoloTraiettorie");
        frmInputDatiTraiet* t = a.programma->Traiettorie();
        t->ImpostaTestiRichiesta(richiesta);
        A::DoppioClick(t, opzione);
        return t;
    }
    // The pages of a PDF as pdftotext lays them out.
    static QStringList Pagine(const QString& pdf, const QString& opzione = QStringLiteral("-layout")) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {opzione, pdf, QStringLiteral("-")});
        p.waitForFinished(60000);
        QStringList pagine = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
        if (!pagine.isEmpty() && pagine.last().trimmed().isEmpty()) pagine.removeLast();
        return pagine;
    }
    // Distances at the start of the table's lines, in page order.
    static QList<int> Distanze(const QString& pagina) {
        static const QRegularExpression riga(QStringLiteral("^\\s*(\\d+)\\s+-?\\d+\\.\\d\\s+-?\\d+\\.\\d\\s"),
                                             QRegularExpression::MultilineOption);
        QList<int> d;
        for (auto m = riga.globalMatch(pagina); m.hasNext();) d << m.next().captured(1).toInt();
        return d;
    }
    static QString Esporta(A& a, frmInputDatiTraiet* t, const char* voce, const QString& nome) {
        const QString percorso = a.PercorsoFile(nome);
        a.dialoghi.Rispondi(percorso);
        A::Menu(t, voce);
        return percorso;
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) non installato");
    }

    void stampaTabellaPredefinitaSuUnaPagina() {
        A a;
        frmInputDatiTraiet* t = Tabella(a);
        A::Scrivi(t, "txtCalibro", QStringLiteral(".243 Win"));
        const QString pdf = a.PercorsoFile(QStringLiteral("stampa.pdf"));
        a.dialoghi.StampaSuPdf(pdf);
        a.dialoghi.Rispondi(true);
        A::Menu(t, "mnuStampa");
        const QStringList pagine = Pagine(pdf);
        QCOMPARE(pagine.size(), 1);
        const QString& p = pagine[0];
        QList<int> attese;
        for (int d = 0; d <= 500; d += 20) attese << d;
        QCOMPARE(Distanze(p), attese);
        QVERIFY(p.contains(QRegularExpression(QStringLiteral("\\b20\\s+-0\\.2\\s+2\\.5\\s+947\\.6\\s+2764\\.1\\s+-0\\.1\\s+0\\.021\\s+-2\\.0"))));
        for (const char* testo : {"Rigata - Tabella parametri vari", "La distanza ottimale di azzeramento per uno scarto max. di +6cm è di m 225",
                                  "Tiro utile (±6 cm): da 0 m a 261 m", "pagina 1 di 1", ".243 Win", "Scarto mira"})
            QVERIFY2(p.contains(QString::fromUtf8(testo)), testo);
        QVERIFY(a.dialoghi.inattesi.isEmpty());
    }

    // Every word on paper at 8 pt or more: DejaVu's box is 1.16 times its size.
    void testoAlmenoOttoPunti() {
        A a;
        frmInputDatiTraiet* t = Tabella(a);
        const QString pdf = Esporta(a, t, "mnuEsportaPdf", QStringLiteral("tabella.pdf"));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        p.waitForFinished(60000);
        const QString html = QString::fromUtf8(p.readAllStandardOutput());
        static const QRegularExpression parola(QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\""));
        double minima = 1e9;
        int parole = 0;
        for (auto m = parola.globalMatch(html); m.hasNext(); ++parole) {
            const auto c = m.next();
            minima = std::min(minima, c.captured(2).toDouble() - c.captured(1).toDouble());
        }
        QVERIFY(parole > 300);
        QVERIFY2(minima >= 8 * 1.15, qPrintable(QString::number(minima)));
    }

    // 500 rows: numbered pages, each with the header row, every row once and in order.
    void cinquecentoRigheSuPagineNumerate() {
        A a;
        frmInputDatiTraiet* t = Tabella(a, {"225", "0", "499", "1", "5", "50"});
        Esporta(a, t, "mnuEsportaPdf", QStringLiteral("lunga"));  // ".pdf" is added
        const QStringList pagine = Pagine(a.PercorsoFile(QStringLiteral("lunga.pdf")));
        QVERIFY(pagine.size() >= 5);
        QList<int> tutte, attese;
        for (int n = 0; n < pagine.size(); ++n) {
            QVERIFY2(pagine[n].contains(QStringLiteral("pagina %1 di %2").arg(n + 1).arg(pagine.size())), qPrintable(QString::number(n)));
            QVERIFY(pagine[n].contains(QRegularExpression(QStringLiteral("Distanza\\s+Caduta\\s+Ordinata\\s+Velocità\\s+Energia\\s+Dev.Vento\\s+Tempo volo\\s+Scarto mira"))));
            const QList<int> d = Distanze(pagine[n]);
            QVERIFY(n == 0 || d.size() > 40);
            tutte += d;
        }
        for (int d = 0; d < 500; ++d) attese << d;
        QCOMPARE(tutte, attese);
        // Stopped from the progress dialog: no PDF is made.
        auto* azioni = t->findChild<AzioniTabella*>();
        QVERIFY(!azioni->PdfRapporto([](int pagina, int) { return pagina < 3; }));
    }

    void csvNeiDueLocali_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QByteArray>("intestazione");
        QTest::addColumn<QByteArray>("riga20m");
        QTest::newRow("punto decimale") << QLocale::c()
            << QByteArray("\xEF\xBB\xBF" "Distanza (m,Velocità (m/s),Energia   (J),Scarto  0°(cm),Scarto 15°(cm),Scarto 30°(cm),Scarto 45°(cm),Scarto 60°(cm)\r\n")
            << QByteArray("20,947.6,2764.1,-2.0,-2.0,-2.0,-2.0,-1.9\r\n");
        QTest::newRow("virgola decimale") << QLocale(QLocale::Italian, QLocale::Italy)
            << QByteArray("\xEF\xBB\xBF" "Distanza (m;Velocità (m/s);Energia   (J);Scarto  0°(cm);Scarto 15°(cm);Scarto 30°(cm);Scarto 45°(cm);Scarto 60°(cm)\r\n")
            << QByteArray("20;947,6;2764,1;-2,0;-2,0;-2,0;-2,0;-1,9\r\n");
    }
    void csvNeiDueLocali() {
        QFETCH(QLocale, locale);
        QFETCH(QByteArray, intestazione);
        QFETCH(QByteArray, riga20m);
        QLocale::setDefault(locale);
        A a;
        frmInputDatiTraiet* t = Tabella(a, {"225", "0", "500", "20", "5", "50"}, "optTabellaCampagna");
        QFile f(Esporta(a, t, "mnuEsportaCsv", QStringLiteral("tabella.csv")));
        QLocale::setDefault(QLocale::c());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> righe = f.readAll().split('\n');
        QCOMPARE(righe.size(), 28);  // 27 lines, each ending in CR LF
        QCOMPARE(righe[0] + '\n', intestazione);
        QCOMPARE(righe[2] + '\n', riga20m);
        QVERIFY(righe.last().isEmpty());
    }

    void copiaSelezioneOTuttaLaTabella() {
        A a;
        frmInputDatiTraiet* t = Tabella(a);
        A::Menu(t, "mnuCopiaTabella");
        const QStringList tutto = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(tutto.size(), 28);
        QCOMPARE(tutto[0], QStringLiteral("Distanza (m)\tCaduta (cm)\tOrdinata (cm)\tVelocità (m/s)\tEnergia   (J)\tDev.Vento (cm)\tTempo volo (s)\tScarto mira (cm)"));
        QCOMPARE(tutto[26], QStringLiteral("500\t-182.5\t-114.3\t612.9\t1156.2\t-68.8\t0.656\t-108.2"));

        auto* griglia = A::Trova<QTableView>(t, "MSFlexGrid1");
        const QAbstractItemModel* m = griglia->model();
        griglia->selectionModel()->select(QItemSelection(m->index(1, 0), m->index(2, 0)), QItemSelectionModel::Select);
        griglia->selectionModel()->select(m->index(1, 3), QItemSelectionModel::Select);
        QTest::keyClick(griglia, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Distanza (m)\tVelocità (m/s)\n20\t947.6\n40\t\n"));
    }

    void menuAbilitatoConLaTabella() {
        A a;
        a.programma->Main();
        A::Premi(a.programma->Avvio(), "cmdConferma");
        A::Premi(a.programma->Opzioni(), "cmdCalcoloTraiettorie");
        frmInputDatiTraiet* t = a.programma->Traiettorie();
        const QList<QAction*> menu = t->menuBar()->actions();
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu[1]->text(), QStringLiteral("&Tabella"));
        QStringList voci;
        for (QAction* v : menu[1]->menu()->actions())
            if (!v->isSeparator()) voci << v->text() + (v->isEnabled() ? QStringLiteral("+") : QStringLiteral("-"));
        QCOMPARE(voci, (QStringList{"Esporta &PDF...-", "Esporta &CSV...-", "&Copia tabella-", "&Grafico della traiettoria-"}));
        // Before any table the report holds the request and the bullet only.
        const QString pdf = a.PercorsoFile(QStringLiteral("vuota.pdf"));
        a.dialoghi.StampaSuPdf(pdf);
        a.dialoghi.Rispondi(true);
        A::Menu(t, "mnuStampa");
        const QString p = Pagine(pdf).value(0);
        QVERIFY(p.contains(QStringLiteral("Distanza di azzeramento")) && p.contains(QStringLiteral("0.379")));
        QVERIFY(!p.contains(QStringLiteral("Tiro utile")) && !p.contains(QStringLiteral("Scarto mira")));
        A::DoppioClick(t, "optTabellaVari");
        QVERIFY(menu[1]->menu()->actions().constFirst()->isEnabled());
    }

    // The chart draws, follows a new table and is saved as SVG.
    void graficoSegueLaTabella() {
        A a;
        frmInputDatiTraiet* t = Tabella(a);
        A::Menu(t, "mnuGrafico");
        auto* finestra = t->findChild<frmGraficoTraiettoria*>();
        QVERIFY(finestra && finestra->isVisible());
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Grafico della traiettoria"));
        const QImage generale = finestra->Grafico()->grab().toImage();
        int colorati = 0;
        for (int y = 0; y < generale.height(); y += 2)
            for (int x = 0; x < generale.width(); x += 2) {
                const QColor c = generale.pixelColor(x, y);
                colorati += c.blue() > c.red() + 60;  // the blue trajectory and velocity curves
            }
        QVERIFY(colorati > 200);
        A::DoppioClick(t, "optTabellaCampagna");
        QCOMPARE(finestra->Grafico()->Dati()->tipo, rigata::TipoTabella::Campagna);
        QVERIFY(finestra->Grafico()->grab().toImage() != generale);
        a.dialoghi.Rispondi(a.PercorsoFile(QStringLiteral("grafico.svg")));
        A::Premi(finestra, "cmdSalvaImmagine");
        QFile svg(a.PercorsoFile(QStringLiteral("grafico.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray testo = svg.readAll();
        QVERIFY(testo.contains("<svg") && testo.contains("Distanza (m)") && testo.contains("60°"));
    }
};

QTEST_MAIN(TestRapporto)
#include "test_rapporto.moc"
